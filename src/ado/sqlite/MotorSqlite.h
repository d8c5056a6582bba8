#pragma once
// The embedded engine: one SQLite file per database, <carpeta>/<base>.sqlite, shared by client processes
// through WAL mode and a busy time-out (the connection's CommandTimeout; 0 waits without limit).
#include "ado/Motor.h"
#include "ado/sqlite/BaseSqlite.h"

namespace entrega::ado::sqlite {

class MotorSqlite : public Motor {
  public:
    MotorSqlite(const QString& carpeta, const QString& base, int tiempoEspera);

    Dialecto dialecto() const override { return Dialecto::Sqlite; }
    QString proveedor() const override;
    void cerrar() override { m_base.reset(); }

    std::unique_ptr<Cursor> ejecutar(const QString& sql, const QList<Variant>& parametros = {}) override;
    QStringList clavePrimaria(const QString& tabla) override;

    void fijarTiempoEspera(int segundos) override;
    void fijarAislamiento(int nivel) override { m_aislamiento = nivel; }
    // Another database of the same folder; the current one stays when it does not exist.
    void fijarBaseDeDatos(const QString& nombre) override;
    QString baseDeDatos() const override { return m_nombre; }

  private:
    BaseSqlite& base();

    QString m_carpeta;
    QString m_nombre;
    int m_tiempoEspera;
    // Kept for the caller to read back: with WAL every reader sees the last committed rows and never waits
    // for a writer, which is what read-uncommitted asks of SQL Server in this client.
    int m_aislamiento = 4096;
    std::shared_ptr<BaseSqlite> m_base;
};

} // namespace entrega::ado::sqlite
