#include "companion/cCampos.h"

#include "core/Texto.h"

#include <QLineEdit>
#include <QVariant>

namespace entrega {

int cCampos::IndiceCampo(const QString& nombre, const QList<QLineEdit*>& cajas) const {
    for (qsizetype i = 0; i < cajas.size(); ++i)
        if (texto::igualesSinMayusculas(cajas.at(i)->property(propiedadCampo).toString(), nombre))
            return static_cast<int>(i);
    return -1;
}

} // namespace entrega
