#include "ado/odbc/MotorOdbc.h"

#include "ado/odbc/CadenaOdbc.h"
#include "ado/odbc/CursorOdbc.h"
#include "ado/odbc/DiagnosticoOdbc.h"
#include "ado/odbc/ParametrosOdbc.h"
#include "ado/odbc/TextoOdbc.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <map>

namespace entrega::ado::odbc {

namespace {

SQLPOINTER entero(SQLULEN n) {
    return reinterpret_cast<SQLPOINTER>(static_cast<std::uintptr_t>(n));
}

// A batch's later statements can no longer be read once the driver refuses the sequence of calls.
bool sinMasResultados(const QList<ErrorProveedor>& registros) {
    return std::all_of(registros.begin(), registros.end(),
                       [](const ErrorProveedor& e) { return e.estadoSql == u"HY010"; });
}

SQLULEN nivelOdbc(int nivelAdo) {
    switch (nivelAdo) {
    case 256:
        return SQL_TXN_READ_UNCOMMITTED;
    case 4096:
        return SQL_TXN_READ_COMMITTED;
    case 65536:
        return SQL_TXN_REPEATABLE_READ;
    case 1048576:
        return SQL_TXN_SERIALIZABLE;
    default:
        return 0;
    }
}

// "[dbo].[TA_X]", "dbo.TA_X", "TA_X" as catalog, schema and table.
std::array<QString, 3> partesDeNombre(const QString& tabla) {
    QStringList partes = tabla.split(u'.');
    for (QString& p : partes) {
        p = p.trimmed();
        if ((p.startsWith(u'[') && p.endsWith(u']')) || (p.startsWith(u'"') && p.endsWith(u'"')))
            p = p.mid(1, p.size() - 2);
    }
    while (partes.size() < 3)
        partes.prepend(QString());
    return {partes.at(partes.size() - 3), partes.at(partes.size() - 2), partes.at(partes.size() - 1)};
}

SQLWCHAR* argumento(const QString& texto) {
    return texto.isEmpty() ? nullptr : aSqlW(texto);
}

} // namespace

MotorOdbc::MotorOdbc(const QString& cadena, int tiempoEspera)
    : m_circunstancia{Dialecto::SqlServer, claveDe(cadena), {}}, m_cadena(cadena),
      m_tiempoConexion(tiempoEspera) {
    conectar(cadena);
    const QString dbms = infoTexto(SQL_DBMS_NAME);
    m_circunstancia.dialecto =
        dbms.contains(QStringLiteral("SQLite"), Qt::CaseInsensitive) ? Dialecto::Sqlite : Dialecto::SqlServer;
    m_proveedor = QStringLiteral("ODBC ") + dbms;
    if (dialecto() == Dialecto::Sqlite)
        m_baseSqlite = QFileInfo(infoTexto(SQL_DATABASE_NAME)).completeBaseName();
}

void MotorOdbc::conectar(const QString& cadena) {
    m_conexion = std::make_shared<ConexionOdbc>();
    ConexionOdbc& c = *m_conexion;
    if (!exito(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &c.entorno)))
        throw ErrorMotor(
            {{fallas::NoConecta, 0, QStringLiteral("HY001"),
              QStringLiteral("The ODBC driver manager could not start."), QStringLiteral("[ODBC]")}});
    SQLSetEnvAttr(c.entorno, SQL_ATTR_ODBC_VERSION, entero(SQL_OV_ODBC3), 0);
    if (!exito(SQLAllocHandle(SQL_HANDLE_DBC, c.entorno, &c.conexion)))
        throw fallaOdbc(SQL_HANDLE_ENV, c.entorno, fallas::NoConecta, m_circunstancia);
    if (m_tiempoConexion > 0)
        SQLSetConnectAttrW(c.conexion, SQL_ATTR_LOGIN_TIMEOUT, entero(static_cast<SQLULEN>(m_tiempoConexion)),
                           0);
    std::array<SQLWCHAR, 1024> completa{};
    SQLSMALLINT longitud = 0;
    const SQLRETURN rc =
        SQLDriverConnectW(c.conexion, nullptr, aSqlW(cadena), SQL_NTS, completa.data(),
                          static_cast<SQLSMALLINT>(completa.size()), &longitud, SQL_DRIVER_NOPROMPT);
    if (!exito(rc))
        fallarConexion(fallas::NoConecta);
    c.conectada = true;
    // As the embedded engine: a SQLite file keeps its foreign keys.
    if (infoTexto(SQL_DBMS_NAME).contains(QStringLiteral("SQLite"), Qt::CaseInsensitive))
        ejecutar(QStringLiteral("PRAGMA foreign_keys = ON"));
}

MotorOdbc::~MotorOdbc() {
    cerrar();
}

// A cursor still open on a closed connection reads no more rows.
void MotorOdbc::cerrar() {
    if (const auto lector = m_lector.lock())
        lector->terminar();
    m_conexion->desconectar();
}

QString MotorOdbc::infoTexto(SQLUSMALLINT clave) const {
    std::array<SQLWCHAR, 512> texto{};
    SQLSMALLINT bytes = 0;
    if (!exito(
            SQLGetInfoW(m_conexion->conexion, clave, texto.data(), sizeof(texto) - sizeof(SQLWCHAR), &bytes)))
        return {};
    return desdeSqlW(texto.data(), std::min<qsizetype>(bytes / 2, texto.size() - 1));
}

void MotorOdbc::apartarLector() {
    if (const auto lector = m_lector.lock())
        lector->materializar();
    m_lector.reset();
}

std::shared_ptr<SentenciaOdbc> MotorOdbc::nuevaSentencia() {
    apartarLector();
    if (!m_conexion->conectada)
        throw ErrorMotor(
            {{fallas::ObjetoCerrado, 0, QString(), textoFallaAdo(fallas::ObjetoCerrado), QString()}});
    auto s = std::make_shared<SentenciaOdbc>(m_conexion);
    if (!s->abierta())
        fallarConexion(fallas::ErrorDeServidor);
    if (m_tiempoEspera > 0)
        SQLSetStmtAttrW(s->manejador, SQL_ATTR_QUERY_TIMEOUT, entero(static_cast<SQLULEN>(m_tiempoEspera)),
                        0);
    return s;
}

// Runs the text and walks its results: the first with columns becomes the cursor; a batch's row counts and
// failures are gathered to its end, so that every record of every failing statement reaches Errors.
std::unique_ptr<Cursor> MotorOdbc::ejecutar(const QString& sql, const QList<Variant>& parametros) {
    std::shared_ptr<SentenciaOdbc> s = nuevaSentencia();
    Circunstancia circunstancia = m_circunstancia;
    circunstancia.sentencia = sql;
    const ParametrosOdbc enlaces(s->manejador, parametros, dialecto());
    if (!exito(enlaces.resultado()))
        fallarSentencia(*s, sql);

    QList<ErrorProveedor> errores;
    long long afectadas = -1;
    SQLRETURN rc = SQLExecDirectW(s->manejador, aSqlW(sql), SQL_NTS);
    for (bool primero = true;; primero = false) {
        if (rc == SQL_NO_DATA) {
            if (!primero)
                break;
            afectadas = 0; // a searched UPDATE or DELETE that touched no row
        } else if (exito(rc)) {
            SQLSMALLINT columnas = 0;
            SQLNumResultCols(s->manejador, &columnas);
            if (columnas > 0 && errores.isEmpty()) {
                auto lector = std::make_shared<LectorOdbc>(s, circunstancia);
                m_lector = lector;
                return std::make_unique<CursorOdbc>(lector);
            }
            SQLLEN filas = -1;
            if (columnas == 0 && exito(SQLRowCount(s->manejador, &filas)))
                afectadas = filas;
        } else {
            const QList<ErrorProveedor> registros =
                fallaOdbc(SQL_HANDLE_STMT, s->manejador, fallas::ErrorDeServidor, circunstancia).registros;
            if (!primero && sinMasResultados(registros))
                break;
            errores += registros;
            if (rc != SQL_ERROR)
                break;
        }
        rc = SQLMoreResults(s->manejador);
    }
    if (!errores.isEmpty())
        throw ErrorMotor(errores);
    return std::make_unique<CursorOdbc>(afectadas);
}

QStringList MotorOdbc::clavePrimaria(const QString& tabla) {
    const std::array<QString, 3> nombre = partesDeNombre(tabla);
    std::shared_ptr<SentenciaOdbc> s = nuevaSentencia();
    if (!exito(SQLPrimaryKeysW(s->manejador, argumento(nombre[0]), SQL_NTS, argumento(nombre[1]), SQL_NTS,
                               argumento(nombre[2]), SQL_NTS)))
        fallarSentencia(*s, tabla);
    LectorOdbc filas(s, m_circunstancia);
    std::map<int, QString> porOrden; // KEY_SEQ, COLUMN_NAME
    while (filas.siguiente())
        porOrden[filas.valor(4).aLargo()] = filas.valor(3).aTexto();
    QStringList columnas;
    for (const auto& [orden, columna] : porOrden)
        columnas.append(columna);
    return columnas;
}

void MotorOdbc::fijarAislamiento(int nivel) {
    const SQLULEN odbc = nivelOdbc(nivel);
    if (dialecto() == Dialecto::Sqlite || odbc == 0)
        return; // SQLite reads only what is committed, whatever is asked
    apartarLector();
    if (!exito(SQLSetConnectAttrW(m_conexion->conexion, SQL_ATTR_TXN_ISOLATION, entero(odbc), 0)))
        fallarConexion(fallas::ErrorDeServidor);
}

void MotorOdbc::fijarBaseDeDatos(const QString& nombre) {
    apartarLector();
    if (dialecto() == Dialecto::Sqlite)
        cambiarDeArchivo(nombre);
    else if (!exito(
                 SQLSetConnectAttrW(m_conexion->conexion, SQL_ATTR_CURRENT_CATALOG, aSqlW(nombre), SQL_NTS)))
        fallarConexion(fallas::ErrorDeServidor);
}

// A SQLite database is a file: another database is the file of that name beside it (the name ignoring case,
// as SQL Server's), reached by connecting again. A name without a file is refused, never created.
void MotorOdbc::cambiarDeArchivo(const QString& nombre) {
    if (nombre.compare(m_baseSqlite, Qt::CaseInsensitive) == 0) {
        m_baseSqlite = nombre;
        return;
    }
    const QDir carpeta = QFileInfo(infoTexto(SQL_DATABASE_NAME)).absoluteDir();
    QString archivo;
    for (const QString& otro : carpeta.entryList({QStringLiteral("*.sqlite")}, QDir::Files))
        if (otro.compare(nombre.trimmed() + QStringLiteral(".sqlite"), Qt::CaseInsensitive) == 0)
            archivo = carpeta.filePath(otro);
    if (nombre.trimmed().isEmpty() || archivo.isEmpty())
        throw ErrorMotor({{fallas::ErrorDeServidor, 911, QStringLiteral("08004"),
                           QStringLiteral("Database '%1' does not exist. Make sure that the name is entered "
                                          "correctly.")
                               .arg(nombre),
                           QStringLiteral("[SQLite]")}});
    QString cadena;
    for (const auto& [clave, valor] : leerCadena(m_cadena))
        if (clave.compare(QStringLiteral("Database"), Qt::CaseInsensitive) != 0)
            cadena += atributo(clave, valor);
    cadena += atributo(QStringLiteral("Database"), archivo);
    cerrar();
    conectar(cadena);
    m_cadena = cadena;
    m_baseSqlite = nombre;
}

QString MotorOdbc::baseDeDatos() const {
    if (dialecto() == Dialecto::Sqlite)
        return m_baseSqlite;
    std::array<SQLWCHAR, 256> nombre{};
    SQLINTEGER bytes = 0;
    if (!m_conexion->conectada ||
        !exito(SQLGetConnectAttrW(m_conexion->conexion, SQL_ATTR_CURRENT_CATALOG, nombre.data(),
                                  sizeof(nombre) - sizeof(SQLWCHAR), &bytes)))
        return {};
    return desdeSqlW(nombre.data(), std::min<qsizetype>(bytes / 2, nombre.size() - 1));
}

void MotorOdbc::fallarConexion(std::int32_t numero) const {
    throw fallaOdbc(SQL_HANDLE_DBC, m_conexion->conexion, numero, m_circunstancia);
}

void MotorOdbc::fallarSentencia(const SentenciaOdbc& s, const QString& sql) const {
    Circunstancia circunstancia = m_circunstancia;
    circunstancia.sentencia = sql;
    throw fallaOdbc(SQL_HANDLE_STMT, s.manejador, fallas::ErrorDeServidor, circunstancia);
}

} // namespace entrega::ado::odbc
