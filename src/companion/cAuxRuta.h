#pragma once
#include <QString>

namespace entrega {

// The program folder, written once at start-up.
struct cAuxRuta {
    QString Ruta;
};

} // namespace entrega
