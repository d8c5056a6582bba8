#pragma once
// The start-up every program of the suite runs: wait window, parameter string, main session, tuning, the
// session's files and settings, then the user sign-in. When the session does not open, or on a failure it
// does not pass over, the program ends without a message (Contexto::terminar).
#include <QString>
#include <cstdint>

namespace entrega {

class Contexto;

// usarIni: build the parameter string from RB512pr.INI when it is blank. cadena: the parameter string;
// empty means the command line. conexionExplicita (in, out): a connection text for cSesion::Conectar,
// filled for an Oracle server when empty. modoConexion: handed to cSesion::Conectar.
void IniciarAplicacion(Contexto& ctx, bool usarIni, QString& cadena, QString& conexionExplicita,
                       std::int32_t modoConexion);

} // namespace entrega
