#include "util/ValorJson.h"

#include "core/Falla.h"

namespace entrega {

void Mapa::agregar(const QString& clave, ValorJson valor) {
    if (m_indice.contains(clave))
        throw fallaDePlataforma(errores::ClaveDuplicada);
    m_indice.insert(clave, cuenta());
    m_miembros.emplace_back(clave, std::move(valor));
}

qsizetype Mapa::cuenta() const {
    return static_cast<qsizetype>(m_miembros.size());
}

bool Mapa::operator==(const Mapa& otro) const {
    return m_miembros == otro.m_miembros;
}

const ValorJson& Mapa::operator[](const QString& clave) const {
    static const ValorJson vacio;
    const auto i = m_indice.constFind(clave);
    return i == m_indice.cend() ? vacio : m_miembros[static_cast<std::size_t>(*i)].second;
}

} // namespace entrega
