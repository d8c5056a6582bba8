// The client's statement shapes as SQLite receives them.
#include "ado/dialect/Dialecto.h"
#include "Impresion.h"

#include <gtest/gtest.h>

using namespace entrega::ado;
using namespace Qt::StringLiterals;

namespace {

struct Caso {
    const char16_t* escrita;
    QStringList recibidas;
};

// Two tables as the embedded schema declares them.
QHash<QString, QString> tipos(const QString& tabla) {
    if (tabla.compare(u"V_MV_CTROL_CPTE"_s, Qt::CaseInsensitive) == 0)
        return {{u"tc"_s, u"VARCHAR(4)"_s},     {u"sucursal"_s, u"VARCHAR(4)"_s},
                {u"numero"_s, u"VARCHAR(8)"_s}, {u"letra"_s, u"VARCHAR(1)"_s},
                {u"idcomplemento"_s, u"INT"_s}, {u"fechaenviomail"_s, u"DATETIME"_s}};
    if (tabla.compare(u"stock"_s, Qt::CaseInsensitive) == 0)
        return {{u"cantidad"_s, u"DECIMAL(18,4)"_s},
                {u"codigo"_s, u"VARCHAR(10)"_s},
                {u"renglon"_s, u"SMALLINT"_s}};
    return {};
}

const QDateTime ahora(QDate(2026, 4, 22), QTime(9, 5, 7));

class Reescritura : public testing::TestWithParam<Caso> {};

TEST_P(Reescritura, LlegaComoSqliteLaLee) {
    EXPECT_EQ(dialecto::reescribirParaSqlite(QString::fromUtf16(GetParam().escrita), &tipos, ahora),
              GetParam().recibidas);
}

INSTANTIATE_TEST_SUITE_P(
    Sentencias, Reescritura,
    testing::Values(
        // The day's list: blank inside ">=", day-first dates.
        Caso{u"Select * from v_mv_cpte where tc='RM' and (fechaentrega > = '22/04/2026 00:00:00' and "
             u"fechaentrega <='22/04/2026 23:59:59')",
             {u"Select * from v_mv_cpte where tc='RM' and (fechaentrega >= '2026-04-22 00:00:00' and "
              u"fechaentrega <='2026-04-22 23:59:59')"_s}},
        Caso{u"a < = 1 and b ! = 2 and c < > 3 and d > 4", {u"a <= 1 and b != 2 and c <> 3 and d > 4"_s}},
        // Table hints in their spellings.
        Caso{u"Select * from ta_usuarios  with(nolock)  where Nombre = 'ana'",
             {u"Select * from ta_usuarios  where Nombre = 'ana'"_s}},
        Caso{u"select a from T WITH (NOLOCK, ROWLOCK) where b=1", {u"select a from T where b=1"_s}},
        Caso{u"select a from T (nolock)", {u"select a from T"_s}},
        Caso{u"select 'with(nolock)' from T", {u"select 'with(nolock)' from T"_s}},
        // TOP n at the end of its SELECT, and inside a subquery.
        Caso{u"select  top 1 * from AUX_ERR  with(nolock) ", {u"select  * from AUX_ERR LIMIT 1"_s}},
        Caso{u"Select TOP 5 a from T order by a desc", {u"Select a from T order by a desc LIMIT 5"_s}},
        Caso{u"select distinct top (2) a from T", {u"select distinct a from T LIMIT 2"_s}},
        Caso{u"select * from T where a in (select top 3 a from U order by a)",
             {u"select * from T where a in (select a from U order by a LIMIT 3)"_s}},
        // The server's date.
        Caso{u"select  getDate() as fecha", {u"select  '2026-04-22 09:05:07' as fecha"_s}},
        Caso{u"select GETDATE ( ) as f, 'getdate()' as t",
             {u"select '2026-04-22 09:05:07' as f, 'getdate()' as t"_s}},
        // Day-first literals in their three forms; other texts untouched.
        Caso{u"INSERT INTO T (A,F) VALUES ('x', '22/04/2026 10:30:00')",
             {u"INSERT INTO T (A,F) VALUES ('x', '2026-04-22 10:30:00')"_s}},
        Caso{u"update T set f = '05/01/26 07:45' where k = 1",
             {u"update T set f = '2026-01-05 07:45:00' where k = 1"_s}},
        Caso{u"select * from T where f = '31/12/2025'",
             {u"select * from T where f = '2025-12-31 00:00:00'"_s}},
        Caso{u"select * from T where f = '31/02/2025' or g = '1/2' or h = '2025-01-01'",
             {u"select * from T where f = '31/02/2025' or g = '1/2' or h = '2025-01-01'"_s}},
        // Text "+": by literal, by declared column type; numbers stay additions.
        Caso{
            u"select * from V_MV_CTROL_CPTE where tc='FA' and sucursal+numero+letra = '000100001234A' AND "
            u"IDCOMPLEMENTO='5'",
            {u"select * from V_MV_CTROL_CPTE where tc='FA' and sucursal||numero||letra = '000100001234A' AND "
             u"IDCOMPLEMENTO='5'"_s}},
        Caso{u"select 'a' + 'b', 1 + 2, x.codigo + '-' + rtrim(codigo) from stock x",
             {u"select 'a' || 'b', 1 + 2, x.codigo || '-' || rtrim(codigo) from stock x"_s}},
        Caso{u"select cantidad + 1, renglon + cantidad, codigo + 1, (a) + b from stock",
             {u"select cantidad + 1, renglon + cantidad, codigo + 1, (a) + b from stock"_s}},
        Caso{u"select cast(renglon as varchar(5)) + codigo, 'it''s' + codigo from stock",
             {u"select cast(renglon as varchar(5)) || codigo, 'it''s' || codigo from stock"_s}},
        // Trailing blanks of a compared literal; an assigned one keeps them; LIKE keeps them.
        Caso{u"SELECT * FROM TA_TAREAS WHERE (TA_TAREAS.USUARIO = 'ana ') AND (P LIKE '%x %')",
             {u"SELECT * FROM TA_TAREAS WHERE (TA_TAREAS.USUARIO = 'ana') AND (P LIKE '%x %')"_s}},
        Caso{u"update T set a = 'x  ', b = (select c from U where d = 'y  ') where e <> 'z  '",
             {u"update T set a = 'x  ', b = (select c from U where d = 'y') where e <> 'z'"_s}},
        Caso{u"select * from T where 'O''Brien  ' = n", {u"select * from T where 'O''Brien' = n"_s}},
        // Batches: line ends between statements, ";" too; a statement spread over lines stays whole.
        Caso{u"BEGIN TRANSACTION \r\r\rINSERT INTO A (X) VALUES ('1')\rINSERT INTO B (Y) VALUES ('2;\r3')\r",
             {u"BEGIN TRANSACTION"_s, u"INSERT INTO A (X) VALUES ('1')"_s,
              u"INSERT INTO B (Y) VALUES ('2;\r3')"_s}},
        Caso{u"delete from A; delete from B;", {u"delete from A"_s, u"delete from B"_s}},
        Caso{u"SELECT a\r\nFROM T\r\nWHERE b = 1\r\nORDER BY a",
             {u"SELECT a\r\nFROM T\r\nWHERE b = 1\r\nORDER BY a"_s}},
        Caso{u"INSERT INTO T (a)\nSELECT a FROM U\nUPDATE V SET b = 1",
             {u"INSERT INTO T (a)\nSELECT a FROM U"_s, u"UPDATE V SET b = 1"_s}},
        Caso{u"CREATE TRIGGER t AFTER INSERT ON A BEGIN\n UPDATE B SET n = n + 1;\n DELETE FROM "
             u"C;\nEND;\nSELECT 1",
             {u"CREATE TRIGGER t AFTER INSERT ON A BEGIN\n UPDATE B SET n = n + 1;\n DELETE FROM C;\nEND"_s,
              u"SELECT 1"_s}},
        Caso{u"CREATE TABLE A (x INT REFERENCES B (y)\n ON DELETE CASCADE)",
             {u"CREATE TABLE A (x INT REFERENCES B (y)\n ON DELETE CASCADE)"_s}},
        // Nothing else changes.
        Caso{
            u"SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso FROM TA_TAREAS INNER JOIN TA_MENU ON TA_TAREAS.TAREA "
            u"= TA_MENU.Clave",
            {u"SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso FROM TA_TAREAS INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave"_s}},
        Caso{u"   ", {}}));

TEST(ErroresSqlite, NumerosNativosDeSqlServer) {
    struct {
        int codigo;
        const char16_t* mensaje;
        int nativo;
    } casos[] = {
        {1555, u"UNIQUE constraint failed: T.k", 2627},
        {2067, u"UNIQUE constraint failed: T.u", 2627},
        {19, u"UNIQUE constraint failed: T.k", 2627},
        {787, u"FOREIGN KEY constraint failed", 547},
        {275, u"CHECK constraint failed: chk", 547},
        {19, u"FOREIGN KEY constraint failed", 547},
        {1299, u"NOT NULL constraint failed: T.c", 515},
        {1, u"no such table: main.X", 208},
        {1, u"no such column: zz", 207},
        {1, u"table T has no column named zz", 207},
        {1, u"near \"FORM\": syntax error", 102},
        {1, u"incomplete input", 102},
        {5, u"database is locked", 0},
        {11, u"database disk image is malformed", 11},
    };
    for (const auto& c : casos)
        EXPECT_EQ(dialecto::nativoSqlServer(c.codigo, QString::fromUtf16(c.mensaje)), c.nativo)
            << QString::fromUtf16(c.mensaje).toStdString();
}

} // namespace
