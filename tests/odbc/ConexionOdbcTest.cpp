// The client's connection on the ODBC path: one SQLite file of the real schema, reached through the driver
// manager (the SQLite ODBC driver) and through the embedded engine, must behave alike.
#include "EntornoOdbc.h"

#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "core/Falla.h"
#include "core/Fecha.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace entrega;
using namespace entrega::ado;

namespace {

QString esquema() {
    QFile f(QStringLiteral(ENTREGA_DB_DIR "/entrega.sql"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll());
}

const QString Datos = QStringLiteral(
    "INSERT INTO v_mv_cpte (tc, idcomprobante, fecha, FECHAENTREGA, nombre, Localidad, Total) VALUES"
    " ('RM', '000100000001A', '2026-12-10 09:00:00', NULL, 'Peña', 'Córdoba', 1250.5),"
    " ('RM', '000100000002A', '2026-12-10 09:30:00', '2026-12-11 10:15:00', 'Ñandú SA', 'Río Cuarto', 10),"
    " ('RM', '000100000003A', '2026-12-10 10:00:00', '2026-12-11 23:59:59', 'Ana', 'Salta', NULL),"
    " ('FA', '000100000004A', '2026-12-10 10:30:00', '2026-12-11 12:00:00', 'Luis', 'Jujuy', 3);");

std::int32_t numeroDe(const std::function<void()>& accion) {
    try {
        accion();
    } catch (const Falla& f) {
        return f.numero();
    }
    return 0;
}

QList<QList<Variant>> filas(Connection& cn, const QString& sql) {
    Recordset rs;
    rs.Open(sql, cn);
    QList<QList<Variant>> todas;
    while (!rs.EOF()) {
        QList<Variant> fila;
        for (int i = 0; i < rs.FieldCount(); ++i)
            fila.append(rs.Fields(i).Value());
        todas.append(fila);
        rs.MoveNext();
    }
    return todas;
}

class ConexionOdbcTest : public testing::Test {
  protected:
    pruebas::EntornoOdbc entorno;
    QString archivo = entorno.crearBase(QStringLiteral("ENTREGA"), esquema() + Datos);

    QString odbc() const { return pruebas::EntornoOdbc::cadenaSqlite(archivo); }
    QString embebida() const {
        return QStringLiteral("Provider=SQLite;Data Source=%1;Database=ENTREGA").arg(entorno.carpeta());
    }
};

TEST_F(ConexionOdbcTest, OpensWithTheEmbeddedDialect) {
    Connection cn;
    cn.Open(odbc());
    EXPECT_EQ(cn.State(), adStateOpen);
    EXPECT_EQ(cn.dialecto(), Dialecto::Sqlite);
    EXPECT_TRUE(cn.proveedor().contains(QStringLiteral("SQLite")));
    cn.setCommandTimeout(5);
    cn.setIsolationLevel(adXactReadUncommitted);
    EXPECT_EQ(cn.DefaultDatabase(), QStringLiteral("ENTREGA"));
    cn.setDefaultDatabase(QStringLiteral("ENTREGA"));
    EXPECT_EQ(cn.DefaultDatabase(), QStringLiteral("ENTREGA"));
    cn.Close();
    EXPECT_EQ(cn.State(), adStateClosed);
}

// The statistics session moves to its database as on a server: the SQLite file of that name beside the
// working one. A name without a file is refused, and no file is made for it.
TEST_F(ConexionOdbcTest, DefaultDatabaseMovesToTheFileOfThatName) {
    QFile estadisticas(QStringLiteral(ENTREGA_DB_DIR "/estadisticas.sql"));
    ASSERT_TRUE(estadisticas.open(QIODevice::ReadOnly));
    entorno.crearBase(QStringLiteral("QE_FJLSALXCENKK"),
                      QString::fromUtf8(estadisticas.readAll()) +
                          QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) VALUES "
                                         "('TimeOut', 'BaseDeDatos', '120');"));
    Connection cn;
    cn.Open(odbc());
    cn.setDefaultDatabase(QStringLiteral("qe_fjlsalxcenkk"));
    EXPECT_EQ(cn.DefaultDatabase(), QStringLiteral("qe_fjlsalxcenkk"));
    const QString tiempo =
        QStringLiteral("SELECT VALOR FROM TA_CONFIGURACION with(nolock) WHERE CLAVE = 'TimeOut'");
    EXPECT_EQ(filas(cn, tiempo), QList<QList<Variant>>{{QStringLiteral("120")}});

    EXPECT_EQ(numeroDe([&] { cn.setDefaultDatabase(QStringLiteral("NOEXISTE")); }), fallas::ErrorDeServidor);
    EXPECT_EQ(cn.errores().Item(0).nativo, 911);
    EXPECT_FALSE(QFile::exists(entorno.carpeta() + QStringLiteral("/NOEXISTE.sqlite")));
    EXPECT_EQ(filas(cn, tiempo).size(), 1);

    cn.setDefaultDatabase(QStringLiteral("ENTREGA"));
    EXPECT_EQ(filas(cn, QStringLiteral("select count(*) from v_mv_cpte")),
              QList<QList<Variant>>{{Variant(4)}});
}

// A duplicate key leaves SQL Server's records in Errors, in order, on both engines alike.
TEST_F(ConexionOdbcTest, ADuplicateKeyLeavesTheServersRecordsInErrors) {
    const QString insercion = QStringLiteral("insert into v_mv_cpte (tc, idcomprobante, fecha) "
                                             "values ('RM', '000100000001A', '11/12/2026 10:00:00')");
    QList<QList<ErrorProveedor>> porMotor;
    for (const QString& cadena : {odbc(), embebida()}) {
        Connection cn;
        cn.Open(cadena);
        EXPECT_EQ(numeroDe([&] { cn.Execute(insercion); }), fallas::ErrorDeServidor);
        porMotor.append(cn.errores().items());
    }
    const QList<ErrorProveedor>& errores = porMotor.first();
    ASSERT_EQ(errores.size(), 2);
    EXPECT_EQ(errores.at(0).nativo, 2627);
    EXPECT_EQ(errores.at(1).nativo, 3621);
    EXPECT_EQ(errores.at(1).descripcion, QStringLiteral("The statement has been terminated."));
    ASSERT_EQ(porMotor.last().size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(errores.at(i).numero, porMotor.last().at(i).numero);
        EXPECT_EQ(errores.at(i).nativo, porMotor.last().at(i).nativo);
        EXPECT_EQ(errores.at(i).estadoSql, porMotor.last().at(i).estadoSql);
    }
}

// Two counters read the same voucher; the second to confirm finds it changed and writes nothing.
TEST_F(ConexionOdbcTest, TheSecondOfTwoCountersCannotDeliverTheSameVoucher) {
    pruebas::EntornoOdbc::agregarDsn(QStringLiteral("EntregaCarrera"), archivo);
    const QString sql =
        QStringLiteral("select * from v_mv_cpte where tc='RM' and idcomprobante='000100000001A'");
    Connection mostrador1, mostrador2;
    mostrador1.Open(QStringLiteral("DSN=EntregaCarrera;"));
    mostrador2.Open(QStringLiteral("DSN=EntregaCarrera;"));
    Recordset rs1, rs2;
    rs1.Open(sql, mostrador1, adOpenDynamic, adLockOptimistic);
    rs2.Open(sql, mostrador2, adOpenDynamic, adLockOptimistic);
    const Variant primera = Variant::fecha(fecha::desde(QDate(2026, 12, 11), QTime(10, 0)));
    const Variant segunda = Variant::fecha(fecha::desde(QDate(2026, 12, 11), QTime(10, 1)));
    rs1.Fields(QStringLiteral("FECHAENTREGA")).setValue(primera);
    rs1.Update();
    rs2.Fields(QStringLiteral("FECHAENTREGA")).setValue(segunda);
    EXPECT_EQ(numeroDe([&] { rs2.Update(); }), fallas::FilaNoLocalizada);
    Connection control;
    control.Open(embebida());
    EXPECT_EQ(filas(control,
                    QStringLiteral("select FECHAENTREGA from v_mv_cpte where idcomprobante='000100000001A'")),
              QList<QList<Variant>>{{primera}});
}

// What one engine writes, the other reads back unchanged: dates, Booleans, NULLs, texts with accents.
TEST_F(ConexionOdbcTest, ValuesRoundTripBetweenTheEngines) {
    const QList<Variant> usuario = {QStringLiteral("Peña Ñandú"),
                                    QStringLiteral("ENTREGA"),
                                    Variant::nulo(),
                                    Variant(true),
                                    QStringLiteral("   1"),
                                    Variant(false),
                                    QStringLiteral("acción «güemes»")};
    const QString campos =
        QStringLiteral("NOMBRE, SISTEMA, PassWord, Administrador, UNegocio, verproforma, clasepusa");
    const QList<std::pair<QString, QString>> direcciones = {{odbc(), embebida()}, {embebida(), odbc()}};
    int n = 0;
    for (const auto& [escribe, lee] : direcciones) {
        QList<Variant> fila = usuario;
        fila[1] = QStringLiteral("SIS%1").arg(++n);
        {
            Connection cn;
            cn.Open(escribe);
            Recordset rs;
            rs.Open(QStringLiteral("select %1 from TA_USUARIOS").arg(campos), cn, adOpenDynamic,
                    adLockOptimistic);
            rs.AddNew();
            for (int i = 0; i < fila.size(); ++i)
                rs.Fields(i).setValue(fila.at(i));
            rs.Update();
            cn.Execute(QStringLiteral("update v_mv_cpte set FECHAENTREGA = '31/12/2026 23:59:5%1' where "
                                      "idcomprobante = '000100000001A'")
                           .arg(n));
        }
        Connection cn;
        cn.Open(lee);
        EXPECT_EQ(filas(cn, QStringLiteral("select %1 from TA_USUARIOS where SISTEMA = '%2'")
                                .arg(campos, fila[1].aTexto())),
                  QList<QList<Variant>>{fila});
        EXPECT_EQ(filas(cn, QStringLiteral(
                                "select FECHAENTREGA from v_mv_cpte where idcomprobante = '000100000001A'")),
                  QList<QList<Variant>>{
                      {Variant::fecha(fecha::desde(QDate(2026, 12, 31), QTime(23, 59, 50 + n)))}});
    }
}

// The client's statement shapes give the same rows through ODBC as through the embedded engine.
TEST_F(ConexionOdbcTest, StatementShapesReadTheSameThroughBothEngines) {
    const QStringList consultas = {
        QStringLiteral(
            "Select * from v_mv_cpte where tc='RM' and (fechaentrega > = '11/12/2026 00:00:00' and "
            "fechaentrega <='11/12/2026 23:59:59')"),
        QStringLiteral("select top 2 nombre + ' - ' + Localidad as destino from v_mv_cpte with(nolock) "
                       "where tc = 'RM  ' order by idcomprobante"),
        QStringLiteral("select count(*) from v_mv_cpte with(nolock) where FECHAENTREGA is null"),
        QStringLiteral("select sum(Total) as total, max(fecha) as ultima from v_mv_cpte"),
    };
    Connection porOdbc, embebido;
    porOdbc.Open(odbc());
    embebido.Open(embebida());
    for (const QString& sql : consultas) {
        const auto esperadas = filas(embebido, sql);
        EXPECT_FALSE(esperadas.isEmpty()) << sql.toStdString();
        EXPECT_EQ(filas(porOdbc, sql), esperadas) << sql.toStdString();
    }
}

} // namespace
