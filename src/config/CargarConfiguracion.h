#pragma once
#include <QString>

namespace entrega {

class Contexto;

// Loads the suite's session settings; `carpeta` is the program folder ending with a separator.
void CargarConfiguracion(Contexto& ctx, const QString& carpeta);

} // namespace entrega
