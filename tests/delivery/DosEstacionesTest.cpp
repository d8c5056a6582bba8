// Two counters confirming the same voucher at once: both read it before either writes. The embedded
// schema's optimistic update and its unique key on control rows let only the first delivery through.
#include "Mostrador.h"

#include "delivery/EntregaDeComprobante.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

using namespace entrega;
using prueba::Estacion;

namespace {

const QString RM = QStringLiteral("RM");
const QString remito = QStringLiteral("000100001234R");
constexpr const char* variableSegunda = "ENTREGA_PRUEBA_SEGUNDA_ESTACION";
constexpr const char* variableComplemento = "ENTREGA_PRUEBA_COMPLEMENTO";

void buscarRemito(Estacion& e, const QString& complemento = {}) {
    e.buscar(RM, QStringLiteral("1"), QStringLiteral("1234"), QStringLiteral("R"), complemento);
}

bool esperarArchivo(const QString& ruta) {
    QElapsedTimer reloj;
    reloj.start();
    while (!QFile::exists(ruta)) {
        if (reloj.elapsed() > 60000)
            return false;
        QThread::msleep(20);
    }
    return true;
}

void crearArchivo(const QString& ruta) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

class DosEstaciones : public testing::Test {
  protected:
    prueba::Mostrador mostrador;
    Estacion a{mostrador.carpeta(), QStringLiteral("CAJA1")};
    Estacion b{mostrador.carpeta(), QStringLiteral("CAJA2")};
};

TEST_F(DosEstaciones, AWholeVoucherIsStampedOnceAndTheLaterStationIsTold) {
    mostrador.comprobante(RM, remito);
    // While A's confirmation is up, B looks the voucher up and delivers it.
    a.dialogos.alMostrar = [&] {
        if (a.dialogos.vistos().isEmpty()) {
            b.dialogos.responder(respuesta::Si);
            buscarRemito(b);
        }
    };
    a.dialogos.responder(respuesta::Si).responder(respuesta::Aceptar);
    buscarRemito(a);

    ASSERT_EQ(b.dialogos.vistos().size(), 1);
    const QString selloDeB = mostrador.fechaEntrega(RM, remito);
    EXPECT_NE(selloDeB, "<null>");
    EXPECT_EQ(b.listados(), QStringList({remito}));

    ASSERT_EQ(a.dialogos.vistos().size(), 2);
    const DialogoVisto& aviso = a.dialogos.vistos().at(1);
    EXPECT_EQ(aviso.texto, "El comprobante RM " + remito +
                               " fue modificado por otra estación mientras se confirmaba la entrega.\r\n"
                               "No se grabó nada. Verifique si ya fue entregado.");
    EXPECT_EQ(aviso.estilo, 48);
    EXPECT_EQ(aviso.titulo, "Aviso al Operador");
    EXPECT_EQ(mostrador.fechaEntrega(RM, remito), selloDeB);
    // A's list is reloaded, and shows the voucher the other station delivered.
    EXPECT_EQ(a.listados(), QStringList({remito}));
}

TEST_F(DosEstaciones, APartGetsOneControlRowAndTheLaterStationTheWriteError) {
    mostrador.comprobante(RM, remito);
    mostrador.parte(RM, remito, 5);
    a.dialogos.alMostrar = [&] {
        if (a.dialogos.vistos().isEmpty()) {
            b.dialogos.responder(respuesta::Si);
            buscarRemito(b, QStringLiteral("5"));
        }
    };
    a.dialogos.responder(respuesta::Si).responder(respuesta::Aceptar);
    buscarRemito(a, QStringLiteral("5"));

    EXPECT_EQ(b.dialogos.vistos().size(), 1);
    const QStringList controles = mostrador.controles();
    ASSERT_EQ(controles.size(), 1);
    EXPECT_EQ(controles.at(0).section(u'|', 5, 5), "CAJA2");

    // The unique key refuses A's row: A is told by the write-error message, not a failure box.
    ASSERT_EQ(a.dialogos.vistos().size(), 2);
    const DialogoVisto& aviso = a.dialogos.vistos().at(1);
    EXPECT_EQ(aviso.texto, "ERROR AL GRABAR El pedido RM " + remito + " INTENTELO NUEVAMENTE");
    EXPECT_EQ(aviso.estilo, 64);
    EXPECT_EQ(aviso.titulo, "Aviso al Operador");
    EXPECT_EQ(a.sentencias().last().left(20), "Select * from v_mv_c");
}

// The second workstation as a process of its own: this test binary run again with a filter, started by
// the test below. It waits at its confirmation until the first station has read the voucher too.
TEST(SegundaEstacion, ConfirmsTheVoucherOnceBothHaveReadIt) {
    const QString carpeta = qEnvironmentVariable(variableSegunda);
    if (carpeta.isEmpty())
        GTEST_SKIP() << "run by DosProcesos.TheSecondProcessDeliversAndTheFirstIsTold";
    Estacion b{carpeta, QStringLiteral("CAJA2")};
    b.dialogos.alMostrar = [&] {
        crearArchivo(QDir(carpeta).filePath(QStringLiteral("b_leyo")));
        ASSERT_TRUE(esperarArchivo(QDir(carpeta).filePath(QStringLiteral("a_leyo"))));
    };
    b.dialogos.responder(respuesta::Si);
    buscarRemito(b, qEnvironmentVariable(variableComplemento));
    EXPECT_EQ(b.dialogos.vistos().size(), 1);
}

TEST(DosProcesos, TheSecondProcessDeliversAndTheFirstIsTold) {
    const struct {
        QString complemento, aviso;
    } casos[] = {
        {QString(), EntregaDeComprobante::textoOtraEstacion(RM, remito)},
        {QStringLiteral("5"), "ERROR AL GRABAR El pedido RM " + remito + " INTENTELO NUEVAMENTE"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(qPrintable("complement '" + c.complemento + "'"));
        prueba::Mostrador mostrador;
        mostrador.comprobante(RM, remito);
        mostrador.parte(RM, remito, 5);
        Estacion a{mostrador.carpeta(), QStringLiteral("CAJA1")};

        QProcess segunda;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QLatin1String(variableSegunda), mostrador.carpeta());
        entorno.insert(QLatin1String(variableComplemento), c.complemento);
        segunda.setProcessEnvironment(entorno);
        segunda.setProcessChannelMode(QProcess::MergedChannels);
        segunda.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--gtest_filter=SegundaEstacion.ConfirmsTheVoucherOnceBothHaveReadIt")});
        ASSERT_TRUE(segunda.waitForStarted());

        // A's confirmation is up: the other process has read the voucher too; let it deliver, then answer
        // Yes.
        a.dialogos.alMostrar = [&] {
            if (!a.dialogos.vistos().isEmpty())
                return;
            ASSERT_TRUE(esperarArchivo(mostrador.ruta(QStringLiteral("b_leyo"))));
            crearArchivo(mostrador.ruta(QStringLiteral("a_leyo")));
            ASSERT_TRUE(segunda.waitForFinished(60000));
        };
        a.dialogos.responder(respuesta::Si).responder(respuesta::Aceptar);
        buscarRemito(a, c.complemento);
        segunda.waitForFinished(60000);

        const QString salida = QString::fromLocal8Bit(segunda.readAll());
        EXPECT_EQ(segunda.exitCode(), 0) << qPrintable(salida);
        EXPECT_TRUE(salida.contains(QStringLiteral("[  PASSED  ] 1 test"))) << qPrintable(salida);
        ASSERT_EQ(a.dialogos.vistos().size(), 2);
        EXPECT_EQ(a.dialogos.vistos().at(1).texto, c.aviso);
        if (c.complemento.isEmpty()) {
            EXPECT_NE(mostrador.fechaEntrega(RM, remito), "<null>");
            EXPECT_EQ(a.listados(), QStringList({remito}));
        } else {
            EXPECT_EQ(mostrador.fechaEntrega(RM, remito), "<null>");
            ASSERT_EQ(mostrador.controles().size(), 1);
            EXPECT_EQ(mostrador.controles().at(0).section(u'|', 5, 5), "CAJA2");
        }
    }
}

} // namespace
