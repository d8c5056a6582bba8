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

    // Tries to open the connection, closing the one the session held; raises nothing. The outcome is read
    // through Conectado(), and motivo() says why it did not open. A non-empty explicit connection text is
    // opened as it stands; otherwise it is composed from the properties. The operator is never asked:
    // `preguntar`, `tipo` and the two flags are accepted for the callers' sake.
    void Conectar(bool preguntar, std::int32_t tipo, const QString& conexionExplicita, bool, bool);
    bool Conectado() const;
    QString motivo() const { return m_motivo; }
    ado::Connection& Conexion() { return m_conexion; }
    // The provider text of the open connection ("SQLite", or the ODBC engine's); empty when closed.
    QString Proveedor() const;

    // Opens `rs` on `sql`, on the session's connection unless another is given, positioned on its first row
    // (BOF when no row came back). A set that was still open is closed first. Failures go to the caller.
    void AbrirConsulta(const QString& sql, ado::Recordset& rs, ado::Connection* conexion = nullptr,
                       int tipoCursor = ado::adOpenForwardOnly, int tipoBloqueo = ado::adLockReadOnly);
    void CerrarConsulta(ado::Recordset& rs);
    // Runs a statement or batch; a refused statement raises and leaves its diagnostics in
    // Conexion().errores().
    void Ejecutar(const QString& sql, long long* afectadas = nullptr);
    // Runs "SELECT * FROM <tabla> with(nolock) WHERE <campo> = <ValorSql(valor)>", followed by
    // " AND (<condicion>)" when a condition is given. True when a row came back: `rs` is then on it;
    // otherwise `rs` is open and empty (BOF). `tipo` is the command type (8, a statement text) and is not
    // otherwise used; `soloLectura` True opens a forward-only read-only set, False an updatable one.
    bool BuscarRegistro(const QString& tabla, const Variant& valor, const QString& campo, ado::Recordset& rs,
                        int tipo, const QString& condicion, bool soloLectura);
    // The value as a complete SQL literal: texts between the delimiter with the delimiter doubled inside,
    // dates day first between the delimiter, numbers as they are ("." for decimals), Booleans 1 or 0,
    // Null as NULL, Empty as an empty text.
    QString ValorSql(const Variant& valor, const QString& delimitador = QStringLiteral("'")) const;

  private:
    QString cadenaDeConexion(const QString& conexionExplicita);
    bool esLocal() const;

    Contexto& m_contexto;
    ado::Connection m_conexion;
    QString m_motivo;
};

} // namespace entrega
