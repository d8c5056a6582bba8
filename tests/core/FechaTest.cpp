#include "core/Fecha.h"

#include <gtest/gtest.h>

using namespace entrega;

TEST(Fecha, ZeroIsTheLastDayOf1899) {
    EXPECT_EQ(fecha::aMomento(0), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    EXPECT_DOUBLE_EQ(fecha::desde(QDate(1900, 1, 1)), 2.0);
    EXPECT_DOUBLE_EQ(fecha::desde(QDate(2026, 4, 22), QTime(18, 0)), 46134.75);
}

TEST(Fecha, TextsAreDayFirstAndMidnightLeavesTheTimeOut) {
    const double mediodia = fecha::desde(QDate(2026, 4, 2), QTime(9, 5, 7));
    const double medianoche = fecha::desde(QDate(2026, 4, 2));
    EXPECT_EQ(fecha::texto(mediodia), "02/04/2026 09:05:07");
    EXPECT_EQ(fecha::texto(medianoche), "02/04/2026");
    EXPECT_EQ(fecha::textoDia(mediodia), "02/04/2026");
    EXPECT_EQ(fecha::textoCorto(mediodia), "02/04/26 09:05");
    EXPECT_EQ(fecha::textoIso(mediodia), "2026-04-02 09:05:07");
}

TEST(Fecha, OneSecondBeforeMidnightDoesNotRoundIntoTheNextDay) {
    const double casi = fecha::desde(QDate(2026, 12, 31), QTime(23, 59, 59));
    EXPECT_EQ(fecha::texto(casi), "31/12/2026 23:59:59");
}

TEST(Fecha, ReadsDayFirstTextsAndRefusesOthers) {
    struct Caso {
        const char* texto;
        std::optional<QDateTime> esperado;
    } casos[] = {
        {"22/04/2026", QDateTime(QDate(2026, 4, 22), QTime(0, 0))},
        {"2/4/2026", QDateTime(QDate(2026, 4, 2), QTime(0, 0))},
        {"22/04/26 18:30", QDateTime(QDate(2026, 4, 22), QTime(18, 30))},
        {"22/04/1999 23:59:59", QDateTime(QDate(1999, 4, 22), QTime(23, 59, 59))},
        {"01-02-35", QDateTime(QDate(1935, 2, 1), QTime(0, 0))},
        {"31/02/2026", std::nullopt},
        {"2026-04-22", std::nullopt},
        {"hoy", std::nullopt},
        {"", std::nullopt},
        {"22/04/2026 25:00", std::nullopt},
        {"22/04", std::nullopt},
    };
    for (const Caso& c : casos) {
        const auto leido = fecha::leer(QString::fromUtf8(c.texto));
        ASSERT_EQ(leido.has_value(), c.esperado.has_value()) << c.texto;
        if (leido) {
            EXPECT_EQ(fecha::aMomento(*leido), *c.esperado) << c.texto;
        }
    }
}

TEST(Fecha, ReadsTheStoredIsoForm) {
    EXPECT_EQ(fecha::aMomento(*fecha::leerIso("2026-04-22 18:30:05")), QDateTime(QDate(2026, 4, 22), QTime(18, 30, 5)));
    EXPECT_FALSE(fecha::leerIso("22/04/2026").has_value());
}
