// The client's own statements, as it writes them, on a database made from the shipped embedded schema.
#include "BaseDePrueba.h"
#include "Impresion.h"
#include "ado/Recordset.h"
#include "core/Fecha.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace entrega;
using namespace entrega::ado;
using namespace Qt::StringLiterals;

namespace {

QString esquemaYDatos() {
    QFile archivo(QStringLiteral(ENTREGA_ESQUEMA));
    if (!archivo.open(QIODevice::ReadOnly))
        throw std::runtime_error("embedded schema not found");
    return QString::fromUtf8(archivo.readAll()) + uR"(
INSERT INTO v_mv_cpte (tc, idcomprobante, fecha, FECHAENTREGA, nombre, Domicilio, Localidad) VALUES
    ('FA', '000100001234A', '2026-04-20 09:00:00', NULL, 'Ana', 'Calle 1', 'Centro'),
    ('RM', '000100000001R', '2026-04-20 09:00:00', '2026-04-22 00:00:00', 'Luis', NULL, 'Sur'),
    ('RM', '000100000002R', '2026-04-20 09:00:00', '2026-04-22 23:59:59', 'Eva', 'Calle 2', 'Sur'),
    ('RM', '000100000003R', '2026-04-20 09:00:00', '2026-04-23 00:00:00', 'Otro dia', NULL, NULL),
    ('FA', '000100000004A', '2026-04-20 09:00:00', '2026-04-22 12:00:00', 'Otra clase', NULL, NULL);
INSERT INTO V_MV_STOCK (tc, idcomprobante, IDCOMPLEMENTO, Renglon, IdArticulo, Cantidad)
    VALUES ('FA', '000100001234A', 5, 1, 'ART1', 2);
INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, PassWord) VALUES ('ana', 'rb512pr', 'x');
INSERT INTO TA_MENU VALUES ('T1', 'c:\suite\entrega.exe', 'Entregas');
INSERT INTO TA_TAREAS VALUES ('ana', 'T1');
INSERT INTO TA_CONFIGURACION (CLAVE, GRUPO, VALOR) VALUES ('FECHADIA', 'DATOS', 'SI');
)"_s;
}

class SentenciasDelCliente : public testing::Test {
  protected:
    SentenciasDelCliente() : m_base(esquemaYDatos(), u"ENTREGA"_s) { m_cn.Open(m_base.cadena(u"ENTREGA"_s)); }

    QStringList columna(const QString& sql, const QString& campo) {
        Recordset rs;
        rs.Open(sql, m_cn);
        QStringList valores;
        for (; !rs.EOF(); rs.MoveNext())
            valores.append(rs.Fields(campo).Value().esNulo() ? u"<null>"_s
                                                             : rs.Fields(campo).Value().aTexto());
        return valores;
    }

    prueba::BaseDePrueba m_base;
    Connection m_cn;
};

TEST_F(SentenciasDelCliente, ListaDelDiaConSusLimites) {
    EXPECT_EQ(
        columna(u"Select * from v_mv_cpte where tc='RM' and (fechaentrega > = '22/04/2026 00:00:00' and "
                u"fechaentrega <='22/04/2026 23:59:59')"_s,
                u"IdComprobante"_s),
        QStringList({u"000100000001R"_s, u"000100000002R"_s}));
}

TEST_F(SentenciasDelCliente, EntregaDeUnComprobanteEntero) {
    Recordset rs;
    rs.Open(u"select * from v_mv_Cpte where tc='FA' and idcomprobante = '000100001234A'"_s, m_cn,
            adOpenDynamic, adLockOptimistic);
    ASSERT_FALSE(rs.BOF());
    ASSERT_TRUE(rs.Fields(u"FECHAENTREGA"_s).Value().esNulo());
    rs.Fields(u"FECHAENTREGA"_s).setValue(Variant::fecha(fecha::desde(QDate(2026, 4, 22), QTime(10, 30))));
    rs.Update();
    EXPECT_EQ(m_base.valor(u"select FECHAENTREGA from v_mv_cpte where idcomprobante = '000100001234A'"_s,
                           u"ENTREGA"_s),
              u"2026-04-22 10:30:00"_s);
    EXPECT_EQ(m_cn.errores().Count(), 0);
}

TEST_F(SentenciasDelCliente, EntregaDeUnaParte) {
    const QString parte = u"tc='FA' and sucursal+numero+letra = '000100001234A' AND IDCOMPLEMENTO='5'"_s;
    EXPECT_EQ(columna(u"SELECT * FROM V_MV_STOCK WHERE tc='FA' and idcomprobante = '000100001234A' AND "
                      u"IDCOMPLEMENTO='5'"_s,
                      u"IdArticulo"_s),
              QStringList{u"ART1"_s});
    EXPECT_TRUE(columna(u"select * from V_MV_CTROL_CPTE where "_s + parte, u"USUARIO"_s).isEmpty());

    const QString alta =
        u"INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA,IDCOMPLEMENTO,USUARIO,FechaEnvioMail) "
        u" VALUES ('FA', '0001','00001234','A','5','ana','22/04/2026 10:30:00')"_s;
    long long filas = 0;
    m_cn.Execute(alta, &filas);
    EXPECT_EQ(filas, 1);
    EXPECT_EQ(columna(u"select * from V_MV_CTROL_CPTE where "_s + parte, u"fechaenviomail"_s),
              QStringList{u"22/04/2026 10:30:00"_s});

    EXPECT_THROW(m_cn.Execute(alta), Falla); // the same part twice
    EXPECT_EQ(m_cn.errores().Item(0).nativo, 2627);
}

TEST_F(SentenciasDelCliente, RastroDeAcciones) {
    m_cn.Execute(
        u" INSERT INTO V_MV_CPTEACCIONES (TC,IdComprobante,IdComplemento,Tipo_accion,FECHAHORA,Usuario,PC,"
        u"SYSTEMUSER,Proceso,ProcesoLote,Cuenta) VALUES ('    ','',0,'A','22/04/2026 10:30:00','ana','PC1',"
        u"'Intento de inicio de sesion fallido','entrega ','','')"_s);
    EXPECT_EQ(m_base.valor(u"select FECHAHORA || '|' || TC || '|' || Proceso from V_MV_CPTEACCIONES"_s,
                           u"ENTREGA"_s),
              u"2026-04-22 10:30:00|    |entrega "_s);
}

TEST_F(SentenciasDelCliente, GuionConTransaccionYTablaDeErrores) {
    m_cn.Execute(
        u"BEGIN TRANSACTION \r\r\rINSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,"
        u"NombreUsuario) VALUES ('PC1','ana','entrega','Entregas','22/04/26 10:30','ana')\r"_s);
    m_cn.Execute(u"COMMIT TRANSACTION"_s);
    EXPECT_EQ(m_base.valor(u"select Ingreso from Control_Acceso"_s, u"ENTREGA"_s), u"2026-04-22 10:30:00"_s);

    Recordset rs;
    rs.Open(u"select  top 1 * from AUX_ERR  with(nolock) "_s, m_cn, adOpenDynamic, adLockOptimistic);
    rs.AddNew();
    rs.Fields(u"Proceso"_s).setValue(Variant(u"entrega"_s));
    rs.Fields(u"fecha"_s).setValue(Variant(u"22/04/26 10:31"_s));
    rs.Fields(u"Error"_s).setValue(Variant(std::int32_t(2627)));
    rs.Fields(u"Descripcion"_s).setValue(Variant(u"2627 : Violation of PRIMARY KEY constraint"_s));
    rs.Fields(u"Sql"_s).setValue(Variant(u"BEGIN TRANSACTION \r\r\rINSERT ... 'O''Brien'\r"_s));
    rs.Fields(u"PC"_s).setValue(Variant(u"PC1"_s));
    rs.Fields(u"Usuario"_s).setValue(Variant(u"ana"_s));
    rs.Update();
    EXPECT_EQ(m_base.valor(u"select fecha || '|' || Error || '|' || Sql from AUX_ERR"_s, u"ENTREGA"_s),
              u"2026-04-22 10:31:00|2627|BEGIN TRANSACTION \r\r\rINSERT ... 'O''Brien'\r"_s);
}

TEST_F(SentenciasDelCliente, Configuracion) {
    EXPECT_EQ(
        columna(u"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'fechadia'"_s,
                u"Valor"_s),
        QStringList{u"SI"_s});
    {
        Recordset rs;
        rs.Open(u"SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'CFONDO'"_s, m_cn, adOpenDynamic,
                adLockOptimistic);
        ASSERT_TRUE(rs.BOF());
        rs.AddNew();
        rs.Fields(u"Clave"_s).setValue(Variant(u"CFONDO"_s));
        rs.Fields(u"Valor"_s).setValue(Variant(std::int32_t(16774118)));
        rs.Fields(u"Grupo"_s).setValue(Variant(u"DATOS"_s));
        rs.Update();
    }
    {
        Recordset rs;
        rs.Open(u"SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'CFONDO' AND GRUPO = 'datos'"_s,
                m_cn, adOpenDynamic, adLockOptimistic);
        ASSERT_FALSE(rs.EOF());
        rs.Fields(u"valoraux"_s).setValue(Variant(u"aux"_s));
        rs.Update();
        rs.Delete();
        rs.Update();
    }
    EXPECT_EQ(m_base.valor(u"select count(*) from TA_CONFIGURACION"_s, u"ENTREGA"_s), u"1"_s);

    Recordset hoy;
    hoy.Open(u"select  getDate() as fecha"_s, m_cn);
    EXPECT_EQ(hoy.Fields(u"fecha"_s).Value().tipo(), Variant::Tipo::Date);
}

TEST_F(SentenciasDelCliente, UsuarioYTareas) {
    EXPECT_EQ(columna(u"Select * from ta_usuarios  with(nolock)  where Nombre = 'ANA'"_s, u"PassWord"_s),
              QStringList{u"x"_s});
    EXPECT_EQ(
        columna(
            u"SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'Ana' AND (SISTEMA = 'rb512pr' OR SISTEMA = 'DUNO')"_s,
            u"nombre"_s),
        QStringList{u"ana"_s});
    EXPECT_TRUE(
        columna(u"SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'ana' AND SISTEMA =  'TOLMEK' "_s, u"nombre"_s)
            .isEmpty());
    EXPECT_EQ(
        columna(
            u"SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS  "
            u"with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO "
            u"= 'ana ') AND (TA_MENU.Proceso LIKE '%ENTREGA%')"_s,
            u"Nombre"_s),
        QStringList{u"Entregas"_s});
}

} // namespace
