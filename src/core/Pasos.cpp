#include "core/Pasos.h"

namespace entrega {

Pasos::Pasos(Politica politica, Reportero reportero) : m_politica(politica), m_reportero(std::move(reportero)) {}

Pasos Pasos::reportados(Reportero reportero) { return Pasos(Politica::Reportada, std::move(reportero)); }
Pasos Pasos::ignorados() { return Pasos(Politica::Ignorada); }
Pasos Pasos::propagados() { return Pasos(Politica::Propagada); }

Pasos& Pasos::paso(Paso paso) {
    m_pasos.push_back(std::move(paso));
    return *this;
}

Pasos& Pasos::cierre(Paso cierre) {
    m_cierre = std::move(cierre);
    return *this;
}

void Pasos::irAlCierre() { throw Salto{}; }

Pasos::Resultado Pasos::correr(const Paso& paso) {
    for (;;) {
        try {
            paso();
            return Resultado::Siguiente;
        } catch (const Salto&) {
            return Resultado::Cierre;
        } catch (const Falla& falla) {
            switch (m_politica) {
            case Politica::Propagada: throw;
            case Politica::Ignorada: return Resultado::Siguiente;
            case Politica::Reportada: break;
            }
            const int respuesta = m_reportero(falla);
            if (respuesta == respuesta::Reintentar)
                continue;
            if (respuesta == respuesta::Ignorar)
                return Resultado::Siguiente;
            return Resultado::Abandono;
        }
    }
}

bool Pasos::ejecutar() {
    for (const Paso& paso : m_pasos) {
        const Resultado resultado = correr(paso);
        if (resultado == Resultado::Abandono)
            return false;
        if (resultado == Resultado::Cierre)
            break;
    }
    if (m_cierre && correr(m_cierre) == Resultado::Abandono)
        return false;
    return true;
}

} // namespace entrega
