// Any text given to the parser ends with a tree or with "Invalid JSON", never with a crash or a hang.
#include "util/JSON.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const QString texto = QString::fromUtf8(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
    const std::optional<entrega::ValorJson> raiz = entrega::JSON::ParseText(texto);
    if (!raiz && entrega::JSON::ParserErrors() != QStringLiteral("Invalid JSON"))
        std::abort();
    if (raiz && !raiz->esMapa() && !raiz->esLista())
        std::abort();
    return 0;
}
