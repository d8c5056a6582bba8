// entrega-admin as the operator runs it, and the databases it leaves behind.
#include "BaseDePrueba.h"
#include "app/admin/Bases.h"
#include "app/admin/Demo.h"
#include "companion/Codificacion.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace entrega::admin;

namespace {

struct Corrida {
    int codigo = -1;
    QString salida;
    QString errores;
};

Corrida correr(const QStringList& argumentos) {
    QProcess proceso;
    proceso.start(QStringLiteral(ENTREGA_ADMIN), argumentos);
    EXPECT_TRUE(proceso.waitForFinished(60000));
    return {proceso.exitCode(), QString::fromLocal8Bit(proceso.readAllStandardOutput()),
            QString::fromLocal8Bit(proceso.readAllStandardError())};
}

QString trabajo(const QTemporaryDir& dir) {
    return archivoBase(dir.path(), baseTrabajo);
}
QString estadisticas(const QTemporaryDir& dir) {
    return archivoBase(dir.path(), baseEstadisticas);
}

const QStringList tablasDeTrabajo = {u"v_mv_cpte"_qs,         u"V_MV_STOCK"_qs,        u"V_MV_CTROL_CPTE"_qs,
                                     u"V_MV_CPTEACCIONES"_qs, u"AUX_ERR"_qs,           u"TA_CONFIGURACION"_qs,
                                     u"TA_USUARIOS"_qs,       u"TA_MENU"_qs,           u"TA_TAREAS"_qs,
                                     u"Control_Acceso"_qs,    u"v_ta_unidadNegocio"_qs};

} // namespace

TEST(EntregaAdmin, InitCreaLasDosBasesVacias) {
    QTemporaryDir dir;
    const Corrida r = correr({u"init"_qs, dir.filePath(u"datos"_qs)});
    ASSERT_EQ(r.codigo, 0) << r.errores.toStdString();
    EXPECT_TRUE(r.salida.contains(u"ENTREGA.sqlite"_qs));

    BaseDePrueba base(archivoBase(dir.filePath(u"datos"_qs), baseTrabajo));
    EXPECT_EQ(base.valor(u"PRAGMA journal_mode"_qs), u"wal"_qs);
    for (const QString& tabla : tablasDeTrabajo)
        EXPECT_EQ(base.valor(u"SELECT count(*) FROM "_qs + tabla), u"0"_qs) << tabla.toStdString();
    BaseDePrueba otra(archivoBase(dir.filePath(u"datos"_qs), baseEstadisticas));
    EXPECT_EQ(otra.valor(u"SELECT count(*) FROM TA_CONFIGURACION"_qs), u"0"_qs);
}

// What the schema itself guarantees, whatever program writes to it.
TEST(EntregaAdmin, ElEsquemaComparaSinMayusculasYCuidaFechasPartesYClaves) {
    QTemporaryDir dir;
    crearBasesVacias(dir.path(), false);
    BaseDePrueba base(trabajo(dir));
    ASSERT_EQ(base.ejecutar(u"INSERT INTO v_mv_cpte (tc, idcomprobante, fecha) "
                            "VALUES ('rm', '000100001234a', '2026-04-22 00:00:00')"_qs),
              SQLITE_OK);
    EXPECT_EQ(
        base.valor(u"SELECT count(*) FROM v_mv_cpte WHERE tc='RM' AND idcomprobante='000100001234A'"_qs),
        u"1"_qs);

    const QString parte =
        u"INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA,IDCOMPLEMENTO,USUARIO,FechaEnvioMail)"
        " VALUES ('RM', '0001','00001234','A','5','DEMO','2026-04-22 10:11:12')"_qs;
    ASSERT_EQ(base.ejecutar(parte), SQLITE_OK);
    EXPECT_EQ(base.valor(u"SELECT USUARIO FROM V_MV_CTROL_CPTE WHERE tc='RM' AND "
                         "sucursal||numero||letra = '000100001234A' AND IDCOMPLEMENTO='5'"_qs),
              u"DEMO"_qs);

    const struct {
        const char* caso;
        QString sql;
        int esperado;
    } rechazos[] = {
        {"the same part twice", parte, SQLITE_CONSTRAINT_UNIQUE},
        {"a part of a voucher that does not exist",
         u"INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA,IDCOMPLEMENTO) VALUES ('RM','0001','00009999','A',5)"_qs,
         SQLITE_CONSTRAINT_FOREIGNKEY},
        {"a date not in the stored form", u"UPDATE v_mv_cpte SET FECHAENTREGA = '22/04/2026 10:11:12'"_qs,
         SQLITE_CONSTRAINT_CHECK},
        {"a date without its time", u"UPDATE v_mv_cpte SET FECHAENTREGA = '2026-04-22'"_qs,
         SQLITE_CONSTRAINT_CHECK},
        {"a setting without key", u"INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('  ', 'x')"_qs,
         SQLITE_CONSTRAINT_CHECK},
        {"the same voucher twice",
         u"INSERT INTO v_mv_cpte (tc, idcomprobante, fecha) VALUES ('RM', '000100001234A', '2026-04-22 00:00:00')"_qs,
         SQLITE_CONSTRAINT_PRIMARYKEY},
    };
    for (const auto& r : rechazos)
        EXPECT_EQ(base.ejecutar(r.sql), r.esperado) << r.caso;
    EXPECT_EQ(base.valor(u"SELECT count(*) FROM V_MV_CTROL_CPTE"_qs), u"1"_qs);
}

TEST(EntregaAdmin, InitNoReemplazaBasesExistentesSalvoQueSeLoPidan) {
    QTemporaryDir dir;
    ASSERT_EQ(correr({u"init"_qs, dir.path()}).codigo, 0);
    BaseDePrueba(trabajo(dir))
        .ejecutar(u"INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('MARCA', 'x')"_qs);

    const Corrida otra = correr({u"init"_qs, dir.path()});
    EXPECT_EQ(otra.codigo, 1);
    EXPECT_TRUE(otra.errores.contains(u"ya existe"_qs)) << otra.errores.toStdString();
    EXPECT_EQ(BaseDePrueba(trabajo(dir)).valor(u"SELECT count(*) FROM TA_CONFIGURACION"_qs), u"1"_qs);

    // Only the statistics database there: still refused, and the working one is not made.
    QFile::remove(trabajo(dir));
    EXPECT_EQ(correr({u"init"_qs, dir.path()}).codigo, 1);
    EXPECT_FALSE(QFile::exists(trabajo(dir)));

    EXPECT_EQ(correr({u"init"_qs, dir.path(), u"--force"_qs}).codigo, 0);
    EXPECT_EQ(BaseDePrueba(trabajo(dir)).valor(u"SELECT count(*) FROM TA_CONFIGURACION"_qs), u"0"_qs);
}

TEST(EntregaAdmin, ArgumentosQueNoHacenUnaDemoSeRechazanSinDejarArchivos) {
    const QStringList casos[] = {
        {u"demo"_qs, u"--vouchers"_qs, u"5"_qs, u"--today"_qs, u"6"_qs},
        {u"demo"_qs, u"--vouchers"_qs, u"0"_qs},
        {u"demo"_qs, u"--vouchers"_qs, u"muchos"_qs},
        {u"demo"_qs, u"--today"_qs},
        {u"demo"_qs, u"--bogus"_qs},
        {u"crear"_qs},
        {u"init"_qs},
    };
    for (const QStringList& caso : casos) {
        QTemporaryDir dir;
        QStringList argumentos = caso;
        if (caso.size() > 1 || caso.first() == u"crear"_qs)
            argumentos.insert(1, dir.path());
        const Corrida r = correr(argumentos);
        EXPECT_EQ(r.codigo, 2) << argumentos.join(u' ').toStdString();
        EXPECT_TRUE(r.errores.contains(u"uso:"_qs));
        EXPECT_FALSE(QFile::exists(trabajo(dir)));
        EXPECT_FALSE(QFile::exists(estadisticas(dir)));
    }
}

TEST(EntregaAdmin, DemoDejaLosRemitosEntregadosHoyYAlOperadorListoParaEntrar) {
    QTemporaryDir dir;
    const QDateTime antes = QDateTime::currentDateTime();
    const Corrida r = correr({u"demo"_qs, dir.path(), u"--vouchers"_qs, u"400"_qs, u"--today"_qs, u"6"_qs});
    const QDateTime despues = QDateTime::currentDateTime();
    ASSERT_EQ(r.codigo, 0) << r.errores.toStdString();
    if (antes.date() != despues.date())
        GTEST_SKIP() << "ran across midnight";
    EXPECT_TRUE(r.salida.contains(u"\"@Server=local;@DbName=ENTREGA;@Usuario=DEMO;@Password=demo;"_qs))
        << r.salida.toStdString();

    BaseDePrueba base(trabajo(dir));
    const QString dia = antes.date().toString(u"yyyy-MM-dd"_qs);
    const QStringList entregados =
        base.filas(u"SELECT FECHAENTREGA FROM v_mv_cpte WHERE tc='RM' AND "
                   "(fechaentrega >= '%1 00:00:00' AND fechaentrega <= '%1 23:59:59')"_qs.arg(dia));
    EXPECT_EQ(entregados.size(), 6);
    EXPECT_EQ(QSet<QString>(entregados.begin(), entregados.end()).size(), 6) << "at various times";
    EXPECT_LE(base.valor(u"SELECT max(FECHAENTREGA) FROM v_mv_cpte"_qs),
              despues.toString(u"yyyy-MM-dd HH:mm:ss"_qs));
    EXPECT_NE(
        base.valor(
            u"SELECT count(*) FROM v_mv_cpte WHERE tc='RM' AND fecha >= '%1' AND FECHAENTREGA IS NULL"_qs.arg(
                dia)),
        u"0"_qs)
        << "today's vouchers waiting for delivery";

    EXPECT_EQ(base.valor(u"SELECT count(*) FROM v_mv_cpte"_qs), u"400"_qs);
    EXPECT_EQ(base.valor(u"SELECT count(DISTINCT tc) FROM v_mv_cpte"_qs), u"5"_qs);
    EXPECT_GT(
        base.valor(u"SELECT julianday(max(fecha)) - julianday(min(fecha)) FROM v_mv_cpte"_qs).toDouble(), 28);
    EXPECT_EQ(base.filas(u"SELECT DISTINCT IDCOMPLEMENTO FROM V_MV_STOCK WHERE IDCOMPLEMENTO IN (0, 5, 10) "
                         "ORDER BY 1"_qs),
              QStringList({u"0"_qs, u"5"_qs, u"10"_qs}));
    EXPECT_NE(base.valor(u"SELECT count(*) FROM V_MV_CTROL_CPTE"_qs), u"0"_qs);
    EXPECT_TRUE(base.filas(u"PRAGMA foreign_key_check"_qs).isEmpty());

    // The operator signs in with the plain password; the table keeps it encoded.
    const QString clave = base.valor(u"SELECT PassWord FROM TA_USUARIOS WHERE NOMBRE = 'demo' AND "
                                     "(SISTEMA = 'rb512pr' OR SISTEMA = 'DUNO')"_qs);
    EXPECT_NE(clave, u"demo"_qs);
    EXPECT_EQ(entrega::decodificar(clave), u"demo"_qs);
    EXPECT_EQ(
        base.valor(u"SELECT TA_MENU.Nombre FROM TA_TAREAS INNER JOIN TA_MENU ON TA_TAREAS.TAREA = "
                   "TA_MENU.Clave WHERE TA_TAREAS.USUARIO = 'DEMO' AND TA_MENU.Proceso LIKE '%entrega%'"_qs),
        u"Entrega de Mercaderia"_qs);
    EXPECT_EQ(base.valor(u"SELECT razon_social FROM v_ta_unidadNegocio JOIN TA_USUARIOS ON codigo = UNegocio "
                         "WHERE NOMBRE = 'DEMO'"_qs),
              u"Distribuidora Los Andes S.A."_qs);
    EXPECT_EQ(base.valor(u"SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'utilizarfechadia'"_qs),
              u"NO"_qs);

    EXPECT_EQ(BaseDePrueba(estadisticas(dir))
                  .valor(u"SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'TimeOut'"_qs),
              u"30"_qs);
}

TEST(EntregaAdmin, LasEntregasDeHoyCaenEntreElComienzoDeLaJornadaYAhora) {
    const struct {
        QTime ahora;
        QString desde;
    } casos[] = {{QTime(10, 0), u"08:00:00"_qs}, {QTime(7, 15), u"00:00:00"_qs}};
    for (const auto& caso : casos) {
        QTemporaryDir dir;
        OpcionesDemo opciones;
        opciones.comprobantes = 60;
        opciones.entregadosHoy = 9;
        opciones.ahora = QDateTime(QDate(2026, 4, 22), caso.ahora);
        crearDemo(dir.path(), opciones);
        BaseDePrueba base(trabajo(dir));
        const QStringList horas = base.filas(u"SELECT substr(FECHAENTREGA, 12) FROM v_mv_cpte WHERE "
                                             "FECHAENTREGA >= '2026-04-22' ORDER BY 1"_qs);
        ASSERT_EQ(horas.size(), 9);
        EXPECT_GE(horas.first(), caso.desde);
        EXPECT_LE(horas.last(), caso.ahora.toString(u"HH:mm:ss"_qs));
        EXPECT_EQ(
            base.valor(
                u"SELECT max(FECHAENTREGA) < '2026-04-22' FROM v_mv_cpte WHERE fecha < '2026-04-22'"_qs),
            u"1"_qs)
            << "earlier vouchers were delivered before today";
    }
}

// The client's searches go through an index, not through the whole table, even on a million vouchers.
TEST(EntregaAdmin, LasBusquedasDelClienteUsanSusIndices) {
    QTemporaryDir dir;
    OpcionesDemo opciones;
    opciones.comprobantes = 200;
    crearDemo(dir.path(), opciones);
    BaseDePrueba base(trabajo(dir));
    // Each plan must search by every column the query pins, not by a prefix of some other key.
    const struct {
        QString consulta;
        QString busqueda;
    } casos[] = {
        {u"Select * from v_mv_cpte where tc='RM' and (fechaentrega >= '2026-04-22 00:00:00' and "
         "fechaentrega <='2026-04-22 23:59:59')"_qs,
         u"(tc=? AND FECHAENTREGA>? AND FECHAENTREGA<?)"_qs},
        {u"select * from v_mv_Cpte where tc='RM' and idcomprobante = '000100000001R'"_qs,
         u"(tc=? AND idcomprobante=?)"_qs},
        {u"SELECT * FROM V_MV_STOCK WHERE tc='RM' and idcomprobante = '000100000001R' AND IDCOMPLEMENTO='5'"_qs,
         u"(tc=? AND idcomprobante=? AND IDCOMPLEMENTO=?)"_qs},
        {u"select * from V_MV_CTROL_CPTE where tc='RM' and sucursal||numero||letra = '000100000001R' AND "
         "IDCOMPLEMENTO='5'"_qs,
         u"(TC=? AND <expr>=? AND IDCOMPLEMENTO=?)"_qs},
        {u"SELECT VALOR, valoraux FROM ta_configuracion WHERE CLAVE = 'CFondo'"_qs, u"(CLAVE=?)"_qs},
        {u"Select * from ta_usuarios where Nombre = 'DEMO'"_qs, u"(NOMBRE=?)"_qs},
        {u"select * from v_ta_unidadNegocio where codigo = '   1'"_qs, u"(codigo=?)"_qs},
    };
    for (const auto& caso : casos) {
        const QString plan = base.plan(caso.consulta);
        EXPECT_TRUE(plan.startsWith(u"SEARCH"_qs) && plan.contains(u" USING "_qs) &&
                    !plan.contains(u"SCAN"_qs) && plan.endsWith(caso.busqueda))
            << caso.consulta.toStdString() << "\n"
            << plan.toStdString();
    }
}
