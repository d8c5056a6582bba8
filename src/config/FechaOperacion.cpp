#include "config/FechaOperacion.h"

#include "companion/Contexto.h"
#include "config/Configuracion.h"
#include "core/Fecha.h"
#include "core/Pasos.h"
#include "core/Texto.h"

namespace entrega {

namespace {

// Written day first to the second and read back, as every stamp the client writes is.
double aSegundos(double momento) {
    const std::optional<double> leido = fecha::leer(fecha::texto(momento));
    if (!leido)
        throw fallaDePlataforma(errores::TiposIncompatibles);
    return *leido;
}

double relojLocal(Contexto& contexto) {
    const QDateTime ahora = contexto.reloj();
    const QTime hora = ahora.time();
    return fecha::desde(ahora.date(), QTime(hora.hour(), hora.minute(), hora.second()));
}

} // namespace

double fechaDeRespaldo(Contexto& contexto) {
    if (contexto.UtilizarFechaDia) {
        QString valorAux;
        const QString hasta = texto::recortar(Cfg(contexto, QStringLiteral("FECHAOPERHASTA"), valorAux));
        if (const std::optional<double> dia = fecha::leer(hasta))
            return *dia;
    }
    return relojLocal(contexto);
}

double FechaOperacion(Contexto& contexto) {
    ado::Recordset rs;
    double resultado = 0;
    Pasos::ignorados()
        .paso([&] { contexto.sesion.AbrirConsulta(QStringLiteral("select  getDate() as fecha"), rs); })
        .paso([&] {
            resultado = rs.BOF() ? fechaDeRespaldo(contexto)
                                 : aSegundos(rs.Fields(QStringLiteral("fecha")).Value().aFecha());
        })
        .paso([&] { contexto.sesion.CerrarConsulta(rs); })
        .ejecutar();
    return resultado;
}

double FechaParaSellar(Contexto& contexto) {
    const double momento = FechaOperacion(contexto);
    if (momento == 0)
        throw Falla(errores::ErrorDeAplicacion,
                    QStringLiteral("No se pudo leer la fecha del servidor; la entrega no se grabó."),
                    QStringLiteral("FechaOperacion"));
    return momento;
}

} // namespace entrega
