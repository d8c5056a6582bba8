#include "core/Falla.h"
#include "core/Texto.h"

#include <gtest/gtest.h>

using namespace entrega;

TEST(Texto, TrimmingRemovesBlanksOnly) {
    EXPECT_EQ(texto::recortar("  a b  "), "a b");
    EXPECT_EQ(texto::recortar("\ta\r\n"), "\ta\r\n");
    EXPECT_EQ(texto::recortar("   "), "");
}

TEST(Texto, PiecesRaiseError5OnABadStartOrLength) {
    EXPECT_EQ(texto::medio("abcdef", 2, 3), "bcd");
    EXPECT_EQ(texto::medio("abc", 5), "");
    EXPECT_EQ(texto::medio("abc", 2), "bc");
    for (auto [inicio, largo] : {std::pair{0, 1}, std::pair{1, -2}}) {
        try {
            texto::medio("abc", inicio, largo);
            ADD_FAILURE() << inicio << "," << largo;
        } catch (const Falla& f) {
            EXPECT_EQ(f.numero(), 5);
            EXPECT_EQ(f.descripcion(), "Invalid procedure call or argument");
        }
    }
    EXPECT_THROW(texto::izquierda("abc", -1), Falla);
}

TEST(Texto, LeadingNumberIgnoresBlanksAnywhere) {
    struct Caso { const char* texto; double valor; } casos[] = {
        {"120", 120}, {" 1 2 0abc", 120}, {"abc", 0}, {"", 0}, {"-3.5x", -3.5}, {"1e3", 1000}, {"&H1F", 31}, {".5", 0.5},
    };
    for (const Caso& c : casos)
        EXPECT_DOUBLE_EQ(texto::valor(QString::fromUtf8(c.texto)), c.valor) << c.texto;
}

TEST(Texto, IntegerConversionRoundsHalvesToEvenAndOverflows) {
    EXPECT_EQ(texto::aEntero(2.5), 2);
    EXPECT_EQ(texto::aEntero(3.5), 4);
    EXPECT_EQ(texto::aEntero(-2.5), -2);
    EXPECT_EQ(texto::aEntero(32767), 32767);
    EXPECT_EQ(texto::aLargo(40000), 40000);
    try {
        texto::aEntero(40000);
        ADD_FAILURE();
    } catch (const Falla& f) {
        EXPECT_EQ(f.numero(), 6);
    }
    try {
        texto::aNumero("doce");
        ADD_FAILURE();
    } catch (const Falla& f) {
        EXPECT_EQ(f.numero(), 13);
    }
}

TEST(Texto, IgnoringCaseFoldsAccents) {
    EXPECT_TRUE(texto::igualesSinMayusculas(QStringLiteral("Peña"), QStringLiteral("PENA")));
    EXPECT_TRUE(texto::igualesSinMayusculas(QStringLiteral("árbol"), QStringLiteral("ÁRBOL")));
    EXPECT_FALSE(texto::igualesSinMayusculas("abc", "abd"));
}

TEST(Texto, ZeroFormatPadsNumbersAndLeavesOtherTextAlone) {
    struct Caso { const char* entrada; int ancho; const char* salida; } casos[] = {
        {"1", 4, "0001"}, {"1234", 8, "00001234"}, {"12345", 4, "12345"}, {"", 4, ""}, {"A1", 4, "A1"}, {" 7 ", 4, "0007"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(texto::formatoCeros(QString::fromUtf8(c.entrada), c.ancho), QString::fromUtf8(c.salida)) << c.entrada;
}
