#include "startup/NombreServidor.h"

namespace entrega {

QString NombreServidor(const QString& servidor) {
    QString nombre = servidor;
    const qsizetype barra = nombre.indexOf(QLatin1Char('/'));
    if (barra >= 0)
        nombre = nombre.mid(barra + 1);
    const qsizetype dosPuntos = nombre.indexOf(QLatin1Char(':'));
    if (dosPuntos >= 0)
        nombre = nombre.left(dosPuntos);
    return nombre;
}

} // namespace entrega
