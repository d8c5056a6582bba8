// Result sets on a real database file: reading, types, positioning and the optimistic update.
#include "ado/Recordset.h"
#include "BaseDePrueba.h"
#include "Impresion.h"
#include "core/Fecha.h"

#include <gtest/gtest.h>

using namespace entrega;
using namespace entrega::ado;
using namespace Qt::StringLiterals;

namespace {

const QString esquema = uR"(
CREATE TABLE Cpte (
    tc       VARCHAR(4)  COLLATE NOCASE NOT NULL,
    id       VARCHAR(13) COLLATE NOCASE NOT NULL,
    fecha    DATETIME NOT NULL,
    entrega  DATETIME,
    nombre   VARCHAR(60) COLLATE NOCASE,
    activo   BIT,
    renglon  SMALLINT,
    cuenta   INT,
    total    MONEY,
    cantidad DECIMAL(18,4),
    peso     FLOAT,
    PRIMARY KEY (tc, id));
CREATE TABLE Nota (texto VARCHAR(20), n INT);
INSERT INTO Cpte VALUES ('FA', '000100001234A', '2026-04-22 10:30:00', NULL, 'Ana', 1, 7, 70000, 12.5, 3.25, 0.5);
INSERT INTO Cpte VALUES ('FA', '000100001235A', '2026-04-22 11:00:00', '2026-04-23 09:00:00', NULL, 0, -3, -1, 100, 10, 2);
INSERT INTO Cpte VALUES ('RM', '000200000001B', '2026-04-21 08:00:00', NULL, 'Luis', 1, 1, 1, 0.0001, 0.1, 1e10);
)"_s;

class RecordsetTest : public testing::Test {
  protected:
    RecordsetTest() : m_base(esquema) { m_cn.Open(m_base.cadena()); }

    prueba::BaseDePrueba m_base;
    Connection m_cn;
};

std::int32_t numeroDe(const std::function<void()>& f) {
    try {
        f();
    } catch (const Falla& falla) {
        return falla.numero();
    }
    return 0;
}

TEST_F(RecordsetTest, SoloAvanceLeeEnOrdenYMarcaElFinal) {
    Recordset rs;
    rs.Open(u"select * from Cpte with(nolock) where tc='FA' order by id"_s, m_cn);
    ASSERT_FALSE(rs.BOF());
    EXPECT_EQ(rs.Fields(u"ID"_s).Value(), Variant(u"000100001234A"_s));
    EXPECT_EQ(rs.Fields(u"Nombre"_s).Value(), Variant(u"Ana"_s));
    EXPECT_EQ(rs.Fields(u"nombre"_s).Name(), u"nombre"_s);
    rs.MoveNext();
    EXPECT_FALSE(rs.EOF());
    EXPECT_TRUE(rs.Fields(u"NOMBRE"_s).Value().esNulo());
    rs.MoveNext();
    EXPECT_TRUE(rs.EOF());
    EXPECT_FALSE(rs.BOF());
    EXPECT_EQ(numeroDe([&] { rs.Fields(u"id"_s).Value(); }), fallas::SinRegistroActual);
    EXPECT_EQ(numeroDe([&] { rs.MoveNext(); }), fallas::SinRegistroActual);
    rs.MoveFirst(); // the query runs again
    EXPECT_EQ(rs.Fields(0).Value(), Variant(u"FA"_s));
}

TEST_F(RecordsetTest, SinFilasBofYEofALaVez) {
    Recordset rs;
    rs.Open(u"select * from Cpte where tc='XX'"_s, m_cn);
    EXPECT_TRUE(rs.BOF());
    EXPECT_TRUE(rs.EOF());
    EXPECT_EQ(rs.FieldCount(), 11);
    EXPECT_EQ(numeroDe([&] { rs.Fields(u"tc"_s).Value(); }), fallas::SinRegistroActual);
}

TEST_F(RecordsetTest, FallasDeAdo) {
    Recordset rs;
    EXPECT_EQ(numeroDe([&] { rs.EOF(); }), fallas::ObjetoCerrado);
    EXPECT_EQ(numeroDe([&] { rs.MoveNext(); }), fallas::ObjetoCerrado);
    EXPECT_EQ(numeroDe([&] { rs.Close(); }), fallas::ObjetoCerrado);
    rs.Open(u"select tc from Cpte"_s, m_cn);
    EXPECT_EQ(numeroDe([&] { rs.Fields(u"no_existe"_s); }), fallas::ElementoNoEncontrado);
    EXPECT_EQ(numeroDe([&] { rs.Fields(1); }), fallas::ElementoNoEncontrado);
    EXPECT_EQ(numeroDe([&] { rs.Open(u"select 1"_s, m_cn); }), fallas::ObjetoAbierto);
    EXPECT_EQ(numeroDe([&] { rs.Fields(0).setValue(Variant(u"x"_s)); }), fallas::NoActualizable);
    rs.Close();
    EXPECT_EQ(rs.State(), adStateClosed);
    try {
        rs.FieldCount();
        FAIL();
    } catch (const Falla& f) {
        EXPECT_EQ(f.descripcion(), u"Operation is not allowed when the object is closed."_s);
    }
    m_cn.Close();
    EXPECT_EQ(numeroDe([&] { rs.Open(u"select 1"_s, m_cn); }), fallas::ObjetoCerrado);
}

TEST_F(RecordsetTest, TiposPorElTipoDeclarado) {
    Recordset rs;
    rs.Open(u"select * from Cpte where id = '000100001234A'"_s, m_cn);
    const struct {
        const char16_t* campo;
        Variant valor;
    } casos[] = {
        {u"fecha", Variant::fecha(fecha::desde(QDate(2026, 4, 22), QTime(10, 30)))},
        {u"entrega", Variant::nulo()},
        {u"activo", Variant(true)},
        {u"renglon", Variant::entero(7)},
        {u"cuenta", Variant(std::int32_t(70000))},
        {u"total", Variant::moneda(125000)},
        {u"cantidad", Variant::decimal(u"3.25"_s)},
        {u"peso", Variant(0.5)},
        {u"nombre", Variant(u"Ana"_s)},
    };
    for (const auto& c : casos)
        EXPECT_EQ(rs.Fields(QString::fromUtf16(c.campo)).Value(), c.valor)
            << QString::fromUtf16(c.campo).toStdString();
}

TEST_F(RecordsetTest, ExpresionesSegunSuValor) {
    Recordset rs;
    rs.Open(
        u"select  getDate() as fecha, count(*) as n, max(fecha) as ultima, 'x' + 'y' as t, 1.5 as d, 'Año' as a"_s
        u" from Cpte"_s,
        m_cn);
    const double ahora = fecha::desde(QDateTime::currentDateTime());
    ASSERT_EQ(rs.Fields(u"fecha"_s).Value().tipo(), Variant::Tipo::Date);
    EXPECT_NEAR(rs.Fields(u"fecha"_s).Value().aFecha(), ahora, 5.0 / 86400);
    EXPECT_EQ(rs.Fields(u"n"_s).Value(), Variant(std::int32_t(3)));
    EXPECT_EQ(rs.Fields(u"ultima"_s).Value(), Variant::fecha(fecha::desde(QDate(2026, 4, 22), QTime(11, 0))));
    EXPECT_EQ(rs.Fields(u"t"_s).Value(), Variant(u"xy"_s));
    EXPECT_EQ(rs.Fields(u"d"_s).Value(), Variant(1.5));
    EXPECT_EQ(rs.Fields(u"a"_s).Value(), Variant(u"Año"_s));
}

TEST_F(RecordsetTest, ActualizaLaFilaPorSuClave) {
    Recordset rs;
    rs.Open(u"select * from Cpte where tc='FA' and id = '000100001234A'"_s, m_cn, adOpenDynamic,
            adLockOptimistic);
    ASSERT_FALSE(rs.BOF());
    const Variant entrega = Variant::fecha(fecha::desde(QDate(2026, 4, 22), QTime(15, 4, 5)));
    rs.Fields(u"ENTREGA"_s).setValue(entrega);
    rs.Fields(u"total"_s).setValue(Variant::moneda(99990));
    rs.Update();
    EXPECT_EQ(m_base.valor(u"select entrega || '|' || total from Cpte where id = '000100001234A'"_s),
              u"2026-04-22 15:04:05|9.999"_s);
    EXPECT_EQ(m_base.valor(u"select count(*) from Cpte where entrega is not null"_s), u"2"_s);
    EXPECT_EQ(rs.Fields(u"entrega"_s).Value(), entrega);
    EXPECT_EQ(rs.Fields(u"entrega"_s).OriginalValue(), entrega);
    EXPECT_EQ(m_cn.errores().Count(), 0);
    // the statement names the key and the original value of each changed column, with bound values
    EXPECT_EQ(
        m_cn.traza().items().last().recibida,
        uR"(UPDATE Cpte SET "entrega" = ?, "total" = ? WHERE "tc" = ? AND "id" = ? AND "entrega" IS NULL AND "total" = ?)"_s);
}

TEST_F(RecordsetTest, FilaCambiadaPorOtroNoSeSobrescribe) {
    Recordset rs;
    rs.Open(u"select * from Cpte where tc='FA' and id = '000100001234A'"_s, m_cn, adOpenDynamic,
            adLockOptimistic);
    m_cn.Execute(u"update Cpte set entrega = '22/04/2026 12:00:00' where id = '000100001234A'"_s);
    rs.Fields(u"entrega"_s).setValue(Variant::fecha(fecha::desde(QDate(2026, 4, 22), QTime(13, 0))));
    try {
        rs.Update();
        FAIL() << "the update found the row";
    } catch (const Falla& f) {
        EXPECT_EQ(f.numero(), fallas::FilaNoLocalizada);
        EXPECT_EQ(
            f.descripcion(),
            u"Row cannot be located for updating. Some values may have been changed since it was last read."_s);
    }
    EXPECT_EQ(m_base.valor(u"select entrega from Cpte where id = '000100001234A'"_s),
              u"2026-04-22 12:00:00"_s);
    ASSERT_EQ(m_cn.errores().Count(), 1);
    EXPECT_EQ(m_cn.errores().Item(0).numero, fallas::FilaNoLocalizada);
}

TEST_F(RecordsetTest, SinClavePrimariaNombraLaFilaPorTodosSusValores) {
    m_cn.Execute(u"insert into Nota values ('a', 1)\rinsert into Nota values ('a', 2)"_s);
    Recordset rs;
    rs.Open(u"select * from Nota where n = 2"_s, m_cn, adOpenDynamic, adLockOptimistic);
    rs.Fields(u"texto"_s).setValue(Variant(u"b"_s));
    rs.Update();
    EXPECT_EQ(m_base.valor(u"select group_concat(texto || n, ',') from (select * from Nota order by n)"_s),
              u"a1,b2"_s);
    rs.Delete();
    EXPECT_EQ(m_base.valor(u"select group_concat(texto || n, ',') from Nota"_s), u"a1"_s);
    EXPECT_EQ(numeroDe([&] { rs.Fields(u"texto"_s).Value(); }), fallas::SinRegistroActual);
}

TEST_F(RecordsetTest, AltaYBaja) {
    Recordset rs;
    rs.Open(u"select  top 1 * from Cpte  with(nolock) "_s, m_cn, adOpenDynamic, adLockOptimistic);
    rs.AddNew();
    rs.Fields(u"tc"_s).setValue(Variant(u"NC"_s));
    rs.Fields(u"id"_s).setValue(Variant(u"000300000009C"_s));
    rs.Fields(u"fecha"_s).setValue(Variant(u"05/01/26 07:45"_s)); // a day-first text into a date column
    rs.Fields(u"activo"_s).setValue(Variant(true));
    rs.Fields(u"cantidad"_s).setValue(Variant::decimal(u"1.0005"_s));
    rs.Fields(u"nombre"_s).setValue(Variant(u"Ñandú Peña"_s));
    rs.Update();
    EXPECT_EQ(m_base.valor(u"select fecha || '|' || activo || '|' || cantidad from Cpte where tc = 'NC'"_s),
              u"2026-01-05 07:45:00|1|1.0005"_s);
    EXPECT_EQ(numeroDe([&] { rs.Fields(u"fecha"_s).setValue(Variant(u"no es fecha"_s)); }),
              fallas::VariosPasos);

    Recordset baja;
    baja.Open(u"select * from Cpte where tc = 'nc'"_s, m_cn, adOpenDynamic, adLockOptimistic);
    EXPECT_EQ(baja.Fields(u"nombre"_s).Value(), Variant(u"Ñandú Peña"_s));
    EXPECT_EQ(baja.Fields(u"renglon"_s).Value(), Variant::nulo());
    baja.Delete();
    baja.Update(); // nothing left to write
    EXPECT_EQ(m_base.valor(u"select count(*) from Cpte where tc = 'NC'"_s), u"0"_s);
}

} // namespace
