// The session on a server other than `local`: composed through the driver manager, never asking the
// operator, never telling the password.
#include "EntornoOdbc.h"
#include "support/EntornoDePrueba.h"

#include "companion/ComposicionConexion.h"
#include "data/ReportarError.h"

#include <QElapsedTimer>
#include <QTcpServer>

using namespace entrega;

namespace {

class SesionOdbcTest : public testing::Test {
  protected:
    pruebas::EntornoOdbc odbc;
    prueba::Entorno entorno;
    cSesion& sesion = entorno.contexto.sesion;
    const QString clave = QStringLiteral("Secreto123");
};

TEST_F(SesionOdbcTest, AServerNamedLikeADsnConnectsThroughIt) {
    prueba::ejecutarSql(entorno.archivoDeBase(QStringLiteral("ENTREGA")),
                        prueba::esquema(QStringLiteral("entrega.sql")));
    pruebas::EntornoOdbc::agregarDsn(QStringLiteral("SucursalSur"),
                                     entorno.archivoDeBase(QStringLiteral("ENTREGA")));
    sesion.Servidor = QStringLiteral("sucursalsur");
    sesion.BaseDatos = QStringLiteral("ENTREGA");
    sesion.Usuario = QStringLiteral("ENTREGA");
    sesion.Clave = clave;
    sesion.Conectar(true, 3, {}, true, true);
    ASSERT_TRUE(sesion.Conectado()) << sesion.motivo().toStdString();
    EXPECT_TRUE(sesion.Proveedor().contains(QStringLiteral("SQLite")));
    EXPECT_EQ(sesion.Conexion().DefaultDatabase(), QStringLiteral("ENTREGA"));
    ado::Recordset rs;
    sesion.AbrirConsulta(QStringLiteral("Select * from v_mv_cpte where tc='RM' and (fechaentrega > = "
                                        "'07/03/2024 00:00:00' and fechaentrega <='07/03/2024 23:59:59')"),
                         rs);
    EXPECT_TRUE(rs.BOF());
    for (const ado::SentenciaTrazada& s : sesion.Conexion().traza().items())
        EXPECT_FALSE(s.escrita.contains(clave) || s.recibida.contains(clave));
}

// A server that accepts the connection and never answers: the session stays closed after the time-out, with
// no dialog, and its reason names no password.
TEST_F(SesionOdbcTest, AServerThatDoesNotAnswerLeavesTheSessionClosed) {
    prueba::VariableDeEntorno controlador{VariableControladorOdbc, "FreeTDS"};
    QTcpServer mudo;
    ASSERT_TRUE(mudo.listen(QHostAddress::LocalHost));
    sesion.Servidor = QStringLiteral("127.0.0.1:%1").arg(mudo.serverPort());
    sesion.BaseDatos = QStringLiteral("VENTAS");
    sesion.Usuario = QStringLiteral("VENTAS");
    sesion.Clave = clave;
    sesion.Conexion().setConnectionTimeout(2);
    QElapsedTimer reloj;
    reloj.start();
    sesion.Conectar(true, 3, {}, true, true);
    EXPECT_LT(reloj.elapsed(), 5000);
    EXPECT_FALSE(sesion.Conectado());
    EXPECT_FALSE(sesion.motivo().isEmpty());
    EXPECT_FALSE(sesion.motivo().contains(clave));
    EXPECT_TRUE(entorno.dialogos.vistos().isEmpty());
}

// A failure whose text would carry the password reaches the operator and KVERR.LOG with it masked.
TEST_F(SesionOdbcTest, TheErrorLogNeverHoldsThePassword) {
    const QString archivo =
        odbc.crearBase(QStringLiteral("VENTAS"), QStringLiteral("CREATE TABLE t (a INT);"));
    ado::Connection cn;
    cn.Open(pruebas::EntornoOdbc::cadenaSqlite(archivo) + QStringLiteral("PWD=%1;").arg(clave));
    try {
        cn.Execute(QStringLiteral("select * from %1").arg(clave));
        FAIL() << "the statement ran";
    } catch (const Falla& f) {
        entorno.dialogos.responder(respuesta::Cancelar);
        ReportarError(entorno.contexto, f, std::nullopt, QStringLiteral("Prueba"));
    }
    QFile log(carpetaDelRegistro(entorno.contexto) + QStringLiteral("KVERR.LOG"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString linea = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(linea.contains(QStringLiteral("Invalid object name '****'"))) << linea.toStdString();
    EXPECT_FALSE(linea.contains(clave));
    ASSERT_EQ(entorno.dialogos.vistos().size(), 1);
    EXPECT_FALSE(entorno.dialogos.vistos().front().texto.contains(clave));
}

} // namespace
