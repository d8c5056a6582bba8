#pragma once

namespace entrega {

class Contexto;

// The user sign-in that ends the start-up: checks the user, logs the entry and closes the wait window.
void IngresoUsuario(Contexto& ctx);

} // namespace entrega
