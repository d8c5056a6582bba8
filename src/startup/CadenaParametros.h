#pragma once
// The parameter string the suite's programs start with: items "@Clave=valor;" found anywhere in the text,
// keys ignoring case, blanks allowed around "=" and the value.
#include <QString>
#include <optional>

namespace entrega {

class Contexto;
class cUtil;

namespace clave {
inline const QString ParametroAdicional = QStringLiteral("@ParametroAdicional");
inline const QString Menu = QStringLiteral("@Menu");
inline const QString Servidor = QStringLiteral("@Server");
inline const QString BaseDatos = QStringLiteral("@DbName");
inline const QString Usuario = QStringLiteral("@Usuario");
inline const QString UsuarioLogeado = QStringLiteral("@UsuarioLogeado");
inline const QString Clave = QStringLiteral("@Password");
inline const QString Caja = QStringLiteral("@Caja");
} // namespace clave

// The value of `clave`, trimmed; nullopt when the key is absent. The value ends at the first ";" after the
// key. When none follows, the piece to cut has a negative length and error 5 is raised, unless
// `largoSinFin` gives the number of characters to take instead.
std::optional<QString> ValorParametro(const cUtil& util, const QString& cadena, const QString& clave,
                                      std::optional<int> largoSinFin = {});

// The parameter string built from the workstation's entry in RB512pr.INI.
QString CadenaDesdeIni(Contexto& ctx);

} // namespace entrega
