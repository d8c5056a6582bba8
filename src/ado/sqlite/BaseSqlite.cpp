#include "ado/sqlite/BaseSqlite.h"

#include "ado/dialect/Dialecto.h"

#include <QDir>
#include <sqlite3.h>

namespace entrega::ado::sqlite {

using namespace Qt::StringLiterals;

namespace {

constexpr int SentenciasGuardadas = 64;

// Database names, like SQL Server's, ignore case; the file system may not.
QString rutaDe(const QString& carpeta, const QString& nombre) {
    const QDir dir(carpeta);
    const QString archivo = nombre + u".sqlite"_s;
    if (dir.exists(archivo))
        return dir.filePath(archivo);
    for (const QString& otro : dir.entryList({u"*.sqlite"_s}, QDir::Files))
        if (otro.compare(archivo, Qt::CaseInsensitive) == 0)
            return dir.filePath(otro);
    return {};
}

ErrorMotor noAbre(const QString& nombre, const QString& detalle = {}) {
    QString texto = u"Cannot open database \"%1\" requested by the login. The login failed."_s.arg(nombre);
    if (!detalle.isEmpty())
        texto += u' ' + detalle;
    return ErrorMotor(
        {{fallas::NoConecta, 4060, u"42000"_s, texto, QString::fromUtf16(dialecto::origenSqlite)}});
}

int esperarSinLimite(void*, int) {
    sqlite3_sleep(5);
    return 1;
}

} // namespace

std::shared_ptr<BaseSqlite> BaseSqlite::abrir(const QString& carpeta, const QString& nombre,
                                              int tiempoEspera) {
    const QString ruta = nombre.trimmed().isEmpty() ? QString() : rutaDe(carpeta, nombre.trimmed());
    if (ruta.isEmpty())
        throw noAbre(nombre);
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(ruta).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    std::shared_ptr<BaseSqlite> base(new BaseSqlite(db));
    if (rc != SQLITE_OK)
        throw noAbre(nombre, QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_extended_result_codes(db, 1);
    base->fijarTiempoEspera(tiempoEspera);
    for (const char* ajuste : {"PRAGMA journal_mode=WAL", "PRAGMA foreign_keys=ON"})
        if (sqlite3_exec(db, ajuste, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw noAbre(nombre, QString::fromUtf8(sqlite3_errmsg(db)));
    return base;
}

BaseSqlite::~BaseSqlite() {
    for (sqlite3_stmt* s : std::as_const(m_libres))
        sqlite3_finalize(s);
    sqlite3_close_v2(m_db);
}

void BaseSqlite::fijarTiempoEspera(int segundos) {
    if (segundos <= 0)
        sqlite3_busy_handler(m_db, &esperarSinLimite, nullptr);
    else
        sqlite3_busy_timeout(m_db, segundos * 1000);
}

sqlite3_stmt* BaseSqlite::tomar(const QByteArray& sql) {
    if (auto it = m_libres.find(sql); it != m_libres.end()) {
        sqlite3_stmt* s = *it;
        m_libres.erase(it);
        return s;
    }
    sqlite3_stmt* s = nullptr;
    const char* resto = nullptr;
    if (sqlite3_prepare_v3(m_db, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &s, &resto) !=
        SQLITE_OK)
        throw error(QString::fromUtf8(sql));
    if (s && resto && !QByteArray(resto).trimmed().isEmpty()) {
        sqlite3_finalize(s);
        throw ErrorMotor(
            {{fallas::ErrorDeServidor, 102, u"42000"_s,
              u"One statement at a time: \"%1\" follows the first."_s.arg(QString::fromUtf8(resto)),
              QString::fromUtf16(dialecto::origenSqlite)}});
    }
    return s;
}

void BaseSqlite::devolver(const QByteArray& sql, sqlite3_stmt* sentencia) {
    if (!sentencia)
        return;
    sqlite3_reset(sentencia);
    sqlite3_clear_bindings(sentencia);
    if (m_libres.contains(sql) || m_libres.size() >= SentenciasGuardadas)
        sqlite3_finalize(sentencia);
    else
        m_libres.insert(sql, sentencia);
}

ErrorMotor BaseSqlite::error(const QString& sentencia) const {
    return ErrorMotor(dialecto::erroresComoSqlServer(sqlite3_extended_errcode(m_db),
                                                     QString::fromUtf8(sqlite3_errmsg(m_db)), sentencia));
}

} // namespace entrega::ado::sqlite
