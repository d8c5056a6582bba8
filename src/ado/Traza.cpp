#include "ado/Traza.h"

namespace entrega::ado {

QStringList Traza::escritas() const {
    QStringList lista;
    for (const SentenciaTrazada& s : m_items)
        lista.append(s.escrita);
    return lista;
}

} // namespace entrega::ado
