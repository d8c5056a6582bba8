#pragma once
// A lenient JSON reader: comments and "(" ")" count as blanks, strings may be single-quoted, keys need no
// quotes, and a fault does not stop the read. Each fault adds one line to the error text, which belongs
// to the last parse; the tree read so far is returned.
#include "util/ValorJson.h"

#include <QString>
#include <optional>

namespace entrega::JSON {

// The root object or array; nothing when the text starts with neither. Numbers become decimals
// (with "." as the decimal point whatever the regional settings). Not for concurrent use.
std::optional<ValorJson> ParseText(const QString& texto);

// The faults of the last parse, one line each (CR LF ended); empty when there were none.
QString ParserErrors();

} // namespace entrega::JSON
