#pragma once
// Rewriting the client's T-SQL for SQLite, and SQLite's failures as SQL Server's diagnostics.
// Only what SQLite does not read as SQL Server does is rewritten; everything else passes unchanged, and
// nothing inside a string literal is touched except day-first dates and the trailing blanks of a compared
// literal:
//   - table hints "with(nolock)", "WITH (NOLOCK, ROWLOCK)", "t (nolock)" are removed;
//   - "> =", "< =", "! =", "< >" lose their inner blank;
//   - "TOP n" / "TOP (n)" becomes "LIMIT n" at the end of its SELECT;
//   - getDate() becomes the local date-time as an ISO literal;
//   - literals 'dd/mm/yyyy', 'dd/mm/yy' (optionally with hh:mm or hh:mm:ss) become 'yyyy-mm-dd hh:mm:ss',
//     the form dates are stored and compared in;
//   - a literal compared with =, <> or != loses its trailing blanks (SQL Server pads the shorter side), an
//     assignment in an UPDATE's SET keeps them;
//   - "+" joins texts ("||") in a chain a + b + c where no operand is known to be a number (a numeric literal
//     or a column declared numeric or as a date) and at least one is known to be text (a quoted literal, a
//     text function, a CAST/CONVERT to a character type, or a column declared as text in one of the
//     statement's tables); otherwise it stays an addition;
//   - a batch is cut into statements at ";" and at line ends followed by a word that starts a statement.
#include "ado/Errores.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace entrega::ado::dialecto {

// The declared types of a table's columns by name in lower case; empty when the table is unknown.
using TiposDeColumnas = std::function<QHash<QString, QString>(const QString& tabla)>;

// The statements SQLite runs for one text of the client. Without `tipos` only literals, numbers and
// functions tell a text "+" from a numeric one. getDate() is `ahora`, or the clock's local time.
QStringList reescribirParaSqlite(const QString& tsql, const TiposDeColumnas& tipos = {},
                                 const std::optional<QDateTime>& ahora = std::nullopt);

// SQL Server's native error number for a SQLite failure (result code, primary or extended, and message):
// 2627 unique or primary key, 547 foreign key or check, 515 not null, 208 unknown object, 207 unknown
// column, 102 syntax; 0 for a busy database; SQLite's own code otherwise.
int nativoSqlServer(int codigoSqlite, const QString& mensaje);

// The diagnostic records SQL Server sends for such a failure of `sentencia`, in its order and wording
// (a constraint violation is followed by 3621 "The statement has been terminated.").
QList<ErrorProveedor> erroresComoSqlServer(int codigoSqlite, const QString& mensaje,
                                           const QString& sentencia);

// The source text of the embedded engine's diagnostics.
inline constexpr char16_t origenSqlite[] = u"Entrega.SQLite";

} // namespace entrega::ado::dialecto
