#pragma once
// Rewriting the client's T-SQL for SQLite, and SQLite's failures as SQL Server's native numbers.
// Only what SQLite does not read as SQL Server does is rewritten; everything else passes unchanged.
#include <QString>
#include <QStringList>

namespace entrega::ado::dialecto {

// The statements SQLite runs for one text of the client (a batch whose statements are separated by line
// ends gives several).
QStringList reescribirParaSqlite(const QString& tsql);

// SQL Server's native error number for a SQLite failure (extended result code and message):
// 2627 unique or primary key, 547 foreign key or check, 208 unknown object, 207 unknown column, 102 syntax.
int nativoSqlServer(int codigoSqlite, const QString& mensaje);

} // namespace entrega::ado::dialecto
