#pragma once
// Key handling for a control array of text boxes: each box carries its field name in the "DataField"
// property, and code finds boxes by that name.
#include <QList>
#include <QString>

class QLineEdit;

namespace entrega {

class cCampos {
public:
    // The index of the box whose field name equals `nombre` ignoring case; -1 when none.
    int IndiceCampo(const QString& nombre, const QList<QLineEdit*>& cajas) const;
};

} // namespace entrega
