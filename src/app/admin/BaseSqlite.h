#pragma once
// A thin owner of a SQLite database handle and its prepared statements. Every failure throws
// std::runtime_error with SQLite's message.
#include <QString>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <vector>

namespace entrega::admin {

class Sentencia {
  public:
    Sentencia(sqlite3* bd, std::string_view sql);
    ~Sentencia();
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;

    // Parameters count from 1, as SQLite numbers them.
    Sentencia& texto(int i, std::string_view valor);
    Sentencia& entero(int i, long long valor);
    Sentencia& doble(int i, double valor);
    Sentencia& nulo(int i);

    // Runs the statement once and readies it for the next row.
    void ejecutar();

  private:
    void comprobar(int resultado);

    sqlite3* m_bd;
    sqlite3_stmt* m_sentencia = nullptr;
};

class BaseSqlite {
  public:
    // Opens the file; creates it only when `crear` is set.
    BaseSqlite(const QString& archivo, bool crear);
    ~BaseSqlite();
    BaseSqlite(const BaseSqlite&) = delete;
    BaseSqlite& operator=(const BaseSqlite&) = delete;

    // One or more statements separated by ";".
    void ejecutar(std::string_view sql);
    Sentencia preparar(std::string_view sql) { return Sentencia(m_bd, sql); }
    // The statements of a script, one text each, split where SQLite's parser ends them.
    std::vector<std::string> separar(std::string_view sql);
    sqlite3* handle() { return m_bd; }

  private:
    sqlite3* m_bd = nullptr;
};

} // namespace entrega::admin
