#pragma once
// The operation date-time stamped on everything the client records: the database server's clock to whole
// seconds ("select  getDate() as fecha" on the main session). When the query gives no row: with
// UtilizarFechaDia, FECHAOPERHASTA when it holds a date, else the workstation's clock. When the query
// fails or its row cannot be read: 0 (30/12/1899 00:00:00). Reports nothing.
#include <QString>

namespace entrega {

class Contexto;

double FechaOperacion(Contexto& contexto);

// The answer when the server gives no row (also used on its own by tests, since a SELECT without FROM
// always gives one).
double fechaDeRespaldo(Contexto& contexto);

} // namespace entrega
