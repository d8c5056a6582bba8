#include "support/EntornoDePrueba.h"

#include "config/FechaOperacion.h"
#include "core/Fecha.h"

#include <cmath>

using namespace entrega;

namespace {

TEST(FechaOperacion, ElServidorDaLaFechaEnSegundosEnteros) {
    prueba::Entorno entorno;
    entorno.conectarPrincipal();
    entorno.contexto.sesion.Conexion().traza().limpiar();
    const double antes = fecha::desde(QDateTime::currentDateTime().addSecs(-2));
    const double resultado = FechaOperacion(entorno.contexto);
    const double despues = fecha::desde(QDateTime::currentDateTime().addSecs(2));
    EXPECT_EQ(entorno.contexto.sesion.Conexion().traza().escritas().value(0),
              QStringLiteral("select  getDate() as fecha"));
    EXPECT_GE(resultado, antes);
    EXPECT_LE(resultado, despues);
    const double segundos = resultado * 86400.0;
    EXPECT_NEAR(segundos, std::round(segundos), 1e-3) << "no fractions of a second";
    EXPECT_EQ(fecha::texto(resultado).size(), 19);
}

TEST(FechaOperacion, SinConsultaPosibleEsCeroYNoPregunta) {
    prueba::Entorno entorno;
    entorno.contexto.UtilizarFechaDia = true;
    EXPECT_EQ(FechaOperacion(entorno.contexto), 0.0);
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());
}

TEST(FechaOperacion, UnaEntregaNoSeSellaConLaFechaCero) {
    prueba::Entorno entorno;
    try {
        FechaParaSellar(entorno.contexto);
        ADD_FAILURE() << "the zero date was handed out for a stamp";
    } catch (const Falla& falla) {
        EXPECT_EQ(falla.origen(), QStringLiteral("FechaOperacion"));
        EXPECT_TRUE(falla.descripcion().contains(QStringLiteral("fecha del servidor")));
    }
    entorno.conectarPrincipal();
    EXPECT_NEAR(FechaParaSellar(entorno.contexto), fecha::desde(QDateTime::currentDateTime()), 3.0 / 86400);
}

TEST(FechaOperacion, SinFilaDelServidorUsaFechaOperHastaOElReloj) {
    prueba::Entorno entorno;
    entorno.conectarPrincipal();
    entorno.ahora = QDateTime(QDate(2024, 3, 7), QTime(9, 5, 30, 750));
    const double reloj = fecha::desde(QDate(2024, 3, 7), QTime(9, 5, 30));
    struct Caso {
        bool utilizarFechaDia;
        const char* fechaOperHasta; // nullptr: no row
        double esperado;
    };
    const Caso casos[] = {
        {true, "15/02/2024", fecha::desde(QDate(2024, 2, 15))},
        {true, " 1/2/2024 10:30 ", fecha::desde(QDate(2024, 2, 1), QTime(10, 30))},
        {true, "", reloj},
        {true, "no es fecha", reloj},
        {true, "31/02/2024", reloj},
        {true, nullptr, reloj},
        {false, "15/02/2024", reloj},
    };
    const QString base = entorno.archivoDeBase(QStringLiteral("ENTREGA"));
    for (const Caso& c : casos) {
        prueba::ejecutarSql(base, QStringLiteral("DELETE FROM TA_CONFIGURACION"));
        if (c.fechaOperHasta)
            prueba::ejecutarSql(base,
                                QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) VALUES "
                                               "('FECHAOPERHASTA', 'DATOS', '%1')")
                                    .arg(QString::fromUtf8(c.fechaOperHasta)));
        entorno.contexto.UtilizarFechaDia = c.utilizarFechaDia;
        EXPECT_EQ(fechaDeRespaldo(entorno.contexto), c.esperado)
            << c.utilizarFechaDia << " " << (c.fechaOperHasta ? c.fechaOperHasta : "(no row)");
    }
}

} // namespace
