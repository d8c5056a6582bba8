#include "startup/CadenaParametros.h"

#include "companion/Contexto.h"
#include "core/Falla.h"
#include "dialogs/DialogosGuionados.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace entrega;

namespace {
const QString ejemplo = QStringLiteral("@server=SRV01; @dbname= VENTAS;");
}

TEST(ValorParametro, ReadsEachKeyUpToTheNextSemicolon) {
    DialogosGuionados dialogos;
    const cUtil util(dialogos);
    const struct {
        QString cadena;
        QString clave;
        std::optional<QString> valor;
    } casos[] = {
        {ejemplo, clave::Servidor, QStringLiteral("SRV01")},
        {ejemplo, clave::BaseDatos, QStringLiteral("VENTAS")},
        {ejemplo, clave::Usuario, std::nullopt},
        {QStringLiteral("x @SERVER  =  srv 2 ; y"), clave::Servidor, QStringLiteral("srv 2")},
        {QStringLiteral("@ParametroAdicional=; @Caja=1;duno@"), clave::ParametroAdicional, QString()},
        {QStringLiteral("@ParametroAdicional=; @Caja=1;duno@"), clave::Caja, QStringLiteral("1")},
        {QStringLiteral("@Password= a=b;"), clave::Clave, QStringLiteral("a=b")},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ValorParametro(util, c.cadena, c.clave), c.valor)
            << qPrintable(c.cadena) << qPrintable(c.clave);
}

TEST(ValorParametro, AValueWithNoSemicolonAfterItIsAnInvalidArgument) {
    DialogosGuionados dialogos;
    const cUtil util(dialogos);
    try {
        ValorParametro(util, QStringLiteral("@dbname= VENTAS; @server=SRV01"), clave::Servidor);
        FAIL() << "no failure";
    } catch (const Falla& falla) {
        EXPECT_EQ(falla.numero(), errores::LlamadaInvalida);
    }
    const QString cadena = QStringLiteral("@ParametroAdicional= ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(ValorParametro(util, cadena, clave::ParametroAdicional, 19),
              QStringLiteral("ABCDEFGHIJKLMNOPQ"));
}

TEST(CadenaDesdeIni, BuildsTheStringFromTheWorkstationsEntry) {
    QTemporaryDir carpeta;
    DialogosGuionados dialogos;
    Contexto ctx(dialogos);
    ctx.ini.setCarpeta(QDir::toNativeSeparators(carpeta.path()));

    EXPECT_EQ(CadenaDesdeIni(ctx),
              QStringLiteral("@server=; @dbname= ; @usuario= Korvane; @Password= pelotra; "
                             "@ParametroAdicional=; @Caja=1;duno@"));

    QFile ini(carpeta.filePath(QStringLiteral("RB512pr.INI")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    const QString seccion = ctx.equipo.NombreEquipo().toUpper() + QLatin1Char('|') +
                            ctx.equipo.UsuarioEquipo().toUpper() + QStringLiteral("BaseDeDatos");
    ini.write(QStringLiteral("[%1]\r\nServidor=local\r\nDbName=VENTAS\r\nUsuario=%2\r\nUserPassWord=%3\r\n")
                  .arg(seccion, ctx.util.Codificar(QStringLiteral("juan")),
                       ctx.util.Codificar(QStringLiteral("s3creta")))
                  .toUtf8());
    ini.close();

    EXPECT_EQ(CadenaDesdeIni(ctx),
              QStringLiteral("@server=local; @dbname= VENTAS; @usuario= juan; @Password= s3creta; "
                             "@ParametroAdicional=; @Caja=1;duno@"));
}
