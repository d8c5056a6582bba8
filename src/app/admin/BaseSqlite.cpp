#include "BaseSqlite.h"

#include <stdexcept>
#include <string>

namespace entrega::admin {

namespace {

[[noreturn]] void fallar(sqlite3* bd, const std::string& contexto) {
    throw std::runtime_error(contexto + ": " + sqlite3_errmsg(bd));
}

} // namespace

Sentencia::Sentencia(sqlite3* bd, std::string_view sql) : m_bd(bd) {
    if (sqlite3_prepare_v2(bd, sql.data(), static_cast<int>(sql.size()), &m_sentencia, nullptr) != SQLITE_OK)
        fallar(bd, std::string(sql));
}

Sentencia::~Sentencia() {
    sqlite3_finalize(m_sentencia);
}

Sentencia& Sentencia::texto(int i, std::string_view valor) {
    comprobar(
        sqlite3_bind_text(m_sentencia, i, valor.data(), static_cast<int>(valor.size()), SQLITE_TRANSIENT));
    return *this;
}

Sentencia& Sentencia::entero(int i, long long valor) {
    comprobar(sqlite3_bind_int64(m_sentencia, i, valor));
    return *this;
}

Sentencia& Sentencia::doble(int i, double valor) {
    comprobar(sqlite3_bind_double(m_sentencia, i, valor));
    return *this;
}

Sentencia& Sentencia::nulo(int i) {
    comprobar(sqlite3_bind_null(m_sentencia, i));
    return *this;
}

void Sentencia::ejecutar() {
    const int resultado = sqlite3_step(m_sentencia);
    sqlite3_reset(m_sentencia);
    if (resultado != SQLITE_DONE && resultado != SQLITE_ROW)
        fallar(m_bd, sqlite3_sql(m_sentencia));
}

void Sentencia::comprobar(int resultado) {
    if (resultado != SQLITE_OK)
        fallar(m_bd, sqlite3_sql(m_sentencia));
}

BaseSqlite::BaseSqlite(const QString& archivo, bool crear) {
    const int modo = SQLITE_OPEN_READWRITE | (crear ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(archivo.toUtf8().constData(), &m_bd, modo, nullptr) != SQLITE_OK) {
        const std::string mensaje = archivo.toStdString() + ": " + sqlite3_errmsg(m_bd);
        sqlite3_close(m_bd);
        throw std::runtime_error(mensaje);
    }
}

BaseSqlite::~BaseSqlite() {
    sqlite3_close(m_bd);
}

void BaseSqlite::ejecutar(std::string_view sql) {
    char* error = nullptr;
    if (sqlite3_exec(m_bd, std::string(sql).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string mensaje = error ? error : sqlite3_errmsg(m_bd);
        sqlite3_free(error);
        throw std::runtime_error(mensaje);
    }
}

std::vector<std::string> BaseSqlite::separar(std::string_view sql) {
    std::vector<std::string> sentencias;
    const std::string texto(sql);
    for (const char* resto = texto.c_str(); *resto;) {
        sqlite3_stmt* sentencia = nullptr;
        const char* fin = nullptr;
        if (sqlite3_prepare_v2(m_bd, resto, -1, &sentencia, &fin) != SQLITE_OK)
            fallar(m_bd, resto);
        if (sentencia)
            sentencias.emplace_back(resto, fin);
        sqlite3_finalize(sentencia);
        resto = fin;
    }
    return sentencias;
}

} // namespace entrega::admin
