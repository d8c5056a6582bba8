#pragma once
// Application-wide values handed over at start-up.
#include <QString>

namespace entrega {

struct cAplicacion {
    QString Proveedor;
    QString ArchivoConsultas;
    bool Iniciada = false;
};

} // namespace entrega
