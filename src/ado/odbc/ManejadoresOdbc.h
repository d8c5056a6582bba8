#pragma once
// The handles of one connection. The engine and its open statement share them, so whichever of the two
// goes last frees them, statement before connection before environment.
#include <memory>
#include <sql.h>

namespace entrega::ado::odbc {

struct ConexionOdbc {
    SQLHENV entorno = SQL_NULL_HENV;
    SQLHDBC conexion = SQL_NULL_HDBC;
    bool conectada = false;

    ConexionOdbc() = default;
    ConexionOdbc(const ConexionOdbc&) = delete;
    ConexionOdbc& operator=(const ConexionOdbc&) = delete;
    ~ConexionOdbc();
    void desconectar();
};

// One statement. Closing it (the engine runs another, or closes) ends its rows; its cursor then reads none.
struct SentenciaOdbc {
    explicit SentenciaOdbc(std::shared_ptr<ConexionOdbc> conexion);
    SentenciaOdbc(const SentenciaOdbc&) = delete;
    SentenciaOdbc& operator=(const SentenciaOdbc&) = delete;
    ~SentenciaOdbc() { cerrar(); }
    void cerrar();
    bool abierta() const { return manejador != SQL_NULL_HSTMT; }

    std::shared_ptr<ConexionOdbc> conexion;
    SQLHSTMT manejador = SQL_NULL_HSTMT;
};

} // namespace entrega::ado::odbc
