#pragma once
// The word lists a demo draws its customers, streets, places and articles from.
#include <span>

namespace entrega::admin::datos {

struct Articulo {
    const char* codigo;
    const char* descripcion;
    bool fraccionable; // sold in fractions (metres, cubic metres), not in whole units
};

std::span<const char* const> nombres();
std::span<const char* const> apellidos();
std::span<const char* const> rubros();     // "Ferretería", "Corralón", ...
std::span<const char* const> fantasias();  // "El Progreso", "San Martín", ...
std::span<const char* const> sociedades(); // "S.A.", "S.R.L.", ...
std::span<const char* const> calles();
std::span<const char* const> localidades();
std::span<const char* const> zonas();      // one per locality, same order
std::span<const char* const> operadores(); // users who delivered earlier parts
std::span<const Articulo> articulos();

} // namespace entrega::admin::datos
