#pragma once
// The company data of a business unit: the unit's own row of v_ta_unidadNegocio and its per-unit keys of the
// configuration, or the company-wide keys where the unit gives nothing. Sets CondicionIvaUN and
// CONDIVAEMPRESA of the settings. Traps nothing: a failure goes to the caller, with what was found so far
// left in `datos`.
#include <QString>

namespace entrega {

class Contexto;

struct DatosDeUnidad {
    QString razonSocial;
    QString cuit;
    QString inicioActividades;
    QString ingresosBrutos;
    QString condicionIva;
    QString puntoDeVenta;
    QString domicilio;
};

void DatosUnidadNegocio(Contexto& contexto, const QString& codigo, DatosDeUnidad& datos);

} // namespace entrega
