#include "support/EntornoDePrueba.h"

using namespace entrega;

namespace {

class Util : public ::testing::Test {
  protected:
    prueba::Entorno entorno;
    cUtil& util = entorno.contexto.util;
};

TEST_F(Util, ValorCampoNuncaDevuelveNulo) {
    entorno.conectarPrincipal();
    ado::Recordset rs;
    entorno.contexto.sesion.AbrirConsulta(QStringLiteral("SELECT NULL AS nada, 'x' AS algo"), rs);
    const Variant nada = util.ValorCampo(rs.Fields(QStringLiteral("nada")));
    EXPECT_FALSE(nada.esNulo());
    EXPECT_EQ(nada.aTexto(), QString());
    EXPECT_EQ(util.ValorCampo(rs.Fields(QStringLiteral("algo"))).aTexto(), QStringLiteral("x"));
    EXPECT_TRUE(util.ValorCampo(Variant::nulo()).esNulo()) << "a plain value comes back unchanged";
    EXPECT_EQ(util.ValorCampo(Variant(7)), Variant(7));
}

TEST_F(Util, ValorNumericoLeeElNumeroInicialComoMoneda) {
    EXPECT_EQ(util.ValorNumerico(QStringLiteral("12.5")), 125000);
    EXPECT_EQ(util.ValorNumerico(QStringLiteral(" 1 234.56789 kg")), 12345679);
    EXPECT_EQ(util.ValorNumerico(QStringLiteral("-3")), -30000);
    EXPECT_EQ(util.ValorNumerico(QStringLiteral("abc")), 0);
    EXPECT_EQ(util.ValorNumerico(QString()), 0);
    try {
        util.ValorNumerico(QStringLiteral("1E300"));
        ADD_FAILURE() << "no overflow";
    } catch (const Falla& f) {
        EXPECT_EQ(f.numero(), errores::Desbordamiento);
    }
}

TEST_F(Util, TextosCortosCodigosYPalabras) {
    EXPECT_EQ(util.Recortar(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
    EXPECT_EQ(util.Recortar(QStringLiteral("ab"), 250), QStringLiteral("ab"));
    EXPECT_THROW(util.Recortar(QStringLiteral("ab"), -1), Falla);

    EXPECT_EQ(util.CompletarCodigo(QStringLiteral("1"), 4), QStringLiteral("   1"));
    EXPECT_EQ(util.CompletarCodigo(QStringLiteral(" FA "), 4), QStringLiteral("  FA"));
    EXPECT_EQ(util.CompletarCodigo(QStringLiteral("   1"), 4), QStringLiteral("   1"));
    EXPECT_EQ(util.CompletarCodigo(QStringLiteral("12345"), 4), QStringLiteral("12345"));
    EXPECT_EQ(util.CompletarCodigo(QString(), 4), QStringLiteral("    "));

    EXPECT_EQ(util.ContarPalabras(QStringLiteral("  Select TOP 1  * from T ")), 6);
    EXPECT_EQ(util.ContarPalabras(QStringLiteral("len")), 1);
    EXPECT_EQ(util.ContarPalabras(QStringLiteral("   ")), 0);
}

TEST_F(Util, QuitarCaracterSacaElSignoDelantero) {
    struct Caso {
        const char16_t* texto;
        const char16_t* caracter;
        const char16_t* resultado;
    };
    const Caso casos[] = {
        {u"=SRV01", u"=", u"SRV01"},
        {u"= VENTAS", u"=", u"VENTAS"},
        {u"  =  VENTAS  ", u"=", u"VENTAS"},
        {u"=a=b", u"=", u"a=b"},    // a password with "=" inside survives
        {u"SRV01", u"=", u"SRV01"}, // no leading character: unchanged
        {u"SRV|01", u"|", u"SRV|01"},
        {u"|SRV01", u"|", u"SRV01"},
        {u"=", u"=", u""},
        {u"", u"=", u""},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(util.QuitarCaracter(QString::fromUtf16(c.texto), QString::fromUtf16(c.caracter)),
                  QString::fromUtf16(c.resultado))
            << QString::fromUtf16(c.texto).toStdString();
}

TEST_F(Util, NormalizarCarpetaTerminaConElSeparadorNativo) {
    const QString sep = QDir::separator();
    EXPECT_EQ(util.NormalizarCarpeta(QStringLiteral("/opt/entrega")),
              QDir::toNativeSeparators(u"/opt/entrega/"_qs));
    EXPECT_EQ(util.NormalizarCarpeta(QStringLiteral("/opt/entrega/")),
              QDir::toNativeSeparators(u"/opt/entrega/"_qs));
    EXPECT_EQ(util.NormalizarCarpeta(QStringLiteral("datos\\sub")), u"datos"_qs + sep + u"sub"_qs + sep);
    EXPECT_EQ(util.NormalizarCarpeta(QString()), QString());
}

TEST_F(Util, CodificarYDecodificarSonInversos) {
    const QString plano = QStringLiteral("pelotra");
    const QString codificado = util.Codificar(plano);
    EXPECT_NE(codificado, plano);
    EXPECT_EQ(util.Decodificar(codificado), plano);
}

TEST_F(Util, MostrarErrorPreguntaYDevuelveLaRespuesta) {
    const Falla falla(-2147217900, QStringLiteral("Invalid object name 'v_mv_Cpte'. "),
                      QStringLiteral("Microsoft OLE DB Provider for SQL Server"));
    for (int respuesta : {respuesta::Reintentar, respuesta::Ignorar, respuesta::Anular}) {
        entorno.dialogos.olvidar();
        entorno.dialogos.responder(respuesta);
        EXPECT_EQ(util.MostrarError(falla), respuesta);
        ASSERT_EQ(entorno.dialogos.vistos().size(), 1);
        const DialogoVisto& visto = entorno.dialogos.vistos().front();
        EXPECT_EQ(visto.estilo, 18);
        EXPECT_TRUE(visto.texto.contains(QStringLiteral("-2147217900")));
        EXPECT_TRUE(visto.texto.contains(QStringLiteral("Invalid object name 'v_mv_Cpte'.")));
        EXPECT_TRUE(visto.texto.contains(QStringLiteral("Microsoft OLE DB Provider for SQL Server")));
        EXPECT_FALSE(visto.titulo.isEmpty());
    }
}

} // namespace
