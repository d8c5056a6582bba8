#include "startup/IniciarAplicacion.h"

#include "companion/Contexto.h"
#include "dialogs/DialogosGuionados.h"
#include "support/EntornoDePrueba.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace entrega;

namespace {

// A program folder holding an embedded database VENTAS with the working schema (the start-up reads its
// configuration), and a context started from it. There is no statistics database.
class Arranque : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_carpeta.isValid());
        prueba::ejecutarSql(m_carpeta.filePath(QStringLiteral("VENTAS.sqlite")),
                            prueba::esquema(QStringLiteral("entrega.sql")));
        ctx.carpetaPrograma = ctx.carpetaDatos = carpeta();
        ctx.ini.setCarpeta(carpeta());
        ctx.nombreEjecutable = QStringLiteral("entrega");
        ctx.alTerminar = [this] { ++m_finales; };
    }
    void TearDown() override { EXPECT_EQ(dialogos.inesperados(), 0); }

    QString carpeta() const { return QDir::toNativeSeparators(m_carpeta.path()); }
    QString enCarpeta(const QString& nombre) const { return carpeta() + QDir::separator() + nombre; }

    // Runs the start-up with `cadena`; true when it ended the program.
    bool iniciar(QString cadena, QString conexion = {}, bool usarIni = false) {
        try {
            IniciarAplicacion(ctx, usarIni, cadena, conexion, 3);
            m_conexion = conexion;
            return false;
        } catch (const ProgramaTerminado&) {
            m_conexion = conexion;
            return true;
        }
    }

    QTemporaryDir m_carpeta;
    DialogosGuionados dialogos;
    Contexto ctx{dialogos};
    int m_finales = 0;
    QString m_conexion;
};

const QString cadenaCompleta = QStringLiteral("@ParametroAdicional=LOTE 7; @Menu=ENTREGAS; @server=local; "
                                              "@dbname= VENTAS; @usuario= juan ; @UsuarioLogeado= ana; "
                                              "@Password= s3creta; @Caja=2;duno@");

} // namespace

TEST_F(Arranque, OpensTheSessionNamedByTheParameterStringAndTunesIt) {
    ctx.lineaDeComandos = cadenaCompleta; // an empty parameter string stands for the command line
    ASSERT_FALSE(iniciar(QString()));

    EXPECT_EQ(ctx.ParametroAdicional, "LOTE 7");
    EXPECT_EQ(ctx.UsuarioSistema, "ana");
    EXPECT_EQ(ctx.ClaveUsuario, "s3creta");
    // The suite's login convention: the database's own name as user and password.
    EXPECT_EQ(ctx.sesion.BaseDatos, "VENTAS");
    EXPECT_EQ(ctx.sesion.Usuario, "VENTAS");
    EXPECT_EQ(ctx.sesion.Clave, "VENTAS");
    EXPECT_EQ(ctx.sesion.Servidor, "local");
    ASSERT_TRUE(ctx.sesion.Conectado());

    ado::Connection& conexion = ctx.sesion.Conexion();
    EXPECT_EQ(conexion.CommandTimeout(), 45);
    EXPECT_EQ(ctx.TiempoEspera, 45);
    EXPECT_EQ(conexion.IsolationLevel(), 256);
    EXPECT_EQ(conexion.DefaultDatabase(), "VENTAS");

    EXPECT_EQ(ctx.archivoAyuda,
              enCarpeta(QDir::toNativeSeparators(QStringLiteral("htmlhelp/zazorezavuv.chm"))));
    EXPECT_EQ(ctx.auxRuta.Ruta, carpeta() + QDir::separator());
    EXPECT_EQ(ctx.aplicacion.ArchivoConsultas, enCarpeta(QStringLiteral("consultas.kvn")));
    EXPECT_TRUE(ctx.aplicacion.Iniciada);
    EXPECT_FALSE(ctx.aplicacion.Proveedor.isEmpty());
    EXPECT_EQ(ctx.aplicacion.Proveedor, ctx.sesion.Proveedor());
    // The settings load, on an empty configuration, sets the suite's default colours.
    EXPECT_EQ(ctx.ColorLetra, 0);
    EXPECT_EQ(ctx.ColorFondo, 16774118);
    EXPECT_FALSE(ctx.espera.visible()); // the sign-in closes it
    EXPECT_EQ(m_finales, 0);
}

TEST_F(Arranque, SessionValuesFollowTheParameterRules) {
    const QString base = QStringLiteral("@server=local; @dbname= VENTAS; ");
    const struct {
        QString resto;
        const char* usuarioSistema;
        const char* clave;
        const char* parametroAdicional;
    } casos[] = {
        // @UsuarioLogeado absent or blank: the trimmed @Usuario.
        {QStringLiteral("@usuario=  juan  ; @Password= x;"), "juan", "x", ""},
        {QStringLiteral("@usuario= juan; @UsuarioLogeado=   ; @Password= x;"), "juan", "x", ""},
        // A password equal to the database, in any case: the sign-in looks it up.
        {QStringLiteral("@usuario= juan; @Password= ventas;"), "juan", "* *", ""},
        // No @Password: the password to check keeps what it held.
        {QStringLiteral("@usuario= juan;"), "juan", "previa", ""},
        // No ";" after a value: that value stays as it was, and the start-up goes on.
        {QStringLiteral("@usuario= juan; @Password= s3creta"), "juan", "previa", ""},
        // ... except @ParametroAdicional, read for the length of its own key.
        {QStringLiteral("@usuario= juan; @ParametroAdicional= ABCDEFGHIJKLMNOPQRSTUVWXYZ"), "juan", "previa",
         "ABCDEFGHIJKLMNOPQ"},
        // "@Usuario" is found inside "@UsuarioLogeado" when that comes first.
        {QStringLiteral("@UsuarioLogeado=ana; @usuario= juan;"), "ana", "previa", ""},
    };
    for (const auto& c : casos) {
        DialogosGuionados otros;
        Contexto uno(otros);
        uno.carpetaPrograma = uno.carpetaDatos = carpeta();
        uno.ClaveUsuario = QStringLiteral("previa");
        QString cadena = base + c.resto, conexion;
        IniciarAplicacion(uno, false, cadena, conexion, 3);
        EXPECT_TRUE(uno.sesion.Conectado()) << qPrintable(c.resto);
        EXPECT_EQ(uno.UsuarioSistema, QString::fromUtf8(c.usuarioSistema)) << qPrintable(c.resto);
        EXPECT_EQ(uno.ClaveUsuario, QString::fromUtf8(c.clave)) << qPrintable(c.resto);
        EXPECT_EQ(uno.ParametroAdicional, QString::fromUtf8(c.parametroAdicional)) << qPrintable(c.resto);
        EXPECT_FALSE(uno.espera.visible()) << qPrintable(c.resto);
        EXPECT_EQ(otros.inesperados(), 0);
    }
}

TEST_F(Arranque, ASessionThatDoesNotOpenEndsTheProgramSilently) {
    const QString cadenas[] = {
        QStringLiteral("@server=local; @dbname= NOEXISTE; @usuario= juan;"),
        QString(),                                        // an empty command line: no server, no database
        QStringLiteral("@server=local; @dbname= VENTAS"), // the database name is lost without its ";"
    };
    for (const QString& cadena : cadenas) {
        m_finales = 0;
        ctx.lineaDeComandos = cadena;
        EXPECT_TRUE(iniciar(QString())) << qPrintable(cadena);
        EXPECT_EQ(m_finales, 1) << qPrintable(cadena);
        EXPECT_TRUE(ctx.terminado());
        EXPECT_FALSE(ctx.sesion.Conectado());
        EXPECT_FALSE(ctx.espera.visible());
        EXPECT_FALSE(ctx.aplicacion.Iniciada); // nothing after the connection ran
        EXPECT_TRUE(dialogos.vistos().isEmpty());
    }
}

TEST_F(Arranque, AnOracleServerGetsItsConnectionText) {
    EXPECT_TRUE(
        iniciar(QStringLiteral("@server= #ORCL; @dbname= VENTAS; @usuario= scott; @Password= tiger;")));
    EXPECT_EQ(ctx.sesion.Servidor, "ORCL");
    EXPECT_EQ(m_conexion, "Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=scott;Password=tiger;");
    EXPECT_TRUE(dialogos.vistos().isEmpty());

    // An explicit connection text is kept as given.
    const QString propia = QStringLiteral("Provider=SQLite;Data Source=%1;Database=VENTAS").arg(carpeta());
    EXPECT_FALSE(iniciar(QStringLiteral("@server=#ORCL; @dbname= VENTAS; @usuario= scott;"), propia));
    EXPECT_EQ(m_conexion, propia);
    EXPECT_EQ(ctx.sesion.Servidor, "ORCL");
    EXPECT_TRUE(ctx.sesion.Conectado());
}

TEST_F(Arranque, AConnectedSessionIsNeitherParsedNorOpenedAgain) {
    ASSERT_FALSE(iniciar(cadenaCompleta));
    EXPECT_FALSE(iniciar(QStringLiteral("@server=local; @dbname= NOEXISTE; @usuario= pedro;")));
    EXPECT_TRUE(ctx.sesion.Conectado());
    EXPECT_EQ(ctx.sesion.BaseDatos, "VENTAS");
    EXPECT_EQ(ctx.UsuarioSistema, "ana");
    EXPECT_FALSE(ctx.espera.visible());
}

TEST_F(Arranque, ABlankStringFallsBackToTheIniFileWhenAsked) {
    QFile ini(enCarpeta(QStringLiteral("RB512pr.INI")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    const QString seccion = ctx.equipo.NombreEquipo().toUpper() + QLatin1Char('|') +
                            ctx.equipo.UsuarioEquipo().toUpper() + QStringLiteral("BaseDeDatos");
    ini.write(QStringLiteral("[%1]\r\nServidor=local\r\nDbName=VENTAS\r\nUsuario=%2\r\n")
                  .arg(seccion, ctx.util.Codificar(QStringLiteral("juan")))
                  .toUtf8());
    ini.close();

    ctx.lineaDeComandos = QStringLiteral("   ");
    EXPECT_TRUE(iniciar(QString())) << "without the INI fallback there is nothing to open";
    EXPECT_FALSE(iniciar(QString(), QString(), true));
    EXPECT_TRUE(ctx.sesion.Conectado());
    EXPECT_EQ(ctx.sesion.BaseDatos, "VENTAS");
    EXPECT_EQ(ctx.UsuarioSistema, "juan");
    EXPECT_EQ(ctx.ClaveUsuario, "pelotra"); // the suite's default password
}
