#include "startup/NombreServidor.h"

#include <gtest/gtest.h>

using namespace entrega;

TEST(NombreServidor, KeepsTheHostOfTheServerText) {
    const struct {
        const char* servidor;
        const char* host;
    } casos[] = {
        {"TCP/SRV01:1433", "SRV01"},
        {"SRV01\\INST", "SRV01\\INST"},
        {"SRV01:1433", "SRV01"},
        {"SRV01", "SRV01"},
        {"tcp/SRV01", "SRV01"},
        {"local", "local"},
        {"", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(NombreServidor(QString::fromUtf8(c.servidor)), QString::fromUtf8(c.host)) << c.servidor;
}
