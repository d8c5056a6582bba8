#include "BaseDePrueba.h"

#include <QDir>
#include <sqlite3.h>
#include <stdexcept>

namespace entrega::ado::prueba {

BaseDePrueba::BaseDePrueba(const QString& script, const QString& nombre) {
    crear(nombre, script);
}

QString BaseDePrueba::cadena(const QString& nombre) const {
    return QStringLiteral("Provider=SQLite;Data Source=%1;Database=%2").arg(carpeta(), nombre);
}

QString BaseDePrueba::ruta(const QString& nombre) const {
    return QDir(carpeta()).filePath(nombre + ".sqlite");
}

void BaseDePrueba::crear(const QString& nombre, const QString& script) const {
    sqlite3* db = nullptr;
    sqlite3_open(ruta(nombre).toUtf8().constData(), &db);
    char* error = nullptr;
    // One transaction without syncing: a test's database needs no durability, and its many statements
    // would each wait for the disk.
    const QString entero = QStringLiteral("PRAGMA synchronous=OFF; BEGIN; %1; COMMIT;").arg(script);
    const int rc = sqlite3_exec(db, entero.toUtf8().constData(), nullptr, nullptr, &error);
    const std::string texto = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("test database script: " + texto);
}

QString BaseDePrueba::valor(const QString& sql, const QString& nombre) const {
    sqlite3* db = nullptr;
    sqlite3_open_v2(ruta(nombre).toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr);
    QString v;
    if (st && sqlite3_step(st) == SQLITE_ROW) {
        const auto* t = sqlite3_column_text(st, 0);
        v = t ? QString::fromUtf8(reinterpret_cast<const char*>(t)) : QStringLiteral("<null>");
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return v;
}

} // namespace entrega::ado::prueba
