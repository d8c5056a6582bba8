#pragma once
// Reads the suite's INI file (RB512pr.INI) in the program folder. Sections and keys ignore case; a missing
// file, section or key gives the default.
#include <QString>

namespace entrega {

class cIni {
public:
    void setCarpeta(const QString& carpeta) { m_carpeta = carpeta; }
    QString LeerIni(const QString& archivo, const QString& seccion, const QString& clave,
                    const QString& predeterminado) const;

private:
    QString m_carpeta;
};

} // namespace entrega
