#include "Mostrador.h"

#include "delivery/EntregaDeComprobante.h"

using namespace entrega;
using prueba::Estacion;

namespace {

const QString FA = QStringLiteral("FA");
const QString RM = QStringLiteral("RM");
const QString id1234 = QStringLiteral("000100001234A");
const QString remito = QStringLiteral("000100001234R");

QString seleccion(const QString& tc, const QString& n) {
    return "select * from v_mv_Cpte where tc='" + tc + "' and idcomprobante = '" + n + "'";
}
QString listaDelDia(const QString& dia) {
    return "Select * from v_mv_cpte where tc='RM' and (fechaentrega > = '" + dia +
           " 00:00:00' and fechaentrega <='" + dia + " 23:59:59')";
}
QString hoy() {
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}
QString confirmacion(const QString& tc, const QString& n) {
    return "DATOS DEL COMPROBANTE A ENTREGAR\r\n\r\nFecha: 20/04/2026 " + tc + " " + n +
           "\r\n\r\nCliente :Ferreteria Sur\r\nCalle 1 Rosario\r\n\r\n-Desea marcarlo como entregado?";
}
// The stored stamp "yyyy-mm-dd hh:mm:ss" in the day-first form the client writes.
QString diaPrimero(const QString& iso) {
    return fecha::texto(fecha::leerIso(iso).value_or(0));
}

class Busqueda : public testing::Test {
  protected:
    prueba::Mostrador mostrador;
    Estacion estacion{mostrador.carpeta(), QStringLiteral("OPERADOR")};
    prueba::DialogosDePrueba& dialogos = estacion.dialogos;

    void esperarMensaje(int indice, const QString& texto, int estilo, const QString& titulo) {
        ASSERT_GT(dialogos.vistos().size(), indice);
        const DialogoVisto& visto = dialogos.vistos().at(indice);
        EXPECT_EQ(visto.texto, texto);
        EXPECT_EQ(visto.estilo, estilo);
        EXPECT_EQ(visto.titulo, titulo);
    }
};

TEST_F(Busqueda, WithoutTypeOrNumberNothingHappens) {
    mostrador.comprobante(FA, id1234);
    const struct {
        const char *tc, *sucursal, *numero, *letra;
    } casos[] = {{"", "", "", ""}, {"FA", "", "", ""}, {"  ", "1", "1234", "A"}};
    for (const auto& c : casos) {
        estacion.buscar(QLatin1String(c.tc), QLatin1String(c.sucursal), QLatin1String(c.numero),
                        QLatin1String(c.letra));
        EXPECT_TRUE(estacion.sentencias().isEmpty()) << c.tc << "/" << c.sucursal;
    }
    EXPECT_TRUE(dialogos.vistos().isEmpty());
}

TEST_F(Busqueda, TheNumberIsComposedFromBranchNumberAndLetter) {
    mostrador.comprobante(FA, id1234);
    dialogos.responder(respuesta::No);
    estacion.buscar(FA, QStringLiteral("1"), QStringLiteral("1234"), QStringLiteral("A"));

    esperarMensaje(0, confirmacion(FA, id1234), 36, QStringLiteral("Aviso al Operador"));
    // A No writes nothing and leaves the list alone.
    EXPECT_EQ(estacion.sentencias(), QStringList({seleccion(FA, id1234)}));
    EXPECT_EQ(mostrador.fechaEntrega(FA, id1234), "<null>");
}

TEST_F(Busqueda, AFiveDigitBranchKeepsItsDigitsAndIsNotFound) {
    mostrador.comprobante(FA, id1234);
    dialogos.responder(respuesta::Aceptar);
    estacion.buscar(FA, QStringLiteral("12345"), QStringLiteral("1234"), QStringLiteral("A"));
    EXPECT_EQ(estacion.sentencias(), QStringList({seleccion(FA, QStringLiteral("1234500001234A"))}));
    esperarMensaje(0, QStringLiteral("El comprobante solicitado no existe"), 16,
                   QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(dialogos.vistos().size(), 1);
}

TEST_F(Busqueda, AVoucherAlreadyDeliveredIsRefusedWithItsDateTime) {
    mostrador.comprobante(FA, id1234, QStringLiteral("2026-04-20 17:45:10"));
    dialogos.responder(respuesta::Aceptar);
    estacion.buscar(FA, QStringLiteral("0001"), QStringLiteral("00001234"), QStringLiteral("A"));
    esperarMensaje(0, "EL COMPROBANTE FA " + id1234 + "\r\n YA FUE ENTREGADO EL 20/04/2026 17:45:10", 16,
                   QStringLiteral("ATENCION"));
    EXPECT_EQ(dialogos.vistos().size(), 1);
    EXPECT_EQ(estacion.sentencias(), QStringList({seleccion(FA, id1234)}));
    EXPECT_EQ(mostrador.fechaEntrega(FA, id1234), "2026-04-20 17:45:10");
}

TEST_F(Busqueda, YesOnAWholeVoucherStampsItAndReloadsTheList) {
    mostrador.comprobante(RM, remito);
    mostrador.comprobante(RM, QStringLiteral("000100009999R"));
    dialogos.responder(respuesta::Si);
    const QString antes = prueba::ahoraIso();
    estacion.buscar(RM, QStringLiteral("1"), QStringLiteral("1234"), QStringLiteral("R"));
    const QString despues = prueba::ahoraIso();

    ASSERT_EQ(dialogos.vistos().size(), 1);
    EXPECT_EQ(dialogos.vistos().at(0).texto, confirmacion(RM, remito));
    const QString sello = mostrador.fechaEntrega(RM, remito);
    EXPECT_GE(sello, antes);
    EXPECT_LE(sello, despues);
    EXPECT_EQ(mostrador.fechaEntrega(RM, QStringLiteral("000100009999R")), "<null>");
    EXPECT_EQ(estacion.sentencias().first(), seleccion(RM, remito));
    EXPECT_EQ(estacion.sentencias().last(), listaDelDia(hoy()));
    EXPECT_EQ(estacion.caja("FECHA")->text(), hoy());
    EXPECT_EQ(estacion.listados(), QStringList({remito}));
}

// The delivery stands; the reload that follows it goes to the operator like any other step.
TEST_F(Busqueda, AReloadThatFailsAfterADeliveryIsRetried) {
    mostrador.comprobante(RM, remito);
    estacion.caja("FECHA")->setText(QStringLiteral("31/02/2026"));
    dialogos.alMostrar = [&] {
        if (dialogos.vistos().size() == 1) // the error box: the operator mends the date, then retries
            estacion.caja("FECHA")->setText(hoy());
    };
    dialogos.responder(respuesta::Si).responder(respuesta::Reintentar);
    estacion.buscar(RM, QStringLiteral("1"), QStringLiteral("1234"), QStringLiteral("R"));

    ASSERT_EQ(dialogos.vistos().size(), 2);
    EXPECT_EQ(dialogos.vistos().at(1).estilo, 2 + 16);
    EXPECT_TRUE(dialogos.vistos().at(1).texto.contains(QStringLiteral("Type mismatch")))
        << qPrintable(dialogos.vistos().at(1).texto);
    EXPECT_NE(mostrador.fechaEntrega(RM, remito), "<null>");
    EXPECT_EQ(estacion.listados(), QStringList({remito}));
}

TEST_F(Busqueda, AComplementWithoutStockEndsWithoutAWord) {
    mostrador.comprobante(FA, id1234);
    mostrador.parte(FA, id1234, 5);
    estacion.buscar(FA, QStringLiteral("1"), QStringLiteral("1234"), QStringLiteral("A"),
                    QStringLiteral("10"));
    EXPECT_TRUE(dialogos.vistos().isEmpty());
    EXPECT_EQ(estacion.sentencias(),
              QStringList({"SELECT * FROM V_MV_STOCK WHERE tc='FA' and idcomprobante = '" + id1234 +
                           "' AND IDCOMPLEMENTO='10'"}));
    EXPECT_TRUE(mostrador.controles().isEmpty());
}

TEST_F(Busqueda, APartAlreadyControlledShowsItsDateTime) {
    mostrador.comprobante(FA, id1234);
    mostrador.parte(FA, id1234, 5);
    mostrador.sql(QStringLiteral("INSERT INTO V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA, IDCOMPLEMENTO, "
                                 "USUARIO, FechaEnvioMail) VALUES ('FA', '0001', '00001234', 'A', 5, 'OTRO', "
                                 "'2026-04-21 10:00:00')"));
    dialogos.responder(respuesta::Aceptar);
    estacion.buscar(FA, QStringLiteral("1"), QStringLiteral("1234"), QStringLiteral("A"),
                    QStringLiteral("5"));
    esperarMensaje(0, "EL COMPROBANTE FA " + id1234 + "\r\n YA FUE ENTREGADO EL 21/04/2026 10:00:00", 16,
                   QStringLiteral("ATENCION"));
    EXPECT_EQ(dialogos.vistos().size(), 1);
    EXPECT_EQ(estacion.sentencias().value(1),
              "SELECT * FROM V_MV_CTROL_CPTE with(nolock) WHERE TC = 'FA' AND (tc='FA' and "
              "sucursal+numero+letra = '" +
                  id1234 + "' AND IDCOMPLEMENTO='5')");
    EXPECT_EQ(mostrador.controles().size(), 1);
}

TEST_F(Busqueda, YesOnAPartAddsOneControlRowAndLeavesTheVoucherUndelivered) {
    mostrador.comprobante(RM, remito);
    mostrador.parte(RM, remito, 5);
    mostrador.parte(RM, remito, 10);
    dialogos.responder(respuesta::Si);
    estacion.buscar(RM, QStringLiteral("1"), QStringLiteral("1234"), QStringLiteral("R"),
                    QStringLiteral("5"));

    ASSERT_EQ(dialogos.vistos().size(), 1);
    EXPECT_EQ(dialogos.vistos().at(0).texto, confirmacion(RM, remito));
    const QStringList controles = mostrador.controles();
    ASSERT_EQ(controles.size(), 1);
    const QStringList control = controles.at(0).split(u'|');
    EXPECT_EQ(control.mid(0, 6), QStringList({"RM", "0001", "00001234", "R", "5", "OPERADOR"}));
    EXPECT_EQ(mostrador.fechaEntrega(RM, remito), "<null>");

    const QStringList sentencias = estacion.sentencias();
    EXPECT_EQ(sentencias.value(2), "SELECT * FROM V_MV_CPTE with(nolock) WHERE TC = 'RM' AND (tc='RM' and "
                                   "idcomprobante = '" +
                                       remito + "')");
    EXPECT_TRUE(sentencias.contains(
        "INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA,IDCOMPLEMENTO,USUARIO,FechaEnvioMail)  VALUES "
        "('RM', '0001','00001234','R','5','OPERADOR','" +
        diaPrimero(control.at(6)) + "')"))
        << qPrintable(sentencias.join(u'\n'));
    EXPECT_EQ(sentencias.last(), listaDelDia(hoy()));
}

// A part is delivered only from a voucher that exists and was not delivered whole.
TEST_F(Busqueda, APartOfAVoucherMissingOrDeliveredWholeIsRefused) {
    mostrador.comprobante(RM, remito, QStringLiteral("2026-04-22 08:00:00"));
    mostrador.parte(RM, remito, 5);
    mostrador.parte(RM, QStringLiteral("000100005555R"), 5); // stock of a voucher that is not there
    const struct {
        QString numero, texto, titulo;
    } casos[] = {
        {QStringLiteral("1234"),
         "EL COMPROBANTE RM " + remito + "\r\n YA FUE ENTREGADO EL 22/04/2026 08:00:00",
         QStringLiteral("ATENCION")},
        {QStringLiteral("5555"), QStringLiteral("El comprobante solicitado no existe"),
         QStringLiteral("Aviso al Operador")},
    };
    for (const auto& c : casos) {
        dialogos.olvidar();
        dialogos.responder(respuesta::Aceptar);
        estacion.buscar(RM, QStringLiteral("1"), c.numero, QStringLiteral("R"), QStringLiteral("5"));
        esperarMensaje(0, c.texto, 16, c.titulo);
        EXPECT_EQ(dialogos.vistos().size(), 1);
    }
    EXPECT_TRUE(mostrador.controles().isEmpty());
}

// Operator text reaches the statements as literals: a key built to break out of them finds nothing and
// harms nothing.
TEST_F(Busqueda, KeysHoldingQuotesAndCommentsFindNothing) {
    mostrador.comprobante(FA, id1234);
    mostrador.parte(FA, id1234, 5);
    const struct {
        const char *tc, *letra, *complemento;
    } casos[] = {
        {"FA' OR '1'='1", "A", ""},
        {"FA", "A' OR 'x'='x", ""},
        {"FA", "A';DELETE FROM--", ""}, // the boxes take 17 characters
        {"FÁ", "A", ""},
        {"FA", "Ñ", ""},
        {"FA", "A", "5' OR '1'='1"},
        {"FA", "A", "5;DELETE FROM--"},
    };
    for (const auto& c : casos) {
        dialogos.olvidar();
        const bool parte = *c.complemento != '\0';
        if (!parte)
            dialogos.responder(respuesta::Aceptar);
        estacion.buscar(QString::fromUtf8(c.tc), QStringLiteral("1"), QStringLiteral("1234"),
                        QString::fromUtf8(c.letra), QString::fromUtf8(c.complemento));
        ASSERT_EQ(dialogos.vistos().size(), parte ? 0 : 1) << c.tc << c.letra << c.complemento;
        if (!parte) {
            EXPECT_EQ(dialogos.vistos().at(0).texto, "El comprobante solicitado no existe");
        }
        EXPECT_EQ(estacion.sentencias().size(), 1);
    }
    EXPECT_EQ(estacion.sentencias().value(0), "SELECT * FROM V_MV_STOCK WHERE tc='FA' and idcomprobante = '" +
                                                  id1234 + "' AND IDCOMPLEMENTO='5;DELETE FROM--'");
    EXPECT_EQ(mostrador.consultar(QStringLiteral("SELECT COUNT(*) FROM v_mv_cpte")), QStringList({"1"}));
    EXPECT_EQ(mostrador.consultar(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK")), QStringList({"1"}));
    EXPECT_EQ(mostrador.fechaEntrega(FA, id1234), "<null>");
}

TEST_F(Busqueda, TheOperatorsNameIsWrittenAsALiteral) {
    mostrador.comprobante(RM, remito);
    mostrador.parte(RM, remito, 5);
    estacion.contexto.UsuarioSistema = QStringLiteral("D'ALESSANDRO'); DELETE FROM v_mv_cpte; --");
    dialogos.responder(respuesta::Si);
    estacion.buscar(RM, QStringLiteral("1"), QStringLiteral("1234"), QStringLiteral("R"),
                    QStringLiteral("5"));
    ASSERT_EQ(mostrador.controles().size(), 1);
    EXPECT_EQ(mostrador.controles().at(0).section(u'|', 5, 5), "D'ALESSANDRO'); DELETE FROM v_mv_cpte; --");
    EXPECT_EQ(mostrador.consultar(QStringLiteral("SELECT COUNT(*) FROM v_mv_cpte")), QStringList({"1"}));
}

// A failing step goes to the operator: Retry runs it again, Ignore goes on with the next step, any other
// answer ends the operation.
TEST_F(Busqueda, AQueryThatFailsIsRetriedIgnoredOrAbandonedAsTheOperatorAnswers) {
    mostrador.comprobante(RM, remito);
    auto romper = [&] { mostrador.sql(QStringLiteral("ALTER TABLE v_mv_cpte RENAME TO v_mv_cpte_fuera")); };
    auto arreglar = [&] { mostrador.sql(QStringLiteral("ALTER TABLE v_mv_cpte_fuera RENAME TO v_mv_cpte")); };
    constexpr int cajaDeError = 2 + 16;

    // Retry: the operator has the table put back before answering; the lookup then goes on.
    romper();
    dialogos.alMostrar = [&] {
        if (dialogos.vistos().isEmpty())
            arreglar();
    };
    dialogos.responder(respuesta::Reintentar).responder(respuesta::No);
    estacion.buscar(RM, QStringLiteral("1"), QStringLiteral("1234"), QStringLiteral("R"));
    ASSERT_EQ(dialogos.vistos().size(), 2);
    EXPECT_EQ(dialogos.vistos().at(0).estilo, cajaDeError);
    EXPECT_TRUE(dialogos.vistos().at(0).texto.contains(QStringLiteral("v_mv_Cpte"), Qt::CaseInsensitive));
    EXPECT_EQ(dialogos.vistos().at(1).texto, confirmacion(RM, remito));
    EXPECT_EQ(estacion.sentencias(), QStringList({seleccion(RM, remito), seleccion(RM, remito)}));
    dialogos.alMostrar = nullptr;

    // Abort: one box, and the operation ends there.
    romper();
    dialogos.olvidar();
    dialogos.responder(respuesta::Anular);
    estacion.buscar(RM, QStringLiteral("1"), QStringLiteral("1234"), QStringLiteral("R"));
    EXPECT_EQ(dialogos.vistos().size(), 1);
    EXPECT_EQ(estacion.sentencias(), QStringList({seleccion(RM, remito)}));

    // Ignore: every later step meets the missing voucher and is skipped in turn, up to the list's reload,
    // which fails too; nothing is written.
    dialogos.olvidar();
    dialogos.alMostrar = [&] { dialogos.responder(respuesta::Ignorar); };
    estacion.buscar(RM, QStringLiteral("1"), QStringLiteral("1234"), QStringLiteral("R"));
    ASSERT_GE(dialogos.vistos().size(), 2);
    for (const DialogoVisto& visto : dialogos.vistos())
        EXPECT_EQ(visto.estilo, cajaDeError) << qPrintable(visto.texto);
    EXPECT_EQ(estacion.sentencias().last(), listaDelDia(hoy()));
    arreglar();
    EXPECT_EQ(mostrador.fechaEntrega(RM, remito), "<null>");
}

} // namespace
