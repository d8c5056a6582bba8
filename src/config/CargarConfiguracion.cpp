#include "config/CargarConfiguracion.h"

#include "companion/Contexto.h"
#include "config/Configuracion.h"
#include "config/DatosUnidadNegocio.h"
#include "core/Pasos.h"
#include "core/Texto.h"

#include <QStringList>
#include <cstdlib>

namespace entrega {

namespace {

// The suite's sales programs, which take their own number of decimals (CantidadDecimalesVentas).
const QStringList programasDeVenta = {
    QStringLiteral("Ventas"),          QStringLiteral("Facturacion"),    QStringLiteral("PuntoDeVenta"),
    QStringLiteral("VentasMostrador"), QStringLiteral("Presupuestos"),   QStringLiteral("Pedidos"),
    QStringLiteral("Remitos"),         QStringLiteral("NotasDeCredito"), QStringLiteral("FacturaProforma"),
    QStringLiteral("CajaVentas"),
};

const QString si = QStringLiteral("SI");
const QString no = QStringLiteral("NO");

// The read modes of the settings. Every read is one step: a conversion that fails leaves the setting as it
// was. Cfg shows its own failures; a missing key reads " ", a failed read "".
class Lectura {
  public:
    explicit Lectura(Contexto& contexto) : m_contexto(contexto) {}

    QString valor(const QString& clave) const {
        QString aux;
        return Cfg(m_contexto, clave, aux);
    }
    Pasos::Paso siEs(const QString& clave, bool& destino) const {
        return [this, clave, &destino] { destino = texto::igualesSinMayusculas(valor(clave), si); };
    }
    Pasos::Paso siRecortado(const QString& clave, bool& destino) const {
        return [this, clave, &destino] {
            destino = texto::igualesSinMayusculas(texto::recortar(valor(clave)), si);
        };
    }
    // Missing or empty gives True.
    Pasos::Paso noEsNo(const QString& clave, bool& destino) const {
        return [this, clave, &destino] {
            destino = !texto::igualesSinMayusculas(texto::recortar(valor(clave)), no);
        };
    }
    // Missing or empty gives False.
    Pasos::Paso puesto(const QString& clave, bool& destino) const {
        return [this, clave, &destino] {
            const QString leido = valor(clave);
            destino = !texto::recortar(leido).isEmpty() && !texto::igualesSinMayusculas(leido, no);
        };
    }
    Pasos::Paso textoDe(const QString& clave, QString& destino) const {
        return [this, clave, &destino] { destino = texto::recortar(valor(clave)); };
    }
    Pasos::Paso crudo(const QString& clave, QString& destino) const {
        return [this, clave, &destino] { destino = valor(clave); };
    }
    Pasos::Paso entero(const QString& clave, std::int16_t& destino) const {
        return [this, clave, &destino] { destino = texto::aEntero(texto::valor(valor(clave))); };
    }
    Pasos::Paso importe(const QString& clave, std::int64_t& destino) const {
        return [this, clave, &destino] {
            destino = m_contexto.util.ValorNumerico(texto::recortar(valor(clave)));
        };
    }
    Pasos::Paso color(const QString& clave, std::int32_t& destino) const {
        return [this, clave, &destino] {
            destino = Variant::moneda(m_contexto.util.ValorNumerico(valor(clave))).aLargo();
        };
    }

  private:
    Contexto& m_contexto;
};

constexpr std::int32_t celeste = 16774118; // RGB 230, 243, 255
constexpr std::int32_t cian = 16776960;    // &HFFFF00
constexpr std::int32_t crema = 15072511;   // RGB 255, 252, 229

void sembrarAzar(Contexto& contexto) {
    std::srand(static_cast<unsigned>(contexto.reloj().time().msecsSinceStartOfDay() / 1000));
}

// Only the suite's sales programs take their own number of decimals; the configuration is not read for
// any other.
void decimalesDeVentas(Contexto& contexto, const Lectura& leer) {
    if (!programasDeVenta.contains(contexto.nombreEjecutable, Qt::CaseInsensitive))
        return;
    const QString decimales = leer.valor(QStringLiteral("CantidadDecimalesVentas"));
    if (texto::valor(decimales) > 0)
        contexto.ajustes.CantidadDecimales = decimales;
}

// The signed-in user's row: business unit, the user's own view of pro-forma invoices, and classes.
void datosDelUsuario(Contexto& contexto) {
    Ajustes& a = contexto.ajustes;
    ado::Recordset rs;
    bool hayFila = false;
    auto campo = [&](const QString& nombre) { return contexto.util.ValorCampo(rs.Fields(nombre)); };
    Pasos::ignorados()
        .paso([&] {
            // The name is the operator's: quotes inside it are doubled, never left to end the literal.
            contexto.sesion.AbrirConsulta(
                QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = ") +
                    contexto.sesion.ValorSql(contexto.UsuarioSistema),
                rs);
        })
        .paso([&] { hayFila = !rs.BOF(); })
        .paso([&] {
            if (hayFila)
                a.UNegocio = campo(QStringLiteral("UNegocio")).aTexto();
        })
        .paso([&] {
            // The user may narrow the setting, never widen it.
            if (hayFila && a.UsaFacturaProforma)
                a.UsaFacturaProforma = campo(QStringLiteral("verproforma")).aBooleano();
        })
        .paso([&] {
            if (hayFila)
                a.clasepusa = contexto.util.QuitarCaracter(
                    texto::recortar(campo(QStringLiteral("clasepusa")).aTexto()), QStringLiteral(","));
        })
        .paso([&] { contexto.sesion.CerrarConsulta(rs); })
        .ejecutar();
}

// Equal colours would leave the text unreadable: the suite's defaults are written back.
void coloresPredeterminados(Contexto& contexto) {
    Pasos::ignorados()
        .paso([&] {
            if (contexto.ColorFondo != contexto.ColorLetra)
                return;
            GrabaDfg(contexto, QStringLiteral("CFondo"), celeste, QString(), false, QStringLiteral("DATOS"),
                     true, false);
            GrabaDfg(contexto, QStringLiteral("CLetra"), std::int32_t{0}, QString(), false,
                     QStringLiteral("DATOS"), true, false);
            contexto.ColorFondo = celeste;
        })
        .paso([&] {
            if (contexto.ColorFondo == cian)
                contexto.ColorFondo = celeste;
        })
        .paso([&] {
            if (contexto.ColorFondo == 0)
                contexto.ColorFondo = crema;
        })
        .ejecutar();
}

} // namespace

void CargarConfiguracion(Contexto& ctx, const QString& carpeta) {
    Ajustes& a = ctx.ajustes;
    const Lectura leer(ctx);
    DatosDeUnidad unidad;
    Pasos::ignorados()
        .paso([&] { sembrarAzar(ctx); })
        .paso([&] { ctx.TablaConfiguracion = QStringLiteral("ta_configuracion"); })
        .paso([&] {
            a.MostrarStockenConsultas = texto::igualesSinMayusculas(
                ctx.util.ValorCampo(leer.valor(QStringLiteral("MostrarStockenConsultas"))).aTexto(), si);
        })
        .paso(leer.textoDe(QStringLiteral("TituloClientes"), a.TituloClientes))
        .paso(leer.textoDe(QStringLiteral("TituloProveedores"), a.TituloProveedores))
        .paso([&] { a.ArchivoDocTareas = carpeta + QStringLiteral("KVDOCTareas.kvn"); })
        .paso(leer.siEs(QStringLiteral("EXIGECLAVECONSULTALIKEARTICULOS"), a.EXIGECLAVECONSULTALIKEARTICULOS))
        .paso(leer.siEs(QStringLiteral("UsaConsultaLike"), a.UsaConsultaLike))
        .paso(leer.crudo(QStringLiteral("CantidadDecimales"), a.CantidadDecimales))
        .paso(leer.siEs(QStringLiteral("SS_CONFIDENCIALIDAD"), a.SS_CONFIDENCIALIDAD))
        .paso([&] { decimalesDeVentas(ctx, leer); })
        .paso(leer.siEs(QStringLiteral("UsaMultilesMonedas"), a.UsaMultilesMonedas))
        .paso(leer.siEs(QStringLiteral("UsaFacturaProforma"), a.UsaFacturaProforma))
        .paso(leer.siEs(QStringLiteral("USACCOSTO"), a.USACCOSTO))
        .paso(leer.siEs(QStringLiteral("USA_STK_STOCK_UDKG"), a.USA_STK_STOCK_UDKG))
        .paso([&] { datosDelUsuario(ctx); })
        .paso([&] {
            if (a.UNegocio.isEmpty())
                a.UNegocio = QStringLiteral("   1");
        })
        .paso(leer.textoDe(QStringLiteral("UNIDADDEMEDIDA_M3"), a.UNIDADDEMEDIDA_M3))
        .paso(leer.textoDe(QStringLiteral("UNIDADDEMEDIDA_BL"), a.UNIDADDEMEDIDA_BL))
        .paso(leer.textoDe(QStringLiteral("UNIDADDEMEDIDA_KG"), a.UNIDADDEMEDIDA_KG))
        .paso(leer.entero(QStringLiteral("PERIODO"), a.PERIODO))
        .paso(leer.siRecortado(QStringLiteral("RazonSocialPorUneg"), a.RazonSocialPorUneg))
        .paso(leer.siRecortado(QStringLiteral("VALIDACODIGOBARRA"), a.VALIDACODIGOBARRA))
        .paso(leer.color(QStringLiteral("CFondo"), ctx.ColorFondo))
        .paso(leer.color(QStringLiteral("CLetra"), ctx.ColorLetra))
        .paso([&] { coloresPredeterminados(ctx); })
        .paso(leer.noEsNo(QStringLiteral("ModuloOrdenDeTrabajo"), a.ModuloOrdenDeTrabajo))
        .paso(leer.puesto(QStringLiteral("V_ModificaCPrecio"), a.V_ModificaCPrecio))
        .paso(leer.puesto(QStringLiteral("C_ModificaCPrecio"), a.C_ModificaCPrecio))
        .paso(leer.puesto(QStringLiteral("MADERERA"), a.MADERERA))
        .paso(leer.textoDe(QStringLiteral("MAD_TIRAS"), a.MAD_TIRAS))
        .paso(leer.textoDe(QStringLiteral("MAD_P2"), a.MAD_P2))
        .paso(leer.textoDe(QStringLiteral("MAD_ML"), a.MAD_ML))
        .paso(leer.textoDe(QStringLiteral("MAD_M2"), a.MAD_M2))
        .paso(leer.textoDe(QStringLiteral("MAD_HOJAS"), a.MAD_HOJAS))
        .paso(leer.textoDe(QStringLiteral("MAD_ML_P2"), a.MAD_ML_P2))
        .paso(leer.textoDe(QStringLiteral("MAD_M2_P2"), a.MAD_M2_P2))
        .paso(leer.textoDe(QStringLiteral("MAD_ML_M2"), a.MAD_ML_M2))
        .paso(leer.textoDe(QStringLiteral("CuentaCtroDist"), a.CuentaCtroDist))
        .paso(leer.importe(QStringLiteral("MaxDto"), a.MaxDto))
        .paso(leer.importe(QStringLiteral("MaxDtoProforma"), a.MaxDtoProforma))
        .paso(leer.puesto(QStringLiteral("PideClave_StockNeg"), a.PideClave_StockNeg))
        .paso(leer.puesto(QStringLiteral("PideClave_MarkUpBase"), a.PideClave_MarkUpBase))
        .paso(leer.puesto(QStringLiteral("PideClave_LimiteCredito"), a.PideClave_LimiteCredito))
        .paso(leer.siEs(QStringLiteral("SS_BloqueoActivo"), a.SS_BloqueoActivo))
        .paso(leer.siEs(QStringLiteral("UTILIZARFECHADIA"), ctx.UtilizarFechaDia))
        .paso(leer.siEs(QStringLiteral("AsignacionAutomaticaDeLoteING"), a.AsignacionAutomaticaDeLoteING))
        .paso(leer.siEs(QStringLiteral("AsignacionAutomaticaDeLoteINGOP"), a.AsignacionAutomaticaDeLoteINGOP))
        .paso(leer.entero(QStringLiteral("CONDIVAEMPRESA"), a.CONDIVAEMPRESA))
        .paso([&] {
            if (a.CONDIVAEMPRESA == 0)
                leer.entero(QStringLiteral("CONDIVA"), a.CONDIVAEMPRESA)();
        })
        .paso([&] { DatosUnidadNegocio(ctx, a.UNegocio, unidad); })
        .paso([&] { a.CondicionIvaUN = unidad.condicionIva; })
        .paso([&] { a.CONDIVAEMPRESA = texto::aEntero(texto::aNumero(unidad.condicionIva)); })
        .paso([&] {
            if (a.CONDIVAEMPRESA == 0)
                a.CONDIVAEMPRESA = 1;
        })
        .paso([&] {
            a.Top_Default = leer.valor(QStringLiteral("Top_Default"));
            if (texto::recortar(a.Top_Default).isEmpty())
                a.Top_Default = QStringLiteral("1000");
        })
        .ejecutar();
}

} // namespace entrega
