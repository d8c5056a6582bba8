#pragma once
// A driver manager set up in a temporary folder: odbcinst.ini names the SQLite ODBC driver ("SQLite3") and
// FreeTDS by their files, odbc.ini holds the DSNs the tests add. ODBCSYSINI and ODBCINI point there for the
// whole test process, since the driver manager caches what it read. Each fixture has its own folder for
// its database files.
#include <QString>
#include <QTemporaryDir>

namespace entrega::pruebas {

class EntornoOdbc {
  public:
    EntornoOdbc();

    QString carpeta() const { return m_carpeta.path(); }
    // A SQLite file in the fixture's folder, made with `sql` (statements separated by ";").
    QString crearBase(const QString& nombre, const QString& sql) const;
    // A DSN of that name for the file (names must differ between the tests of one process).
    static void agregarDsn(const QString& nombre, const QString& archivo);

    static QString cadenaSqlite(const QString& archivo);

  private:
    QTemporaryDir m_carpeta;
};

} // namespace entrega::pruebas
