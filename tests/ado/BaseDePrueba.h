#pragma once
// A database file of the embedded engine in a temporary folder, made with the C API (the engine itself never
// creates one), and a connection description that opens it.
#include <QString>
#include <QTemporaryDir>

namespace entrega::ado::prueba {

class BaseDePrueba {
  public:
    // Creates <folder>/<nombre>.sqlite and runs the script on it.
    explicit BaseDePrueba(const QString& script, const QString& nombre = QStringLiteral("Ventas"));

    QString carpeta() const { return m_dir.path(); }
    QString cadena(const QString& nombre = QStringLiteral("Ventas")) const;
    QString ruta(const QString& nombre = QStringLiteral("Ventas")) const;
    // Creates one more database in the same folder.
    void crear(const QString& nombre, const QString& script) const;
    // A query's first value, read with the C API behind the engine's back.
    QString valor(const QString& sql, const QString& nombre = QStringLiteral("Ventas")) const;

  private:
    QTemporaryDir m_dir;
};

} // namespace entrega::ado::prueba
