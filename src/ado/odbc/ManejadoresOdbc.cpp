#include "ado/odbc/ManejadoresOdbc.h"

namespace entrega::ado::odbc {

ConexionOdbc::~ConexionOdbc() {
    desconectar();
    if (conexion != SQL_NULL_HDBC)
        SQLFreeHandle(SQL_HANDLE_DBC, conexion);
    if (entorno != SQL_NULL_HENV)
        SQLFreeHandle(SQL_HANDLE_ENV, entorno);
}

void ConexionOdbc::desconectar() {
    if (conectada)
        SQLDisconnect(conexion);
    conectada = false;
}

SentenciaOdbc::SentenciaOdbc(std::shared_ptr<ConexionOdbc> c) : conexion(std::move(c)) {
    if (conexion->conectada)
        SQLAllocHandle(SQL_HANDLE_STMT, conexion->conexion, &manejador);
}

void SentenciaOdbc::cerrar() {
    if (manejador != SQL_NULL_HSTMT)
        SQLFreeHandle(SQL_HANDLE_STMT, manejador);
    manejador = SQL_NULL_HSTMT;
}

} // namespace entrega::ado::odbc
