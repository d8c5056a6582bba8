#pragma once
// A handle's diagnostic records as the connection's Errors list holds them.
#include "ado/Errores.h"
#include "ado/Motor.h"

#include <sql.h>

namespace entrega::ado::odbc {

// What the records are read for.
struct Circunstancia {
    Dialecto dialecto = Dialecto::SqlServer;
    QString oculto;    // the connection's password: never in a text handed out
    QString sentencia; // the statement that failed, if any
};

// Every record, in order, until the driver manager has no more. Each gets `numero`; the bracketed prefixes
// of the message ("[unixODBC][FreeTDS][SQL Server]") become the source, the rest the description. A SQLite
// database behind the driver reports its result code as native error: its failure is told as SQL Server
// tells it, as the embedded engine does.
QList<ErrorProveedor> leerDiagnosticos(SQLSMALLINT tipo, SQLHANDLE manejador, std::int32_t numero,
                                       const Circunstancia& circunstancia);

// The failure a call on the handle just returned: its records, or one plain record when it left none.
ErrorMotor fallaOdbc(SQLSMALLINT tipo, SQLHANDLE manejador, std::int32_t numero,
                     const Circunstancia& circunstancia);

} // namespace entrega::ado::odbc
