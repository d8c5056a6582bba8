#include "ui/AplicarTema.h"

namespace entrega {

// Windows keep the desktop's own style until the suite's skins come in.
void AplicarTema(Contexto&, QWidget&, bool) {}

} // namespace entrega
