#pragma once
// Values of the embedded engine as the client's Variant, by the column's declared type:
// DATETIME/DATE/SMALLDATETIME -> Date (stored as ISO text "yyyy-mm-dd hh:mm:ss"), BIT -> Boolean,
// SMALLINT/TINYINT -> Integer, INT/INTEGER -> Long, BIGINT/DECIMAL/NUMERIC -> Decimal, MONEY -> Currency,
// FLOAT/REAL/DOUBLE -> Double, any other -> Text. An expression has no declared type: its value goes by its
// storage class, and a text in exactly the stored date form is a Date (getDate(), max(fecha)).
// A value whose storage class does not fit its column's type goes by its storage class too.
#include "core/Variant.h"

#include <QString>

struct sqlite3_stmt;

namespace entrega::ado::sqlite {

enum class TipoSqlite { SinTipo, Fecha, Booleano, Entero, Largo, Moneda, Decimal, Doble, Texto };

TipoSqlite tipoDeclarado(const QString& declarado);
Variant::Tipo tipoVariant(TipoSqlite tipo);

Variant leerValor(sqlite3_stmt* sentencia, int columna, TipoSqlite tipo);
// Dates as ISO text, Booleans as 0/1, Currency as an exact number, Decimal as its text.
void enlazar(sqlite3_stmt* sentencia, int posicion, const Variant& valor);

} // namespace entrega::ado::sqlite
