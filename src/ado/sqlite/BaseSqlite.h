#pragma once
// One open database file of the embedded engine, and the prepared statements kept for reuse on it.
// Cursors share it, so a cursor still being read keeps the file open after its engine moved to another
// database or closed.
#include "ado/Motor.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace entrega::ado::sqlite {

class BaseSqlite {
  public:
    // Opens <carpeta>/<nombre>.sqlite (the name's case aside), never creating it; WAL mode, foreign keys on.
    // Raises ErrorMotor with SQL Server's 4060 when the file does not exist.
    static std::shared_ptr<BaseSqlite> abrir(const QString& carpeta, const QString& nombre, int tiempoEspera);
    ~BaseSqlite();
    BaseSqlite(const BaseSqlite&) = delete;
    BaseSqlite& operator=(const BaseSqlite&) = delete;

    sqlite3* db() const { return m_db; }
    // 0 waits for a busy file without limit.
    void fijarTiempoEspera(int segundos);

    // A prepared statement for the text, from the kept ones when one is free; null for a text with no
    // statement. Raises ErrorMotor when it does not prepare.
    sqlite3_stmt* tomar(const QByteArray& sql);
    // Gives a statement back, reset, to be kept for the same text.
    void devolver(const QByteArray& sql, sqlite3_stmt* sentencia);

    // The engine's last failure as SQL Server's diagnostics for the statement.
    ErrorMotor error(const QString& sentencia) const;

  private:
    explicit BaseSqlite(sqlite3* db) : m_db(db) {}

    sqlite3* m_db;
    QHash<QByteArray, sqlite3_stmt*> m_libres;
};

} // namespace entrega::ado::sqlite
