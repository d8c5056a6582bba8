#include "support/EntornoDePrueba.h"

#include "data/ReportarError.h"

using namespace entrega;

namespace {

// TEMP set and TMP naming a folder of the test: the log goes there.
class Reportar : public ::testing::Test {
  protected:
    QByteArray registro() {
        QFile f(carpetaDelLog.filePath(QStringLiteral("KVERR.LOG")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no log)");
    }

    prueba::Entorno entorno;
    QTemporaryDir carpetaDelLog;
    prueba::VariableDeEntorno temp{"TEMP", "C:\\Windows\\Temp"};
    prueba::VariableDeEntorno tmp{"TMP", " " + QFile::encodeName(carpetaDelLog.path()) + " "};
    const Falla cerrado{3704, QStringLiteral("Operation is not allowed when the object is closed. "),
                        QStringLiteral("ADODB.Recordset")};
};

TEST_F(Reportar, ReintentarMuestraElDialogoYEscribeLaLinea) {
    entorno.dialogos.responder(respuesta::Reintentar);
    EXPECT_EQ(ReportarError(entorno.contexto, cerrado, std::nullopt, QStringLiteral("Cfg")),
              respuesta::Reintentar);
    ASSERT_EQ(entorno.dialogos.vistos().size(), 1);
    const DialogoVisto& visto = entorno.dialogos.vistos().front();
    EXPECT_EQ(visto.titulo, QStringLiteral("ADODB.Recordset - Cfg Aviso al operador!!! - 2 "));
    EXPECT_EQ(
        visto.texto,
        QStringLiteral(
            "Ha ocurrido el Siguiente Error (3704) Operation is not allowed when the object is closed."));
    EXPECT_EQ(visto.estilo, 18);
    EXPECT_EQ(registro(),
              QByteArray("03-07-2024 09:05:30 Rutina: - Cfg Mensaje Ha ocurrido el Siguiente Error (3704) "
                         "Operation is not allowed when the object is closed. Respondi\xc3\xb3 : "
                         "Reintentar\r\n"));
}

TEST_F(Reportar, SinRutinaElTituloYLaLineaQuedanSinEtiqueta) {
    entorno.dialogos.responder(respuesta::Ignorar);
    entorno.ahora = QDateTime(QDate(2025, 12, 31), QTime(23, 59, 1));
    EXPECT_EQ(ReportarError(entorno.contexto,
                            Falla(-2147217900, QStringLiteral("  Invalid object name 'x'.")), std::nullopt),
              respuesta::Ignorar);
    EXPECT_EQ(entorno.dialogos.vistos().front().titulo, QStringLiteral(" Aviso al operador!!! - 2 "));
    EXPECT_EQ(registro(),
              QByteArray("12-31-2025 23:59:01 Rutina:  Mensaje Ha ocurrido el Siguiente Error (-2147217900) "
                         "Invalid object name 'x'. Respondi\xc3\xb3 : Ignorar\r\n"));
}

TEST_F(Reportar, CadaRespuestaSeAnotaConSuNombreYLasLineasSeAcumulan) {
    struct Caso {
        int botones;
        int respuesta;
        QByteArray nombre;
    };
    const Caso casos[] = {{18, respuesta::Anular, "Abortar"},
                          {1, respuesta::Cancelar, "Cancelar"},
                          {4, respuesta::Si, "S\xc3\xad"},
                          {4, respuesta::No, "No"},
                          {0, respuesta::Aceptar, ""}};
    QByteArray esperado;
    for (const Caso& c : casos) {
        entorno.dialogos.responder(c.respuesta);
        EXPECT_EQ(ReportarError(entorno.contexto, cerrado, c.botones, QStringLiteral("DatosBase")),
                  c.respuesta);
        EXPECT_EQ(entorno.dialogos.vistos().back().estilo, c.botones);
        esperado +=
            "03-07-2024 09:05:30 Rutina: - DatosBase Mensaje Ha ocurrido el Siguiente Error (3704) Operation "
            "is not allowed when the object is closed. Respondi\xc3\xb3 : " +
            c.nombre + "\r\n";
    }
    EXPECT_EQ(registro(), esperado);
}

TEST_F(Reportar, ErrorCeroNoMuestraNadaPeroCreaElRegistro) {
    EXPECT_EQ(ReportarError(entorno.contexto, Falla(0, QStringLiteral("nada")), std::nullopt,
                            QStringLiteral("Cfg")),
              0);
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());
    EXPECT_TRUE(QFile::exists(carpetaDelLog.filePath(QStringLiteral("KVERR.LOG"))));
    EXPECT_EQ(registro(), QByteArray());
}

TEST_F(Reportar, SinRegistroPosibleElDialogoSeMuestraIgual) {
    const prueba::VariableDeEntorno enNingunLado("TMP",
                                                 QFile::encodeName(carpetaDelLog.filePath(u"no/hay"_qs)));
    entorno.dialogos.responder(respuesta::Anular);
    EXPECT_EQ(ReportarError(entorno.contexto, cerrado), respuesta::Anular);
    EXPECT_EQ(entorno.dialogos.vistos().size(), 1);
}

TEST(ReportarCarpeta, ConTempYSinTmpVaALaCarpetaTemporalDelEquipo) {
    prueba::Entorno entorno;
    const prueba::VariableDeEntorno tmpdir("TMPDIR", QFile::encodeName(entorno.carpeta.path()));
    const QString temporal = QDir::toNativeSeparators(entorno.carpeta.path()) + QDir::separator();
    struct Caso {
        QByteArray temp, tmp;
    };
    // Only TMP is read, and only when TEMP is set: TEMP's own value never counts.
    for (const Caso& c : {Caso{"/algun/lado", ""}, Caso{"/algun/lado", "   "}, Caso{"", "/otro/lado"}}) {
        const prueba::VariableDeEntorno temp("TEMP", c.temp);
        const prueba::VariableDeEntorno tmp("TMP", c.tmp);
        EXPECT_EQ(carpetaDelRegistro(entorno.contexto), temporal) << c.temp.data() << " / " << c.tmp.data();
    }
    const prueba::VariableDeEntorno temp("TEMP", "x");
    const prueba::VariableDeEntorno tmp("TMP", "/var/tmp");
    EXPECT_EQ(carpetaDelRegistro(entorno.contexto), QDir::toNativeSeparators(u"/var/tmp/"_qs));

    entorno.dialogos.responder(respuesta::Ignorar);
    const prueba::VariableDeEntorno tmpVacia("TMP", "");
    ReportarError(entorno.contexto, Falla(5, QStringLiteral("Invalid procedure call or argument")));
    EXPECT_TRUE(QFile::exists(entorno.ruta(QStringLiteral("KVERR.LOG"))));
}

} // namespace
