#include "config/DatosUnidadNegocio.h"

#include "companion/Contexto.h"
#include "config/Configuracion.h"
#include "core/Texto.h"

namespace entrega {

namespace {

QString cfg(Contexto& contexto, const QString& clave) {
    QString aux;
    return Cfg(contexto, clave, aux);
}

QString campo(Contexto& contexto, ado::Recordset& rs, const QString& nombre) {
    return contexto.util.ValorCampo(rs.Fields(nombre)).aTexto();
}

// The unit's own row and, when it carries a tax number, its per-unit keys.
void datosDeLaUnidad(Contexto& contexto, const QString& codigo, DatosDeUnidad& datos) {
    ado::Recordset rs;
    const bool hallada = contexto.sesion.BuscarRegistro(QStringLiteral("v_ta_unidadNegocio"),
                                                        contexto.util.CompletarCodigo(codigo, 4),
                                                        QStringLiteral("codigo"), rs, 8, QString(), true);
    if (!hallada)
        return;
    datos.razonSocial = campo(contexto, rs, QStringLiteral("razon_social"));
    datos.cuit = campo(contexto, rs, QStringLiteral("Cuit"));
    if (!datos.cuit.isEmpty()) {
        const QString sufijo = texto::recortar(codigo);
        datos.inicioActividades =
            texto::recortar(cfg(contexto, QStringLiteral("INICIO_ACTIVIDADES_UN_") + sufijo));
        datos.ingresosBrutos = texto::recortar(cfg(contexto, QStringLiteral("INGRESOS_BRUTOS_UN_") + sufijo));
        datos.condicionIva = texto::recortar(cfg(contexto, QStringLiteral("CONDICIONIVA_UN_") + sufijo));
        datos.domicilio = texto::recortar(cfg(contexto, QStringLiteral("DOMICILIO_UN_") + sufijo));
    } else {
        datos.razonSocial.clear();
        datos.inicioActividades.clear();
        datos.ingresosBrutos.clear();
        datos.condicionIva.clear();
        datos.domicilio.clear();
    }
    datos.puntoDeVenta = texto::recortar(campo(contexto, rs, QStringLiteral("PDV")));
    contexto.sesion.CerrarConsulta(rs);
}

// The company-wide keys, each only where the unit left the value empty.
void datosDeLaEmpresa(Contexto& contexto, DatosDeUnidad& datos) {
    if (datos.razonSocial.isEmpty())
        datos.razonSocial = cfg(contexto, QStringLiteral("NOMBRE"));
    if (datos.cuit.isEmpty())
        datos.cuit = cfg(contexto, QStringLiteral("cuit"));
    if (datos.condicionIva.isEmpty())
        datos.condicionIva = cfg(contexto, QStringLiteral("CONDIVAEMPRESA"));
    if (datos.inicioActividades.isEmpty())
        datos.inicioActividades = texto::recortar(cfg(contexto, QStringLiteral("INICIOACTIVIDADES")));
    if (datos.ingresosBrutos.isEmpty())
        datos.ingresosBrutos = texto::recortar(cfg(contexto, QStringLiteral("NROINGRESOSBRUTOS")));
    if (datos.domicilio.isEmpty())
        datos.domicilio = cfg(contexto, QStringLiteral("CALLE")) + u' ' +
                          cfg(contexto, QStringLiteral("NUMERO")) + QStringLiteral("  ") +
                          cfg(contexto, QStringLiteral("PISO")) + u' ' +
                          cfg(contexto, QStringLiteral("Departamento"));
}

} // namespace

void DatosUnidadNegocio(Contexto& contexto, const QString& codigo, DatosDeUnidad& datos) {
    if (!codigo.isEmpty())
        datosDeLaUnidad(contexto, codigo, datos);
    datosDeLaEmpresa(contexto, datos);
    contexto.ajustes.CondicionIvaUN = datos.condicionIva;
    // A tax condition that is no number (a missing key reads " ") fails here, to the caller.
    contexto.ajustes.CONDIVAEMPRESA = texto::aEntero(texto::aNumero(datos.condicionIva));
}

} // namespace entrega
