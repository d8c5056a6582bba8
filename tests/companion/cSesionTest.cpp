#include "support/EntornoDePrueba.h"

#include "core/Fecha.h"

#include <QFile>

using namespace entrega;

namespace {

class Sesion : public ::testing::Test {
  protected:
    void SetUp() override {
        entorno.conectarPrincipal();
        prueba::ejecutarSql(
            entorno.archivoDeBase(QStringLiteral("ENTREGA")),
            QStringLiteral("CREATE TABLE PARTES (ID INTEGER PRIMARY KEY, tc VARCHAR(4) COLLATE NOCASE, "
                           "idcomprobante VARCHAR(60) COLLATE NOCASE, IDCOMPLEMENTO INT);"
                           "INSERT INTO PARTES (tc, idcomprobante, IDCOMPLEMENTO) VALUES "
                           "('FA', '000100001234A', 1), ('FA', '000100001234A', 2), "
                           "('NC', '000200000007B', 1);"));
    }
    int contar(const QString& sql) {
        ado::Recordset rs;
        sesion().AbrirConsulta(sql, rs);
        int n = 0;
        for (; !rs.EOF(); rs.MoveNext())
            ++n;
        return n;
    }
    cSesion& sesion() { return entorno.contexto.sesion; }

    prueba::Entorno entorno;
};

TEST(SesionConectar, LocalAbreLaBaseDeLaCarpetaDeDatos) {
    prueba::Entorno entorno;
    entorno.conectarPrincipal();
    cSesion& sesion = entorno.contexto.sesion;
    EXPECT_TRUE(sesion.Conectado());
    EXPECT_TRUE(sesion.motivo().isEmpty());
    EXPECT_TRUE(sesion.Proveedor().contains(QStringLiteral("SQLite"), Qt::CaseInsensitive))
        << sesion.Proveedor().toStdString();
    EXPECT_EQ(sesion.Conexion().cadena(), QStringLiteral("Provider=SQLite;Data Source=") +
                                              entorno.contexto.carpetaDatos +
                                              QStringLiteral(";Database=ENTREGA"));
}

TEST(SesionConectar, SinBaseNoConectaNiCreaArchivos) {
    prueba::Entorno entorno;
    cSesion& sesion = entorno.contexto.sesion;
    sesion.Servidor = QStringLiteral("LOCAL");
    for (const QString& base : {QStringLiteral("NOEXISTE"), QString()}) {
        sesion.BaseDatos = base;
        sesion.Conectar(true, 3, {}, true, true);
        EXPECT_FALSE(sesion.Conectado()) << base.toStdString();
        EXPECT_FALSE(sesion.motivo().isEmpty()) << base.toStdString();
        EXPECT_TRUE(sesion.Proveedor().isEmpty());
    }
    EXPECT_TRUE(QDir(entorno.carpeta.path()).entryList(QDir::Files).isEmpty());
}

TEST(SesionConectar, ConectarOtraVezCambiaDeBaseYUnFalloDejaLaSesionCerrada) {
    prueba::Entorno entorno;
    entorno.conectarPrincipal();
    entorno.conectar(entorno.contexto.sesion, QStringLiteral("QE_FJLSALXCENKK"),
                     QStringLiteral("estadisticas.sql"));
    cSesion& sesion = entorno.contexto.sesion;
    ado::Recordset rs;
    sesion.AbrirConsulta(QStringLiteral("SELECT name FROM sqlite_master WHERE name = 'V_MV_STOCK'"), rs);
    EXPECT_TRUE(rs.BOF()) << "still on the first database";
    sesion.CerrarConsulta(rs);

    sesion.BaseDatos = QStringLiteral("OTRA");
    sesion.Conectar(false, 3, {}, true, true);
    EXPECT_FALSE(sesion.Conectado());
}

TEST_F(Sesion, AbrirConsultaDeSoloLecturaQuedaEnLaPrimeraFilaOVacia) {
    ado::Recordset rs;
    sesion().AbrirConsulta(QStringLiteral("SELECT * FROM PARTES WHERE tc='FA' ORDER BY IDCOMPLEMENTO"), rs,
                           nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
    ASSERT_FALSE(rs.BOF());
    EXPECT_EQ(rs.Fields(QStringLiteral("idcomplemento")).Value().aLargo(), 1);

    // The same set opened again on another text: the first is closed for it.
    sesion().AbrirConsulta(QStringLiteral("SELECT * FROM PARTES WHERE tc='XX'"), rs);
    EXPECT_TRUE(rs.BOF());
    EXPECT_TRUE(rs.EOF());
    sesion().CerrarConsulta(rs);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    sesion().CerrarConsulta(rs); // closing a closed set is harmless
}

TEST_F(Sesion, AbrirConsultaActualizableAgregaModificaYBorra) {
    ado::Recordset rs;
    sesion().AbrirConsulta(QStringLiteral("SELECT * FROM PARTES WHERE tc='NC'"), rs, &sesion().Conexion(),
                           ado::adOpenDynamic, ado::adLockOptimistic);
    ASSERT_FALSE(rs.BOF());
    rs.Fields(QStringLiteral("IDCOMPLEMENTO")).setValue(Variant(9));
    rs.Update();
    sesion().CerrarConsulta(rs);
    EXPECT_EQ(contar(QStringLiteral("SELECT * FROM PARTES WHERE tc='NC' AND IDCOMPLEMENTO=9")), 1);

    sesion().AbrirConsulta(QStringLiteral("SELECT * FROM PARTES WHERE tc='ND'"), rs, nullptr,
                           ado::adOpenDynamic, ado::adLockOptimistic);
    ASSERT_TRUE(rs.BOF());
    rs.AddNew();
    rs.Fields(QStringLiteral("tc")).setValue(QStringLiteral("ND"));
    rs.Fields(QStringLiteral("idcomprobante")).setValue(QStringLiteral("000300000001A"));
    rs.Fields(QStringLiteral("IDCOMPLEMENTO")).setValue(Variant(1));
    rs.Update();
    sesion().CerrarConsulta(rs);
    EXPECT_EQ(contar(QStringLiteral("SELECT * FROM PARTES WHERE tc='ND'")), 1);

    sesion().AbrirConsulta(QStringLiteral("SELECT * FROM PARTES WHERE tc='ND'"), rs, nullptr,
                           ado::adOpenDynamic, ado::adLockOptimistic);
    rs.Delete();
    sesion().CerrarConsulta(rs);
    EXPECT_EQ(contar(QStringLiteral("SELECT * FROM PARTES WHERE tc='ND'")), 0);
}

TEST_F(Sesion, BuscarRegistroDejaElConjuntoEnLaFilaHalladaOVacio) {
    ado::Recordset r2;
    sesion().Conexion().traza().limpiar();
    EXPECT_TRUE(sesion().BuscarRegistro(QStringLiteral("PARTES"), QStringLiteral("FA"), QStringLiteral("TC"),
                                        r2, 8, QStringLiteral("tc='FA' and IDCOMPLEMENTO=2"), true));
    EXPECT_EQ(sesion().Conexion().traza().escritas().value(0),
              QStringLiteral(
                  "SELECT * FROM PARTES with(nolock) WHERE TC = 'FA' AND (tc='FA' and IDCOMPLEMENTO=2)"));
    EXPECT_EQ(r2.Fields(QStringLiteral("IDCOMPLEMENTO")).Value().aLargo(), 2);

    // The value alone selects when the condition is empty; the field and value must agree with the condition.
    EXPECT_TRUE(sesion().BuscarRegistro(QStringLiteral("PARTES"), QStringLiteral("NC"), QStringLiteral("tc"),
                                        r2, 8, QString(), true));
    EXPECT_EQ(r2.Fields(QStringLiteral("idcomprobante")).Value().aTexto(), QStringLiteral("000200000007B"));
    EXPECT_FALSE(sesion().BuscarRegistro(QStringLiteral("PARTES"), QStringLiteral("NC"), QStringLiteral("TC"),
                                         r2, 8, QStringLiteral("IDCOMPLEMENTO=5"), true));
    EXPECT_EQ(r2.State(), ado::adStateOpen);
    EXPECT_TRUE(r2.BOF());
    EXPECT_FALSE(sesion().BuscarRegistro(QStringLiteral("PARTES"), QStringLiteral("O'Brien"),
                                         QStringLiteral("TC"), r2, 8, QString(), true));
}

TEST_F(Sesion, EjecutarCuentaFilasYUnRechazoQuedaEnLosErrores) {
    long long afectadas = -1;
    sesion().Ejecutar(QStringLiteral("UPDATE PARTES SET IDCOMPLEMENTO = IDCOMPLEMENTO + 10 WHERE tc='FA'"),
                      &afectadas);
    EXPECT_EQ(afectadas, 2);

    sesion().Conexion().errores().Clear();
    EXPECT_THROW(sesion().Ejecutar(QStringLiteral("INSERT INTO NO_EXISTE VALUES (1)")), Falla);
    ASSERT_GE(sesion().Conexion().errores().Count(), 1);
    EXPECT_EQ(sesion().Conexion().errores().Item(0).nativo, 208);
}

TEST(SesionValorSql, EscribeCadaValorComoLiteralCompleto) {
    prueba::Entorno entorno;
    const cSesion& sesion = entorno.contexto.sesion;
    struct Caso {
        Variant valor;
        QString delimitador;
        QString literal;
    };
    const Caso casos[] = {
        {QStringLiteral("FA"), QStringLiteral("'"), QStringLiteral("'FA'")},
        {QStringLiteral("O'Brien"), QStringLiteral("'"), QStringLiteral("'O''Brien'")},
        {QStringLiteral("''"), QStringLiteral("'"), QStringLiteral("''''''")},
        {QStringLiteral("dijo \"no\""), QStringLiteral("\""), QStringLiteral("\"dijo \"\"no\"\"\"")},
        {QString(), QStringLiteral("'"), QStringLiteral("''")},
        {Variant(), QStringLiteral("'"), QStringLiteral("''")},
        {Variant::nulo(), QStringLiteral("'"), QStringLiteral("NULL")},
        {Variant(42), QStringLiteral("'"), QStringLiteral("42")},
        {Variant(2.5), QStringLiteral("'"), QStringLiteral("2.5")},
        {Variant::moneda(-12345), QStringLiteral("'"), QStringLiteral("-1.2345")},
        {Variant(true), QStringLiteral("'"), QStringLiteral("1")},
        {Variant(false), QStringLiteral("'"), QStringLiteral("0")},
        {Variant::fecha(fecha::desde(QDate(2024, 3, 7), QTime(9, 5, 30))), QStringLiteral("'"),
         QStringLiteral("'07/03/2024 09:05:30'")},
        {Variant::fecha(fecha::desde(QDate(2024, 3, 7))), QStringLiteral("'"),
         QStringLiteral("'07/03/2024'")},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(sesion.ValorSql(c.valor, c.delimitador), c.literal) << c.literal.toStdString();
}

TEST_F(Sesion, UnValorConApostrofoLlegaEnteroALaBase) {
    const QString raro = QStringLiteral("O'Brien; DROP TABLE PARTES --");
    sesion().Ejecutar(QStringLiteral("INSERT INTO PARTES (tc, idcomprobante, IDCOMPLEMENTO) VALUES ('FA', ") +
                      sesion().ValorSql(raro) + QStringLiteral(", 7)"));
    ado::Recordset rs;
    ASSERT_TRUE(sesion().BuscarRegistro(QStringLiteral("PARTES"), raro, QStringLiteral("idcomprobante"), rs,
                                        8, QString(), true));
    EXPECT_EQ(rs.Fields(QStringLiteral("idcomprobante")).Value().aTexto(), raro);
}

} // namespace
