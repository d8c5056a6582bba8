#pragma once
// Key handling for a control array of text boxes: each box carries its field name in the "DataField"
// property, and code finds boxes by that name. The key operations of the delivery screen's boxes
// (TeclaSalida, PasarFoco, ValidarTecla) join this class with the key entry.
#include <QList>
#include <QString>

class QLineEdit;

namespace entrega {

class cCampos {
  public:
    // The dynamic property that names a box's field.
    static constexpr const char* propiedadCampo = "DataField";

    // The index of the box whose field name equals `nombre` ignoring case; -1 when none.
    int IndiceCampo(const QString& nombre, const QList<QLineEdit*>& cajas) const;
};

} // namespace entrega
