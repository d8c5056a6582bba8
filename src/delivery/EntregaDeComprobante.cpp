#include "delivery/EntregaDeComprobante.h"

#include "companion/Contexto.h"
#include "config/FechaOperacion.h"
#include "core/Fecha.h"
#include "core/Texto.h"
#include "delivery/FrmEntregaMercaderia.h"
#include "dialogs/ServicioDialogos.h"

#include <QLineEdit>

namespace entrega {

namespace {

const QString tituloAviso = QStringLiteral("Aviso al Operador");

QString textoDe(const Variant& valor) {
    return valor.esNulo() ? QString() : valor.aTexto();
}

} // namespace

EntregaDeComprobante::EntregaDeComprobante(Contexto& ctx, FrmEntregaMercaderia& pantalla)
    : m_ctx(ctx), m_pantalla(pantalla) {}

QString EntregaDeComprobante::textoOtraEstacion(const QString& tc, const QString& n) {
    return QStringLiteral("El comprobante ") + tc + u' ' + n +
           QStringLiteral(" fue modificado por otra estación mientras se confirmaba la entrega.\r\n"
                          "No se grabó nada. Verifique si ya fue entregado.");
}

Pasos EntregaDeComprobante::pasos() {
    return Pasos::reportados([this](const Falla& falla) { return m_ctx.util.MostrarError(falla); });
}

void EntregaDeComprobante::ejecutar() {
    bool hayClave = false;
    const bool sigue = pasos()
                           .paso([&] { componer(); })
                           .paso([&] { hayClave = !m_tc.isEmpty() && !m_n.isEmpty(); })
                           .ejecutar();
    if (!sigue || !hayClave)
        return;
    Pasos p = pasos();
    if (m_c.isEmpty())
        pasosComprobante(p);
    else
        pasosParte(p);
    p.cierre([&] { m_ctx.sesion.CerrarConsulta(m_rs); }).ejecutar();
}

void EntregaDeComprobante::componer() {
    m_tc = texto::recortar(m_pantalla.campo(QStringLiteral("BTC"))->text());
    m_n = texto::formatoCeros(m_pantalla.campo(QStringLiteral("BSucursal"))->text(), 4) +
          texto::formatoCeros(m_pantalla.campo(QStringLiteral("BNumero"))->text(), 8) +
          m_pantalla.campo(QStringLiteral("BLetra"))->text();
    m_c = texto::recortar(m_pantalla.campo(QStringLiteral("BCOMPLEMENTO"))->text());
}

QString EntregaDeComprobante::literal(const QString& valor) const {
    return m_ctx.sesion.ValorSql(Variant(valor));
}

void EntregaDeComprobante::pasosComprobante(Pasos& p) {
    p.paso([&] {
         m_ctx.sesion.AbrirConsulta(QStringLiteral("select * from v_mv_Cpte where tc=") + literal(m_tc) +
                                        QStringLiteral(" and idcomprobante = ") + literal(m_n),
                                    m_rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic);
     })
        .paso([&] {
            if (m_rs.BOF()) {
                avisarNoExiste();
                terminar();
            }
        })
        .paso([&] {
            if (!m_rs.Fields(QStringLiteral("FECHAENTREGA")).Value().esNulo()) {
                avisarYaEntregado(m_rs.Fields(QStringLiteral("FECHAENTREGA")));
                terminar();
            }
        })
        .paso([&] {
            if (!confirmar(datosDe(m_rs)))
                terminar();
        })
        .paso([&] {
            m_rs.Fields(QStringLiteral("FECHAENTREGA")).setValue(Variant::fecha(FechaParaSellar(m_ctx)));
        })
        .paso([&] {
            // Errors left by an earlier statement must not pass for this write's.
            m_ctx.sesion.Conexion().errores().Clear();
            try {
                m_rs.Update();
            } catch (const Falla& falla) {
                if (falla.numero() != ado::fallas::FilaNoLocalizada)
                    throw;
                // Another workstation stamped the voucher after we read it: its stamp stands.
                m_otraEstacion = true;
                m_ctx.dialogos.mensaje(textoOtraEstacion(m_tc, m_n), estilo::Aceptar + estilo::Exclamacion,
                                       tituloAviso);
            }
        })
        .paso([&] {
            if (!m_otraEstacion)
                avisarSiHuboErrores();
        })
        .paso([&] { m_pantalla.CmdCargar_Click(); });
}

void EntregaDeComprobante::pasosParte(Pasos& p) {
    p.paso([&] {
         m_ctx.sesion.AbrirConsulta(QStringLiteral("SELECT * FROM V_MV_STOCK WHERE tc=") + literal(m_tc) +
                                        QStringLiteral(" and idcomprobante = ") + literal(m_n) +
                                        QStringLiteral(" AND IDCOMPLEMENTO=") + literal(m_c),
                                    m_rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic);
     })
        .paso([&] {
            if (m_rs.BOF())
                terminar();
        })
        .paso([&] {
            m_encontrado = m_ctx.sesion.BuscarRegistro(
                QStringLiteral("V_MV_CTROL_CPTE"), Variant(m_tc), QStringLiteral("TC"), m_rs2, 8,
                QStringLiteral("tc=") + literal(m_tc) + QStringLiteral(" and sucursal+numero+letra = ") +
                    literal(m_n) + QStringLiteral(" AND IDCOMPLEMENTO=") + literal(m_c),
                true);
        })
        .paso([&] {
            if (m_encontrado) {
                avisarYaEntregado(m_rs2.Fields(QStringLiteral("fechaenviomail")));
                terminar();
            }
        })
        .paso([&] {
            m_encontrado = m_ctx.sesion.BuscarRegistro(
                QStringLiteral("V_MV_CPTE"), Variant(m_tc), QStringLiteral("TC"), m_rs2, 8,
                QStringLiteral("tc=") + literal(m_tc) + QStringLiteral(" and idcomprobante = ") +
                    literal(m_n),
                true);
        })
        .paso([&] {
            // A part is delivered only from a voucher that exists and was not delivered whole.
            if (!m_encontrado) {
                avisarNoExiste();
                terminar();
            }
            if (!m_rs2.Fields(QStringLiteral("FECHAENTREGA")).Value().esNulo()) {
                avisarYaEntregado(m_rs2.Fields(QStringLiteral("FECHAENTREGA")));
                terminar();
            }
            m_datos = datosDe(m_rs2);
            // No read stays open while the operator decides.
            m_ctx.sesion.CerrarConsulta(m_rs2);
        })
        .paso([&] {
            if (!confirmar(m_datos))
                terminar();
        })
        .paso([&] {
            ado::Connection& conexion = m_ctx.sesion.Conexion();
            conexion.errores().Clear();
            try {
                m_ctx.sesion.Ejecutar(
                    QStringLiteral("INSERT INTO V_MV_CTROL_CPTE "
                                   "(TC,SUCURSAL,NUMERO,LETRA,IDCOMPLEMENTO,USUARIO,FechaEnvioMail) ") +
                    QStringLiteral(" VALUES (") + literal(m_tc) + QStringLiteral(", ") +
                    literal(texto::medio(m_n, 1, 4)) + u',' + literal(texto::medio(m_n, 5, 8)) + u',' +
                    literal(texto::medio(m_n, 13, 1)) + u',' + literal(m_c) + u',' +
                    literal(m_ctx.UsuarioSistema) + u',' + literal(fecha::texto(FechaParaSellar(m_ctx))) +
                    u')');
            } catch (const Falla&) {
                // A write the database refused (another workstation's control row for this part among
                // others) is told by the write-error message that follows.
                if (conexion.errores().Count() == 0)
                    throw;
            }
        })
        .paso([&] { avisarSiHuboErrores(); })
        .paso([&] { m_pantalla.CmdCargar_Click(); });
}

EntregaDeComprobante::Datos EntregaDeComprobante::datosDe(ado::Recordset& rs) const {
    return {textoDe(rs.Fields(QStringLiteral("fecha")).Value()),
            textoDe(rs.Fields(QStringLiteral("nombre")).Value()),
            m_ctx.util.ValorCampo(rs.Fields(QStringLiteral("Domicilio"))).aTexto(),
            m_ctx.util.ValorCampo(rs.Fields(QStringLiteral("Localidad"))).aTexto()};
}

bool EntregaDeComprobante::confirmar(const Datos& d) {
    const QString texto = QStringLiteral("DATOS DEL COMPROBANTE A ENTREGAR\r\n\r\nFecha: ") + d.fecha + u' ' +
                          m_tc + u' ' + m_n + QStringLiteral("\r\n\r\nCliente :") + d.nombre +
                          QStringLiteral("\r\n") + d.domicilio + u' ' + d.localidad +
                          QStringLiteral("\r\n\r\n-Desea marcarlo como entregado?");
    return m_ctx.dialogos.mensaje(texto, estilo::SiNo + estilo::Pregunta, tituloAviso) == respuesta::Si;
}

void EntregaDeComprobante::avisarYaEntregado(const ado::Field& cuando) {
    const QString texto = QStringLiteral("EL COMPROBANTE ") + m_tc + u' ' + m_n +
                          QStringLiteral("\r\n YA FUE ENTREGADO EL ") +
                          m_ctx.util.ValorCampo(cuando).aTexto();
    m_ctx.sesion.CerrarConsulta(m_rs2);
    m_ctx.dialogos.mensaje(texto, estilo::Aceptar + estilo::Critico, QStringLiteral("ATENCION"));
}

void EntregaDeComprobante::avisarNoExiste() {
    m_ctx.dialogos.mensaje(QStringLiteral("El comprobante solicitado no existe"),
                           estilo::Aceptar + estilo::Critico, tituloAviso);
}

void EntregaDeComprobante::avisarSiHuboErrores() {
    if (m_ctx.sesion.Conexion().errores().Count() > 0)
        m_ctx.dialogos.mensaje(QStringLiteral("ERROR AL GRABAR El pedido ") + m_tc + u' ' + m_n +
                                   QStringLiteral(" INTENTELO NUEVAMENTE"),
                               estilo::Aceptar + estilo::Informacion, tituloAviso);
}

} // namespace entrega
