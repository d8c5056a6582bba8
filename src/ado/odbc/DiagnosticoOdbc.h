#pragma once
// A handle's diagnostic records as the connection's Errors list holds them.
#include "ado/Errores.h"
#include "ado/Motor.h"

#include <sql.h>

namespace entrega::ado::odbc {

// Every record, in order, until the driver manager has no more. Each gets `numero`; the bracketed prefixes
// of the message ("[unixODBC][FreeTDS][SQL Server]") become the source, the rest the description. A SQLite
// database behind the driver reports its result code as native error: it becomes SQL Server's number.
// `oculto` (a password) never appears in a text handed out.
QList<ErrorProveedor> leerDiagnosticos(SQLSMALLINT tipo, SQLHANDLE manejador, std::int32_t numero,
                                       Dialecto dialecto, const QString& oculto = {});

// The failure a call on the handle just returned: its records, or one plain record when it left none.
ErrorMotor fallaOdbc(SQLSMALLINT tipo, SQLHANDLE manejador, std::int32_t numero, Dialecto dialecto,
                     const QString& oculto = {});

} // namespace entrega::ado::odbc
