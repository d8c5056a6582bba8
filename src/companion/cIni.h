#pragma once
// Reads the suite's INI file (RB512pr.INI) in the program folder. Sections and keys ignore case, and so does
// the file name (a file copied from Windows may have changed case); a missing file, section or key gives the
// default. The file may be UTF-8 or Windows-1252. Lines starting with ";" are comments; the value is the
// text after the first "=", trimmed, and a value wholly between double quotes loses the quotes.
#include <QString>

namespace entrega {

class cIni {
  public:
    void setCarpeta(const QString& carpeta) { m_carpeta = carpeta; }
    QString LeerIni(const QString& archivo, const QString& seccion, const QString& clave,
                    const QString& predeterminado) const;

  private:
    QString rutaDe(const QString& archivo) const;

    QString m_carpeta;
};

} // namespace entrega
