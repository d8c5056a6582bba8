#pragma once
// The driver manager's wide texts are UTF-16 code units, as QString's are: they pass without conversion.
#include <QString>
#include <sql.h>
#include <sqlext.h>

namespace entrega::ado::odbc {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "unixODBC built with 16-bit SQLWCHAR");

inline QString desdeSqlW(const SQLWCHAR* texto, qsizetype longitud) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(texto), longitud);
}

// The text for an input argument; QString keeps its buffer null-terminated.
inline SQLWCHAR* aSqlW(const QString& texto) {
    return reinterpret_cast<SQLWCHAR*>(
        const_cast<char16_t*>(reinterpret_cast<const char16_t*>(texto.utf16())));
}

inline bool exito(SQLRETURN rc) {
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

} // namespace entrega::ado::odbc
