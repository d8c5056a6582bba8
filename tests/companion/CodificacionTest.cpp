#include "companion/Codificacion.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using entrega::codificar;
using entrega::decodificar;

namespace {

// Letters, digits, "-" and "_": nothing a SQL literal, an INI line, BASES.TXT or a parameter string
// would cut or change.
bool esSeguro(const QString& s) {
    static const QRegularExpression soloSeguros(QStringLiteral("^[A-Za-z0-9_-]*$"));
    return soloSeguros.match(s).hasMatch();
}

} // namespace

TEST(Codificacion, CualquierTextoVuelveIgualYSeGuardaComoAsciiSeguro) {
    const QStringList textos = {
        u"pelotra"_qs,
        u"Korvane"_qs,
        u"a"_qs,
        u"contraseña"_qs,
        u"ÁÉÍÓÚ ñÑ ü"_qs,
        u"con, coma y \"comillas\""_qs,
        u"línea\r\nnueva\ty tab"_qs,
        u"O'Brien; @Password=x"_qs,
        u"   blancos   "_qs,
        u"漢字とかな"_qs,
        u"emoji 😀 fuera del plano básico"_qs,
        QString(300, u'z'),
        QString(QChar(0)) + u"nulo"_qs,
    };
    for (const QString& t : textos) {
        const QString c = codificar(t);
        EXPECT_TRUE(esSeguro(c)) << c.toStdString();
        EXPECT_EQ(decodificar(c), t) << t.toStdString();
        EXPECT_NE(c, t);
    }
}

TEST(Codificacion, TextoVacioQuedaVacio) {
    EXPECT_EQ(codificar(QString()), QString());
    EXPECT_EQ(decodificar(QString()), QString());
}

TEST(Codificacion, LetrasRepetidasYMayusculasNoSeDelatan) {
    const QString c = codificar(u"aaaaaaaaaaaaaaaaaaaaaaaa"_qs);
    EXPECT_FALSE(c.contains(u"aaaa"_qs));
    // Passwords are compared ignoring case after decoding, so each case must decode to itself.
    EXPECT_NE(codificar(u"Demo"_qs), codificar(u"demo"_qs));
    EXPECT_EQ(decodificar(codificar(u"Demo"_qs)), u"Demo"_qs);
}

TEST(Codificacion, TextoQueNoEstaCodificadoVuelveSinCambios) {
    // A password stored by hand, or damaged: the sign-in then compares it as it stands.
    const QString original = codificar(u"secreto"_qs);
    QString danado = original;
    danado[3] = danado[3] == u'A' ? u'B' : u'A';
    const QStringList textos = {u"secreto"_qs, u"x"_qs, u"con blanco"_qs,
                                u"ñandú"_qs,   danado,  original.left(original.size() - 1) + u"=="_qs};
    for (const QString& t : textos)
        EXPECT_EQ(decodificar(t), t) << t.toStdString();
}
