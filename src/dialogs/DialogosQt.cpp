#include "dialogs/DialogosQt.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace entrega {

namespace {
struct Boton {
    const char* texto;
    int respuesta;
    QMessageBox::ButtonRole rol;
};

std::vector<Boton> botones(int estiloBotones) {
    const Boton aceptar{"Aceptar", respuesta::Aceptar, QMessageBox::AcceptRole};
    const Boton cancelar{"Cancelar", respuesta::Cancelar, QMessageBox::RejectRole};
    const Boton anular{"&Anular", respuesta::Anular, QMessageBox::RejectRole};
    const Boton reintentar{"&Reintentar", respuesta::Reintentar, QMessageBox::AcceptRole};
    const Boton ignorar{"&Ignorar", respuesta::Ignorar, QMessageBox::AcceptRole};
    const Boton si{"&Sí", respuesta::Si, QMessageBox::YesRole};
    const Boton no{"&No", respuesta::No, QMessageBox::NoRole};
    switch (estiloBotones) {
    case estilo::AceptarCancelar: return {aceptar, cancelar};
    case estilo::AnularReintentarIgnorar: return {anular, reintentar, ignorar};
    case estilo::SiNoCancelar: return {si, no, cancelar};
    case estilo::SiNo: return {si, no};
    case estilo::ReintentarCancelar: return {reintentar, cancelar};
    default: return {aceptar};
    }
}

QMessageBox::Icon icono(int estiloCompleto) {
    switch (estiloCompleto & 0x70) {
    case estilo::Critico: return QMessageBox::Critical;
    case estilo::Pregunta: return QMessageBox::Question;
    case estilo::Exclamacion: return QMessageBox::Warning;
    case estilo::Informacion: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}
} // namespace

int DialogosQt::mensaje(const QString& texto, int estiloCompleto, const QString& titulo) {
    QMessageBox caja(icono(estiloCompleto), titulo, texto, QMessageBox::NoButton, m_padre);
    const std::vector<Boton> lista = botones(estiloCompleto & 0x7);
    std::vector<QPushButton*> creados;
    for (const Boton& b : lista)
        creados.push_back(caja.addButton(QString::fromUtf8(b.texto), b.rol));
    const std::size_t predeterminado = (estiloCompleto & estilo::TercerPredeterminado)    ? 2
                                       : (estiloCompleto & estilo::SegundoPredeterminado) ? 1
                                                                                          : 0;
    caja.setDefaultButton(creados.at(std::min(predeterminado, creados.size() - 1)));
    caja.exec();
    for (std::size_t i = 0; i < creados.size(); ++i)
        if (caja.clickedButton() == creados[i])
            return lista[i].respuesta;
    // Closed with Esc or the window's close box: the platform answers Cancel, or the only button.
    return lista.size() == 1 ? lista.front().respuesta : respuesta::Cancelar;
}

QString DialogosQt::entrada(const QString& pregunta, const QString& titulo, const QString& predeterminado) {
    QInputDialog caja(m_padre);
    caja.setWindowTitle(titulo);
    caja.setLabelText(pregunta);
    caja.setTextValue(predeterminado);
    caja.setOkButtonText(QStringLiteral("Aceptar"));
    caja.setCancelButtonText(QStringLiteral("Cancelar"));
    return caja.exec() == QDialog::Accepted ? caja.textValue() : QString();
}

} // namespace entrega
