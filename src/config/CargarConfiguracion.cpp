#include "config/CargarConfiguracion.h"

namespace entrega {

// The settings keep their start values until the load of the suite's configuration comes in.
void CargarConfiguracion(Contexto&, const QString&) {}

} // namespace entrega
