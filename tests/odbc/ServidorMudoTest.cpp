// A SQL Server that accepts the connection and never answers: the connection gives up within the login
// time-out instead of hanging the counter.
#include "EntornoOdbc.h"

#include "ado/odbc/MotorOdbc.h"

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
    const QString cadena = QStringLiteral("Driver={FreeTDS};Server=127.0.0.1;Port=%1;TDS_Version=7.4;"
                                          "Database=VENTAS;UID=VENTAS;PWD=Secreto123;")
                               .arg(mudo.serverPort());
    QElapsedTimer reloj;
    reloj.start();
    try {
        odbc::MotorOdbc motor(cadena, 2);
        FAIL() << "connected to a server that never answers";
    } catch (const ErrorMotor& e) {
        ASSERT_FALSE(e.registros.isEmpty());
        EXPECT_EQ(e.registros.first().numero, fallas::NoConecta);
        for (const ErrorProveedor& r : e.registros)
            EXPECT_FALSE(r.descripcion.contains(QStringLiteral("Secreto123")));
    }
    EXPECT_GE(reloj.elapsed(), 1500); // it waited for the server, rather than being refused at once
    EXPECT_LT(reloj.elapsed(), 5000);
}

} // namespace
