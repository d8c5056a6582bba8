#pragma once
// An ADO-shaped connection. Open takes a connection description:
//   embedded:  "Provider=SQLite;Data Source=<folder>;Database=<name>"  (the file <folder>/<name>.sqlite must
//   exist) ODBC:      "DSN=<name>;..." or "Driver=<driver>;..." passed to the driver manager as it stands
// Execute rewrites the client's T-SQL for the engine (dialect), records both texts on the trace, and on a
// provider failure fills Errors (never clearing it first: only the caller or the next provider failure does)
// and raises a Falla carrying the first record's number and description.
#include "ado/Errores.h"
#include "ado/Motor.h"
#include "ado/Traza.h"

#include <QHash>
#include <memory>

namespace entrega::ado {

enum EstadoObjeto { adStateClosed = 0, adStateOpen = 1 };
enum NivelAislamiento { adXactReadUncommitted = 256, adXactReadCommitted = 4096 };

// A result set still reading its rows from the engine. An engine statement stays valid only until the next
// call on the engine (and on the embedded engine an unfinished one keeps an old view of the file, so the
// connection could not write once another process has), so before the connection runs anything else the
// set reads the rest of its rows.
class LectorPendiente {
  public:
    virtual void leerResto() = 0;
    // The connection is going away: the set closes.
    virtual void olvidarConexion() = 0;

  protected:
    ~LectorPendiente() = default;
};

class Connection {
  public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Open(const QString& cadena);
    void Close();
    int State() const;

    // One statement or a whole batch. `afectadas` receives the rows touched by the last statement.
    void Execute(const QString& sql, long long* afectadas = nullptr);

    Errors& errores() { return m_errores; }
    const Errors& errores() const { return m_errores; }

    int CommandTimeout() const { return m_tiempoEspera; }
    void setCommandTimeout(int segundos);
    // Seconds Open waits for a server that does not answer.
    int ConnectionTimeout() const { return m_tiempoConexion; }
    void setConnectionTimeout(int segundos) { m_tiempoConexion = segundos; }
    int IsolationLevel() const { return m_aislamiento; }
    void setIsolationLevel(int nivel);
    QString DefaultDatabase() const;
    void setDefaultDatabase(const QString& nombre);

    QString cadena() const { return m_cadena; } // as given to Open
    QString proveedor() const;
    Dialecto dialecto() const;
    Traza& traza() { return m_traza; }

    // For Recordset: the statement rewritten and traced, run on the engine (raises 3704 when closed).
    std::unique_ptr<Cursor> consultar(const QString& sql, const QList<Variant>& parametros = {});
    // For Recordset: a statement of its own making (optimistic update), already in the engine's dialect.
    long long ejecutarPropio(const QString& sql, const QList<Variant>& parametros);
    QStringList clavePrimaria(const QString& tabla);
    // For Recordset: a forward-only set registers while it streams rows.
    void registrar(LectorPendiente* lector) { m_lectores.append(lector); }
    void olvidar(LectorPendiente* lector) { m_lectores.removeAll(lector); }
    // A provider failure: its records replace those in Errors, and a Falla with the first one is raised.
    [[noreturn]] void fallaDelMotor(const ErrorMotor& e);

  private:
    Motor& motor();
    // The client's text as the engine runs it, one statement after another; both go on the trace.
    QStringList reescribir(const QString& sql);
    QHash<QString, QString> tiposDeColumnas(const QString& tabla);

    std::unique_ptr<Motor> m_motor;
    QList<LectorPendiente*> m_lectores;
    QHash<QString, QHash<QString, QString>> m_tipos; // declared column types by table, for the dialect
    QString m_cadena;
    Errors m_errores;
    Traza m_traza;
    int m_tiempoEspera = 30;
    int m_tiempoConexion = 15;
    int m_aislamiento = adXactReadCommitted;
};

// Opens the engine a connection description names (provided by the engine folders).
// `tiempoEspera` is the command time-out, `tiempoConexion` how long a server may take to accept the login.
std::unique_ptr<Motor> abrirMotor(const QString& cadena, int tiempoEspera, int tiempoConexion = 15);

} // namespace entrega::ado
