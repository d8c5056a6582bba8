#pragma once
// Database files of the embedded engine read and written straight through SQLite in tests, outside the code
// under test: the shipped schema, a script run on a file, and the rows a query gives.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace entrega::prueba {

// The text of a schema file of db/, found from this header's own place in the source tree.
inline QString esquema(const QString& archivo) {
    QDir raiz = QFileInfo(QString::fromUtf8(__FILE__)).dir();
    raiz.cdUp();
    raiz.cdUp();
    QFile f(raiz.filePath(QStringLiteral("db/") + archivo));
    if (!f.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "schema not found: " << f.fileName().toStdString();
    return QString::fromUtf8(f.readAll());
}

// Runs SQL straight on a database file (created when missing), outside the code under test.
inline void ejecutarSql(const QString& archivo, const QString& sql) {
    sqlite3* base = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(archivo).constData(), &base), SQLITE_OK);
    char* error = nullptr;
    const int codigo = sqlite3_exec(base, sql.toUtf8().constData(), nullptr, nullptr, &error);
    EXPECT_EQ(codigo, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(base);
}

// The rows a query gives, read straight from the file: each row its columns joined by "|", Null as "<null>".
inline QStringList filas(const QString& archivo, const QString& sql) {
    QStringList resultado;
    sqlite3* base = nullptr;
    sqlite3_stmt* sentencia = nullptr;
    if (sqlite3_open(QFile::encodeName(archivo).constData(), &base) != SQLITE_OK ||
        sqlite3_prepare_v2(base, sql.toUtf8().constData(), -1, &sentencia, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(base);
    } else {
        while (sqlite3_step(sentencia) == SQLITE_ROW) {
            QStringList columnas;
            for (int i = 0; i < sqlite3_column_count(sentencia); ++i) {
                const auto* texto = reinterpret_cast<const char*>(sqlite3_column_text(sentencia, i));
                columnas << (texto ? QString::fromUtf8(texto) : QStringLiteral("<null>"));
            }
            resultado << columnas.join(u'|');
        }
    }
    sqlite3_finalize(sentencia);
    sqlite3_close(base);
    return resultado;
}

} // namespace entrega::prueba
