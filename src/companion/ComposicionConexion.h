#pragma once
// The connection description a session opens for a server other than `local`: a DSN of that name when the
// driver manager knows one, otherwise a connection string for the configured SQL Server driver.
#include <QString>
#include <QStringList>

namespace entrega {

// Where a site names its SQL Server driver: the environment wins over RB512pr.INI.
inline constexpr char VariableControladorOdbc[] = "ENTREGA_ODBC_CONTROLADOR";
inline constexpr char SeccionIniOdbc[] = "ODBC";
inline constexpr char ClaveIniControlador[] = "Controlador";

class cIni;

// The value of [ODBC] Controlador in RB512pr.INI; empty when it is not there.
QString controladorDelIni(const cIni& ini);

// The drivers tried, in order, when none is configured: the vendor's, then FreeTDS.
QStringList controladoresPreferidos();

// The driver to name: the configured one (environment, else INI), else the first preferred one installed,
// else FreeTDS (so that a failure names a driver the operator can install).
QString controladorSqlServer(const QString& delEntorno, const QString& delIni, const QStringList& instalados);

struct DatosConexion {
    QString servidor; // "host", "host:port", "host,port", "host\instance", or a DSN's name
    QString baseDatos;
    QString usuario;
    QString clave;
};

// "DSN=<servidor>;UID=...;PWD=...;" when `fuentes` holds the server's name (ignoring case): the DSN's own
// default database is where the connection opens, and the session moves to its database through
// DefaultDatabase (a SQLite DSN's "Database" is its file, which the session's database name must not
// replace). Otherwise "Driver={<controlador>};Server=...;Database=...;UID=...;PWD=...;" with the port or
// named instance in the driver's own form.
QString componerConexionOdbc(const DatosConexion& datos, const QString& controlador,
                             const QStringList& fuentes);

// An ADO-style SQL Server string ("PROVIDER=SQLOLEDB;Server=...;Database =...;UId=...;Pwd=...;") as the
// same description; any other string comes back unchanged.
QString traducirCadenaAdo(const QString& cadena, const QString& controlador, const QStringList& fuentes);

// The same two, with the driver manager's DSNs and drivers and the environment read now; `delIni` is the
// value of [ODBC] Controlador in RB512pr.INI.
QString componerConexionOdbc(const DatosConexion& datos, const QString& delIni);
QString traducirCadenaAdo(const QString& cadena, const QString& delIni);

} // namespace entrega
