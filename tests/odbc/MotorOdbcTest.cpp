// The ODBC engine on a SQLite file through the real driver manager and the SQLite ODBC driver.
#include "EntornoOdbc.h"

#include "ado/odbc/CatalogoOdbc.h"
#include "ado/odbc/MotorOdbc.h"
#include "ado/odbc/ParametrosOdbc.h"
#include "core/Fecha.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace entrega;
using namespace entrega::ado;

namespace {

const QString Esquema = QStringLiteral(
    "CREATE TABLE cpte (tc VARCHAR(4) COLLATE NOCASE NOT NULL, idcomprobante VARCHAR(13) NOT NULL,"
    "  fecha DATETIME, entregado BIT, total MONEY, cantidad DECIMAL(18,4), renglon SMALLINT, vendedor INT,"
    "  peso FLOAT, nombre VARCHAR(60), PRIMARY KEY (tc, idcomprobante));"
    "CREATE TABLE linea (id INTEGER PRIMARY KEY, tc VARCHAR(4) NOT NULL, idcomprobante VARCHAR(13) NOT NULL,"
    "  FOREIGN KEY (tc, idcomprobante) REFERENCES cpte (tc, idcomprobante));"
    "CREATE TABLE suelta (a VARCHAR(10), b INT);");

class MotorOdbcTest : public testing::Test {
  protected:
    pruebas::EntornoOdbc entorno;
    QString archivo = entorno.crearBase(QStringLiteral("VENTAS"), Esquema);

    std::unique_ptr<odbc::MotorOdbc> abrir() {
        return std::make_unique<odbc::MotorOdbc>(pruebas::EntornoOdbc::cadenaSqlite(archivo), 5);
    }
    static ErrorMotor fallaDe(const std::function<void()>& accion) {
        try {
            accion();
        } catch (const ErrorMotor& e) {
            return e;
        }
        ADD_FAILURE() << "no failure";
        return ErrorMotor({});
    }
};

TEST_F(MotorOdbcTest, ReadsTheEngineFromTheDriver) {
    auto motor = abrir();
    EXPECT_EQ(motor->dialecto(), Dialecto::Sqlite);
    EXPECT_TRUE(motor->proveedor().contains(QStringLiteral("SQLite")));
    EXPECT_EQ(motor->baseDeDatos(), QStringLiteral("VENTAS"));
}

TEST_F(MotorOdbcTest, ValuesRoundTripWithTheirTypes) {
    const double dia = fecha::desde(QDate(2026, 12, 11), QTime(9, 30, 15));
    const QList<Variant> fila = {QStringLiteral("RM"),
                                 QStringLiteral("000100001234A"),
                                 Variant::fecha(dia),
                                 Variant(true),
                                 Variant::moneda(1234567),
                                 Variant::decimal(QStringLiteral("2.5")), // SQLite keeps no scale
                                 Variant::entero(7),
                                 Variant(std::int32_t{40000}),
                                 Variant(0.125),
                                 QStringLiteral("Peña Ñandú, acción – «€» 😀")};
    auto motor = abrir();
    EXPECT_EQ(motor->ejecutar(QStringLiteral("INSERT INTO cpte VALUES (?,?,?,?,?,?,?,?,?,?)"), fila)
                  ->filasAfectadas(),
              1);
    QList<Variant> vacia = fila;
    vacia[1] = QStringLiteral("2");
    for (int i = 2; i < vacia.size(); ++i)
        vacia[i] = Variant::nulo();
    vacia[3] = Variant(false);
    motor->ejecutar(QStringLiteral("INSERT INTO cpte VALUES (?,?,?,?,?,?,?,?,?,?)"), vacia);

    auto cursor = motor->ejecutar(QStringLiteral("SELECT * FROM cpte ORDER BY idcomprobante"));
    ASSERT_EQ(cursor->columnas().size(), fila.size());
    EXPECT_EQ(cursor->columnas().at(9).nombre, QStringLiteral("nombre"));
    EXPECT_EQ(cursor->columnas().at(9).tabla, QStringLiteral("cpte"));
    EXPECT_EQ(cursor->filasAfectadas(), -1);
    for (const QList<Variant>& esperada : {fila, vacia}) {
        ASSERT_TRUE(cursor->siguiente());
        for (int i = 0; i < esperada.size(); ++i)
            EXPECT_EQ(cursor->valor(i), esperada.at(i))
                << "column " << i << ": " << cursor->valor(i).aTexto().toStdString();
    }
    EXPECT_FALSE(cursor->siguiente());
}

// The embedded engine reads the same file: dates must be stored in its sortable text.
TEST_F(MotorOdbcTest, DatesAreStoredAsTheEmbeddedEngineStoresThem) {
    abrir()->ejecutar(QStringLiteral("INSERT INTO cpte (tc, idcomprobante, fecha) VALUES ('RM', '1', ?)"),
                      {Variant::fecha(fecha::desde(QDate(2026, 1, 2), QTime(23, 5, 9)))});
    sqlite3* db = nullptr;
    sqlite3_open(archivo.toUtf8().constData(), &db);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT fecha, typeof(fecha) FROM cpte", -1, &s, nullptr);
    ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), "2026-01-02 23:05:09");
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)), "text");
    sqlite3_finalize(s);
    sqlite3_close(db);
}

TEST_F(MotorOdbcTest, CountsTheRowsAStatementTouched) {
    auto motor = abrir();
    motor->ejecutar(QStringLiteral("INSERT INTO suelta VALUES ('a', 1), ('b', 1), ('c', 2)"));
    EXPECT_EQ(motor->ejecutar(QStringLiteral("UPDATE suelta SET b = 3 WHERE b = 1"))->filasAfectadas(), 2);
    EXPECT_EQ(motor->ejecutar(QStringLiteral("DELETE FROM suelta WHERE b = 9"))->filasAfectadas(), 0);
}

TEST_F(MotorOdbcTest, ConstraintFailuresCarrySqlServerNumbers) {
    auto motor = abrir();
    motor->ejecutar(QStringLiteral("INSERT INTO cpte (tc, idcomprobante) VALUES ('RM', '1')"));
    const ErrorMotor duplicada = fallaDe(
        [&] { motor->ejecutar(QStringLiteral("INSERT INTO cpte (tc, idcomprobante) VALUES ('rm', '1')")); });
    ASSERT_EQ(duplicada.registros.size(), 2);
    const ErrorProveedor& e = duplicada.registros.first();
    EXPECT_EQ(e.numero, fallas::ErrorDeServidor);
    EXPECT_EQ(e.nativo, 2627);
    EXPECT_EQ(e.estadoSql, QStringLiteral("23000"));
    EXPECT_TRUE(e.descripcion.startsWith(QStringLiteral("Violation of "))) << e.descripcion.toStdString();
    EXPECT_EQ(e.origen, QStringLiteral("[SQLite]"));
    EXPECT_EQ(duplicada.registros.at(1).nativo, 3621);

    const ErrorMotor huerfana = fallaDe(
        [&] { motor->ejecutar(QStringLiteral("INSERT INTO linea (tc, idcomprobante) VALUES ('RM', '9')")); });
    EXPECT_EQ(huerfana.registros.value(0).nativo, 547);
    const ErrorMotor desconocida = fallaDe([&] { motor->ejecutar(QStringLiteral("SELECT * FROM nada")); });
    EXPECT_EQ(desconocida.registros.value(0).nativo, 208);
}

TEST_F(MotorOdbcTest, PrimaryKeyComesFromTheCatalogInKeyOrder) {
    auto motor = abrir();
    EXPECT_EQ(motor->clavePrimaria(QStringLiteral("cpte")),
              (QStringList{QStringLiteral("tc"), QStringLiteral("idcomprobante")}));
    EXPECT_EQ(motor->clavePrimaria(QStringLiteral("[dbo].[linea]")), QStringList{QStringLiteral("id")});
    EXPECT_EQ(motor->clavePrimaria(QStringLiteral("suelta")), QStringList());
}

// SQL Server carries one pending result per connection: a cursor still being read when the engine runs
// another statement goes on from memory, instead of losing its rows. Closing the engine ends it.
TEST_F(MotorOdbcTest, AnotherStatementLeavesAnOpenCursorReadable) {
    auto motor = abrir();
    motor->ejecutar(QStringLiteral("INSERT INTO suelta VALUES ('a', 1), ('b', 2), ('c', 3)"));
    auto primero = motor->ejecutar(QStringLiteral("SELECT a FROM suelta ORDER BY b"));
    ASSERT_TRUE(primero->siguiente());
    auto segundo = motor->ejecutar(QStringLiteral("SELECT b FROM suelta ORDER BY b"));
    ASSERT_TRUE(segundo->siguiente());
    EXPECT_EQ(segundo->valor(0), Variant(std::int32_t{1}));
    QStringList resto;
    while (primero->siguiente())
        resto.append(primero->valor(0).aTexto());
    EXPECT_EQ(resto, (QStringList{QStringLiteral("b"), QStringLiteral("c")}));
    motor.reset();
    EXPECT_FALSE(segundo->siguiente());
}

TEST_F(MotorOdbcTest, ConnectsThroughADsnTheDriverManagerKnows) {
    entorno.agregarDsn(QStringLiteral("EntregaPrueba"), archivo);
    EXPECT_TRUE(odbc::fuentesDeDatos().contains(QStringLiteral("EntregaPrueba")));
    EXPECT_TRUE(odbc::controladoresInstalados().contains(QStringLiteral("SQLite3")))
        << odbc::controladoresInstalados().join(u',').toStdString();
    odbc::MotorOdbc motor(QStringLiteral("DSN=EntregaPrueba;"), 5);
    EXPECT_EQ(motor.dialecto(), Dialecto::Sqlite);
    EXPECT_EQ(motor.ejecutar(QStringLiteral("SELECT count(*) FROM cpte"))->columnas().size(), 1);
}

TEST_F(MotorOdbcTest, AnUnknownDsnFailsToConnect) {
    const ErrorMotor e =
        fallaDe([] { odbc::MotorOdbc(QStringLiteral("DSN=NoExiste;UID=u;PWD=Secreto123;"), 5); });
    ASSERT_FALSE(e.registros.isEmpty());
    EXPECT_EQ(e.registros.first().numero, fallas::NoConecta);
    EXPECT_EQ(e.registros.first().estadoSql, QStringLiteral("IM002"));
}

// The password of the connection string is masked in whatever a failure says, even when the server echoes it.
TEST_F(MotorOdbcTest, FailuresNeverShowThePassword) {
    odbc::MotorOdbc motor(pruebas::EntornoOdbc::cadenaSqlite(archivo) + QStringLiteral("PWD={Secreto123};"),
                          5);
    const ErrorMotor e = fallaDe([&] { motor.ejecutar(QStringLiteral("SELECT * FROM Secreto123")); });
    ASSERT_FALSE(e.registros.isEmpty());
    EXPECT_EQ(e.registros.first().descripcion, QStringLiteral("Invalid object name '****'."));
}

} // namespace

namespace {

// A SQL Server date-time keeps its milliseconds on the way back, so that a row named by it is found again.
TEST(MomentoOdbcTest, DatesGoToTheServerToTheMillisecond) {
    const struct {
        QDateTime momento;
        SQL_TIMESTAMP_STRUCT esperado;
    } casos[] = {
        {QDateTime(QDate(2026, 12, 11), QTime(10, 15, 0, 123)), {2026, 12, 11, 10, 15, 0, 123'000'000}},
        {QDateTime(QDate(2026, 12, 11), QTime(23, 59, 59, 999)), {2026, 12, 11, 23, 59, 59, 999'000'000}},
        {QDateTime(QDate(1899, 12, 30), QTime(0, 0)), {1899, 12, 30, 0, 0, 0, 0}},
        {QDateTime(QDate(2000, 2, 29), QTime(12, 0)), {2000, 2, 29, 12, 0, 0, 0}},
    };
    for (const auto& c : casos) {
        const SQL_TIMESTAMP_STRUCT m = odbc::momentoOdbc(fecha::desde(c.momento.date(), c.momento.time()));
        EXPECT_EQ(std::tie(m.year, m.month, m.day, m.hour, m.minute, m.second, m.fraction),
                  std::tie(c.esperado.year, c.esperado.month, c.esperado.day, c.esperado.hour,
                           c.esperado.minute, c.esperado.second, c.esperado.fraction))
            << c.momento.toString(Qt::ISODateWithMs).toStdString();
    }
}

} // namespace
