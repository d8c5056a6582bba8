// The connection description a session composes for a server other than `local`.
#include "EntornoOdbc.h"

#include "ado/odbc/CadenaOdbc.h"
#include "ado/odbc/MotorOdbc.h"
#include "companion/ComposicionConexion.h"
#include "companion/cIni.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace entrega;

namespace {

const QString FreeTds = QStringLiteral("FreeTDS");
const QString Driver18 = QStringLiteral("ODBC Driver 18 for SQL Server");

struct Caso {
    const char* nombre;
    QString servidor;
    QString controlador;
    QStringList fuentes;
    QString esperada;
};

TEST(ComposicionConexionTest, ComposesADsnOrADriverStringForEachFormOfServer) {
    const QString resto = QStringLiteral("Database=VENTAS;UID=VENTAS;PWD=VENTAS;");
    const QList<Caso> casos = {
        {"a DSN of that name",
         QStringLiteral("ventas"),
         FreeTds,
         {QStringLiteral("Otra"), QStringLiteral("VENTAS")},
         QStringLiteral("DSN=VENTAS;UID=VENTAS;PWD=VENTAS;")},
        {"FreeTDS, host:port",
         QStringLiteral("srv01:1455"),
         FreeTds,
         {QStringLiteral("VENTAS")},
         QStringLiteral("Driver={FreeTDS};Server=srv01;Port=1455;TDS_Version=7.4;") + resto},
        {"FreeTDS, named instance",
         QStringLiteral("SRV01\\CAJAS"),
         FreeTds,
         {},
         QStringLiteral("Driver={FreeTDS};Server=SRV01\\CAJAS;TDS_Version=7.4;") + resto},
        {"FreeTDS, prefixed host",
         QStringLiteral("TCP/SRV01:1433"),
         FreeTds,
         {},
         QStringLiteral("Driver={FreeTDS};Server=SRV01;Port=1433;TDS_Version=7.4;") + resto},
        {"vendor's driver, host,port",
         QStringLiteral("srv01,1455"),
         Driver18,
         {},
         QStringLiteral("Driver={ODBC Driver 18 for SQL Server};Server=srv01,1455;Encrypt=yes;"
                        "TrustServerCertificate=yes;") +
             resto},
        {"vendor's driver, named instance",
         QStringLiteral("SRV01\\CAJAS"),
         Driver18,
         {},
         QStringLiteral("Driver={ODBC Driver 18 for SQL Server};Server=SRV01\\CAJAS;Encrypt=yes;"
                        "TrustServerCertificate=yes;") +
             resto},
    };
    for (const Caso& c : casos) {
        const DatosConexion datos{c.servidor, QStringLiteral("VENTAS"), QStringLiteral("VENTAS"),
                                  QStringLiteral("VENTAS")};
        EXPECT_EQ(componerConexionOdbc(datos, c.controlador, c.fuentes), c.esperada) << c.nombre;
    }
}

// A password may hold anything; the driver manager must read back exactly what was typed.
TEST(ComposicionConexionTest, ValuesThatCannotStandBareAreBraced) {
    const DatosConexion datos{QStringLiteral("srv01"), QStringLiteral("VENTAS"), QStringLiteral("ana"),
                              QStringLiteral("a;b}c= ")};
    const QString cadena = componerConexionOdbc(datos, FreeTds, {});
    EXPECT_TRUE(cadena.endsWith(QStringLiteral("PWD={a;b}}c= };"))) << cadena.toStdString();
    EXPECT_EQ(ado::odbc::claveDe(cadena), datos.clave);
    EXPECT_EQ(ado::odbc::valorDe(cadena, QStringLiteral("uid")), QStringLiteral("ana"));
}

TEST(ComposicionConexionTest, TranslatesTheAdoStringOfTheRegistrationTest) {
    const QString ado =
        QStringLiteral("PROVIDER=SQLOLEDB;Server=srv01:1455;Database =VENTAS;UId=VENTAS;Pwd=VENTAS;");
    EXPECT_EQ(traducirCadenaAdo(ado, FreeTds, {}),
              QStringLiteral("Driver={FreeTDS};Server=srv01;Port=1455;TDS_Version=7.4;"
                             "Database=VENTAS;UID=VENTAS;PWD=VENTAS;"));
    EXPECT_EQ(traducirCadenaAdo(ado, FreeTds, {QStringLiteral("srv01:1455")}),
              QStringLiteral("DSN=srv01:1455;UID=VENTAS;PWD=VENTAS;"));
    const QString embebida = QStringLiteral("Provider=SQLite;Data Source=/datos;Database=VENTAS");
    EXPECT_EQ(traducirCadenaAdo(embebida, FreeTds, {}), embebida);
}

TEST(ComposicionConexionTest, TheConfiguredDriverWinsThenTheFirstInstalled) {
    const QStringList ambos = {QStringLiteral("SQLite3"), FreeTds, Driver18};
    EXPECT_EQ(controladorSqlServer(QStringLiteral("Mi driver"), QStringLiteral("Del ini"), ambos),
              QStringLiteral("Mi driver"));
    EXPECT_EQ(controladorSqlServer(QString(), QStringLiteral("Del ini"), ambos), QStringLiteral("Del ini"));
    EXPECT_EQ(controladorSqlServer(QString(), QString(), ambos), Driver18);
    EXPECT_EQ(controladorSqlServer(QString(), QString(), {QStringLiteral("freetds")}), FreeTds);
    EXPECT_EQ(controladorSqlServer(QString(), QString(), {}), FreeTds);
}

TEST(ComposicionConexionTest, TheWorkstationNamesItsDriverInTheIniFile) {
    QTemporaryDir carpeta;
    cIni ini;
    ini.setCarpeta(carpeta.path());
    EXPECT_EQ(controladorDelIni(ini), QString());
    QFile archivo(carpeta.filePath(QStringLiteral("RB512pr.INI")));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(
        "[PC01|JPEREZBaseDeDatos]\r\nServidor=srv01\r\n[ODBC]\r\nControlador=FreeTDS del sitio\r\n");
    archivo.close();
    EXPECT_EQ(controladorDelIni(ini), QStringLiteral("FreeTDS del sitio"));
}

// With the real driver manager: a server named like a DSN of odbc.ini is reached through it.
TEST(ComposicionConexionTest, AServerNamedLikeAKnownDsnOpensThroughIt) {
    pruebas::EntornoOdbc entorno;
    const QString archivo =
        entorno.crearBase(QStringLiteral("VENTAS"), QStringLiteral("CREATE TABLE t (a INT);"));
    pruebas::EntornoOdbc::agregarDsn(QStringLiteral("SucursalNorte"), archivo);
    const DatosConexion datos{QStringLiteral("sucursalnorte"), QStringLiteral("VENTAS"), QString(),
                              QString()};
    const QString cadena = componerConexionOdbc(datos, QString());
    EXPECT_EQ(cadena, QStringLiteral("DSN=SucursalNorte;"));
    ado::odbc::MotorOdbc motor(cadena, 5);
    EXPECT_EQ(motor.baseDeDatos(), QStringLiteral("VENTAS"));
}

} // namespace
