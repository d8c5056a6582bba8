#include "companion/cEspera.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

namespace entrega {

namespace {
constexpr const char* nombresEtiquetas[] = {"linea1", "linea2", "linea3", "mensaje"};

QWidget* crearVentana() {
    auto* ventana =
        new QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    ventana->setObjectName(QStringLiteral("cEspera"));
    ventana->setAttribute(Qt::WA_ShowWithoutActivating);
    auto* columna = new QVBoxLayout(ventana);
    columna->setContentsMargins(24, 16, 24, 16);
    for (const char* nombre : nombresEtiquetas) {
        auto* etiqueta = new QLabel(ventana);
        etiqueta->setObjectName(QString::fromLatin1(nombre));
        etiqueta->setAlignment(Qt::AlignCenter);
        columna->addWidget(etiqueta);
    }
    QFont grande = ventana->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    ventana->findChild<QLabel*>(QStringLiteral("linea1"))->setFont(grande);
    ventana->setStyleSheet(QStringLiteral("#cEspera { border: 1px solid palette(dark); }"));
    return ventana;
}
} // namespace

cEspera::cEspera() = default;

cEspera::~cEspera() {
    delete m_ventana;
}

void cEspera::ponerTexto(const char* nombre, const QString& texto) {
    if (auto* etiqueta = m_ventana->findChild<QLabel*>(QString::fromLatin1(nombre)))
        etiqueta->setText(texto);
}

void cEspera::Mensaje(const QString& texto, int) {
    m_mensaje = texto;
    if (m_ventana) {
        ponerTexto("mensaje", texto);
        QCoreApplication::processEvents();
    }
}

void cEspera::Mostrar(int, const QString& linea1, const QString& linea2, const QString& linea3) {
    if (!m_ventana)
        m_ventana = crearVentana();
    ponerTexto("linea1", linea1);
    ponerTexto("linea2", linea2);
    ponerTexto("linea3", linea3);
    ponerTexto("mensaje", m_mensaje);
    m_ventana->adjustSize();
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        m_ventana->move(pantalla->availableGeometry().center() - m_ventana->rect().center());
    m_ventana->show();
    m_ventana->raise();
    // Paint it now: the start-up keeps the thread busy until the sign-in.
    QCoreApplication::processEvents();
}

void cEspera::Cerrar() {
    delete m_ventana;
}

bool cEspera::visible() const {
    return m_ventana && m_ventana->isVisible();
}

QString cEspera::textoMostrado() const {
    if (!m_ventana)
        return {};
    QStringList textos;
    for (const char* nombre : nombresEtiquetas)
        textos << m_ventana->findChild<QLabel*>(QString::fromLatin1(nombre))->text();
    return textos.join(u'\n');
}

} // namespace entrega
