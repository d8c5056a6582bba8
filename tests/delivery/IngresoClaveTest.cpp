// The key boxes driven with key events, as the operator's keyboard and the bar-code scanner type.
#include "Mostrador.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

using namespace entrega;
using prueba::Estacion;

namespace {

const QColor cian(0, 255, 255);
const QColor blanco(255, 255, 255);

class Teclado : public testing::Test {
  protected:
    void SetUp() override {
        mostrador.comprobante(QStringLiteral("FA"), QStringLiteral("000100001234A"));
        mostrador.parte(QStringLiteral("FA"), QStringLiteral("000100001234A"), 5);
        mostrador.parte(QStringLiteral("FA"), QStringLiteral("000100001234A"), 10);
        estacion.pantalla->show();
        estacion.pantalla->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(estacion.pantalla.get()));
        enfocar("BTC");
    }

    QLineEdit* caja(const char* campo) const { return estacion.caja(campo); }
    void enfocar(const char* campo) {
        caja(campo)->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), caja(campo));
    }
    QString enfocada() const {
        QWidget* w = QApplication::focusWidget();
        if (!w)
            return QStringLiteral("(nada)");
        const QString campo = w->property("DataField").toString();
        return campo.isEmpty() ? w->objectName() : campo;
    }
    // A scanner: the characters in a burst into the focused box, then Enter.
    void escanear(const QString& clave) {
        QTest::keyClicks(QApplication::focusWidget(), clave);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QStringList cajas() const {
        return {caja("BTC")->text(), caja("BSUCURSAL")->text(), caja("BNUMERO")->text(),
                caja("BLETRA")->text(), caja("BCOMPLEMENTO")->text()};
    }
    // The lookups run since the trace was last cleared: the first statement of each.
    int busquedas() {
        int n = 0;
        for (const QString& s : estacion.sentencias())
            n += s.startsWith(QLatin1String("select * from v_mv_Cpte")) ||
                 s.startsWith(QLatin1String("SELECT * FROM V_MV_STOCK"));
        return n;
    }
    void limpiarCajas() {
        for (QLineEdit* c : estacion.pantalla->txtfields())
            c->clear();
        estacion.contexto.sesion.Conexion().traza().limpiar();
        estacion.dialogos.olvidar();
    }

    prueba::Mostrador mostrador;
    Estacion estacion{mostrador.carpeta(), QStringLiteral("OPERADOR")};
};

TEST_F(Teclado, AScannedKeyInTheTypeBoxIsSplitAndLookedUpOnce) {
    estacion.dialogos.responder(respuesta::No);
    escanear(QStringLiteral("FA000100001234A"));
    EXPECT_EQ(cajas(), QStringList({"FA", "0001", "00001234", "A", ""}));
    EXPECT_EQ(busquedas(), 1);
    ASSERT_EQ(estacion.dialogos.vistos().size(), 1);
    EXPECT_TRUE(estacion.dialogos.vistos().at(0).texto.contains(QStringLiteral("FA 000100001234A")));
    // Ready for the next scan: back in the type box, its text selected so the scan replaces it.
    EXPECT_EQ(enfocada(), "BTC");
    EXPECT_EQ(caja("BTC")->selectedText(), "FA");
}

TEST_F(Teclado, WholeKeysAreSplitFromAnyKeyBoxAndOtherTextsStartNothing) {
    const struct {
        const char* campo;
        const char* escrito;
        QStringList cajas;
        int busquedas;
        int confirmaciones;
    } casos[] = {
        {"BLETRA", "FA000100001234A05", {"FA", "0001", "00001234", "A", "5"}, 1, 1},
        {"BSUCURSAL", "FA000100001234A10", {"FA", "0001", "00001234", "A", "10"}, 1, 1},
        {"BNUMERO", "FA000100001234A00", {"FA", "0001", "00001234", "A", "0"}, 1, 0}, // no stock under 0
        {"BTC", " FA000100001234A ", {"FA", "0001", "00001234", "A", ""}, 1, 1},
        {"BTC", "fa000100001234a", {"FA", "0001", "00001234", "A", ""}, 1, 1},
        {"BTC", "FA000100001234AB", {"FA000100001234AB", "", "", "", ""}, 0, 0},
        {"BCOMPLEMENTO", "FA000100001234A", {"", "", "", "", "FA000100001234A"}, 0, 0},
        {"FECHA", "FA000100001234A", {"", "", "", "", ""}, 0, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.escrito);
        limpiarCajas();
        for (int i = 0; i < c.confirmaciones; ++i)
            estacion.dialogos.responder(respuesta::No);
        enfocar(c.campo);
        escanear(QString::fromLatin1(c.escrito));
        EXPECT_EQ(cajas(), c.cajas);
        EXPECT_EQ(busquedas(), c.busquedas);
        EXPECT_EQ(estacion.dialogos.vistos().size(), c.confirmaciones);
    }
    // The date box took the digits only, cut to its ten characters.
    EXPECT_EQ(caja("FECHA")->text(), "0001000012");
}

TEST_F(Teclado, TenVouchersScannedOneAfterAnotherAreAllDelivered) {
    QStringList claves, ids;
    for (int i = 1; i <= 10; ++i) {
        const QString id = QStringLiteral("0003%1R").arg(i, 8, 10, QLatin1Char('0'));
        mostrador.comprobante(QStringLiteral("RM"), id);
        ids << id;
        claves << QStringLiteral("RM") + id;
    }
    estacion.dialogos.alMostrar = [&] { estacion.dialogos.responder(respuesta::Si); };
    for (const QString& clave : claves)
        escanear(clave);

    ASSERT_EQ(estacion.dialogos.vistos().size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(estacion.dialogos.vistos().at(i).texto.contains("RM " + ids[i])) << i;
        EXPECT_NE(mostrador.fechaEntrega(QStringLiteral("RM"), ids[i]), "<null>") << qPrintable(ids[i]);
    }
    QStringList listados = estacion.listados();
    listados.sort();
    EXPECT_EQ(listados, ids);
    EXPECT_EQ(enfocada(), "BTC");
}

TEST_F(Teclado, LeavingKeysMoveAlongTheTabOrderAndEscStays) {
    const struct {
        Qt::Key tecla;
        Qt::KeyboardModifiers modificadores;
        const char* desde;
        const char* hasta;
    } casos[] = {
        {Qt::Key_Return, Qt::NoModifier, "BTC", "BSUCURSAL"},
        {Qt::Key_Enter, Qt::KeypadModifier, "BSUCURSAL", "BNUMERO"},
        {Qt::Key_Tab, Qt::NoModifier, "BNUMERO", "BLETRA"},
        {Qt::Key_Down, Qt::NoModifier, "BLETRA", "BCOMPLEMENTO"},
        {Qt::Key_Down, Qt::NoModifier, "BCOMPLEMENTO", "CmdBuscar"},
        {Qt::Key_Return, Qt::NoModifier, "FECHA", "CmdCargar"},
        {Qt::Key_Up, Qt::NoModifier, "BNUMERO", "BSUCURSAL"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "BLETRA", "BNUMERO"},
        {Qt::Key_Up, Qt::NoModifier, "FECHA", "CmdBuscar"},
        {Qt::Key_Escape, Qt::NoModifier, "BNUMERO", "BNUMERO"},
        {Qt::Key_Right, Qt::NoModifier, "BNUMERO", "BNUMERO"},
    };
    for (const auto& c : casos) {
        enfocar(c.desde);
        caja(c.desde)->setText(QStringLiteral("12"));
        QTest::keyClick(caja(c.desde), c.tecla, c.modificadores);
        EXPECT_EQ(enfocada(), QLatin1String(c.hasta)) << c.desde << " key " << c.tecla;
        EXPECT_EQ(caja(c.desde)->text(), "12") << c.desde << " key " << c.tecla;
    }
    EXPECT_TRUE(estacion.dialogos.vistos().isEmpty());
}

TEST_F(Teclado, LettersBecomeCapitalsAndTheDateBoxTakesDigitsAndSlashes) {
    QTest::keyClicks(caja("BTC"), QStringLiteral("fa"));
    enfocar("BLETRA");
    QKeyEvent enie(QEvent::KeyPress, Qt::Key_Ntilde, Qt::NoModifier, QStringLiteral("ñ"));
    QApplication::sendEvent(caja("BLETRA"), &enie);
    enfocar("FECHA");
    caja("FECHA")->clear();
    QTest::keyClicks(caja("FECHA"), QStringLiteral("2x1/0-4. /2026"));
    EXPECT_EQ(caja("BTC")->text(), "FA");
    EXPECT_EQ(caja("BLETRA")->text(), "Ñ");
    EXPECT_EQ(caja("FECHA")->text(), "21/04/2026");
    // Esc leaves the text as it is; Backspace still edits.
    QTest::keyClick(caja("FECHA"), Qt::Key_Escape);
    QTest::keyClick(caja("FECHA"), Qt::Key_Backspace);
    EXPECT_EQ(caja("FECHA")->text(), "21/04/202");
}

TEST_F(Teclado, TheFocusedBoxIsCyanAndSelectsItsTrimmedLength) {
    caja("BNUMERO")->setText(QStringLiteral("  12"));
    EXPECT_EQ(caja("BTC")->palette().color(QPalette::Base), cian);
    QTest::keyClick(caja("BTC"), Qt::Key_Tab);
    EXPECT_EQ(caja("BTC")->palette().color(QPalette::Base), blanco);
    EXPECT_EQ(caja("BSUCURSAL")->palette().color(QPalette::Base), cian);
    QTest::keyClick(caja("BSUCURSAL"), Qt::Key_Tab);
    EXPECT_EQ(enfocada(), "BNUMERO");
    EXPECT_EQ(caja("BNUMERO")->selectionStart(), 0);
    EXPECT_EQ(caja("BNUMERO")->selectedText(), "  ");
    EXPECT_EQ(caja("BSUCURSAL")->palette().color(QPalette::Base), blanco);
}

TEST_F(Teclado, ACheckThatFailsTellsTheOperatorAndTheFocusMovesOn) {
    caja("BNUMERO")->setProperty("DataField", QStringLiteral("XNUMERO"));
    estacion.dialogos.responder(respuesta::Aceptar);
    escanear(QStringLiteral("FA000100001234A"));
    ASSERT_EQ(estacion.dialogos.vistos().size(), 1);
    const DialogoVisto& aviso = estacion.dialogos.vistos().at(0);
    EXPECT_EQ(aviso.titulo, "Aviso al operador...");
    EXPECT_EQ(aviso.estilo, 64);
    EXPECT_TRUE(aviso.texto.contains(QStringLiteral("Subscript out of range"))) << qPrintable(aviso.texto);
    EXPECT_EQ(busquedas(), 0);
    EXPECT_EQ(enfocada(), "BSUCURSAL");
}

} // namespace
