#pragma once
// The rows of one result, read forward: each row's values are fetched whole when the cursor moves onto it.
#include "ado/Motor.h"
#include "ado/odbc/ManejadoresOdbc.h"

#include <memory>

namespace entrega::ado::odbc {

class CursorOdbc : public Cursor {
  public:
    // How a column's values become Variants.
    enum class Lectura { Texto, Booleano, Entero, Largo, Grande, Doble, Moneda, Decimal, Fecha, Hora };
    struct ColumnaOdbc {
        Columna columna;
        Lectura lectura = Lectura::Texto;
    };

    // A result with columns; `oculto` keeps a password out of failure texts.
    CursorOdbc(std::shared_ptr<SentenciaOdbc> sentencia, Dialecto dialecto, QString oculto);
    // What a statement without rows leaves.
    explicit CursorOdbc(long long afectadas) : m_afectadas(afectadas) {}

    QList<Columna> columnas() const override;
    bool siguiente() override;
    Variant valor(int columna) const override;
    long long filasAfectadas() const override { return m_afectadas; }

    static Lectura lecturaDe(SQLSMALLINT tipoSql, const QString& nombreTipo, SQLSMALLINT escala);

  private:
    void describir();
    Variant leer(SQLUSMALLINT n, Lectura lectura);
    Variant leerTexto(SQLUSMALLINT n);
    [[noreturn]] void fallar();

    std::shared_ptr<SentenciaOdbc> m_sentencia;
    Dialecto m_dialecto = Dialecto::SqlServer;
    QString m_oculto;
    QList<ColumnaOdbc> m_columnas;
    QList<Variant> m_fila;
    long long m_afectadas = -1;
};

} // namespace entrega::ado::odbc
