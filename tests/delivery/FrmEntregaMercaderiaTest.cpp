#include "delivery/FrmEntregaMercaderia.h"

#include "BaseDePrueba.h"
#include "companion/Contexto.h"
#include "dialogs/DialogosGuionados.h"

#include <QDate>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace entrega;

namespace {

QString dia(const QDate& d) {
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}
QString iso(const QDate& d, const char* hora) {
    return d.toString(QStringLiteral("yyyy-MM-dd ")) + QLatin1String(hora);
}

// The screen on an embedded database VENTAS, started with the demo operator's parameter string.
class Pantalla : public testing::Test {
  protected:
    void SetUp() override {
        ctx.carpetaPrograma = ctx.carpetaDatos = base.carpeta();
        ctx.ini.setCarpeta(base.carpeta());
        ctx.nombreEjecutable = QStringLiteral("entrega");
        ctx.lineaDeComandos =
            QStringLiteral("@server=local; @dbname= VENTAS; @usuario= VENTAS; @Password= VENTAS;");
        ctx.alTerminar = [this] { ++finales; };
        frm = std::make_unique<FrmEntregaMercaderia>(ctx);
    }
    void TearDown() override { EXPECT_EQ(dialogos.inesperados(), 0); }

    template <class T> T* hijo(const char* nombre) const {
        T* w = frm->findChild<T*>(QLatin1String(nombre));
        EXPECT_NE(w, nullptr) << nombre;
        return w;
    }
    QLineEdit* fecha() const { return frm->campo(QStringLiteral("FECHA")); }
    QTreeWidget* lista() const { return hijo<QTreeWidget>("ListView1"); }
    QString etiqueta() const { return hijo<QLabel>("LblEntregados")->text(); }
    QStringList comprobantes() const {
        QStringList ids;
        for (int i = 0; i < lista()->topLevelItemCount(); ++i)
            ids << lista()->topLevelItem(i)->text(2);
        ids.sort();
        return ids;
    }
    void cargar(const QString& texto) {
        fecha()->setText(texto);
        hijo<QPushButton>("CmdCargar")->click();
    }

    BaseDePrueba base{QStringLiteral("VENTAS")};
    DialogosGuionados dialogos;
    Contexto ctx{dialogos};
    std::unique_ptr<FrmEntregaMercaderia> frm;
    int finales = 0;
    const QDate hoy = QDate::currentDate();
};

} // namespace

TEST_F(Pantalla, LayoutCaptionsAndBoxes) {
    EXPECT_EQ(frm->windowTitle(), "Entrega de Mercaderia");
    EXPECT_EQ(frm->size(), QSize(722, 361));
    EXPECT_EQ(hijo<QGroupBox>("Frame1")->title(), "Entregar Pedidos Pendientes");

    const struct {
        const char* nombre;
        const char* texto;
        QRect lugar;
    } controles[] = {
        {"CmdBuscar", "&Buscar", {336, 24, 73, 24}},
        {"CmdCargar", "Cargar", {112, 332, 89, 25}},
        {"CmdSalir", "Salir", {624, 328, 89, 25}},
    };
    for (const auto& c : controles) {
        EXPECT_EQ(hijo<QPushButton>(c.nombre)->text(), QLatin1String(c.texto));
        EXPECT_EQ(hijo<QPushButton>(c.nombre)->geometry(), c.lugar) << c.nombre;
    }
    QStringList etiquetas;
    for (QLabel* l : frm->findChildren<QLabel*>(QStringLiteral("Label1")))
        etiquetas << QString::number(l->property("Index").toInt()) + u'=' + l->text();
    etiquetas.sort();
    EXPECT_EQ(etiquetas, QStringList({"10=Numero", "9=Comprobante:"}));
    EXPECT_EQ(hijo<QLabel>("Label3")->text(), "Fecha");
    EXPECT_EQ(lista()->geometry(), QRect(1, 72, 718, 246));

    // The control array: field names by index, the key boxes taking a whole scanned key.
    const struct {
        const char* campo;
        int largo;
        QRect lugar;
    } cajas[] = {
        {"BTC", 17, {80, 24, 33, 19}},      {"BSUCURSAL", 17, {162, 24, 33, 19}},
        {"BNUMERO", 17, {195, 24, 57, 19}}, {"BLETRA", 17, {252, 24, 17, 19}},
        {"FECHA", 10, {8, 336, 73, 19}},    {"BCOMPLEMENTO", 17, {280, 24, 33, 19}},
    };
    ASSERT_EQ(frm->txtfields().size(), 6);
    for (int i = 0; i < 6; ++i) {
        QLineEdit* caja = frm->txtfields().at(i);
        EXPECT_EQ(caja->objectName(), "txtfields");
        EXPECT_EQ(caja->property("DataField").toString(), QLatin1String(cajas[i].campo)) << i;
        EXPECT_EQ(caja->property("Index").toInt(), i);
        EXPECT_EQ(caja->maxLength(), cajas[i].largo) << cajas[i].campo;
        EXPECT_EQ(caja->geometry(), cajas[i].lugar) << cajas[i].campo;
    }
    EXPECT_EQ(frm->campo(QStringLiteral("BSucursal")), frm->txtfields().at(1));

    // Text assigned from code keeps the date part of a date-time.
    fecha()->setText(QStringLiteral("22/04/2026 13:45:10"));
    EXPECT_EQ(fecha()->text(), "22/04/2026");

    auto* lbl = hijo<QLabel>("LblEntregados");
    EXPECT_EQ(lbl->text(), "Entregados del dia");
    EXPECT_TRUE(lbl->autoFillBackground());
    EXPECT_EQ(lbl->palette().color(QPalette::Window), QColor(255, 192, 128));
    EXPECT_EQ(lbl->palette().color(QPalette::WindowText), frm->palette().color(QPalette::WindowText));
    EXPECT_EQ(lbl->font().family(), "Tahoma");
    EXPECT_EQ(lbl->font().pointSize(), 9);
}

TEST_F(Pantalla, TabOrderRunsThroughTheKeyBoxesThenTheDateAndTheButtons) {
    QStringList orden;
    QWidget* w = frm->txtfields().at(0);
    for (int i = 0; i < 10; ++i) {
        const QString campo = w->property("DataField").toString();
        orden << (campo.isEmpty() ? w->objectName() : campo);
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(orden, QStringList({"BTC", "BSUCURSAL", "BNUMERO", "BLETRA", "BCOMPLEMENTO", "CmdBuscar",
                                  "FECHA", "CmdCargar", "CmdSalir", "ListView1"}));
}

TEST_F(Pantalla, TheListHasSixteenColumnsMeasuredInTheScreensFont) {
    frm->Encolumnar(lista());
    const struct {
        const char* titulo;
        int equis;
    } columnas[] = {
        {"", 0},
        {"TC  ", 8},
        {"Nº Comprobante", 14},
        {"Fecha", 10},
        {"Fecha Entrega", 14},
        {"Cuenta", 10},
        {"Razon Social", 18},
        {"Complemento", 0},
        {"Domicilio", 15},
        {"Localidad", 15},
        {"Zona", 15},
        {"Vendedor", 5},
        {"Fecha Entrega", 18},
        {"Deposito", 10},
        {"DESTINO", 10},
        {"TOTAL", 10},
    };
    ASSERT_EQ(lista()->columnCount(), 16);
    const QFontMetrics medida(frm->font());
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(lista()->headerItem()->text(i), QString::fromUtf8(columnas[i].titulo)) << i;
        EXPECT_EQ(lista()->header()->sectionSize(i),
                  medida.horizontalAdvance(QString(columnas[i].equis, QLatin1Char('X'))))
            << i;
    }
    EXPECT_EQ(lista()->header()->sectionSize(0), 0);
    EXPECT_GT(lista()->header()->sectionSize(1), 0);
}

TEST_F(Pantalla, OpensOnTodaysDeliveries) {
    base.comprobante(QStringLiteral("RM"), QStringLiteral("000100000001R"), iso(hoy, "00:00:00"));
    base.comprobante(QStringLiteral("RM"), QStringLiteral("000100000002R"), iso(hoy, "10:15:00"),
                     QStringLiteral("NULL"));
    base.comprobante(QStringLiteral("RM"), QStringLiteral("000100000003R"), iso(hoy, "23:59:59"));
    base.comprobante(QStringLiteral("FA"), QStringLiteral("000100000004A"), iso(hoy, "10:00:00"));
    base.comprobante(QStringLiteral("RM"), QStringLiteral("000100000005R"), iso(hoy.addDays(-1), "23:59:59"));
    base.comprobante(QStringLiteral("RM"), QStringLiteral("000100000006R"), iso(hoy.addDays(1), "00:00:00"));
    base.comprobante(QStringLiteral("RM"), QStringLiteral("000100000007R"), QString());

    frm->Form_Load();

    EXPECT_EQ(fecha()->text(), dia(hoy));
    EXPECT_EQ(etiqueta(), "Entregados del dia " + dia(hoy));
    EXPECT_EQ(comprobantes(), QStringList({"000100000001R", "000100000002R", "000100000003R"}));

    const QString consulta = "Select * from v_mv_cpte where tc='RM' and (fechaentrega > = '" + dia(hoy) +
                             " 00:00:00' and fechaentrega <='" + dia(hoy) + " 23:59:59')";
    EXPECT_TRUE(ctx.sesion.Conexion().traza().escritas().contains(consulta));

    QTreeWidgetItem* fila = lista()->findItems(QStringLiteral("000100000002R"), Qt::MatchExactly, 2).value(0);
    ASSERT_NE(fila, nullptr);
    QStringList celdas;
    for (int i = 0; i < 16; ++i)
        celdas << fila->text(i);
    EXPECT_EQ(celdas, QStringList({"", "RM", "000100000002R", "20/04/2026", dia(hoy) + " 10:15:00", "C0042",
                                   "Ferreteria Sur", "", "", "Rosario", "Z3", "7", "21/04/2026 08:30:00", "2",
                                   "", ""}));
}

TEST_F(Pantalla, CargarListsTheDayInTheDateBox) {
    const QDate ayer = hoy.addDays(-1);
    base.comprobante(QStringLiteral("RM"), QStringLiteral("000100000001R"), iso(hoy, "09:00:00"));
    base.comprobante(QStringLiteral("RM"), QStringLiteral("000100000005R"), iso(ayer, "18:00:00"));
    frm->Form_Load();
    ctx.sesion.Conexion().traza().limpiar();

    cargar(dia(ayer));
    EXPECT_EQ(comprobantes(), QStringList({"000100000005R"}));
    EXPECT_EQ(etiqueta(), "Entregados del dia " + dia(ayer));
    EXPECT_EQ(ctx.sesion.Conexion().traza().escritas().value(0),
              "Select * from v_mv_cpte where tc='RM' and (fechaentrega > = '" + dia(ayer) +
                  " 00:00:00' and fechaentrega <='" + dia(ayer) + " 23:59:59')");

    // A day without deliveries empties the list; the label still names the last day that had some.
    cargar(QStringLiteral("01/01/2001"));
    EXPECT_EQ(lista()->topLevelItemCount(), 0);
    EXPECT_EQ(etiqueta(), "Entregados del dia " + dia(ayer));

    // An empty box is filled with the operation date first.
    cargar(QStringLiteral("   "));
    EXPECT_EQ(fecha()->text(), dia(hoy));
    EXPECT_EQ(comprobantes(), QStringList({"000100000001R"}));
    EXPECT_TRUE(dialogos.vistos().isEmpty());
}

TEST_F(Pantalla, OpeningOnADayWithoutDeliveriesKeepsTheDesignCaption) {
    frm->Form_Load();
    EXPECT_EQ(fecha()->text(), dia(hoy));
    EXPECT_EQ(lista()->topLevelItemCount(), 0);
    EXPECT_EQ(lista()->columnCount(), 16);
    EXPECT_EQ(etiqueta(), "Entregados del dia");
    EXPECT_TRUE(dialogos.vistos().isEmpty());
}

TEST_F(Pantalla, ALoadThatFailsTellsTheOperatorAndLeavesTheListCleared) {
    base.comprobante(QStringLiteral("RM"), QStringLiteral("000100000001R"), iso(hoy, "09:00:00"));
    frm->Form_Load();
    ASSERT_EQ(lista()->topLevelItemCount(), 1);

    for (const QString& texto : {QStringLiteral("31/02/2026"), QStringLiteral("mañana")}) {
        dialogos.olvidar();
        dialogos.responder(respuesta::Aceptar);
        cargar(texto);
        ASSERT_EQ(dialogos.vistos().size(), 1);
        const DialogoVisto& aviso = dialogos.vistos().at(0);
        EXPECT_EQ(aviso.texto, "No se pudo cargar la lista de entregas del dia.\r\n\"" + texto +
                                   "\" no es una fecha valida; escribala como dd/mm/aaaa.");
        EXPECT_EQ(aviso.estilo, 48);
        EXPECT_EQ(aviso.titulo, "Aviso al Operador");
        EXPECT_EQ(lista()->topLevelItemCount(), 0);
        EXPECT_EQ(etiqueta(), "Entregados del dia " + dia(hoy));
        EXPECT_TRUE(frm->isEnabled());
    }

    // A query the server refuses: the message carries the server's words.
    ctx.sesion.Conexion().Execute(QStringLiteral("ALTER TABLE v_mv_cpte RENAME TO v_mv_cpte_viejo"));
    dialogos.olvidar();
    dialogos.responder(respuesta::Aceptar);
    cargar(dia(hoy));
    ASSERT_EQ(dialogos.vistos().size(), 1);
    const QStringList lineas = dialogos.vistos().at(0).texto.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lineas.size(), 2);
    EXPECT_EQ(lineas[0], "No se pudo cargar la lista de entregas del dia.");
    EXPECT_TRUE(lineas[1].contains(QStringLiteral("v_mv_cpte"), Qt::CaseInsensitive))
        << qPrintable(lineas[1]);
    EXPECT_EQ(lista()->topLevelItemCount(), 0);
}

TEST_F(Pantalla, SalirEndsTheProgramAtOnce) {
    frm->Form_Load();
    EXPECT_THROW(frm->CmdSalir_Click(), ProgramaTerminado);
    EXPECT_EQ(finales, 1);
    EXPECT_TRUE(dialogos.vistos().isEmpty());
}
