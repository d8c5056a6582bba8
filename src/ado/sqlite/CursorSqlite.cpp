#include "ado/sqlite/CursorSqlite.h"

#include <sqlite3.h>

namespace entrega::ado::sqlite {

CursorSqlite::CursorSqlite(std::shared_ptr<BaseSqlite> base, QByteArray sql, sqlite3_stmt* sentencia)
    : m_base(std::move(base)), m_sql(std::move(sql)), m_sentencia(sentencia) {
    const int n = m_sentencia ? sqlite3_column_count(m_sentencia) : 0;
    for (int i = 0; i < n; ++i) {
        const char* declarado = sqlite3_column_decltype(m_sentencia, i);
        const char* tabla = sqlite3_column_table_name(m_sentencia, i);
        m_tipos.append(tipoDeclarado(QString::fromUtf8(declarado ? declarado : "")));
        m_columnas.append({QString::fromUtf8(sqlite3_column_name(m_sentencia, i)),
                           QString::fromUtf8(tabla ? tabla : ""), tipoVariant(m_tipos.last())});
    }
}

CursorSqlite::~CursorSqlite() {
    m_base->devolver(m_sql, m_sentencia);
}

void CursorSqlite::ejecutar(const QList<Variant>& parametros) {
    if (!m_sentencia) {
        m_filas = 0;
        m_terminado = true;
        return;
    }
    for (int i = 0; i < parametros.size(); ++i)
        enlazar(m_sentencia, i + 1, parametros[i]);
    sqlite3* db = m_base->db();
    const sqlite3_int64 antes = sqlite3_total_changes64(db);
    m_filaPendiente = paso() == SQLITE_ROW;
    m_terminado = !m_filaPendiente;
    if (sqlite3_column_count(m_sentencia) > 0)
        return;
    // A write through a view's INSTEAD OF trigger touches its rows only from inside the trigger.
    const sqlite3_int64 todas = sqlite3_total_changes64(db) - antes;
    m_filas = todas == 0 ? 0 : sqlite3_changes64(db) > 0 ? sqlite3_changes64(db) : todas;
}

int CursorSqlite::paso() {
    const int rc = sqlite3_step(m_sentencia);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        ErrorMotor e = m_base->error(QString::fromUtf8(m_sql));
        sqlite3_reset(m_sentencia);
        m_terminado = true;
        throw e;
    }
    return rc;
}

bool CursorSqlite::siguiente() {
    if (m_filaPendiente) {
        m_filaPendiente = false;
        return true;
    }
    if (m_terminado)
        return false;
    m_terminado = paso() != SQLITE_ROW;
    return !m_terminado;
}

Variant CursorSqlite::valor(int columna) const {
    return leerValor(m_sentencia, columna, m_tipos.at(columna));
}

} // namespace entrega::ado::sqlite
