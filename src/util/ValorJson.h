#pragma once
// The tree a JSON text is read into: a map (object), a list (array) or one plain value (text, decimal number,
// Boolean, null, or empty for a value that could not be read). A tree owns its children; copies are deep.
#include "core/Variant.h"

#include <QHash>
#include <QString>
#include <utility>
#include <variant>
#include <vector>

namespace entrega {

class ValorJson;

// Keys are unique and compared exactly (letter case counts); members keep the order they were added in.
class Mapa {
  public:
    using Miembro = std::pair<QString, ValorJson>;

    // A key already present raises error 457 and leaves the map as it was.
    void agregar(const QString& clave, ValorJson valor);
    qsizetype cuenta() const;
    bool contiene(const QString& clave) const;
    // The member's value; a missing member reads as an empty value.
    const ValorJson& operator[](const QString& clave) const;
    const std::vector<Miembro>& miembros() const { return m_miembros; }

    bool operator==(const Mapa& otro) const;

  private:
    qsizetype posicion(const QString& clave) const; // -1 when missing

    std::vector<Miembro> m_miembros;
    QHash<QString, qsizetype> m_indice;
};

using Lista = std::vector<ValorJson>;

class ValorJson {
  public:
    ValorJson() = default; // empty
    ValorJson(Variant valor) : m_contenido(std::move(valor)) {}
    ValorJson(Mapa mapa) : m_contenido(std::move(mapa)) {}
    ValorJson(Lista lista) : m_contenido(std::move(lista)) {}

    bool esMapa() const { return std::holds_alternative<Mapa>(m_contenido); }
    bool esLista() const { return std::holds_alternative<Lista>(m_contenido); }
    bool esHoja() const { return std::holds_alternative<Variant>(m_contenido); }

    // Each accessor requires the matching kind.
    const Variant& hoja() const { return std::get<Variant>(m_contenido); }
    const Mapa& mapa() const { return std::get<Mapa>(m_contenido); }
    const Lista& lista() const { return std::get<Lista>(m_contenido); }

    bool operator==(const ValorJson& otro) const { return m_contenido == otro.m_contenido; }

  private:
    std::variant<Variant, Mapa, Lista> m_contenido;
};

} // namespace entrega
