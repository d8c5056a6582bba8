#pragma once
// The central error reporter: shows the failure in a critical dialog titled with its source, the routine
// label and " Aviso al operador!!! - 2 ", appends one line to KVERR.LOG in the temporary folder and returns
// the operator's answer (4 retry, 5 ignore, anything else abandon). It never raises.
//
// The log is UTF-8, one line per report ended by CR LF:
//   mm-dd-yyyy hh:mm:ss Rutina: - <label> Mensaje <message> Respondió : <answer name>
#include "core/Falla.h"

#include <QString>
#include <optional>

namespace entrega {

class Contexto;

// Style 18 (Abort / Retry / Ignore, critical) when `botones` is left out. An empty `rutina` is no label.
// Returns 0, with no dialog and no line, for an error number 0.
int ReportarError(Contexto& contexto, const Falla& error, std::optional<int> botones = std::nullopt,
                  const QString& rutina = {});

// The folder KVERR.LOG goes to, ending with the native separator: the value of TMP when TEMP is set (the
// test looks at TEMP and takes TMP, as the log has always been placed), else, or when that is blank, the
// workstation's temporary folder.
QString carpetaDelRegistro(Contexto& contexto);

} // namespace entrega
