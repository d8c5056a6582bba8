#pragma once

namespace entrega {

class Contexto;

// Connects the statistics session and takes the main connection's command time-out from its configuration.
void ConectarEstadisticas(Contexto& ctx);

} // namespace entrega
