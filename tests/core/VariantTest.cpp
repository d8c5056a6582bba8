#include "core/Falla.h"
#include "core/Fecha.h"
#include "core/Variant.h"

#include <gtest/gtest.h>

using namespace entrega;

TEST(Variant, TextOfEachKind) {
    const double d = fecha::desde(QDate(2026, 4, 22), QTime(10, 0));
    struct Caso { Variant v; const char* texto; } casos[] = {
        {Variant(), ""},
        {Variant(true), "Verdadero"},
        {Variant::entero(-7), "-7"},
        {Variant(40000), "40000"},
        {Variant(2.5), "2.5"},
        {Variant::moneda(1234500), "123.45"},
        {Variant::moneda(-5), "-0.0005"},
        {Variant::decimal("12345678901234567890.12345678"), "12345678901234567890.12345678"},
        {Variant::fecha(d), "22/04/2026 10:00:00"},
        {Variant(QStringLiteral("Peña")), "Peña"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(c.v.aTexto(), QString::fromUtf8(c.texto));
}

TEST(Variant, ConversionFailuresCarryThePlatformNumbers) {
    struct Caso { Variant v; int numero; } casos[] = {
        {Variant::nulo(), 94}, {Variant(QStringLiteral("abc")), 13}, {Variant(70000.0), 6},
    };
    for (const Caso& c : casos) {
        try {
            (void)c.v.aEntero();
            ADD_FAILURE() << c.numero;
        } catch (const Falla& f) {
            EXPECT_EQ(f.numero(), c.numero);
        }
    }
}

TEST(Variant, DatesFromDayFirstText) {
    EXPECT_EQ(Variant(QStringLiteral("22/04/2026")).aFecha(), fecha::desde(QDate(2026, 4, 22)));
    EXPECT_THROW((void)Variant(QStringLiteral("22-04-2026x")).aFecha(), Falla);
    EXPECT_TRUE(Variant(QStringLiteral("  1 ")).aBooleano());
    EXPECT_FALSE(Variant(QStringLiteral("False")).aBooleano());
}
