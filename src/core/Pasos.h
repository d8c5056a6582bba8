#pragma once
// The three failure policies of a routine, so that a routine reads like its numbered steps:
//
//   Pasos::reportados(reportar).paso([&]{ ... }).paso([&]{ ... }).ejecutar();
//
// reported: a failing step asks the reporter; 4 runs the step again, 5 goes on with the next step,
//           any other answer abandons the routine at once, without its closing step;
// ignored:  a failing step is skipped and the next one runs;
// propagated: the failure goes to the caller.
// A step may jump to the closing step with irAlCierre(). What a routine holds is released by RAII
// however it ends; the closing step is the routine's own last step, not a destructor.
// Only Falla is handled; anything else is a programming fault and goes up untouched.
#include "core/Falla.h"
#include "core/Respuestas.h"

#include <functional>
#include <vector>

namespace entrega {

class Pasos {
public:
    using Paso = std::function<void()>;
    using Reportero = std::function<int(const Falla&)>;

    static Pasos reportados(Reportero reportero);
    static Pasos ignorados();
    static Pasos propagados();

    Pasos& paso(Paso paso);
    // The closing step: after the last step, or when a step jumps to it; under the same policy.
    Pasos& cierre(Paso cierre);

    // Runs the steps. True when the routine reached its end, false when a reported failure abandoned it.
    bool ejecutar();

    // Called inside a step: skip the remaining steps and run the closing step.
    [[noreturn]] static void irAlCierre();

private:
    enum class Politica { Reportada, Ignorada, Propagada };
    explicit Pasos(Politica politica, Reportero reportero = {});

    Politica m_politica;
    Reportero m_reportero;
    struct Salto {};
    enum class Resultado { Siguiente, Cierre, Abandono };
    Resultado correr(const Paso& paso);

    std::vector<Paso> m_pasos;
    Paso m_cierre;
};

} // namespace entrega
