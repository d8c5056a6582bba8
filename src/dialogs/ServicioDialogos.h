#pragma once
// Every message box and input box of the program goes through this service, so tests can answer them.
// Styles and answers are numbered as the platform numbers them:
//   buttons 0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore, 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel;
//   icons 16 critical, 32 question, 48 exclamation, 64 information; 256/512 second/third button default;
//   answers 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No.
#include "core/Respuestas.h"

#include <QString>

namespace entrega {

namespace estilo {
constexpr int Aceptar = 0, AceptarCancelar = 1, AnularReintentarIgnorar = 2, SiNoCancelar = 3, SiNo = 4,
              ReintentarCancelar = 5;
constexpr int Critico = 16, Pregunta = 32, Exclamacion = 48, Informacion = 64;
constexpr int SegundoPredeterminado = 256, TercerPredeterminado = 512;
} // namespace estilo

class ServicioDialogos {
public:
    virtual ~ServicioDialogos() = default;
    // A modal message box; returns the answer code.
    virtual int mensaje(const QString& texto, int estilo, const QString& titulo) = 0;
    // A modal input box; returns the text typed, or an empty text when cancelled.
    virtual QString entrada(const QString& pregunta, const QString& titulo, const QString& predeterminado) = 0;
};

} // namespace entrega
