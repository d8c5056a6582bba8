// A SQL Server that accepts the connection and never answers: the connection gives up within its time-out
// instead of hanging the counter, stays closed, and tells no one the password.
#include "EntornoOdbc.h"

#include "ado/Connection.h"
#include "core/Falla.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <gtest/gtest.h>

using namespace entrega;
using namespace entrega::ado;

namespace {

TEST(ServidorMudoTest, TheLoginGivesUpWithinItsTimeOut) {
    pruebas::EntornoOdbc entorno;
    QTcpServer mudo; // the kernel completes the handshake; nothing ever reads or writes
    ASSERT_TRUE(mudo.listen(QHostAddress::LocalHost));
    Connection cn;
    cn.setConnectionTimeout(2);
    QElapsedTimer reloj;
    reloj.start();
    try {
        cn.Open(QStringLiteral("Driver={FreeTDS};Server=127.0.0.1;Port=%1;TDS_Version=7.4;Database=VENTAS;"
                               "UID=VENTAS;PWD=Secreto123;")
                    .arg(mudo.serverPort()));
        FAIL() << "connected to a server that never answers";
    } catch (const Falla& f) {
        EXPECT_EQ(f.numero(), fallas::NoConecta);
        EXPECT_FALSE(f.descripcion().contains(QStringLiteral("Secreto123")));
    }
    EXPECT_GE(reloj.elapsed(), 1500); // it waited for the server, rather than being refused at once
    EXPECT_LT(reloj.elapsed(), 5000);
    EXPECT_EQ(cn.State(), adStateClosed);
    ASSERT_GT(cn.errores().Count(), 0);
    for (const ErrorProveedor& e : cn.errores().items())
        EXPECT_FALSE(e.descripcion.contains(QStringLiteral("Secreto123")) ||
                     e.origen.contains(QStringLiteral("Secreto123")));
    for (const SentenciaTrazada& s : cn.traza().items())
        EXPECT_FALSE(s.escrita.contains(QStringLiteral("Secreto123")) ||
                     s.recibida.contains(QStringLiteral("Secreto123")));
}

} // namespace
