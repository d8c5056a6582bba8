#include "dialogs/DialogosGuionados.h"

#include <algorithm>

namespace entrega {

DialogosGuionados& DialogosGuionados::responder(int codigo) {
    m_respuestas.enqueue(codigo);
    return *this;
}

DialogosGuionados& DialogosGuionados::responderTexto(const QString& texto) {
    m_respuestas.enqueue(texto);
    return *this;
}

int DialogosGuionados::mensaje(const QString& texto, int estiloCompleto, const QString& titulo) {
    DialogoVisto visto{DialogoVisto::Clase::Mensaje, texto, estiloCompleto, titulo, {}, false};
    int codigo = respuesta::Cancelar;
    if (!m_respuestas.isEmpty() && std::holds_alternative<int>(m_respuestas.head()))
        codigo = std::get<int>(m_respuestas.dequeue());
    else
        visto.inesperado = true;
    m_vistos.append(visto);
    return codigo;
}

QString DialogosGuionados::entrada(const QString& pregunta, const QString& titulo, const QString& predeterminado) {
    DialogoVisto visto{DialogoVisto::Clase::Entrada, pregunta, 0, titulo, predeterminado, false};
    QString texto;
    if (!m_respuestas.isEmpty() && std::holds_alternative<QString>(m_respuestas.head()))
        texto = std::get<QString>(m_respuestas.dequeue());
    else
        visto.inesperado = true;
    m_vistos.append(visto);
    return texto;
}

int DialogosGuionados::inesperados() const {
    return static_cast<int>(std::count_if(m_vistos.begin(), m_vistos.end(), [](const DialogoVisto& v) { return v.inesperado; }));
}

} // namespace entrega
