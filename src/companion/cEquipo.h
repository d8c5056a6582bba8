#pragma once
// The workstation: machine and user names, temporary folder, opening documents.
#include <QString>

namespace entrega {

class cEquipo {
public:
    QString NombreEquipo() const;
    QString UsuarioEquipo() const;
    QString CarpetaTemporal() const;
    // Opens a file or web address with the desktop's default handler.
    void EjecutarDocumento(const QString& documento) const;
};

} // namespace entrega
