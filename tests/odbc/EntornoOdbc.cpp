#include "EntornoOdbc.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace entrega::pruebas {

namespace {

void escribir(const QString& ruta, const QString& texto, QIODevice::OpenMode modo = QIODevice::WriteOnly) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(modo | QIODevice::Text)) << ruta.toStdString();
    f.write(texto.toUtf8());
}

// The process's driver manager configuration, made once.
const QTemporaryDir& configuracion() {
    static const QTemporaryDir carpeta = [] {
        QTemporaryDir c;
        escribir(c.filePath(QStringLiteral("odbcinst.ini")),
                 QStringLiteral("[SQLite3]\nDriver=%1\n\n[FreeTDS]\nDriver=%2\n")
                     .arg(QStringLiteral(ENTREGA_SQLITE_ODBC), QStringLiteral(ENTREGA_TDS_ODBC)));
        escribir(c.filePath(QStringLiteral("odbc.ini")), QString());
        qputenv("ODBCSYSINI", c.path().toLocal8Bit());
        qputenv("ODBCINI", c.filePath(QStringLiteral("odbc.ini")).toLocal8Bit());
        return c;
    }();
    return carpeta;
}

} // namespace

EntornoOdbc::EntornoOdbc() {
    configuracion();
}

QString EntornoOdbc::crearBase(const QString& nombre, const QString& sql) const {
    const QString archivo = m_carpeta.filePath(nombre + QStringLiteral(".sqlite"));
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(archivo.toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error), SQLITE_OK)
        << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
    return archivo;
}

void EntornoOdbc::agregarDsn(const QString& nombre, const QString& archivo) {
    escribir(configuracion().filePath(QStringLiteral("odbc.ini")),
             QStringLiteral("[%1]\nDriver=SQLite3\nDatabase=%2\n\n").arg(nombre, archivo), QIODevice::Append);
}

QString EntornoOdbc::cadenaSqlite(const QString& archivo) {
    return QStringLiteral("Driver=SQLite3;Database=%1;").arg(archivo);
}

} // namespace entrega::pruebas
