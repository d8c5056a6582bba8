#include "startup/ConectarEstadisticas.h"

#include "companion/Contexto.h"
#include "config/Configuracion.h"
#include "core/Pasos.h"
#include "core/Texto.h"

namespace entrega {

namespace {

const QString baseEstadisticas = QStringLiteral("QE_FJLSALXCENKK");
constexpr std::int16_t tiempoPredeterminado = 45;

// The time-out kept in the statistics configuration. A value beyond 16 bits fails its step and leaves the
// time-out as it was; no number reads 0, and a 0 is written back, creating the key when it is missing.
void tiempoDeLaBase(Contexto& ctx) {
    const QString clave = QStringLiteral("TimeOut");
    Pasos::ignorados()
        .paso([&] { ctx.estadisticas.Conexion().setDefaultDatabase(baseEstadisticas); })
        .paso([&] {
            QString aux;
            ctx.TiempoEspera = texto::aEntero(texto::valor(CfgKV(ctx, clave, aux)));
        })
        .paso([&] {
            if (ctx.TiempoEspera == 0)
                GrabaCfgKV(ctx, clave, Variant::entero(ctx.TiempoEspera), QString(), false,
                           QStringLiteral("BaseDeDatos"), true);
        })
        .ejecutar();
}

} // namespace

// A statistics database out of reach is no error: the session stays closed and the time-out keeps 45.
void ConectarEstadisticas(Contexto& ctx) {
    cSesion& estadisticas = ctx.estadisticas;
    Pasos::ignorados()
        .paso([&] { ctx.TiempoEspera = tiempoPredeterminado; })
        .paso([&] {
            if (estadisticas.Conectado())
                estadisticas.Conexion().Close();
        })
        .paso([&] { estadisticas.TipoConexion = ctx.sesion.TipoConexion; })
        .paso([&] { estadisticas.Servidor = ctx.sesion.Servidor; })
        .paso([&] {
            // The suite's login convention: the database's own name as user and password.
            estadisticas.BaseDatos = baseEstadisticas;
            estadisticas.Usuario = baseEstadisticas;
            estadisticas.Clave = baseEstadisticas;
        })
        .paso([&] { estadisticas.Conectar(false, 3, QString(), true, false); })
        .paso([&] {
            if (estadisticas.Conectado())
                tiempoDeLaBase(ctx);
        })
        .paso([&] {
            if (ctx.TiempoEspera == 0)
                ctx.TiempoEspera = tiempoPredeterminado;
        })
        .ejecutar();
}

} // namespace entrega
