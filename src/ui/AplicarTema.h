#pragma once

class QWidget;

namespace entrega {

class Contexto;

// The suite's look for one window: the workstation user's skin and font, and flat controls when `aplanar`.
void AplicarTema(Contexto& ctx, QWidget& ventana, bool aplanar);

} // namespace entrega
