#include "ado/Connection.h"

#include "ado/dialect/Dialecto.h"

namespace entrega::ado {

using namespace Qt::StringLiterals;

namespace {
const QString origen = u"Entrega.Connection"_s;

bool cambiaEsquema(const QString& sentencia) {
    const QString primera = sentencia.section(u' ', 0, 0, QString::SectionSkipEmpty).toUpper();
    return primera == u"CREATE" || primera == u"ALTER" || primera == u"DROP";
}
} // namespace

Connection::Connection() = default;
Connection::~Connection() {
    for (LectorPendiente* lector : std::exchange(m_lectores, {}))
        lector->olvidarConexion();
}

void Connection::Open(const QString& cadena) {
    if (m_motor)
        throw fallaAdo(fallas::ObjetoAbierto, origen);
    try {
        m_motor = abrirMotor(cadena, m_tiempoEspera, m_tiempoConexion);
    } catch (const ErrorMotor& e) {
        fallaDelMotor(e);
    }
    m_cadena = cadena;
    m_tipos.clear();
    m_motor->fijarAislamiento(m_aislamiento);
}

void Connection::Close() {
    motor().cerrar();
    m_motor.reset();
}

int Connection::State() const {
    return m_motor ? adStateOpen : adStateClosed;
}

void Connection::Execute(const QString& sql, long long* afectadas) {
    Motor& m = motor();
    const QStringList sentencias = reescribir(sql);
    long long filas = 0;
    try {
        for (const QString& sentencia : sentencias) {
            filas = m.ejecutar(sentencia)->filasAfectadas();
            if (cambiaEsquema(sentencia))
                m_tipos.clear();
        }
    } catch (const ErrorMotor& e) {
        fallaDelMotor(e);
    }
    if (afectadas)
        *afectadas = filas;
}

void Connection::setCommandTimeout(int segundos) {
    m_tiempoEspera = segundos;
    if (m_motor)
        m_motor->fijarTiempoEspera(segundos);
}

void Connection::setIsolationLevel(int nivel) {
    m_aislamiento = nivel;
    if (m_motor)
        m_motor->fijarAislamiento(nivel);
}

QString Connection::DefaultDatabase() const {
    return m_motor ? m_motor->baseDeDatos() : QString();
}

void Connection::setDefaultDatabase(const QString& nombre) {
    try {
        motor().fijarBaseDeDatos(nombre);
    } catch (const ErrorMotor& e) {
        fallaDelMotor(e);
    }
    m_tipos.clear();
}

QString Connection::proveedor() const {
    return m_motor ? m_motor->proveedor() : QString();
}

Dialecto Connection::dialecto() const {
    return m_motor ? m_motor->dialecto() : Dialecto::SqlServer;
}

std::unique_ptr<Cursor> Connection::consultar(const QString& sql, const QList<Variant>& parametros) {
    Motor& m = motor();
    const QStringList sentencias = reescribir(sql);
    try {
        for (qsizetype i = 0; i + 1 < sentencias.size(); ++i)
            m.ejecutar(sentencias[i]);
        return m.ejecutar(sentencias.isEmpty() ? QString() : sentencias.last(), parametros);
    } catch (const ErrorMotor& e) {
        fallaDelMotor(e);
    }
}

long long Connection::ejecutarPropio(const QString& sql, const QList<Variant>& parametros) {
    Motor& m = motor();
    m_traza.anotar(sql, sql);
    try {
        return m.ejecutar(sql, parametros)->filasAfectadas();
    } catch (const ErrorMotor& e) {
        fallaDelMotor(e);
    }
}

QStringList Connection::clavePrimaria(const QString& tabla) {
    Motor& m = motor();
    try {
        return m.clavePrimaria(tabla);
    } catch (const ErrorMotor& e) {
        fallaDelMotor(e);
    }
}

void Connection::fallaDelMotor(const ErrorMotor& e) {
    m_errores.Clear();
    for (const ErrorProveedor& registro : e.registros)
        m_errores.agregar(registro);
    const ErrorProveedor primero = e.registros.value(0);
    throw Falla(primero.numero, primero.descripcion, primero.origen);
}

Motor& Connection::motor() {
    if (!m_motor)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    while (!m_lectores.isEmpty())
        m_lectores.takeFirst()->leerResto();
    return *m_motor;
}

QStringList Connection::reescribir(const QString& sql) {
    QStringList sentencias = {sql};
    if (motor().dialecto() == Dialecto::Sqlite)
        sentencias = dialecto::reescribirParaSqlite(
            sql, [this](const QString& tabla) { return tiposDeColumnas(tabla); });
    m_traza.anotar(sql, sentencias.join(u";\n"_s));
    return sentencias;
}

QHash<QString, QString> Connection::tiposDeColumnas(const QString& tabla) {
    const QString clave = tabla.toLower();
    if (const auto it = m_tipos.constFind(clave); it != m_tipos.constEnd())
        return *it;
    QHash<QString, QString> tipos;
    try {
        auto cursor = motor().ejecutar(u"select name, type from pragma_table_xinfo(?)"_s, {tabla});
        while (cursor->siguiente())
            tipos.insert(cursor->valor(0).aTexto().toLower(), cursor->valor(1).aTexto());
    } catch (const ErrorMotor&) {
        // An engine without the catalog function: the dialect then decides from literals alone.
    }
    m_tipos.insert(clave, tipos);
    return tipos;
}

} // namespace entrega::ado
