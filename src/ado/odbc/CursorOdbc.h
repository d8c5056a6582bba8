#pragma once
// What a statement hands the Connection: the reader of its rows, or the count of rows it touched.
#include "ado/Motor.h"
#include "ado/odbc/LectorOdbc.h"

#include <memory>

namespace entrega::ado::odbc {

class CursorOdbc : public Cursor {
  public:
    explicit CursorOdbc(std::shared_ptr<LectorOdbc> lector) : m_lector(std::move(lector)) {}
    explicit CursorOdbc(long long afectadas) : m_afectadas(afectadas) {}

    QList<Columna> columnas() const override { return m_lector ? m_lector->columnas() : QList<Columna>(); }
    bool siguiente() override { return m_lector && m_lector->siguiente(); }
    Variant valor(int columna) const override { return m_lector ? m_lector->valor(columna) : Variant(); }
    long long filasAfectadas() const override { return m_afectadas; }

  private:
    std::shared_ptr<LectorOdbc> m_lector;
    long long m_afectadas = -1;
};

} // namespace entrega::ado::odbc
