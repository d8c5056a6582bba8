#pragma once
// The workstation: machine and user names, temporary folder, opening documents.
#include <QString>

namespace entrega {

class cEquipo {
  public:
    QString NombreEquipo() const;
    // From USER (LOGNAME, USERNAME where USER is not set).
    QString UsuarioEquipo() const;
    // The system's temporary folder (TMPDIR on Linux), with native separators.
    QString CarpetaTemporal() const;
    // Opens a file or web address with the desktop's default handler; the outcome is not reported.
    void EjecutarDocumento(const QString& documento) const;
};

} // namespace entrega
