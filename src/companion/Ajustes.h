#pragma once
// The suite's session settings, loaded from the configuration table and the user's row at start-up
// (CargarConfiguracion). Each is named after the key it comes from. In this client only UtilizarFechaDia
// (kept in Contexto, with the two colours) is consulted afterwards; the rest are the suite's.
#include <QString>
#include <cstdint>

namespace entrega {

struct Ajustes {
    bool MostrarStockenConsultas = false;
    QString TituloClientes;
    QString TituloProveedores;
    QString ArchivoDocTareas;
    bool EXIGECLAVECONSULTALIKEARTICULOS = false;
    bool UsaConsultaLike = false;
    QString CantidadDecimales;
    bool SS_CONFIDENCIALIDAD = false;

    bool UsaMultilesMonedas = false;
    bool UsaFacturaProforma = false;
    bool USACCOSTO = false;
    bool USA_STK_STOCK_UDKG = false;

    // From the signed-in user's row.
    QString UNegocio;
    QString clasepusa;

    QString UNIDADDEMEDIDA_M3;
    QString UNIDADDEMEDIDA_BL;
    QString UNIDADDEMEDIDA_KG;
    std::int16_t PERIODO = 0;
    bool RazonSocialPorUneg = false;
    bool VALIDACODIGOBARRA = false;

    bool ModuloOrdenDeTrabajo = false;
    bool V_ModificaCPrecio = false;
    bool C_ModificaCPrecio = false;
    bool MADERERA = false;
    QString MAD_TIRAS;
    QString MAD_P2;
    QString MAD_ML;
    QString MAD_M2;
    QString MAD_HOJAS;
    QString MAD_ML_P2;
    QString MAD_M2_P2;
    QString MAD_ML_M2;
    QString CuentaCtroDist;
    std::int64_t MaxDto = 0; // currency, in ten-thousandths
    std::int64_t MaxDtoProforma = 0;
    bool PideClave_StockNeg = false;
    bool PideClave_MarkUpBase = false;
    bool PideClave_LimiteCredito = false;
    bool SS_BloqueoActivo = false;
    bool AsignacionAutomaticaDeLoteING = false;
    bool AsignacionAutomaticaDeLoteINGOP = false;
    std::int16_t CONDIVAEMPRESA = 0;

    // The tax condition of the user's business unit.
    QString CondicionIvaUN;
    QString Top_Default;
};

} // namespace entrega
