#include "ado/odbc/DiagnosticoOdbc.h"

#include "ado/dialect/Dialecto.h"
#include "ado/odbc/TextoOdbc.h"

#include <vector>

namespace entrega::ado::odbc {

namespace {

ErrorProveedor registro(SQLSMALLINT tipo, SQLHANDLE manejador, SQLSMALLINT i, SQLRETURN& rc) {
    SQLWCHAR estado[6] = {};
    SQLINTEGER nativo = 0;
    SQLSMALLINT longitud = 0;
    std::vector<SQLWCHAR> mensaje(512);
    rc = SQLGetDiagRecW(tipo, manejador, i, estado, &nativo, mensaje.data(),
                        static_cast<SQLSMALLINT>(mensaje.size()), &longitud);
    if (rc == SQL_SUCCESS_WITH_INFO && longitud >= static_cast<SQLSMALLINT>(mensaje.size())) {
        mensaje.resize(static_cast<size_t>(longitud) + 1);
        rc = SQLGetDiagRecW(tipo, manejador, i, estado, &nativo, mensaje.data(),
                            static_cast<SQLSMALLINT>(mensaje.size()), &longitud);
    }
    ErrorProveedor e;
    e.nativo = nativo;
    e.estadoSql = desdeSqlW(estado, 5);
    e.descripcion = desdeSqlW(mensaje.data(), std::min<qsizetype>(longitud, qsizetype(mensaje.size()) - 1));
    return e;
}

// "[a][b]text" gives source "[a][b]" and description "text".
void separarOrigen(ErrorProveedor& e) {
    qsizetype fin = 0;
    while (fin < e.descripcion.size() && e.descripcion.at(fin) == u'[') {
        const qsizetype cierre = e.descripcion.indexOf(u']', fin);
        if (cierre < 0)
            break;
        fin = cierre + 1;
    }
    e.origen = e.descripcion.left(fin);
    e.descripcion = e.descripcion.mid(fin).trimmed();
}

// The SQLite driver reports SQLite's own failures as HY000 with the result code, and closes the message
// with it: "UNIQUE constraint failed: t.a (19)".
QList<ErrorProveedor> comoSqlServer(ErrorProveedor e, const QString& sentencia) {
    if (e.estadoSql != u"HY000" || e.nativo == 0)
        return {e};
    const QString cola = QStringLiteral(" (%1)").arg(e.nativo);
    if (e.descripcion.endsWith(cola))
        e.descripcion.chop(cola.size());
    QList<ErrorProveedor> registros = dialecto::erroresComoSqlServer(e.nativo, e.descripcion, sentencia);
    for (ErrorProveedor& r : registros)
        r.origen = e.origen;
    return registros;
}

} // namespace

QList<ErrorProveedor> leerDiagnosticos(SQLSMALLINT tipo, SQLHANDLE manejador, std::int32_t numero,
                                       const Circunstancia& c) {
    QList<ErrorProveedor> registros;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLRETURN rc = SQL_SUCCESS;
        ErrorProveedor e = registro(tipo, manejador, i, rc);
        if (!exito(rc))
            break;
        e.numero = numero;
        separarOrigen(e);
        for (ErrorProveedor& r : c.dialecto == Dialecto::Sqlite ? comoSqlServer(e, c.sentencia) : QList{e}) {
            if (!c.oculto.isEmpty()) {
                r.descripcion.replace(c.oculto, QStringLiteral("****"));
                r.origen.replace(c.oculto, QStringLiteral("****"));
            }
            registros.append(r);
        }
    }
    return registros;
}

ErrorMotor fallaOdbc(SQLSMALLINT tipo, SQLHANDLE manejador, std::int32_t numero, const Circunstancia& c) {
    QList<ErrorProveedor> registros = leerDiagnosticos(tipo, manejador, numero, c);
    if (registros.isEmpty())
        registros.append({numero, 0, QStringLiteral("HY000"), QStringLiteral("The ODBC call failed."),
                          QStringLiteral("[ODBC]")});
    return ErrorMotor(registros);
}

} // namespace entrega::ado::odbc
