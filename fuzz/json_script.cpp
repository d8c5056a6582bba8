// Any script ends with its text or with a Falla for the caller; dialogs are answered by the scripted double
// (every box cancelled).
#include "core/Falla.h"
#include "dialogs/DialogosGuionados.h"
#include "util/cJSONScript.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const QString guion = QString::fromUtf8(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
    entrega::DialogosGuionados dialogos;
    entrega::cJSONScript script(dialogos);
    try {
        script.Eval(guion);
        script.Eval(guion); // again, with the variables the first run left
    } catch (const entrega::Falla&) {
    }
    return 0;
}
