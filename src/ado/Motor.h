#pragma once
// What an engine (the embedded SQLite one, ODBC) gives the Connection. The Connection does the
// rewriting of the client's T-SQL (through the dialect), the trace and the Errors list; an engine runs one
// statement at a time in its own dialect, with bound parameters, and reports failures as ErrorMotor.
#include "ado/Errores.h"
#include "core/Variant.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>

namespace entrega::ado {

enum class Dialecto { SqlServer, Sqlite };

// A failure inside an engine: the diagnostic records, in order; the first names the failure.
struct ErrorMotor : std::runtime_error {
    explicit ErrorMotor(QList<ErrorProveedor> registros);
    QList<ErrorProveedor> registros;
};

struct Columna {
    QString nombre;
    QString tabla; // the base table the column comes from, when the engine knows it
    // The type its values come as (from the declared type); Empty when the engine cannot tell, as for an
    // expression. A Recordset converts a text assigned to a Date column.
    Variant::Tipo tipo = Variant::Tipo::Empty;
};

// The rows of one statement, read forward once.
class Cursor {
  public:
    virtual ~Cursor() = default;
    virtual QList<Columna> columnas() const = 0;
    // Moves to the next row; false at the end.
    virtual bool siguiente() = 0;
    virtual Variant valor(int columna) const = 0;
    // Rows touched by an INSERT, UPDATE or DELETE; -1 for a query.
    virtual long long filasAfectadas() const = 0;
};

class Motor {
  public:
    virtual ~Motor() = default;
    virtual Dialecto dialecto() const = 0;
    virtual QString proveedor() const = 0; // the provider text the session hands out
    virtual void cerrar() = 0;

    // Runs one statement; the cursor stays valid until the next call on the engine or its destruction.
    virtual std::unique_ptr<Cursor> ejecutar(const QString& sql, const QList<Variant>& parametros = {}) = 0;
    // The catalog's primary key of a table (or updatable view); empty when it has none.
    virtual QStringList clavePrimaria(const QString& tabla) = 0;

    virtual void fijarTiempoEspera(int segundos) = 0;
    virtual void fijarAislamiento(int nivel) = 0;
    virtual void fijarBaseDeDatos(const QString& nombre) = 0;
    virtual QString baseDeDatos() const = 0;
};

} // namespace entrega::ado
