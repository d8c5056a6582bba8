#include "startup/IngresoUsuario.h"

#include "companion/Contexto.h"

namespace entrega {

// The user check against TA_USUARIOS and the access log are not in yet; the sign-in still ends the
// start-up by closing the wait window.
void IngresoUsuario(Contexto& ctx) {
    ctx.espera.Cerrar();
}

} // namespace entrega
