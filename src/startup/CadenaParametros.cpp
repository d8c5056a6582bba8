#include "startup/CadenaParametros.h"

#include "companion/Contexto.h"
#include "core/Texto.h"

namespace entrega {

std::optional<QString> ValorParametro(const cUtil& util, const QString& cadena, const QString& clave,
                                      std::optional<int> largoSinFin) {
    const int p = static_cast<int>(cadena.indexOf(clave, 0, Qt::CaseInsensitive)) + 1;
    if (p == 0)
        return std::nullopt;
    const int fin = static_cast<int>(cadena.indexOf(QLatin1Char(';'), p - 1)) + 1;
    int largo = fin - static_cast<int>(clave.size()) - p;
    if (fin == 0 && largoSinFin)
        largo = *largoSinFin;
    const QString crudo = texto::medio(cadena, p + static_cast<int>(clave.size()), largo);
    return texto::recortar(util.QuitarCaracter(crudo, QStringLiteral("=")));
}

QString CadenaDesdeIni(Contexto& ctx) {
    const QString archivo = QStringLiteral("RB512pr.INI");
    const QString seccion = ctx.equipo.NombreEquipo().toUpper() + QLatin1Char('|') +
                            ctx.equipo.UsuarioEquipo().toUpper() + QStringLiteral("BaseDeDatos");
    auto leer = [&](const QString& clave, const QString& predeterminado) {
        return ctx.ini.LeerIni(archivo, seccion, clave, predeterminado);
    };
    const QString servidor = leer(QStringLiteral("Servidor"), {});
    const QString base = leer(QStringLiteral("DbName"), {});
    const QString usuario =
        ctx.util.Decodificar(leer(QStringLiteral("Usuario"), ctx.util.Codificar(QStringLiteral("Korvane"))));
    const QString clave = ctx.util.Decodificar(
        leer(QStringLiteral("UserPassWord"), ctx.util.Codificar(QStringLiteral("pelotra"))));
    auto limpio = [&](const QString& valor) { return ctx.util.QuitarCaracter(valor, QStringLiteral("|")); };
    return QStringLiteral("@server=") + limpio(servidor) + QStringLiteral("; @dbname= ") + limpio(base) +
           QStringLiteral("; @usuario= ") + limpio(usuario) + QStringLiteral("; @Password= ") +
           limpio(clave) + QStringLiteral("; @ParametroAdicional=; @Caja=1;duno@");
}

} // namespace entrega
