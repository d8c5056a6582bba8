// Opening the embedded engine, running statements and batches, and the provider's diagnostics.
#include "BaseDePrueba.h"
#include "Impresion.h"
#include "ado/Recordset.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace entrega;
using namespace entrega::ado;
using namespace Qt::StringLiterals;

namespace {

const QString esquema = uR"(
CREATE TABLE Cab (tc VARCHAR(4) NOT NULL, id VARCHAR(13) NOT NULL, PRIMARY KEY (tc, id));
CREATE TABLE Ctrl (ID INTEGER PRIMARY KEY, TC VARCHAR(4) NOT NULL, SUCURSAL VARCHAR(4), NUMERO VARCHAR(8),
                   LETRA VARCHAR(1), CANT INT CHECK (CANT >= 0), FOREIGN KEY (TC, SUCURSAL) REFERENCES Cab (tc, id));
INSERT INTO Cab VALUES ('FA', '0001');
)"_s;

class ConnectionTest : public testing::Test {
  protected:
    ConnectionTest() : m_base(esquema) { m_cn.Open(m_base.cadena()); }

    Falla fallaDe(const QString& sql) {
        try {
            m_cn.Execute(sql);
        } catch (const Falla& f) {
            return f;
        }
        ADD_FAILURE() << "ran: " << sql.toStdString();
        return Falla(0, {});
    }

    prueba::BaseDePrueba m_base;
    Connection m_cn;
};

TEST_F(ConnectionTest, AbreLaBaseQueExisteEnModoWal) {
    EXPECT_EQ(m_cn.State(), adStateOpen);
    EXPECT_EQ(m_cn.DefaultDatabase(), u"Ventas"_s);
    EXPECT_TRUE(m_cn.proveedor().startsWith(u"SQLite"_s));
    EXPECT_FALSE(m_cn.proveedor().contains(u"oracle"_s, Qt::CaseInsensitive));
    EXPECT_EQ(m_cn.dialecto(), Dialecto::Sqlite);
    EXPECT_EQ(m_base.valor(u"PRAGMA journal_mode"_s), u"wal"_s);
    m_cn.setIsolationLevel(adXactReadUncommitted);
    EXPECT_EQ(m_cn.IsolationLevel(), 256);
}

TEST_F(ConnectionTest, BaseInexistenteRechazadaSinCrearArchivo) {
    Connection otra;
    try {
        otra.Open(m_base.cadena(u"Ventaz"_s));
        FAIL() << "opened a database that does not exist";
    } catch (const Falla& f) {
        EXPECT_EQ(f.numero(), fallas::NoConecta);
        EXPECT_TRUE(f.descripcion().contains(u"\"Ventaz\""_s)) << f.descripcion().toStdString();
    }
    EXPECT_EQ(otra.State(), adStateClosed);
    ASSERT_EQ(otra.errores().Count(), 1);
    EXPECT_EQ(otra.errores().Item(0).nativo, 4060);
    EXPECT_FALSE(QFile::exists(m_base.ruta(u"Ventaz"_s)));
    // the database name ignores case, like the server's
    otra.Open(m_base.cadena(u"VENTAS"_s));
    EXPECT_EQ(otra.State(), adStateOpen);
}

// ODBC descriptions (DSN=, Driver=) go to the driver manager; one naming no engine is refused without
// repeating it, since it may carry a password.
TEST_F(ConnectionTest, DescripcionSinMotor) {
    Connection otra;
    try {
        otra.Open(u"Provider=SQLOLEDB;Server=srv01;UId=sa;Pwd=Secreto123;"_s);
        FAIL();
    } catch (const Falla& f) {
        EXPECT_EQ(f.numero(), fallas::NoConecta);
        EXPECT_FALSE(f.descripcion().contains(u"Secreto123"_s));
    }
    EXPECT_EQ(otra.State(), adStateClosed);
}

TEST_F(ConnectionTest, CambiaDeBaseEnLaMismaCarpeta) {
    m_base.crear(u"QE_FJLSALXCENKK"_s,
                 u"CREATE TABLE TA_CONFIGURACION (CLAVE VARCHAR(60), VALOR VARCHAR(255));"
                 u"INSERT INTO TA_CONFIGURACION VALUES ('T', '30');"_s);
    m_cn.setDefaultDatabase(u"QE_FJLSALXCENKK"_s);
    EXPECT_EQ(m_cn.DefaultDatabase(), u"QE_FJLSALXCENKK"_s);
    Recordset rs;
    rs.Open(u"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'T'"_s.replace(
                u", valoraux"_s, QString()),
            m_cn);
    EXPECT_EQ(rs.Fields(u"valor"_s).Value(), Variant(u"30"_s));

    EXPECT_THROW(m_cn.setDefaultDatabase(u"NoEsta"_s), Falla);
    EXPECT_EQ(m_cn.DefaultDatabase(), u"QE_FJLSALXCENKK"_s);
    EXPECT_EQ(m_cn.errores().Item(0).nativo, 4060);
    EXPECT_FALSE(QFile::exists(m_base.ruta(u"NoEsta"_s)));
}

TEST_F(ConnectionTest, ConexionCerrada) {
    m_cn.Close();
    EXPECT_EQ(m_cn.State(), adStateClosed);
    try {
        m_cn.Execute(u"select 1"_s);
        FAIL();
    } catch (const Falla& f) {
        EXPECT_EQ(f.numero(), fallas::ObjetoCerrado);
    }
    EXPECT_EQ(m_cn.errores().Count(), 0);
    m_cn.Open(m_base.cadena());
    EXPECT_THROW(m_cn.Open(m_base.cadena()), Falla);
}

TEST_F(ConnectionTest, LoteSeparadoPorFinesDeLineaYFilasAfectadas) {
    long long filas = -5;
    m_cn.Execute(u"BEGIN TRANSACTION \r\r\rINSERT INTO Cab (tc,id) VALUES ('FA', '0002')\r"
                 u"INSERT INTO Cab (tc,id) VALUES ('FA', '0003')\r"_s,
                 &filas);
    m_cn.Execute(u"COMMIT TRANSACTION"_s);
    EXPECT_EQ(filas, 1);
    m_cn.Execute(u"update Cab set id = id where tc = 'FA'"_s, &filas);
    EXPECT_EQ(filas, 3);
    m_cn.Execute(u"delete from Cab where tc = 'ZZ'"_s, &filas);
    EXPECT_EQ(filas, 0);
}

TEST_F(ConnectionTest, LoteQueFallaSeDeshaceConRollback) {
    EXPECT_THROW(m_cn.Execute(u"BEGIN TRANSACTION \r\r\rINSERT INTO Cab (tc,id) VALUES ('FA', '0009')\r"
                              u"INSERT INTO Cab (tc,id) VALUES ('FA', '0001')\r"_s),
                 Falla);
    m_cn.Execute(u"ROLLBACK TRANSACTION"_s);
    EXPECT_EQ(m_base.valor(u"select count(*) from Cab"_s), u"1"_s);
}

TEST_F(ConnectionTest, ErroresQuedanHastaQueLosLimpian) {
    const Falla f = fallaDe(u"insert into Cab values ('FA', '0001')"_s);
    EXPECT_EQ(f.numero(), fallas::ErrorDeServidor);
    ASSERT_EQ(m_cn.errores().Count(), 2);
    const ErrorProveedor& e = m_cn.errores().Item(0);
    EXPECT_EQ(e.nativo, 2627);
    EXPECT_EQ(e.estadoSql, u"23000"_s);
    EXPECT_EQ(
        e.descripcion,
        u"Violation of PRIMARY KEY constraint 'PK_Cab'. Cannot insert duplicate key in object 'Cab'."_s);
    EXPECT_EQ(e.origen, u"Entrega.SQLite"_s);
    EXPECT_EQ(f.descripcion(), e.descripcion);
    EXPECT_EQ(m_cn.errores().Item(1).nativo, 3621);
    EXPECT_EQ(m_cn.errores().Item(1).descripcion, u"The statement has been terminated."_s);

    m_cn.Execute(u"insert into Cab values ('FA', '0005')"_s); // a statement that runs leaves them
    EXPECT_EQ(m_cn.errores().Count(), 2);
    fallaDe(u"select * from NoHay"_s); // the next provider failure replaces them
    ASSERT_EQ(m_cn.errores().Count(), 1);
    EXPECT_EQ(m_cn.errores().Item(0).nativo, 208);
    m_cn.errores().Clear();
    EXPECT_EQ(m_cn.errores().Count(), 0);
}

TEST_F(ConnectionTest, NumerosNativosDeSqlServer) {
    const struct {
        const char16_t* sql;
        int nativo;
        const char16_t* estado;
        const char16_t* descripcion;
    } casos[] = {
        {u"insert into Cab values ('FA', '0001')", 2627, u"23000",
         u"Violation of PRIMARY KEY constraint 'PK_Cab'. Cannot insert duplicate key in object 'Cab'."},
        {u"insert into Ctrl (TC, SUCURSAL) values ('FA', '0999')", 547, u"23000",
         u"The INSERT statement conflicted with the FOREIGN KEY constraint."},
        {u"delete from Cab where id = '0001'", 547, u"23000",
         u"The DELETE statement conflicted with the REFERENCE constraint."},
        {u"insert into Ctrl (TC, CANT) values ('FA', -1)", 547, u"23000", nullptr},
        {u"insert into Ctrl (SUCURSAL) values ('0001')", 515, u"23000",
         u"Cannot insert the value NULL into column 'TC', table 'Ctrl'; column does not allow nulls. INSERT "
         u"fails."},
        {u"select * from V_MV_NADA with(nolock)", 208, u"42S02", u"Invalid object name 'V_MV_NADA'."},
        {u"select nada from Cab", 207, u"42S22", u"Invalid column name 'nada'."},
        {u"insert into Cab (tc, nada) values ('a', 'b')", 207, u"42S22", u"Invalid column name 'nada'."},
        {u"select * form Cab", 102, u"42000", u"Incorrect syntax near 'form'."},
    };
    m_cn.Execute(u"insert into Ctrl (TC, SUCURSAL) values ('FA', '0001')"_s);
    for (const auto& c : casos) {
        fallaDe(QString::fromUtf16(c.sql));
        ASSERT_GE(m_cn.errores().Count(), 1);
        const ErrorProveedor& e = m_cn.errores().Item(0);
        EXPECT_EQ(e.numero, fallas::ErrorDeServidor);
        EXPECT_EQ(e.nativo, c.nativo) << QString::fromUtf16(c.sql).toStdString();
        EXPECT_EQ(e.estadoSql, QString::fromUtf16(c.estado));
        if (c.descripcion) {
            EXPECT_EQ(e.descripcion, QString::fromUtf16(c.descripcion));
        }
    }
}

TEST_F(ConnectionTest, TrazaConLoEscritoYLoRecibido) {
    m_cn.traza().limpiar();
    const QString escrita = u"select * from Cab  with(nolock)  where id > = '0001'"_s;
    Recordset rs;
    rs.Open(escrita, m_cn);
    m_cn.Execute(u"delete from Cab where tc='X'; delete from Ctrl where TC='X'"_s);
    ASSERT_EQ(m_cn.traza().items().size(), 2);
    EXPECT_EQ(m_cn.traza().items()[0].escrita, escrita);
    EXPECT_EQ(m_cn.traza().items()[0].recibida, u"select * from Cab  where id >= '0001'"_s);
    EXPECT_EQ(m_cn.traza().items()[1].recibida,
              u"delete from Cab where tc='X';\ndelete from Ctrl where TC='X'"_s);
    EXPECT_EQ(m_cn.traza().escritas(),
              QStringList({escrita, u"delete from Cab where tc='X'; delete from Ctrl where TC='X'"_s}));
}

TEST_F(ConnectionTest, ConcatenacionSegunLasColumnasDeLaTabla) {
    m_cn.Execute(u"insert into Ctrl (TC, SUCURSAL, NUMERO, LETRA) values ('FA', '0001', '00001234', 'A')"_s);
    Recordset rs;
    rs.Open(
        u"select * from Ctrl where tc='FA' and sucursal+numero+letra = '000100001234A ' AND CANT IS NULL"_s,
        m_cn);
    EXPECT_FALSE(rs.EOF());
    m_cn.Execute(u"create table Nueva (a varchar(3), b varchar(3))\rinsert into Nueva values ('x', 'y')"_s);
    Recordset otro;
    otro.Open(u"select a + b as ab from Nueva"_s, m_cn);
    EXPECT_EQ(otro.Fields(u"ab"_s).Value(), Variant(u"xy"_s));
}

} // namespace
