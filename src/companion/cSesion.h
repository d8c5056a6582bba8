#pragma once
// A database session: the values a connection is composed from, the live connection, and the query helpers
// every routine uses. The server `local` is the embedded engine (a database file in the data folder);
// any other server goes through ODBC.
#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "core/Variant.h"

#include <QString>

namespace entrega {

class Contexto;

class cSesion {
public:
    explicit cSesion(Contexto& contexto) : m_contexto(contexto) {}

    QString Servidor;
    QString BaseDatos;
    QString Usuario;
    QString Clave;
    QString TipoConexion;
    bool Administrador = false;

    // Tries to open the connection; raises nothing. The outcome is read through Conectado().
    void Conectar(bool preguntar, std::int32_t tipo, const QString& conexionExplicita, bool, bool);
    bool Conectado() const;
    ado::Connection& Conexion() { return m_conexion; }
    QString Proveedor() const;

    // Opens `rs` on `sql`, on the session's connection unless another is given, positioned on its first row.
    void AbrirConsulta(const QString& sql, ado::Recordset& rs, ado::Connection* conexion = nullptr,
                       int tipoCursor = ado::adOpenForwardOnly, int tipoBloqueo = ado::adLockReadOnly);
    void CerrarConsulta(ado::Recordset& rs);
    void Ejecutar(const QString& sql, long long* afectadas = nullptr);
    // True when a row of `tabla` with `campo` = `valor` satisfies `condicion`; `rs` is then on that row,
    // otherwise open and empty (BOF).
    bool BuscarRegistro(const QString& tabla, const Variant& valor, const QString& campo, ado::Recordset& rs,
                        int tipo, const QString& condicion, bool);
    // The value as a complete SQL literal: texts between the delimiter with the delimiter doubled inside,
    // dates day first, Null as NULL.
    QString ValorSql(const Variant& valor, const QString& delimitador = QStringLiteral("'")) const;

private:
    Contexto& m_contexto;
    ado::Connection m_conexion;
};

} // namespace entrega
