#include "companion/cCampos.h"

#include "core/Texto.h"

#include <QApplication>
#include <QLineEdit>
#include <QVariant>

namespace entrega {

namespace {

bool haciaAtras(int tecla) {
    return tecla == Qt::Key_Up || tecla == Qt::Key_Backtab;
}

bool puedeRecibirFoco(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(w->window());
}

// The next widget of the window's tab order that takes the focus, or the origin itself when none does.
QWidget* vecino(QWidget* origen, bool atras) {
    QWidget* w = origen;
    do
        w = atras ? w->previousInFocusChain() : w->nextInFocusChain();
    while (w != origen && !(w->window() == origen->window() && puedeRecibirFoco(w)));
    return w;
}

} // namespace

int cCampos::IndiceCampo(const QString& nombre, const QList<QLineEdit*>& cajas) const {
    for (qsizetype i = 0; i < cajas.size(); ++i)
        if (texto::igualesSinMayusculas(cajas.at(i)->property(propiedadCampo).toString(), nombre))
            return static_cast<int>(i);
    return -1;
}

bool cCampos::TeclaSalida(int tecla) const {
    switch (tecla) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Down:
    case Qt::Key_Up:
        return true;
    default:
        return false;
    }
}

void cCampos::VolverA(QLineEdit* caja) {
    m_volverA = caja;
}

void cCampos::PasarFoco(int tecla) {
    if (QLineEdit* caja = m_volverA) {
        m_volverA = nullptr;
        caja->setFocus(Qt::OtherFocusReason);
        caja->selectAll();
        return;
    }
    QWidget* origen = QApplication::focusWidget();
    if (!origen || !TeclaSalida(tecla))
        return;
    // OtherFocusReason: the box that gets the focus selects its text itself.
    vecino(origen, haciaAtras(tecla))->setFocus(Qt::OtherFocusReason);
}

void cCampos::ValidarTecla(const QLineEdit* caja, QChar& caracter) const {
    if (caracter.unicode() < 32 || caracter.unicode() == 127)
        return;
    if (texto::igualesSinMayusculas(caja->property(propiedadCampo).toString(), QStringLiteral("FECHA"))) {
        if (!(caracter.isDigit() && caracter.unicode() < 128) && caracter != u'/')
            caracter = QChar();
        return;
    }
    if (!caracter.isPrint())
        caracter = QChar();
    else
        caracter = caracter.toUpper();
}

} // namespace entrega
