#pragma once
// The rows of one statement of the embedded engine, stepped on demand. Values come typed by the column's
// declared type (see TiposSqlite.h).
#include "ado/Motor.h"
#include "ado/sqlite/BaseSqlite.h"
#include "ado/sqlite/TiposSqlite.h"

namespace entrega::ado::sqlite {

class CursorSqlite : public Cursor {
  public:
    // Takes the statement over; gives it back to the base when destroyed.
    CursorSqlite(std::shared_ptr<BaseSqlite> base, QByteArray sql, sqlite3_stmt* sentencia);
    ~CursorSqlite() override;

    // Binds the parameters and runs the statement up to its first row (a write, to its end).
    void ejecutar(const QList<Variant>& parametros);

    QList<Columna> columnas() const override { return m_columnas; }
    bool siguiente() override;
    Variant valor(int columna) const override;
    long long filasAfectadas() const override { return m_filas; }

  private:
    int paso();

    std::shared_ptr<BaseSqlite> m_base;
    QByteArray m_sql;
    sqlite3_stmt* m_sentencia;
    QList<Columna> m_columnas;
    QList<TipoSqlite> m_tipos;
    long long m_filas = -1;
    bool m_filaPendiente = false; // the first row, already stepped to
    bool m_terminado = false;
};

} // namespace entrega::ado::sqlite
