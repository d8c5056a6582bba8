#include "companion/ComposicionConexion.h"

#include "ado/odbc/CadenaOdbc.h"
#include "ado/odbc/CatalogoOdbc.h"
#include "companion/cIni.h"

namespace entrega {

namespace {

using ado::odbc::atributo;

struct Direccion {
    QString host;
    QString puerto;
    QString instancia;
};

// "tcp/host:port", "host,port", "host\instance" into their pieces.
Direccion direccionDe(QString servidor) {
    Direccion d;
    servidor = servidor.trimmed();
    const qsizetype barra = servidor.indexOf(u'/');
    if (barra >= 0)
        servidor = servidor.mid(barra + 1);
    const qsizetype separador = std::max(servidor.indexOf(u':'), servidor.indexOf(u','));
    if (separador >= 0) {
        d.puerto = servidor.mid(separador + 1).trimmed();
        servidor = servidor.left(separador);
    }
    const qsizetype invertida = servidor.indexOf(u'\\');
    if (invertida >= 0) {
        d.instancia = servidor.mid(invertida + 1).trimmed();
        servidor = servidor.left(invertida);
    }
    d.host = servidor.trimmed();
    return d;
}

bool esFreeTds(const QString& controlador) {
    return controlador.contains(QStringLiteral("TDS"), Qt::CaseInsensitive);
}

QString servidorYPuerto(const Direccion& d, const QString& controlador) {
    QString servidor = d.instancia.isEmpty() ? d.host : d.host + u'\\' + d.instancia;
    if (esFreeTds(controlador))
        return atributo(QStringLiteral("Server"), servidor) +
               (d.puerto.isEmpty() ? QString() : atributo(QStringLiteral("Port"), d.puerto)) +
               QStringLiteral("TDS_Version=7.4;");
    if (!d.puerto.isEmpty())
        servidor += u',' + d.puerto;
    // The vendor's driver encrypts by default; servers on a site's network rarely carry a certificate a
    // workstation trusts, so the channel is encrypted without checking it. A DSN can say otherwise.
    return atributo(QStringLiteral("Server"), servidor) +
           QStringLiteral("Encrypt=yes;TrustServerCertificate=yes;");
}

QString credenciales(const DatosConexion& datos) {
    QString texto;
    if (!datos.usuario.isEmpty())
        texto +=
            atributo(QStringLiteral("UID"), datos.usuario) + atributo(QStringLiteral("PWD"), datos.clave);
    return texto;
}

bool esProveedorSqlServer(const QString& proveedor) {
    const QString p = proveedor.trimmed().toUpper();
    return p.startsWith(QStringLiteral("SQLOLEDB")) || p.startsWith(QStringLiteral("SQLNCLI")) ||
           p.startsWith(QStringLiteral("MSOLEDBSQL"));
}

} // namespace

QString controladorDelIni(const cIni& ini) {
    return ini.LeerIni(QStringLiteral("RB512pr.INI"), QString::fromLatin1(SeccionIniOdbc),
                       QString::fromLatin1(ClaveIniControlador), QString());
}

QStringList controladoresPreferidos() {
    return {QStringLiteral("ODBC Driver 18 for SQL Server"), QStringLiteral("ODBC Driver 17 for SQL Server"),
            QStringLiteral("FreeTDS")};
}

QString controladorSqlServer(const QString& delEntorno, const QString& delIni,
                             const QStringList& instalados) {
    if (!delEntorno.trimmed().isEmpty())
        return delEntorno.trimmed();
    if (!delIni.trimmed().isEmpty())
        return delIni.trimmed();
    for (const QString& preferido : controladoresPreferidos())
        if (instalados.contains(preferido, Qt::CaseInsensitive))
            return preferido;
    return QStringLiteral("FreeTDS");
}

QString componerConexionOdbc(const DatosConexion& datos, const QString& controlador,
                             const QStringList& fuentes) {
    const QString servidor = datos.servidor.trimmed();
    for (const QString& fuente : fuentes)
        if (!servidor.isEmpty() && fuente.compare(servidor, Qt::CaseInsensitive) == 0)
            return atributo(QStringLiteral("DSN"), fuente) + credenciales(datos);
    const QString base =
        datos.baseDatos.isEmpty() ? QString() : atributo(QStringLiteral("Database"), datos.baseDatos);
    QString texto = controlador;
    texto.replace(QStringLiteral("}"), QStringLiteral("}}"));
    return QStringLiteral("Driver={") + texto + QStringLiteral("};") +
           servidorYPuerto(direccionDe(servidor), controlador) + base + credenciales(datos);
}

QString traducirCadenaAdo(const QString& cadena, const QString& controlador, const QStringList& fuentes) {
    DatosConexion datos;
    QString proveedor;
    for (const auto& [clave, valor] : ado::odbc::leerCadena(cadena)) {
        const QString k = clave.toLower();
        if (k == u"provider")
            proveedor = valor;
        else if (k == u"server" || k == u"data source" || k == u"address")
            datos.servidor = valor;
        else if (k == u"database" || k == u"initial catalog")
            datos.baseDatos = valor;
        else if (k == u"uid" || k == u"user id")
            datos.usuario = valor;
        else if (k == u"pwd" || k == u"password")
            datos.clave = valor;
    }
    if (!esProveedorSqlServer(proveedor))
        return cadena;
    return componerConexionOdbc(datos, controlador, fuentes);
}

namespace {
QString controladorActual(const QString& delIni) {
    return controladorSqlServer(qEnvironmentVariable(VariableControladorOdbc), delIni,
                                ado::odbc::controladoresInstalados());
}
} // namespace

QString componerConexionOdbc(const DatosConexion& datos, const QString& delIni) {
    return componerConexionOdbc(datos, controladorActual(delIni), ado::odbc::fuentesDeDatos());
}

QString traducirCadenaAdo(const QString& cadena, const QString& delIni) {
    return traducirCadenaAdo(cadena, controladorActual(delIni), ado::odbc::fuentesDeDatos());
}

} // namespace entrega
