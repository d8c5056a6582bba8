#pragma once
// The engine behind a "DSN=..." or "Driver=..." description: one ODBC connection through the driver manager.
// SQL Server gets the client's text as written; a SQLite database behind the driver gets the embedded
// engine's dialect, and its failures are numbered as SQL Server numbers them.
#include "ado/Motor.h"
#include "ado/odbc/DiagnosticoOdbc.h"
#include "ado/odbc/LectorOdbc.h"
#include "ado/odbc/ManejadoresOdbc.h"

#include <memory>

namespace entrega::ado::odbc {

class MotorOdbc : public Motor {
  public:
    // Connects without prompting; gives up after `tiempoEspera` seconds when the server does not answer.
    // Raises ErrorMotor (number NoConecta) with the driver's records, the password masked.
    MotorOdbc(const QString& cadena, int tiempoEspera);
    ~MotorOdbc() override;

    Dialecto dialecto() const override { return m_circunstancia.dialecto; }
    QString proveedor() const override { return m_proveedor; }
    void cerrar() override;

    std::unique_ptr<Cursor> ejecutar(const QString& sql, const QList<Variant>& parametros = {}) override;
    QStringList clavePrimaria(const QString& tabla) override;

    void fijarTiempoEspera(int segundos) override { m_tiempoEspera = segundos; }
    void fijarAislamiento(int nivel) override;
    void fijarBaseDeDatos(const QString& nombre) override;
    QString baseDeDatos() const override;

  private:
    void conectar(const QString& cadena);
    void cambiarDeArchivo(const QString& nombre);
    QString infoTexto(SQLUSMALLINT clave) const;
    std::shared_ptr<SentenciaOdbc> nuevaSentencia();
    // Before another statement: the rows a cursor has not read yet are taken into memory.
    void apartarLector();
    [[noreturn]] void fallarConexion(std::int32_t numero) const;
    [[noreturn]] void fallarSentencia(const SentenciaOdbc& s, const QString& sql) const;

    std::shared_ptr<ConexionOdbc> m_conexion;
    std::weak_ptr<LectorOdbc> m_lector; // the rows a cursor may still be reading
    Circunstancia m_circunstancia;      // the engine's dialect and the password to mask
    QString m_proveedor;
    QString m_cadena;     // as given, or as last rewritten to another SQLite file
    int m_tiempoConexion; // the login time-out
    QString m_baseSqlite; // the database a SQLite file is: the file's name, or the name it was asked by
    int m_tiempoEspera = 30;
};

} // namespace entrega::ado::odbc
