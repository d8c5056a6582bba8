// Every statement shape the client sends, exactly as it writes it (T-SQL with its table hints, "> =",
// day-first dates, sucursal+numero+letra, getDate(), TOP), run through the database layer on databases made
// from the real schema, checking the rows each one selects or writes. Each runs twice: on the embedded
// engine, and on the same file through the driver manager and the SQLite ODBC driver.
#include "BaseDePrueba.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "app/admin/Bases.h"
#include "companion/Codificacion.h"
#include "core/Falla.h"
#include "core/Fecha.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace entrega;
using namespace entrega::ado;
using namespace Qt::StringLiterals;

namespace {

const QString siembra = uR"(
INSERT INTO v_mv_cpte (tc, idcomprobante, fecha, FECHAENTREGA, Cuenta, nombre, Domicilio, Localidad, idpalm,
                       IdVendedor, FechaEstInicio, IdDeposito, Total) VALUES
 ('RM', '000100001234R', '2026-04-22 00:00:00', '2026-04-22 00:00:00', '11001000', 'Pérez, Juan', NULL, 'Córdoba',
  'CENTRO', 7, '2026-04-23 00:00:00', 2, 1234.5),
 ('RM', '000100001235R', '2026-04-21 00:00:00', '2026-04-22 23:59:59', '11001007', 'Corralón Sur S.A.',
  'Av. Colón 12', 'Oliva', 'CENTRO', 3, NULL, 1, 10),
 ('RM', '000100001236R', '2026-04-22 00:00:00', '2026-04-23 00:00:00', NULL, 'Mañana', NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 ('RM', '000100001237R', '2026-04-21 00:00:00', '2026-04-21 23:59:59', NULL, 'Ayer', NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 ('FA', '000100001234A', '2026-04-22 00:00:00', '2026-04-22 12:00:00', NULL, 'Factura', NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 ('RM', '000200000077R', '2026-04-22 00:00:00', NULL, '11002000', 'Gómez, Ana', 'San Martín 45', 'Bell Ville', 'ESTE',
  5, '2026-04-24 00:00:00', 3, 99.99),
 ('RM', '000200000078R', '2026-04-22 00:00:00', NULL, '11002007', 'Ferretería El Sol', 'Mitre 9', 'Oncativo', 'CENTRO',
  5, NULL, 3, 500);
INSERT INTO V_MV_STOCK (tc, idcomprobante, IDCOMPLEMENTO, Renglon, IdArticulo, Descripcion, Cantidad, IdDeposito) VALUES
 ('RM', '000200000077R', 0, 1, 'CEM050', 'Cemento', 10, 3),
 ('RM', '000200000078R', 5, 1, 'ARE001', 'Arena', 2.5, 3),
 ('RM', '000200000078R', 10, 2, 'LAD018', 'Ladrillo', 300, 3);
INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('ENT01', 'ENTREGA', 'Entrega de Mercaderia'),
                                                   ('VEN01', 'FACTURACION', 'Facturacion');
INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('DEMO', 'ENT01'), ('JEFE', 'VEN01');
INSERT INTO v_ta_unidadNegocio (codigo, Descripcion, razon_social, Cuit, PDV)
 VALUES ('   1', 'Casa Central', 'Distribuidora Los Andes S.A.', '30712345679', '0001 ');
INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR, VALORAUX, PoliticaNegocio) VALUES
 ('CFONDO', 'DATOS', '16776960', 'aux', 0),
 ('[FECHA HASTA]', 'DATOS', '30/04/2026', NULL, 0),
 ('COLOR', 'PANTALLA', 'azul', '', 1);
)"_s;

enum class Motor { Embebido, Odbc };

class SentenciasTest : public testing::TestWithParam<Motor> {
  protected:
    SentenciasTest() {
        admin::crearBasesVacias(m_dir.path(), false);
        BaseDePrueba base(archivo());
        EXPECT_EQ(base.ejecutar(siembra), SQLITE_OK);
        const QString usuarios =
            u"INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, PassWord, Administrador, UNegocio, "
            "verproforma, clasepusa) VALUES ('DEMO', 'rb512pr', '%1', 0, '   1', 1, 'A,B'), "
            "('JEFE', 'DUNO', '%2', 1, NULL, 0, NULL), ('OTRO', 'TOLMEK', '%1', 0, NULL, 0, NULL)"_s.arg(
                codificar(u"demo"_s), codificar(u"jefe"_s));
        EXPECT_EQ(base.ejecutar(usuarios), SQLITE_OK);
        m_cn.Open(cadena(admin::baseTrabajo));
        EXPECT_EQ(m_cn.proveedor().startsWith(u"ODBC"_s), GetParam() == Motor::Odbc);
    }

    QString cadena(const QString& base) const {
        if (GetParam() == Motor::Odbc)
            return u"Driver=%1;Database=%2;"_s.arg(QStringLiteral(ENTREGA_SQLITE_ODBC), archivo(base));
        return u"Provider=SQLite;Data Source=%1;Database=%2"_s.arg(m_dir.path(), base);
    }
    QString archivo(const QString& base = admin::baseTrabajo) const {
        return admin::archivoBase(m_dir.path(), base);
    }

    // The rows a query gives, the named fields of each joined by "|" as the client shows them.
    QStringList filas(const QString& sql, const QStringList& campos, Connection& cn) {
        QStringList resultado;
        Recordset rs;
        rs.Open(sql, cn);
        for (; !rs.EOF(); rs.MoveNext()) {
            QStringList valores;
            for (const QString& campo : campos) {
                const Variant v = rs.Fields(campo).Value();
                valores << (v.esNulo() ? u"<null>"_s : v.aTexto());
            }
            resultado << valores.join(u'|');
        }
        return resultado;
    }
    QStringList filas(const QString& sql, const QStringList& campos) { return filas(sql, campos, m_cn); }

    // What the engine received for the last statement, with its query plan.
    QString planDeLoUltimo() { return BaseDePrueba(archivo()).plan(m_cn.traza().items().last().recibida); }

    // Runs a write that the database must refuse; returns the native errors it left, in order.
    QList<int> nativosDeUnRechazo(const std::function<void()>& escritura) {
        m_cn.errores().Clear();
        EXPECT_THROW(escritura(), Falla);
        QList<int> nativos;
        for (const ErrorProveedor& e : m_cn.errores().items())
            nativos << e.nativo;
        return nativos;
    }

    QTemporaryDir m_dir;
    Connection m_cn;
};

TEST_P(SentenciasTest, ListaDelDiaTraeLosRemitosEntregadosEseDiaDeLaPrimeraALaUltimaHora) {
    const QString d = u"22/04/2026"_s;
    const QString sql = "Select * from v_mv_cpte where tc='RM' and (fechaentrega > = '" + d +
                        " 00:00:00' and fechaentrega <='" + d + " 23:59:59')";
    const QStringList campos = {u"TC"_s,     u"IdComprobante"_s, u"fecha"_s,          u"FECHAENTREGA"_s,
                                u"Cuenta"_s, u"nombre"_s,        u"Domicilio"_s,      u"Localidad"_s,
                                u"idpalm"_s, u"IdVendedor"_s,    u"FechaEstInicio"_s, u"IdDeposito"_s};
    QStringList lista = filas(sql, campos);
    lista.sort();
    EXPECT_EQ(lista,
              QStringList({u"RM|000100001234R|22/04/2026|22/04/2026|11001000|Pérez, Juan|<null>|Córdoba|"
                           "CENTRO|7|23/04/2026|2"_s,
                           u"RM|000100001235R|21/04/2026|22/04/2026 23:59:59|11001007|Corralón Sur S.A.|"
                           "Av. Colón 12|Oliva|CENTRO|3|<null>|1"_s}));
    EXPECT_TRUE(planDeLoUltimo().contains(u"IX_v_mv_cpte_entrega"_s)) << planDeLoUltimo().toStdString();

    Recordset rs;
    rs.Open(sql, m_cn);
    EXPECT_EQ(rs.Fields(u"FECHAENTREGA"_s).Value().tipo(), Variant::Tipo::Date);
    EXPECT_EQ(rs.Fields(u"IdVendedor"_s).Value().tipo(), Variant::Tipo::Long);
    EXPECT_EQ(rs.Fields(u"IdDeposito"_s).Value().tipo(), Variant::Tipo::Integer);
    EXPECT_EQ(rs.Fields(u"Total"_s).Value().tipo(), Variant::Tipo::Currency);
}

TEST_P(SentenciasTest, ComprobanteEnteroSeEntregaUnaSolaVezAunqueDosPuestosLoAbran) {
    const QString tc = u"RM"_s, n = u"000200000077R"_s;
    const QString sql = "select * from v_mv_Cpte where tc='" + tc + "' and idcomprobante = '" + n + "'";
    Recordset mostrador, otro;
    mostrador.Open(sql, m_cn, adOpenDynamic, adLockOptimistic);
    otro.Open(sql, m_cn, adOpenDynamic, adLockOptimistic);
    ASSERT_FALSE(mostrador.BOF());
    EXPECT_TRUE(mostrador.Fields(u"FECHAENTREGA"_s).Value().esNulo());
    EXPECT_EQ(mostrador.Fields(u"nombre"_s).Value(), Variant(u"Gómez, Ana"_s));

    mostrador.Fields(u"FECHAENTREGA"_s)
        .setValue(Variant::fecha(fecha::desde(QDate(2026, 4, 22), QTime(10, 11, 12))));
    mostrador.Update();
    EXPECT_EQ(
        BaseDePrueba(archivo()).valor("SELECT FECHAENTREGA FROM v_mv_cpte WHERE idcomprobante = '" + n + "'"),
        u"2026-04-22 10:11:12"_s);

    otro.Fields(u"FECHAENTREGA"_s).setValue(Variant::fecha(fecha::desde(QDate(2026, 4, 22), QTime(10, 30))));
    try {
        otro.Update();
        ADD_FAILURE() << "the second counter delivered the voucher again";
    } catch (const Falla& f) {
        EXPECT_EQ(f.numero(), fallas::FilaNoLocalizada);
    }
    EXPECT_EQ(
        BaseDePrueba(archivo()).valor("SELECT FECHAENTREGA FROM v_mv_cpte WHERE idcomprobante = '" + n + "'"),
        u"2026-04-22 10:11:12"_s);

    Recordset ninguno;
    ninguno.Open(u"select * from v_mv_Cpte where tc='RM' and idcomprobante = '0000100001234R'"_s, m_cn,
                 adOpenDynamic, adLockOptimistic);
    EXPECT_TRUE(ninguno.BOF());
}

TEST_P(SentenciasTest, ParteDeComprobanteSeBuscaEnElStockYSeRegistraUnaSolaVez) {
    const QString tc = u"RM"_s, n = u"000200000078R"_s;
    auto stock = [&](const QString& c) {
        return filas("SELECT * FROM V_MV_STOCK WHERE tc='" + tc + "' and idcomprobante = '" + n +
                         "' AND IDCOMPLEMENTO='" + c + "'",
                     {u"IdArticulo"_s, u"Cantidad"_s});
    };
    EXPECT_EQ(stock(u"5"_s), QStringList{u"ARE001|2.5"_s});
    EXPECT_EQ(stock(u"10"_s), QStringList{u"LAD018|300"_s});
    EXPECT_TRUE(stock(u"7"_s).isEmpty());

    // The control-row search and the voucher search, as the session's record search writes them.
    const QString control = "SELECT * FROM V_MV_CTROL_CPTE with(nolock) WHERE TC = 'RM' AND (tc='" + tc +
                            "' and sucursal+numero+letra = '" + n + "' AND IDCOMPLEMENTO='5')";
    EXPECT_TRUE(filas(control, {u"USUARIO"_s}).isEmpty());
    EXPECT_TRUE(
        planDeLoUltimo().contains(u"IX_V_MV_CTROL_CPTE_numero (TC=? AND <expr>=? AND IDCOMPLEMENTO=?)"_s))
        << planDeLoUltimo().toStdString();
    EXPECT_EQ(filas("SELECT * FROM V_MV_CPTE with(nolock) WHERE TC = 'RM' AND (tc='" + tc +
                        "' and idcomprobante = '" + n + "')",
                    {u"fecha"_s, u"nombre"_s, u"Domicilio"_s, u"Localidad"_s}),
              QStringList{u"22/04/2026|Ferretería El Sol|Mitre 9|Oncativo"_s});

    auto insertar = [&](const QString& numero, const QString& c, const QString& cuando) {
        m_cn.Execute(
            "INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA,IDCOMPLEMENTO,USUARIO,FechaEnvioMail) " +
            QString(" VALUES ('") + tc + "', '" + numero.mid(0, 4) + "','" + numero.mid(4, 8) + "','" +
            numero.mid(12, 1) + "','" + c + "','" + u"DEMO"_s + "','" + cuando + "')");
    };
    insertar(n, u"5"_s, u"22/04/2026 10:11:12"_s);
    insertar(n, u"10"_s, u"23/04/2026"_s);
    EXPECT_EQ(filas(control, {u"USUARIO"_s, u"fechaenviomail"_s}),
              QStringList{u"DEMO|22/04/2026 10:11:12"_s});
    EXPECT_EQ(
        BaseDePrueba(archivo()).filas(u"SELECT IDCOMPLEMENTO, typeof(IDCOMPLEMENTO), FechaEnvioMail FROM "
                                      "V_MV_CTROL_CPTE ORDER BY 1"_s),
        QStringList({u"5|integer|2026-04-22 10:11:12"_s, u"10|integer|2026-04-23 00:00:00"_s}));
    EXPECT_TRUE(
        filas("SELECT * FROM V_MV_STOCK WHERE tc='RM' and idcomprobante = '" + n + "'", {u"tc"_s}).size() ==
        2)
        << "the voucher's stock is untouched";

    // The same part again (also keyed with a lower-case letter), and a part of a voucher that does not exist.
    EXPECT_EQ(nativosDeUnRechazo([&] { insertar(n, u"5"_s, u"22/04/2026 11:00:00"_s); }),
              QList<int>({2627, 3621}));
    EXPECT_EQ(nativosDeUnRechazo([&] { insertar(u"000200000078r"_s, u"05"_s, u"22/04/2026 11:00:00"_s); }),
              QList<int>({2627, 3621}));
    EXPECT_EQ(nativosDeUnRechazo([&] { insertar(u"000900000001R"_s, u"5"_s, u"22/04/2026 11:00:00"_s); }),
              QList<int>({547, 3621}));
    EXPECT_EQ(BaseDePrueba(archivo()).valor(u"SELECT count(*) FROM V_MV_CTROL_CPTE"_s), u"2"_s);
}

TEST_P(SentenciasTest, AuditoriaDeAccionesGuardaLaFechaYLaAccion) {
    m_cn.Execute(
        u" INSERT INTO V_MV_CPTEACCIONES (TC,IdComprobante,IdComplemento,Tipo_accion,FECHAHORA,Usuario,PC,"
        "SYSTEMUSER,Proceso,ProcesoLote,Cuenta) VALUES ('    ','',0,'A','22/04/2026 10:11:12','DEMO','PC01',"
        "'Intento de inicio de sesion fallido','entrega ','','')"_s);
    m_cn.Execute(
        u" INSERT INTO V_MV_CPTEACCIONES (TC,IdComprobante,IdComplemento,Tipo_accion,FECHAHORA,Usuario,PC,"
        "SYSTEMUSER,Proceso,ProcesoLote,Cuenta) VALUES ('  RM','000100001234R',5,'ER','22/04/2026','DEMO',"
        "'PC01','x','entrega ','','11001000')"_s);
    EXPECT_EQ(
        BaseDePrueba(archivo()).filas(u"SELECT TC, IdComplemento, Tipo_accion, FECHAHORA, SYSTEMUSER FROM "
                                      "V_MV_CPTEACCIONES ORDER BY ID"_s),
        QStringList({u"    |0|A|2026-04-22 10:11:12|Intento de inicio de sesion fallido"_s,
                     u"  RM|5|ER|2026-04-22 00:00:00|x"_s}));
}

TEST_P(SentenciasTest, GuionEnTransaccionConfirmaOVuelveAtrasYElFalloQuedaEnAuxErr) {
    const QString cr = u"\r"_s;
    const QString acceso =
        u"INSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) "
        "VALUES ('PC01','DEMO','ENTREGA','ENTREGA DE MERCADERIA','22/04/26 10:11','Demo')"_s;
    m_cn.Execute("BEGIN TRANSACTION " + cr + cr + cr + acceso + cr);
    m_cn.Execute(u"COMMIT TRANSACTION"_s);
    EXPECT_EQ(BaseDePrueba(archivo()).filas(u"SELECT Maquina, Usuario, Tarea, Ingreso, NombreUsuario FROM "
                                            "Control_Acceso"_s),
              QStringList{u"PC01|DEMO|ENTREGA DE MERCADERIA|2026-04-22 10:11:00|Demo"_s});

    // A script whose second statement fails leaves nothing behind once rolled back.
    const QString parte =
        u"INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA,IDCOMPLEMENTO,USUARIO,FechaEnvioMail) "
        " VALUES ('RM', '0002','00000078','R','5','DEMO','22/04/2026 10:11:12')"_s;
    const QString guion = "BEGIN TRANSACTION " + cr + cr + cr + acceso + cr + parte + cr + parte + cr;
    EXPECT_EQ(nativosDeUnRechazo([&] { m_cn.Execute(guion); }).value(0), 2627);
    m_cn.errores().Clear();
    m_cn.Execute(u"ROLLBACK TRANSACTION"_s);
    EXPECT_EQ(BaseDePrueba(archivo()).valor(u"SELECT count(*) FROM Control_Acceso"_s), u"1"_s);
    EXPECT_EQ(BaseDePrueba(archivo()).valor(u"SELECT count(*) FROM V_MV_CTROL_CPTE"_s), u"0"_s);

    Recordset rs;
    rs.Open(u"select  top 1 * from AUX_ERR  with(nolock) "_s, m_cn, adOpenDynamic, adLockOptimistic);
    rs.AddNew();
    rs.Fields(u"Proceso"_s).setValue(u"entrega"_s);
    rs.Fields(u"fecha"_s).setValue(u"22/04/26 10:11"_s);
    rs.Fields(u"Error"_s).setValue(std::int32_t{2627});
    rs.Fields(u"Descripcion"_s).setValue(u"2627 : Violation of UNIQUE KEY constraint"_s);
    rs.Fields(u"Sql"_s).setValue(guion);
    rs.Fields(u"PC"_s).setValue(u"PC01"_s);
    rs.Fields(u"Usuario"_s).setValue(u"DEMO"_s);
    rs.Update();
    EXPECT_EQ(BaseDePrueba(archivo()).filas(
                  u"SELECT Proceso, fecha, Error, PC, Usuario, length(Sql) FROM AUX_ERR"_s),
              QStringList{u"entrega|2026-04-22 10:11:00|2627|PC01|DEMO|%1"_s.arg(guion.toUtf8().size())});
}

TEST_P(SentenciasTest, UsuariosSeBuscanPorNombreYSistemaSinMayusculas) {
    const QStringList campos = {u"NOMBRE"_s, u"PassWord"_s, u"Administrador"_s};
    auto decodificada = [&](const QString& sql) {
        const QStringList f = filas(sql, campos);
        return f.isEmpty()
                   ? u"<ninguna>"_s
                   : f.first().section(u'|', 0, 0) + u'|' + decodificar(f.first().section(u'|', 1, 1)) +
                         u'|' + f.first().section(u'|', 2, 2);
    };
    const struct {
        QString sql;
        QString esperado;
    } casos[] = {
        {u"Select * from ta_usuarios  with(nolock)  where Nombre = 'demo'"_s, u"DEMO|demo|Falso"_s},
        {u"SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'Demo' AND (SISTEMA = 'rb512pr' OR SISTEMA = 'DUNO')"_s,
         u"DEMO|demo|Falso"_s},
        {u"SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'jefe' AND (SISTEMA = 'rb512pr' OR SISTEMA = 'DUNO')"_s,
         u"JEFE|jefe|Verdadero"_s},
        {u"SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'OTRO' AND (SISTEMA = 'rb512pr' OR SISTEMA = 'DUNO')"_s,
         u"<ninguna>"_s},
        {u"SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'DEMO' AND SISTEMA =  'TOLMEK' "_s, u"<ninguna>"_s},
        {u"SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'otro' AND SISTEMA =  'TOLMEK' "_s, u"OTRO|demo|Falso"_s},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(decodificada(caso.sql), caso.esperado) << caso.sql.toStdString();

    Recordset rs;
    rs.Open(u"Select * from ta_usuarios  with(nolock)  where Nombre = 'DEMO'"_s, m_cn);
    EXPECT_EQ(rs.Fields(u"Administrador"_s).Value(), Variant(false));
    EXPECT_EQ(rs.Fields(u"verproforma"_s).Value(), Variant(true));
    EXPECT_EQ(rs.Fields(u"UNegocio"_s).Value(), Variant(u"   1"_s));
    EXPECT_EQ(filas(u"SELECT * FROM v_ta_unidadNegocio with(nolock) WHERE codigo = '   1'"_s,
                    {u"razon_social"_s, u"Cuit"_s, u"PDV"_s}),
              QStringList{u"Distribuidora Los Andes S.A.|30712345679|0001 "_s});
}

TEST_P(SentenciasTest, TareaDelUsuarioSeEncuentraAunqueElNombreLlevaUnBlancoAlFinal) {
    const QString sql =
        "SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre " +
        QString(" FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave ") +
        " WHERE (TA_TAREAS.USUARIO = '" + u"DEMO"_s + " ') AND (TA_MENU.Proceso LIKE '%" + u"entrega"_s +
        "%')";
    EXPECT_EQ(filas(sql, {u"nombre"_s, u"clave"_s}), QStringList{u"Entrega de Mercaderia|ENT01"_s});
    QString otro = sql;
    otro.replace(u"'DEMO '"_s, u"'JEFE '"_s);
    EXPECT_TRUE(filas(otro, {u"nombre"_s}).isEmpty());
}

TEST_P(SentenciasTest, AjustesSeLeenEscribenYBorranPorClave) {
    const QStringList valor = {u"Valor"_s, u"ValorAux"_s};
    EXPECT_EQ(
        filas(u"SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'CFondo'"_s, valor),
        QStringList{u"16776960|aux"_s});
    EXPECT_EQ(filas(u"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'COLOR' AND "
                    "GRUPO ='pantalla'"_s,
                    valor),
              QStringList{u"azul|"_s});
    EXPECT_TRUE(filas(u"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'COLOR' AND "
                      "GRUPO ='DATOS'"_s,
                      valor)
                    .isEmpty());
    EXPECT_EQ(
        filas(u"SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA HASTA]'"_s,
              valor),
        QStringList{u"30/04/2026|<null>"_s});

    // Writing: an existing key is updated, a missing one added, a deleted one gone.
    auto grabar = [&](const QString& sql, const QString& clave, const Variant& v, bool borrar = false) {
        Recordset rs;
        rs.Open(sql, m_cn, adOpenDynamic, adLockOptimistic);
        if (rs.BOF())
            rs.AddNew();
        else if (borrar) {
            rs.Delete();
            return;
        }
        rs.Fields(u"Grupo"_s).setValue(u"DATOS"_s);
        rs.Fields(u"Clave"_s).setValue(clave);
        rs.Fields(u"Valor"_s).setValue(v);
        rs.Fields(u"PoliticaNegocio"_s).setValue(false);
        rs.Update();
    };
    grabar(u"SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'CFondo'"_s, u"CFONDO"_s,
           Variant(std::int32_t{16774118}));
    grabar(u"SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'CLetra'"_s, u"CLETRA"_s,
           Variant(std::int32_t{0}));
    grabar(u"SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'COLOR' AND GRUPO = 'PANTALLA'"_s,
           u"COLOR"_s, Variant(), true);
    EXPECT_EQ(BaseDePrueba(archivo()).filas(
                  u"SELECT CLAVE, GRUPO, VALOR, VALORAUX FROM TA_CONFIGURACION ORDER BY ID"_s),
              QStringList({u"CFONDO|DATOS|16774118|aux"_s, u"[FECHA HASTA]|DATOS|30/04/2026|<null>"_s,
                           u"CLETRA|DATOS|0|<null>"_s}));

    // A setting without key is refused as a constraint conflict.
    EXPECT_EQ(nativosDeUnRechazo([&] {
                  grabar(u"SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = ''"_s, u""_s,
                         Variant(u"x"_s));
              }).value(0),
              547);

    // The server's clock, to the second.
    Recordset reloj;
    const QDateTime antes = QDateTime::currentDateTime().addSecs(-1);
    reloj.Open(u"select  getDate() as fecha"_s, m_cn);
    const Variant ahora = reloj.Fields(u"fecha"_s).Value();
    ASSERT_EQ(ahora.tipo(), Variant::Tipo::Date);
    EXPECT_GE(fecha::aMomento(ahora.aFecha()), antes);
    EXPECT_LE(fecha::aMomento(ahora.aFecha()), QDateTime::currentDateTime().addSecs(1));
}

TEST_P(SentenciasTest, TiempoDeEsperaSeLeeYSeCreaEnLaBaseDeEstadisticas) {
    Connection estadisticas;
    estadisticas.Open(cadena(admin::baseEstadisticas));
    const QString lectura =
        u"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'"_s;
    EXPECT_TRUE(filas(lectura, {u"Valor"_s}, estadisticas).isEmpty());

    Recordset rs;
    rs.Open(u"SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'"_s, estadisticas,
            adOpenDynamic, adLockOptimistic);
    ASSERT_TRUE(rs.BOF());
    rs.AddNew();
    rs.Fields(u"Grupo"_s).setValue(u"BaseDeDatos"_s);
    rs.Fields(u"Clave"_s).setValue(u"TIMEOUT"_s);
    rs.Fields(u"Valor"_s).setValue(Variant::entero(0));
    rs.Fields(u"PoliticaNegocio"_s).setValue(false);
    rs.Update();
    EXPECT_EQ(filas(lectura, {u"Valor"_s, u"ValorAux"_s}, estadisticas), QStringList{u"0|<null>"_s});
    EXPECT_EQ(BaseDePrueba(archivo(admin::baseTrabajo))
                  .valor(u"SELECT count(*) FROM TA_CONFIGURACION WHERE "
                         "CLAVE = 'TIMEOUT'"_s),
              u"0"_s)
        << "written to the statistics database only";
}

INSTANTIATE_TEST_SUITE_P(Motores, SentenciasTest, testing::Values(Motor::Embebido, Motor::Odbc),
                         [](const testing::TestParamInfo<Motor>& motor) {
                             return motor.param == Motor::Odbc ? "Odbc" : "Embebido";
                         });

} // namespace
