#pragma once
// The dialogs of a test: every box is recorded and answered from a queue, without showing anything.
// A box with no answer queued is unexpected: it is recorded as such and answered Cancel (or an empty text),
// and the test's fixture fails on it.
#include "dialogs/ServicioDialogos.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <variant>

namespace entrega {

struct DialogoVisto {
    enum class Clase { Mensaje, Entrada } clase;
    QString texto;
    int estilo = 0;
    QString titulo;
    QString predeterminado;
    bool inesperado = false;
};

class DialogosGuionados : public ServicioDialogos {
public:
    // Queue the answer to the next message box (an answer code) or input box (a text).
    DialogosGuionados& responder(int codigo);
    DialogosGuionados& responderTexto(const QString& texto);

    int mensaje(const QString& texto, int estilo, const QString& titulo) override;
    QString entrada(const QString& pregunta, const QString& titulo, const QString& predeterminado) override;

    const QList<DialogoVisto>& vistos() const { return m_vistos; }
    int inesperados() const;
    int pendientes() const { return static_cast<int>(m_respuestas.size()); }
    void olvidar() { m_vistos.clear(); }

private:
    QQueue<std::variant<int, QString>> m_respuestas;
    QList<DialogoVisto> m_vistos;
};

} // namespace entrega
