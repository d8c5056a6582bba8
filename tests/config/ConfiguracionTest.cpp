#include "support/EntornoDePrueba.h"

#include "config/Configuracion.h"

using namespace entrega;

namespace {

class Configuracion : public ::testing::Test {
  protected:
    void SetUp() override {
        entorno.conectarPrincipal();
        entorno.conectarEstadisticas();
        sql(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR, VALORAUX) VALUES "
                           "('NOMBRE', 'DATOS', 'Ferretería Sur', 'aux de nombre'), "
                           "('VACIA', 'DATOS', NULL, NULL), "
                           "('COLOR', 'OTRO', 'rojo', ''), "
                           "('COLOR', 'PANTALLA', 'azul', 'x'), "
                           "('THEME', 'DATOS', '  ', NULL), "
                           "('[FECHA HASTA]', 'DATOS', '31/12/2024', NULL);"));
    }
    void sql(const QString& texto) {
        prueba::ejecutarSql(entorno.archivoDeBase(QStringLiteral("ENTREGA")), texto);
    }
    QStringList filas(const QString& texto) {
        return prueba::filas(entorno.archivoDeBase(QStringLiteral("ENTREGA")), texto);
    }
    // The first statement since the trace was last cleared.
    QString primeraConsulta() { return entorno.contexto.sesion.Conexion().traza().escritas().value(0); }
    void limpiarTraza() { entorno.contexto.sesion.Conexion().traza().limpiar(); }
    QString cfg(const QString& clave, const QString& grupo = QStringLiteral("DATOS")) {
        limpiarTraza();
        return Cfg(entorno.contexto, clave, aux, grupo);
    }

    prueba::Entorno entorno;
    QString aux = QStringLiteral("antes");
};

TEST_F(Configuracion, CfgLeeValorYAuxiliarYDistingueLaClaveQueFalta) {
    EXPECT_EQ(cfg(QStringLiteral(" nombre ")), QStringLiteral("Ferretería Sur"));
    EXPECT_EQ(aux, QStringLiteral("aux de nombre"));
    EXPECT_EQ(
        primeraConsulta(),
        QStringLiteral("SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'nombre'"));

    EXPECT_EQ(cfg(QStringLiteral("NOHAY")), QStringLiteral(" "));
    EXPECT_EQ(aux, QString());

    aux = QStringLiteral("antes");
    EXPECT_EQ(cfg(QStringLiteral("VACIA")), QString());
    EXPECT_EQ(aux, QString());
}

TEST_F(Configuracion, CfgCompletaLaTablaVaciaYElGrupoDatosNoFiltra) {
    entorno.contexto.TablaConfiguracion = QStringLiteral("   ");
    EXPECT_EQ(cfg(QStringLiteral("COLOR"), QStringLiteral("datos")), QStringLiteral("rojo"));
    EXPECT_EQ(entorno.contexto.TablaConfiguracion, QStringLiteral("TA_CONFIGURACION"));

    entorno.contexto.TablaConfiguracion = QStringLiteral("ta_configuracion");
    EXPECT_EQ(cfg(QStringLiteral("COLOR"), QStringLiteral("PANTALLA")), QStringLiteral("azul"));
    EXPECT_EQ(primeraConsulta(),
              QStringLiteral("SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE "
                             "CLAVE = 'COLOR' AND GRUPO ='PANTALLA'"));
    EXPECT_EQ(entorno.contexto.TablaConfiguracion, QStringLiteral("ta_configuracion"));
    EXPECT_EQ(cfg(QStringLiteral("NOMBRE"), QStringLiteral("PANTALLA")), QStringLiteral(" "));
}

TEST_F(Configuracion, ThemeEnBlancoLeeUno) {
    EXPECT_EQ(cfg(QStringLiteral("THEME")), QStringLiteral("1"));
    EXPECT_EQ(cfg(QStringLiteral("theme")), QStringLiteral("1"));
    EXPECT_EQ(cfg(QStringLiteral(" THEME ")), QStringLiteral("  "))
        << "only the key as passed counts as THEME";
    sql(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'THEME'"));
    EXPECT_EQ(cfg(QStringLiteral("Theme")), QStringLiteral("1"));
    sql(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) VALUES ('THEME', 'DATOS', '3')"));
    EXPECT_EQ(cfg(QStringLiteral("THEME")), QStringLiteral("3"));
}

TEST_F(Configuracion, LasClavesDeFechaVanEnMayusculas) {
    entorno.contexto.TablaConfiguracion = QStringLiteral("ta_configuracion");
    EXPECT_EQ(cfg(QStringLiteral(" [fecha hasta] ")), QStringLiteral("31/12/2024"));
    EXPECT_EQ(
        primeraConsulta(),
        QStringLiteral(
            "SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA HASTA]'"));
    cfg(QStringLiteral("[Fecha Desde]"), QStringLiteral("datos"));
    EXPECT_EQ(
        primeraConsulta(),
        QStringLiteral(
            "SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA DESDE]'"));
}

TEST_F(Configuracion, SinConexionCfgDevuelveVacioSinPreguntar) {
    prueba::Entorno otro;
    QString propio = QStringLiteral("sin tocar");
    EXPECT_EQ(Cfg(otro.contexto, QStringLiteral("NOMBRE"), propio), QString());
    EXPECT_EQ(propio, QStringLiteral("sin tocar"));
    EXPECT_TRUE(otro.dialogos.vistos().isEmpty());
    EXPECT_TRUE(otro.contexto.TablaConfiguracion.isEmpty());
}

// A configuration table that is missing when first read; the operator creates it before answering.
class ConfiguracionQueFalla : public Configuracion {
  protected:
    void crearAlPreguntar(const QString& archivo, const QString& tabla) {
        entorno.dialogos.alMostrar = [=] {
            prueba::ejecutarSql(
                archivo, QStringLiteral("CREATE TABLE IF NOT EXISTS ") + tabla +
                             QStringLiteral(" (CLAVE TEXT, GRUPO TEXT, VALOR TEXT, VALORAUX TEXT);"
                                            "INSERT INTO ") +
                             tabla + QStringLiteral(" VALUES ('CLAVE', 'DATOS', 'valor', 'auxiliar');"));
        };
    }
};

TEST_F(ConfiguracionQueFalla, CfgReintentarAbandona) {
    entorno.contexto.TablaConfiguracion = QStringLiteral("CONFIG_NUEVA");
    crearAlPreguntar(entorno.archivoDeBase(QStringLiteral("ENTREGA")), QStringLiteral("CONFIG_NUEVA"));
    entorno.dialogos.responder(respuesta::Reintentar);
    EXPECT_EQ(cfg(QStringLiteral("CLAVE")), QString());
    EXPECT_EQ(aux, QStringLiteral("antes"));
    ASSERT_EQ(entorno.dialogos.vistos().size(), 1);
    EXPECT_TRUE(
        entorno.dialogos.vistos().front().titulo.endsWith(QStringLiteral(" - Cfg Aviso al operador!!! - 2 ")))
        << entorno.dialogos.vistos().front().titulo.toStdString();
    EXPECT_EQ(entorno.dialogos.vistos().front().estilo, 18);
    // And the log line went to the workstation's temporary folder.
    QFile registro(entorno.ruta(QStringLiteral("KVERR.LOG")));
    ASSERT_TRUE(registro.open(QIODevice::ReadOnly));
    EXPECT_TRUE(registro.readAll().endsWith(" Respondi\xc3\xb3 : Reintentar\r\n"));
}

TEST_F(ConfiguracionQueFalla, CfgKVReintentarVuelveAIntentar) {
    const QString estadisticas = entorno.archivoDeBase(QStringLiteral("QE_FJLSALXCENKK"));
    prueba::ejecutarSql(estadisticas, QStringLiteral("DROP TABLE TA_CONFIGURACION"));
    crearAlPreguntar(estadisticas, QStringLiteral("TA_CONFIGURACION"));
    entorno.dialogos.responder(respuesta::Reintentar);
    EXPECT_EQ(CfgKV(entorno.contexto, QStringLiteral("CLAVE"), aux), QStringLiteral("valor"));
    EXPECT_EQ(aux, QStringLiteral("auxiliar"));
    ASSERT_EQ(entorno.dialogos.vistos().size(), 1);
    EXPECT_TRUE(entorno.dialogos.vistos().front().titulo.endsWith(
        QStringLiteral(" - CfgKV Aviso al operador!!! - 2 ")));
}

TEST_F(ConfiguracionQueFalla, IgnorarSigueConElPasoSiguienteYAnularDevuelveVacio) {
    entorno.contexto.TablaConfiguracion = QStringLiteral("NO_EXISTE");
    // The query fails, then the test for a row, then each read: one dialog per failing step.
    for (int i = 0; i < 4; ++i)
        entorno.dialogos.responder(respuesta::Ignorar);
    EXPECT_EQ(cfg(QStringLiteral("NOMBRE")), QString());
    EXPECT_EQ(entorno.dialogos.vistos().size(), 4);
    EXPECT_EQ(entorno.dialogos.pendientes(), 0);

    entorno.dialogos.olvidar();
    entorno.dialogos.responder(respuesta::Anular);
    EXPECT_EQ(cfg(QStringLiteral("NOMBRE")), QString());
    EXPECT_EQ(entorno.dialogos.vistos().size(), 1);
    EXPECT_EQ(aux, QStringLiteral("antes"));
}

TEST_F(Configuracion, CfgKVLeeDeLasEstadisticasPorClaveSola) {
    prueba::ejecutarSql(entorno.archivoDeBase(QStringLiteral("QE_FJLSALXCENKK")),
                        QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR, VALORAUX) "
                                       "VALUES ('TIEMPOESPERA', 'BaseDeDatos', '45', NULL)"));
    entorno.contexto.estadisticas.Conexion().traza().limpiar();
    EXPECT_EQ(CfgKV(entorno.contexto, QStringLiteral(" TiempoEspera "), aux), QStringLiteral("45"));
    EXPECT_EQ(aux, QString());
    EXPECT_EQ(entorno.contexto.estadisticas.Conexion().traza().escritas().value(0),
              QStringLiteral(
                  "SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TiempoEspera'"));
    EXPECT_EQ(CfgKV(entorno.contexto, QStringLiteral("NOMBRE"), aux), QStringLiteral(" "))
        << "not the main database";
}

TEST_F(Configuracion, GrabaDfgAgregaActualizaYBorra) {
    entorno.contexto.TablaConfiguracion = QStringLiteral("ta_configuracion");
    auto fila = [&](const QString& clave) {
        return filas(
            QStringLiteral("SELECT GRUPO, CLAVE, VALOR, VALORAUX, PoliticaNegocio FROM TA_CONFIGURACION "
                           "WHERE CLAVE = '") +
            clave + QStringLiteral("' ORDER BY ID"));
    };

    limpiarTraza();
    GrabaDfg(entorno.contexto, QStringLiteral(" cFondo "), QStringLiteral("  16777215 "),
             QStringLiteral(" a "), true, QStringLiteral("DATOS"), true, false);
    EXPECT_EQ(primeraConsulta(),
              QStringLiteral("SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = ' cFondo '"));
    // The key as passed, untrimmed, found nothing: the row is new, its key trimmed and upper-cased.
    EXPECT_EQ(fila(QStringLiteral("CFONDO")), QStringList{QStringLiteral("DATOS|CFONDO|16777215|a|1")});

    GrabaDfg(entorno.contexto, QStringLiteral("CFONDO"), QStringLiteral(" 0 "), QString(), false,
             QStringLiteral("DATOS"), false, false);
    EXPECT_EQ(fila(QStringLiteral("CFONDO")), QStringList{QStringLiteral("DATOS|CFONDO| 0 |a|0")})
        << "an empty auxiliary value leaves VALORAUX alone; no trim keeps the blanks";

    limpiarTraza();
    GrabaDfg(entorno.contexto, QStringLiteral("COLOR"), QStringLiteral("verde"), QString(), false,
             QStringLiteral("PANTALLA"), true, false);
    EXPECT_EQ(primeraConsulta(),
              QStringLiteral("SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'COLOR' "
                             "AND GRUPO = 'PANTALLA'"));
    EXPECT_EQ(fila(QStringLiteral("COLOR")), (QStringList{QStringLiteral("OTRO|COLOR|rojo||0"),
                                                          QStringLiteral("PANTALLA|COLOR|verde|x|0")}));

    GrabaDfg(entorno.contexto, QStringLiteral("CFONDO"), QString(), QString(), false, QStringLiteral("DATOS"),
             true, true);
    EXPECT_TRUE(fila(QStringLiteral("CFONDO")).isEmpty());
    GrabaDfg(entorno.contexto, QStringLiteral("NUEVA"), QStringLiteral("v"), QString(), false,
             QStringLiteral("DATOS"), true, true);
    EXPECT_EQ(fila(QStringLiteral("NUEVA")), QStringList{QStringLiteral("DATOS|NUEVA|v|<null>|0")})
        << "a missing key is inserted even with the delete flag";
}

TEST_F(Configuracion, GrabaDfgConGrupoDatosTomaLaPrimeraFilaDeLaClave) {
    entorno.contexto.TablaConfiguracion = QStringLiteral("ta_configuracion");
    GrabaDfg(entorno.contexto, QStringLiteral("COLOR"), QStringLiteral("negro"), QString(), false,
             QStringLiteral("DATOS"), true, false);
    EXPECT_EQ(
        filas(QStringLiteral("SELECT GRUPO, VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'COLOR' ORDER BY ID")),
        (QStringList{QStringLiteral("DATOS|negro"), QStringLiteral("PANTALLA|azul")}));
}

TEST_F(Configuracion, GrabaDfgQueNoPuedeAbrirNoEscribeNiPregunta) {
    entorno.contexto.TablaConfiguracion = QString(); // GrabaDfg does not fill it in
    GrabaDfg(entorno.contexto, QStringLiteral("X"), QStringLiteral("v"), QString(), false,
             QStringLiteral("DATOS"), true, false);
    EXPECT_TRUE(filas(QStringLiteral("SELECT * FROM TA_CONFIGURACION WHERE CLAVE = 'X'")).isEmpty());
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());
}

TEST_F(Configuracion, GrabaCfgKVEscribeEnLasEstadisticasPorClaveSola) {
    const QString estadisticas = entorno.archivoDeBase(QStringLiteral("QE_FJLSALXCENKK"));
    prueba::ejecutarSql(estadisticas, QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) "
                                                     "VALUES ('TIEMPOESPERA', 'OTRO', '30')"));
    GrabaCfgKV(entorno.contexto, QStringLiteral("TiempoEspera"), Variant(60), QStringLiteral("  seg  "),
               false, QStringLiteral("BaseDeDatos"), false);
    GrabaCfgKV(entorno.contexto, QStringLiteral("OTRA"), QStringLiteral(" x "), QString(), true,
               QStringLiteral("BaseDeDatos"), true);
    EXPECT_EQ(
        prueba::filas(estadisticas, QStringLiteral("SELECT GRUPO, CLAVE, VALOR, VALORAUX, PoliticaNegocio "
                                                   "FROM TA_CONFIGURACION ORDER BY ID")),
        (QStringList{QStringLiteral("BaseDeDatos|TIEMPOESPERA|60|seg|0"),
                     QStringLiteral("BaseDeDatos|OTRA|x|<null>|1")}));
    EXPECT_TRUE(
        filas(QStringLiteral("SELECT * FROM TA_CONFIGURACION WHERE CLAVE IN ('OTRA', 'TIEMPOESPERA')"))
            .isEmpty());
}

} // namespace
