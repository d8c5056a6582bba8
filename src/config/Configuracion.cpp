#include "config/Configuracion.h"

#include "companion/Contexto.h"
#include "core/Pasos.h"
#include "core/Texto.h"
#include "data/ReportarError.h"

namespace entrega {

namespace {

const QString tablaDeEstadisticas = QStringLiteral("TA_CONFIGURACION");

bool esGrupoGeneral(const QString& grupo) {
    return texto::igualesSinMayusculas(grupo, QStringLiteral("DATOS"));
}

QString consultaDeLectura(const QString& tabla, const QString& clave) {
    return QStringLiteral("SELECT VALOR, valoraux FROM ") + tabla +
           QStringLiteral(" with(nolock)  WHERE CLAVE = '") + texto::recortar(clave) + u'\'';
}

QString consultaDeEscritura(const QString& tabla, const QString& clave) {
    return QStringLiteral("SELECT * FROM ") + tabla + QStringLiteral(" with(nolock)  WHERE CLAVE = '") +
           clave + u'\'';
}

// The shared steps of Cfg and CfgKV, from the query text on.
QString leer(Contexto& contexto, cSesion& sesion, const QString& clave, QString consulta, QString& valorAux,
             Pasos::Reportero reportero) {
    const QString claveRecortada = texto::recortar(clave);
    if (texto::igualesSinMayusculas(claveRecortada, QStringLiteral("[FECHA HASTA]")) ||
        texto::igualesSinMayusculas(claveRecortada, QStringLiteral("[FECHA DESDE]")))
        consulta = consulta.toUpper();
    ado::Recordset rs;
    QString valor;
    bool sinFila = false;
    const bool completo =
        Pasos::reportados(std::move(reportero))
            .paso([&] { sesion.AbrirConsulta(consulta, rs); })
            .paso([&] { sinFila = rs.BOF(); })
            .paso([&] {
                if (sinFila) {
                    valor = QStringLiteral(" ");
                    valorAux.clear();
                } else {
                    valor = contexto.util.ValorCampo(rs.Fields(QStringLiteral("Valor"))).aTexto();
                }
            })
            .paso([&] {
                if (!sinFila)
                    valorAux = contexto.util.ValorCampo(rs.Fields(QStringLiteral("ValorAux"))).aTexto();
            })
            .paso([&] { sesion.CerrarConsulta(rs); })
            .ejecutar();
    if (!completo)
        return {};
    if (texto::igualesSinMayusculas(clave, QStringLiteral("THEME")) && texto::recortar(valor).isEmpty())
        valor = QStringLiteral("1");
    return valor;
}

struct Escritura {
    QString clave;
    Variant valor;
    QString valorAux;
    bool politicaNegocio;
    QString grupo;
    bool recortar;
    bool recortarAux;
    bool borrar;
};

// The shared steps of GrabaDfg and GrabaCfgKV, from the query text on; every failing step is skipped.
void escribir(Contexto& contexto, cSesion& sesion, const QString& consulta, const Escritura& e) {
    ado::Recordset rs;
    bool borrado = false;
    auto asignar = [&](const QString& campo, const Variant& valor) {
        if (!borrado)
            rs.Fields(campo).setValue(contexto.util.ValorCampo(valor));
    };
    Pasos::ignorados()
        .paso([&] {
            sesion.AbrirConsulta(consulta, rs, &sesion.Conexion(), ado::adOpenDynamic, ado::adLockOptimistic);
        })
        .paso([&] {
            if (rs.BOF()) {
                rs.AddNew();
            } else if (e.borrar) {
                rs.Delete();
                borrado = true;
            } else {
                rs.MoveFirst();
            }
        })
        .paso([&] { asignar(QStringLiteral("Grupo"), e.grupo); })
        .paso([&] { asignar(QStringLiteral("Clave"), texto::recortar(e.clave).toUpper()); })
        .paso([&] {
            asignar(QStringLiteral("Valor"),
                    e.recortar ? Variant(texto::recortar(e.valor.aTexto())) : e.valor);
        })
        .paso([&] { asignar(QStringLiteral("PoliticaNegocio"), e.politicaNegocio); })
        .paso([&] {
            if (!e.valorAux.isEmpty())
                asignar(QStringLiteral("valoraux"), e.recortarAux ? texto::recortar(e.valorAux) : e.valorAux);
        })
        .paso([&] { rs.Update(); })
        .paso([&] { sesion.CerrarConsulta(rs); })
        .ejecutar();
}

} // namespace

QString Cfg(Contexto& contexto, const QString& clave, QString& valorAux, const QString& grupo) {
    if (!contexto.sesion.Conectado())
        return {};
    if (texto::recortar(contexto.TablaConfiguracion).isEmpty())
        contexto.TablaConfiguracion = QStringLiteral("TA_CONFIGURACION");
    QString consulta = consultaDeLectura(contexto.TablaConfiguracion, clave);
    if (!esGrupoGeneral(grupo))
        consulta += QStringLiteral(" AND GRUPO ='") + grupo + u'\'';
    // Cfg offers Retry but does not retry: the answer abandons like Abort.
    return leer(contexto, contexto.sesion, clave, consulta, valorAux, [&](const Falla& falla) {
        const int respuesta = ReportarError(contexto, falla, std::nullopt, QStringLiteral("Cfg"));
        return respuesta == respuesta::Reintentar ? respuesta::Anular : respuesta;
    });
}

QString CfgKV(Contexto& contexto, const QString& clave, QString& valorAux) {
    return leer(contexto, contexto.estadisticas, clave, consultaDeLectura(tablaDeEstadisticas, clave),
                valorAux, [&](const Falla& falla) {
                    return ReportarError(contexto, falla, std::nullopt, QStringLiteral("CfgKV"));
                });
}

void GrabaDfg(Contexto& contexto, const QString& clave, const Variant& valor, const QString& valorAux,
              bool politicaNegocio, const QString& grupo, bool recortar, bool borrar) {
    QString consulta = consultaDeEscritura(contexto.TablaConfiguracion, clave);
    if (!esGrupoGeneral(grupo))
        consulta += QStringLiteral(" AND GRUPO = '") + grupo + u'\'';
    escribir(contexto, contexto.sesion, consulta,
             {clave, valor, valorAux, politicaNegocio, grupo, recortar, recortar, borrar});
}

void GrabaCfgKV(Contexto& contexto, const QString& clave, const Variant& valor, const QString& valorAux,
                bool politicaNegocio, const QString& grupo, bool recortar) {
    escribir(contexto, contexto.estadisticas, consultaDeEscritura(tablaDeEstadisticas, clave),
             {clave, valor, valorAux, politicaNegocio, grupo, recortar, true, false});
}

} // namespace entrega
