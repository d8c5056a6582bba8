#pragma once

namespace entrega {

class Contexto;

// Writes the lookup-definition file (the path in cAplicacion.ArchivoConsultas) with the suite's standard
// lookups.
void CrearArchivoConsultas(Contexto& ctx);

} // namespace entrega
