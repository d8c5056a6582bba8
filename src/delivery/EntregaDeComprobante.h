#pragma once
// The voucher lookup and delivery confirmation behind "&Buscar": reads the key from the screen's boxes,
// refuses a voucher (or voucher part) already delivered and, when the operator confirms, stamps the
// voucher's delivery date-time or adds the part's control row; then the day's list is reloaded.
// Failures go to the operator (cUtil.MostrarError): retry the step, go on with the next, or abandon.
// Key values reach the statements as literals with their apostrophes doubled.
#include "ado/Recordset.h"
#include "core/Pasos.h"

#include <QString>

namespace entrega {

class Contexto;
class FrmEntregaMercaderia;

class EntregaDeComprobante {
  public:
    EntregaDeComprobante(Contexto& ctx, FrmEntregaMercaderia& pantalla);
    void ejecutar();

    // What the operator is told when another workstation stamped the voucher between our read and our
    // write.
    static QString textoOtraEstacion(const QString& tc, const QString& n);

  private:
    // The customer data the confirmation shows, taken from the voucher's row.
    struct Datos {
        QString fecha, nombre, domicilio, localidad;
    };

    Pasos pasos();
    void componer();
    void pasosComprobante(Pasos& p);
    void pasosParte(Pasos& p);

    QString literal(const QString& valor) const;
    Datos datosDe(ado::Recordset& rs) const;
    bool confirmar(const Datos& datos);
    void avisarYaEntregado(const ado::Field& cuando);
    void avisarNoExiste();
    void avisarSiHuboErrores();
    [[noreturn]] static void terminar() { Pasos::irAlCierre(); }

    Contexto& m_ctx;
    FrmEntregaMercaderia& m_pantalla;
    QString m_tc, m_n, m_c;
    ado::Recordset m_rs;  // the voucher's row, or the part's stock movements
    ado::Recordset m_rs2; // the control row, then the voucher's row (part path)
    Datos m_datos;
    bool m_encontrado = false;
    bool m_otraEstacion = false;
};

} // namespace entrega
