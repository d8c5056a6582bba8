#pragma once
// The statement's "?" markers bound to Variants. The buffers live as long as this object, which must outlive
// the statement's execution.
#include "ado/Motor.h"
#include "core/Variant.h"

#include <QList>
#include <deque>
#include <sql.h>
#include <sqlext.h>

namespace entrega::ado::odbc {

// The automation date to the millisecond: a date-time SQL Server stamped (getDate()) and read back must
// compare equal when the optimistic update names the row by it.
SQL_TIMESTAMP_STRUCT momentoOdbc(double fecha);

class ParametrosOdbc {
  public:
    // Dates go to SQL Server as timestamps; to a SQLite database as the text the embedded engine stores.
    ParametrosOdbc(SQLHSTMT sentencia, const QList<Variant>& valores, Dialecto dialecto);
    SQLRETURN resultado() const { return m_resultado; }

  private:
    struct Enlace {
        QString texto;
        SQL_TIMESTAMP_STRUCT momento{};
        std::int32_t largo = 0;
        std::int16_t corto = 0;
        double doble = 0;
        unsigned char bit = 0;
        SQLLEN indicador = 0;
    };
    SQLRETURN enlazar(SQLHSTMT sentencia, SQLUSMALLINT n, const Variant& v, Dialecto dialecto);

    std::deque<Enlace> m_enlaces; // a deque keeps every buffer where it was bound
    SQLRETURN m_resultado = SQL_SUCCESS;
};

} // namespace entrega::ado::odbc
