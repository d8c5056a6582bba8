#include "util/ValorJson.h"

#include "core/Falla.h"

namespace entrega {

namespace {
// Small maps, the usual case, are searched in order; larger ones get an index.
constexpr qsizetype miembrosSinIndice = 8;
} // namespace

void Mapa::agregar(const QString& clave, ValorJson valor) {
    if (posicion(clave) >= 0)
        throw fallaDePlataforma(errores::ClaveDuplicada);
    m_miembros.emplace_back(clave, std::move(valor));
    if (!m_indice.isEmpty())
        m_indice.insert(clave, cuenta() - 1);
    else if (cuenta() > miembrosSinIndice)
        for (qsizetype i = 0; i < cuenta(); ++i)
            m_indice.insert(m_miembros[static_cast<std::size_t>(i)].first, i);
}

qsizetype Mapa::posicion(const QString& clave) const {
    if (!m_indice.isEmpty())
        return m_indice.value(clave, -1);
    for (std::size_t i = 0; i < m_miembros.size(); ++i)
        if (m_miembros[i].first == clave)
            return static_cast<qsizetype>(i);
    return -1;
}

bool Mapa::contiene(const QString& clave) const {
    return posicion(clave) >= 0;
}

qsizetype Mapa::cuenta() const {
    return static_cast<qsizetype>(m_miembros.size());
}

bool Mapa::operator==(const Mapa& otro) const {
    return m_miembros == otro.m_miembros;
}

const ValorJson& Mapa::operator[](const QString& clave) const {
    static const ValorJson vacio;
    const qsizetype i = posicion(clave);
    return i < 0 ? vacio : m_miembros[static_cast<std::size_t>(i)].second;
}

} // namespace entrega

static_assert(std::is_nothrow_move_constructible_v<entrega::ValorJson>,
              "lists grow by moving, never by copying");
