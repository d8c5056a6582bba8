#include "companion/cSesion.h"

#include "companion/ComposicionConexion.h"
#include "companion/Contexto.h"
#include "core/Falla.h"
#include "core/Fecha.h"
#include "core/Texto.h"

namespace entrega {

void cSesion::Conectar(bool, std::int32_t, const QString& conexionExplicita, bool, bool) {
    m_motivo.clear();
    if (Conectado())
        m_conexion.Close();
    const QString cadena = cadenaDeConexion(conexionExplicita);
    if (!cadena.isEmpty()) {
        try {
            m_conexion.Open(cadena);
            // A DSN opens in its own default database; the session's is the one it works in.
            if (conexionExplicita.trimmed().isEmpty() &&
                cadena.startsWith(QStringLiteral("DSN="), Qt::CaseInsensitive) &&
                !texto::recortar(BaseDatos).isEmpty())
                m_conexion.setDefaultDatabase(texto::recortar(BaseDatos));
        } catch (const Falla& falla) {
            m_motivo = falla.descripcion();
            if (Conectado())
                m_conexion.Close();
        }
    }
    // The start-up ends the program without a word when the session stays closed: leave the reason where
    // whoever started it can read it.
    if (!m_motivo.isEmpty())
        qWarning("No se pudo conectar: %s", qUtf8Printable(m_motivo));
}

QString cSesion::cadenaDeConexion(const QString& conexionExplicita) {
    if (!texto::recortar(conexionExplicita).isEmpty())
        return conexionExplicita;
    if (esLocal()) {
        const QString base = texto::recortar(BaseDatos);
        if (base.isEmpty()) {
            m_motivo = QStringLiteral("No se indicó la base de datos.");
            return {};
        }
        return QStringLiteral("Provider=SQLite;Data Source=") + m_contexto.carpetaDatos +
               QStringLiteral(";Database=") + base;
    }
    return componerConexionOdbc({texto::recortar(Servidor), texto::recortar(BaseDatos), Usuario, Clave},
                                controladorDelIni(m_contexto.ini));
}

bool cSesion::esLocal() const {
    return texto::igualesSinMayusculas(texto::recortar(Servidor), QStringLiteral("local"));
}

bool cSesion::Conectado() const {
    return m_conexion.State() == ado::adStateOpen;
}

QString cSesion::Proveedor() const {
    return Conectado() ? m_conexion.proveedor() : QString();
}

void cSesion::AbrirConsulta(const QString& sql, ado::Recordset& rs, ado::Connection* conexion, int tipoCursor,
                            int tipoBloqueo) {
    CerrarConsulta(rs);
    rs.Open(sql, conexion ? *conexion : m_conexion, tipoCursor, tipoBloqueo);
}

void cSesion::CerrarConsulta(ado::Recordset& rs) {
    if (rs.State() == ado::adStateOpen)
        rs.Close();
}

void cSesion::Ejecutar(const QString& sql, long long* afectadas) {
    m_conexion.Execute(sql, afectadas);
}

bool cSesion::BuscarRegistro(const QString& tabla, const Variant& valor, const QString& campo,
                             ado::Recordset& rs, int, const QString& condicion, bool soloLectura) {
    QString sql = QStringLiteral("SELECT * FROM ") + tabla + QStringLiteral(" with(nolock) WHERE ") + campo +
                  QStringLiteral(" = ") + ValorSql(valor);
    if (!texto::recortar(condicion).isEmpty())
        sql += QStringLiteral(" AND (") + condicion + u')';
    AbrirConsulta(sql, rs, nullptr, soloLectura ? ado::adOpenForwardOnly : ado::adOpenDynamic,
                  soloLectura ? ado::adLockReadOnly : ado::adLockOptimistic);
    return !rs.BOF();
}

QString cSesion::ValorSql(const Variant& valor, const QString& delimitador) const {
    switch (valor.tipo()) {
    case Variant::Tipo::Null:
        return QStringLiteral("NULL");
    case Variant::Tipo::Boolean:
        return valor.aBooleano() ? QStringLiteral("1") : QStringLiteral("0");
    case Variant::Tipo::Integer:
    case Variant::Tipo::Long:
    case Variant::Tipo::Double:
    case Variant::Tipo::Currency:
    case Variant::Tipo::Decimal:
        return valor.aTexto();
    case Variant::Tipo::Date:
        return delimitador + fecha::texto(valor.aFecha()) + delimitador;
    case Variant::Tipo::Empty:
    case Variant::Tipo::Text:
        break;
    }
    QString literal = valor.aTexto();
    if (!delimitador.isEmpty())
        literal.replace(delimitador, delimitador + delimitador);
    return delimitador + literal + delimitador;
}

} // namespace entrega
