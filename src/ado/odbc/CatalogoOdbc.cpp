#include "ado/odbc/CatalogoOdbc.h"

#include "ado/odbc/ManejadoresOdbc.h"
#include "ado/odbc/TextoOdbc.h"

#include <array>

namespace entrega::ado::odbc {

namespace {

// Calls `listar` (SQLDataSourcesW or SQLDriversW) from the first entry to the last, keeping the names.
template <typename Listar> QStringList nombres(Listar listar) {
    ConexionOdbc entorno;
    QStringList lista;
    if (!exito(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &entorno.entorno)))
        return lista;
    SQLSetEnvAttr(entorno.entorno, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    std::array<SQLWCHAR, 256> nombre{};
    std::array<SQLWCHAR, 1024> detalle{};
    SQLSMALLINT largoNombre = 0, largoDetalle = 0;
    for (SQLUSMALLINT direccion = SQL_FETCH_FIRST;; direccion = SQL_FETCH_NEXT) {
        const SQLRETURN rc =
            listar(entorno.entorno, direccion, nombre.data(), static_cast<SQLSMALLINT>(nombre.size()),
                   &largoNombre, detalle.data(), static_cast<SQLSMALLINT>(detalle.size()), &largoDetalle);
        if (!exito(rc))
            return lista;
        lista.append(desdeSqlW(nombre.data(), std::min<qsizetype>(largoNombre, nombre.size() - 1)));
    }
}

} // namespace

QStringList fuentesDeDatos() {
    return nombres(SQLDataSourcesW);
}
QStringList controladoresInstalados() {
    return nombres(SQLDriversW);
}

} // namespace entrega::ado::odbc
