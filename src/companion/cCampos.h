#pragma once
// Key handling for a control array of text boxes: each box carries its field name in the "DataField"
// property, and code finds boxes by that name. The boxes behave as a counter operator expects: Enter, Tab
// and Down leave a box forward in the tab order, Up and Shift+Tab go back; letters become capitals; the
// date box takes digits and "/" only.
#include <QList>
#include <QPointer>
#include <QString>

class QLineEdit;

namespace entrega {

class cCampos {
  public:
    // The dynamic property that names a box's field.
    static constexpr const char* propiedadCampo = "DataField";

    // The index of the box whose field name equals `nombre` ignoring case; -1 when none.
    int IndiceCampo(const QString& nombre, const QList<QLineEdit*>& cajas) const;

    // True when the key (a Qt key code) leaves the box.
    bool TeclaSalida(int tecla) const;
    // Moves the focus from the focused widget as the key asks: forward in the tab order, or back for Up
    // and Shift+Tab. A box named by VolverA takes the focus instead, once, with its text selected.
    void PasarFoco(int tecla);
    // The next PasarFoco sends the focus to `caja` whatever the key: after a scanned key was split and
    // looked up, the next scan must land in a box that splits it again.
    void VolverA(QLineEdit* caja);
    // Filters one typed character for the box: control characters pass; the date box (field FECHA) takes
    // digits and "/"; any other box takes every printable character, letters as capitals. A refused
    // character becomes 0.
    void ValidarTecla(const QLineEdit* caja, QChar& caracter) const;

  private:
    QPointer<QLineEdit> m_volverA;
};

} // namespace entrega
