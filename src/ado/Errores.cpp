#include "ado/Errores.h"

#include "ado/Motor.h"

namespace entrega::ado {

using namespace Qt::StringLiterals;

QString textoFallaAdo(std::int32_t numero) {
    switch (numero) {
    case fallas::NoActualizable:
        return u"Current Recordset does not support updating. This may be a limitation of the provider, "
               u"or of the selected locktype."_s;
    case fallas::ObjetoCerrado:
        return u"Operation is not allowed when the object is closed."_s;
    case fallas::ObjetoAbierto:
        return u"Operation is not allowed when the object is open."_s;
    case fallas::SinRegistroActual:
        return u"Either BOF or EOF is True, or the current record has been deleted. Requested operation "
               u"requires a current record."_s;
    case fallas::ElementoNoEncontrado:
        return u"Item cannot be found in the collection corresponding to the requested name or ordinal."_s;
    case fallas::FilaNoLocalizada:
        return u"Row cannot be located for updating. Some values may have been changed since it was last read."_s;
    case fallas::VariosPasos:
        return u"Multiple-step operation generated errors. Check each status value."_s;
    case fallas::TiempoAgotado:
        return u"Query timeout expired"_s;
    default:
        return textoDeError(numero);
    }
}

Falla fallaAdo(std::int32_t numero, const QString& origen) {
    return Falla(numero, textoFallaAdo(numero), origen);
}

ErrorMotor::ErrorMotor(QList<ErrorProveedor> r)
    : std::runtime_error(r.isEmpty() ? std::string() : r.first().descripcion.toStdString()),
      registros(std::move(r)) {}

} // namespace entrega::ado
