#include "companion/cCampos.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace entrega;

namespace {

TEST(CamposTeclas, EnterTabAndTheArrowsUpAndDownLeaveABox) {
    cCampos campos;
    for (int tecla : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Down, Qt::Key_Up})
        EXPECT_TRUE(campos.TeclaSalida(tecla)) << tecla;
    for (int tecla : {Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right, Qt::Key_A, Qt::Key_0, Qt::Key_Space,
                      Qt::Key_Backspace, Qt::Key_Home})
        EXPECT_FALSE(campos.TeclaSalida(tecla)) << tecla;
}

TEST(CamposTeclas, KeyBoxesTakeCapitalsAndTheDateBoxDigitsAndSlashes) {
    cCampos campos;
    QLineEdit clave, fecha;
    clave.setProperty(cCampos::propiedadCampo, QStringLiteral("BTC"));
    fecha.setProperty(cCampos::propiedadCampo, QStringLiteral("Fecha"));
    const struct {
        const QLineEdit* caja;
        char16_t escrito, queda; // 0: refused
    } casos[] = {
        {&clave, u'a', u'A'}, {&clave, u'Z', u'Z'},   {&clave, u'ñ', u'Ñ'}, {&clave, u'7', u'7'},
        {&clave, u' ', u' '}, {&clave, u'\'', u'\''}, {&clave, 8, 8},       {&clave, 27, 27},
        {&fecha, u'3', u'3'}, {&fecha, u'/', u'/'},   {&fecha, u'a', 0},    {&fecha, u'-', 0},
        {&fecha, u' ', 0},    {&fecha, u'٣', 0},      {&fecha, 8, 8},
    };
    for (const auto& c : casos) {
        QChar caracter(c.escrito);
        campos.ValidarTecla(c.caja, caracter);
        EXPECT_EQ(caracter, QChar(c.queda)) << int(c.escrito);
    }
}

TEST(CamposTeclas, PasarFocoFollowsTheTabOrderAndVolverAWinsOnce) {
    cCampos campos;
    QWidget ventana;
    auto* primera = new QLineEdit(&ventana);
    auto* segunda = new QLineEdit(&ventana);
    auto* oculta = new QLineEdit(&ventana);
    auto* boton = new QPushButton(&ventana);
    oculta->hide();
    QWidget::setTabOrder(primera, segunda);
    QWidget::setTabOrder(segunda, oculta);
    QWidget::setTabOrder(oculta, boton);
    ventana.show();
    ventana.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    segunda->setFocus();

    campos.PasarFoco(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), boton); // the hidden box is passed over
    campos.PasarFoco(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), segunda);
    campos.PasarFoco(Qt::Key_Left); // not a leaving key
    EXPECT_EQ(QApplication::focusWidget(), segunda);

    primera->setText(QStringLiteral("FA"));
    campos.VolverA(primera);
    campos.PasarFoco(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), primera);
    EXPECT_EQ(primera->selectedText(), "FA");
    campos.PasarFoco(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), segunda);
}

} // namespace
