#include "support/EntornoDePrueba.h"

#include "startup/ConectarEstadisticas.h"

using namespace entrega;

namespace {

class Estadisticas : public ::testing::Test {
  protected:
    void SetUp() override { entorno.conectarPrincipal(); }
    QString archivo() const { return entorno.archivoDeBase(QStringLiteral("QE_FJLSALXCENKK")); }
    void crearBase() { prueba::ejecutarSql(archivo(), prueba::esquema(QStringLiteral("estadisticas.sql"))); }
    QStringList filasTimeOut() {
        return prueba::filas(archivo(), QStringLiteral("SELECT CLAVE, GRUPO, VALOR FROM TA_CONFIGURACION"));
    }

    prueba::Entorno entorno;
    Contexto& contexto = entorno.contexto;
};

TEST_F(Estadisticas, ElTiempoDeEsperaSaleDeLaClaveTimeOut) {
    struct Caso {
        const char* nombre;
        const char* guardado; // nullptr: no row
        int tiempo;
        const char* queda; // the row afterwards
    };
    const Caso casos[] = {
        {"sin fila", nullptr, 45, "TIMEOUT|BaseDeDatos|0"},
        {"120", "120", 120, "TimeOut|BaseDeDatos|120"},
        {"texto", "pronto", 45, "TIMEOUT|BaseDeDatos|0"},
        {"fuera de 16 bits", "40000", 45, "TimeOut|BaseDeDatos|40000"},
    };
    crearBase();
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        prueba::ejecutarSql(archivo(), QStringLiteral("DELETE FROM TA_CONFIGURACION"));
        if (caso.guardado)
            prueba::ejecutarSql(archivo(),
                                QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) "
                                               "VALUES ('TimeOut', 'BaseDeDatos', '%1')")
                                    .arg(QString::fromUtf8(caso.guardado)));
        contexto.TiempoEspera = 0;
        ConectarEstadisticas(contexto);
        EXPECT_EQ(contexto.TiempoEspera, caso.tiempo);
        EXPECT_TRUE(contexto.estadisticas.Conectado());
        EXPECT_EQ(filasTimeOut(), QStringList{QString::fromUtf8(caso.queda)});
    }
    EXPECT_EQ(contexto.estadisticas.Conexion().DefaultDatabase(), QStringLiteral("QE_FJLSALXCENKK"));
    EXPECT_EQ(contexto.estadisticas.Servidor, QStringLiteral("local"));
    EXPECT_EQ(contexto.estadisticas.Usuario, QStringLiteral("QE_FJLSALXCENKK"));
    EXPECT_EQ(contexto.estadisticas.Clave, QStringLiteral("QE_FJLSALXCENKK"));
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());
}

TEST_F(Estadisticas, SinFilaLaCreaConCeroYLaVuelveAEscribirCadaVez) {
    crearBase();
    ConectarEstadisticas(contexto);
    ado::Traza& traza = contexto.estadisticas.Conexion().traza();
    EXPECT_EQ(
        traza.escritas().value(0),
        QStringLiteral("SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'"));
    EXPECT_EQ(traza.escritas().value(1),
              QStringLiteral("SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'"));
    EXPECT_EQ(traza.escritas().size(), 3) << "a read, the write's query and its insert";

    traza.limpiar();
    ConectarEstadisticas(contexto); // the next start reopens the session, reads 0 and writes 0 again
    EXPECT_EQ(contexto.TiempoEspera, 45);
    EXPECT_EQ(traza.escritas().size(), 3);
    EXPECT_TRUE(traza.escritas().value(2).startsWith(QStringLiteral("UPDATE")))
        << traza.escritas().value(2).toStdString();
    EXPECT_EQ(filasTimeOut(), QStringList{QStringLiteral("TIMEOUT|BaseDeDatos|0")});
}

TEST_F(Estadisticas, UnaBaseInalcanzableDejaCuarentaYCincoSinLeerNiEscribir) {
    contexto.TiempoEspera = 7;
    ConectarEstadisticas(contexto);
    EXPECT_EQ(contexto.TiempoEspera, 45);
    EXPECT_FALSE(contexto.estadisticas.Conectado());
    EXPECT_TRUE(contexto.estadisticas.Conexion().traza().items().isEmpty());
    EXPECT_FALSE(QFile::exists(archivo())) << "nothing creates the statistics database";
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());

    // A session that was open is closed first: when the database is gone it stays closed.
    crearBase();
    ConectarEstadisticas(contexto);
    ASSERT_TRUE(contexto.estadisticas.Conectado());
    QFile::remove(archivo());
    ConectarEstadisticas(contexto);
    EXPECT_FALSE(contexto.estadisticas.Conectado());
    EXPECT_EQ(contexto.TiempoEspera, 45);
}

} // namespace
