#include "support/EntornoDePrueba.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <memory>

using namespace entrega;

namespace {

TEST(Campos, IndiceCampoBuscaPorNombreDeCampoSinMayusculas) {
    prueba::Entorno entorno;
    QWidget ventana;
    QList<QLineEdit*> cajas;
    for (const char* campo : {"BTC", "BSUCURSAL", "BNUMERO", "BLETRA", "BCOMPLEMENTO", "FECHA"}) {
        auto* caja = new QLineEdit(&ventana);
        caja->setProperty(cCampos::propiedadCampo, QString::fromLatin1(campo));
        cajas.append(caja);
    }
    EXPECT_EQ(entorno.contexto.campos.IndiceCampo(QStringLiteral("BSucursal"), cajas), 1);
    EXPECT_EQ(entorno.contexto.campos.IndiceCampo(QStringLiteral("fecha"), cajas), 5);
    EXPECT_EQ(entorno.contexto.campos.IndiceCampo(QStringLiteral("BTC"), cajas), 0);
    EXPECT_EQ(entorno.contexto.campos.IndiceCampo(QStringLiteral("NOHAY"), cajas), -1);
}

TEST(Espera, MostrarNoBloqueaYCerrarQuitaLaVentana) {
    prueba::Entorno entorno;
    cEspera& espera = entorno.contexto.espera;
    espera.Mensaje(QStringLiteral("Conectando Base de Datos"), 0);
    EXPECT_FALSE(espera.visible());
    espera.Mostrar(0, QStringLiteral("Iniciando Aplicacion"), QStringLiteral("entrega"),
                   QStringLiteral("Espere por favor"));
    EXPECT_TRUE(espera.visible());
    EXPECT_EQ(espera.textoMostrado(), QStringLiteral("Iniciando Aplicacion\nentrega\nEspere por favor\n"
                                                     "Conectando Base de Datos"));
    QWidget* ventana = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("cEspera"))
            ventana = w;
    ASSERT_NE(ventana, nullptr);
    EXPECT_TRUE(ventana->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(ventana->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    espera.Mensaje(QStringLiteral("Cargando configuración"));
    EXPECT_TRUE(espera.textoMostrado().endsWith(QStringLiteral("\nCargando configuración")));

    espera.Cerrar();
    EXPECT_FALSE(espera.visible());
    EXPECT_TRUE(espera.textoMostrado().isEmpty());
    espera.Cerrar(); // closing twice is harmless
}

} // namespace
