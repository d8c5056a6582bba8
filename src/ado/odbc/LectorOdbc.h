#pragma once
// The rows of one result, read forward: each row's values are fetched whole when the reader moves onto it.
// When the engine must run another statement while rows are still unread, the reader takes them all first
// (a SQL Server connection carries one pending result at a time), and goes on from memory.
#include "ado/Motor.h"
#include "ado/odbc/DiagnosticoOdbc.h"
#include "ado/odbc/ManejadoresOdbc.h"

#include <deque>
#include <memory>

namespace entrega::ado::odbc {

class LectorOdbc {
  public:
    // How a column's values become Variants.
    // TextoOFecha: an expression of a SQLite database (max(fecha)), whose text may be a stored date.
    enum class Lectura {
        Texto,
        Booleano,
        Entero,
        Largo,
        Grande,
        Doble,
        Moneda,
        Decimal,
        Fecha,
        Hora,
        TextoOFecha
    };
    struct ColumnaOdbc {
        Columna columna;
        Lectura lectura = Lectura::Texto;
    };

    LectorOdbc(std::shared_ptr<SentenciaOdbc> sentencia, Circunstancia circunstancia);

    QList<Columna> columnas() const;
    bool siguiente();
    Variant valor(int columna) const;
    // Reads the rows still unread into memory and releases the statement.
    void materializar();
    // Releases the statement; the rows still unread are lost.
    void terminar();

    static Lectura lecturaDe(SQLSMALLINT tipoSql, const QString& nombreTipo, SQLSMALLINT escala);
    static Variant::Tipo tipoDe(Lectura lectura);

  private:
    void describir();
    QList<Variant> leerFila();
    Variant leer(SQLUSMALLINT n, Lectura lectura);
    Variant leerTexto(SQLUSMALLINT n);
    [[noreturn]] void fallar();

    std::shared_ptr<SentenciaOdbc> m_sentencia;
    Circunstancia m_circunstancia;
    QList<ColumnaOdbc> m_columnas;
    QList<Variant> m_fila;
    std::deque<QList<Variant>> m_pendientes; // what materializar() read
};

} // namespace entrega::ado::odbc
