#pragma once
// The operation date-time stamped on everything the client records: the database server's clock to whole
// seconds ("select  getDate() as fecha" on the main session). When the query gives no row: with
// UtilizarFechaDia, FECHAOPERHASTA when it holds a date, else the workstation's clock. When the query
// fails or its row cannot be read: 0 (30/12/1899 00:00:00). Reports nothing.
#include <QString>

namespace entrega {

class Contexto;

double FechaOperacion(Contexto& contexto);

// The date-time to stamp on a delivery. When the server's date cannot be read, FechaOperacion gives the zero
// date; stamping it would record the delivery as done on 30/12/1899, out of every day's list, so this raises
// instead and the delivery goes to its failure policy with nothing written.
double FechaParaSellar(Contexto& contexto);

// The answer when the server gives no row (also used on its own by tests, since a SELECT without FROM
// always gives one).
double fechaDeRespaldo(Contexto& contexto);

} // namespace entrega
