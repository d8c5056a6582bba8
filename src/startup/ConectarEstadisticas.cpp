#include "startup/ConectarEstadisticas.h"

#include "companion/Contexto.h"

namespace entrega {

// The statistics session is not linked yet: the time-out is the one used when that database is out of reach.
void ConectarEstadisticas(Contexto& ctx) {
    ctx.TiempoEspera = 45;
}

} // namespace entrega
