#include "startup/CrearArchivoConsultas.h"

namespace entrega {

// Nothing in this client reads the file back; writing it comes with the suite's lookups.
void CrearArchivoConsultas(Contexto&) {}

} // namespace entrega
