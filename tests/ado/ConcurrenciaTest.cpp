// Two counters on one database file: two processes through optimistic result sets, and two connections
// sharing the file under WAL with the busy time-out.
#include "BaseDePrueba.h"
#include "Impresion.h"
#include "ado/Recordset.h"
#include "core/Fecha.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <thread>

using namespace entrega;
using namespace entrega::ado;
using namespace Qt::StringLiterals;

namespace {

const QString esquema = uR"(
CREATE TABLE Cpte (tc VARCHAR(4) NOT NULL, id VARCHAR(13) NOT NULL, entrega DATETIME, nombre VARCHAR(20),
                   PRIMARY KEY (tc, id));
INSERT INTO Cpte VALUES ('FA', '000100001234A', NULL, 'Ana');
)"_s;
const QString voucher = u"select * from Cpte where tc='FA' and id = '000100001234A'"_s;
const char* const variableHijo = "ENTREGA_ADO_SEGUNDO_PROCESO";

QString cadena(const QString& carpeta) {
    return u"Provider=SQLite;Data Source=%1;Database=Ventas"_s.arg(carpeta);
}

void marcar(const QString& ruta, const QByteArray& texto = {}) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(texto);
}

bool esperarMarca(const QString& ruta) {
    QElapsedTimer reloj;
    reloj.start();
    while (!QFile::exists(ruta)) {
        if (reloj.elapsed() > 20000)
            return false;
        QThread::msleep(5);
    }
    return true;
}

double momento(int hora) {
    return fecha::desde(QDate(2026, 4, 22), QTime(hora, 0));
}

// The first counter reads the voucher, waits until the second has read it too, delivers it, and lets the
// second try: the second finds the row changed and writes nothing.
TEST(DosProcesos, SoloUnoEntregaElComprobante) {
    prueba::BaseDePrueba base(esquema);
    const QDir carpeta(base.carpeta());
    Connection cn;
    cn.Open(base.cadena());
    Recordset rs;
    rs.Open(voucher, cn, adOpenDynamic, adLockOptimistic);
    ASSERT_TRUE(rs.Fields(u"entrega"_s).Value().esNulo());

    QProcess segundo;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QString::fromLatin1(variableHijo), base.carpeta());
    segundo.setProcessEnvironment(entorno);
    segundo.setProcessChannelMode(QProcess::MergedChannels);
    segundo.start(QCoreApplication::applicationFilePath(), {u"--gtest_filter=DosProcesos.SegundoPuesto"_s});
    ASSERT_TRUE(segundo.waitForStarted());
    ASSERT_TRUE(esperarMarca(carpeta.filePath(u"leido"_s)));

    rs.Fields(u"entrega"_s).setValue(Variant::fecha(momento(10)));
    rs.Update();
    marcar(carpeta.filePath(u"entregado"_s));

    ASSERT_TRUE(segundo.waitForFinished(30000));
    const QString salida = QString::fromLocal8Bit(segundo.readAll());
    EXPECT_EQ(segundo.exitCode(), 0) << salida.toStdString();
    EXPECT_TRUE(salida.contains(u"[       OK ] DosProcesos.SegundoPuesto"_s)) << salida.toStdString();
    EXPECT_EQ(base.valor(u"select entrega from Cpte"_s), u"2026-04-22 10:00:00"_s);
}

// The second process of the test above.
TEST(DosProcesos, SegundoPuesto) {
    const QString carpeta = qEnvironmentVariable(variableHijo);
    if (carpeta.isEmpty())
        GTEST_SKIP() << "runs as the second process of DosProcesos.SoloUnoEntregaElComprobante";
    Connection cn;
    cn.Open(cadena(carpeta));
    Recordset rs;
    rs.Open(voucher, cn, adOpenDynamic, adLockOptimistic);
    ASSERT_TRUE(rs.Fields(u"entrega"_s).Value().esNulo());
    marcar(QDir(carpeta).filePath(u"leido"_s));
    ASSERT_TRUE(esperarMarca(QDir(carpeta).filePath(u"entregado"_s)));

    rs.Fields(u"entrega"_s).setValue(Variant::fecha(momento(11)));
    try {
        rs.Update();
        FAIL() << "the second counter delivered the voucher again";
    } catch (const Falla& f) {
        EXPECT_EQ(f.numero(), fallas::FilaNoLocalizada);
    }
    EXPECT_EQ(cn.errores().Count(), 1);
}

TEST(DosConexiones, ElLectorNoEsperaYElEscritorEsperaSuTurno) {
    prueba::BaseDePrueba base(esquema);
    Connection a, b;
    a.Open(base.cadena());
    b.Open(base.cadena());
    b.setCommandTimeout(1);
    const auto nombre = [&](Connection& cn) {
        Recordset rs;
        rs.Open(u"select nombre from Cpte"_s, cn);
        return rs.Fields(0).Value().aTexto();
    };

    a.Execute(u"BEGIN TRANSACTION\rupdate Cpte set nombre = 'A'"_s);
    EXPECT_EQ(nombre(b), u"Ana"_s); // the last committed row, at once

    QElapsedTimer reloj;
    reloj.start();
    try {
        b.Execute(u"update Cpte set nombre = 'B'"_s);
        FAIL() << "wrote while the other connection held the file";
    } catch (const Falla& f) {
        EXPECT_EQ(f.numero(), fallas::TiempoAgotado);
    }
    EXPECT_GE(reloj.elapsed(), 900);
    a.Execute(u"COMMIT TRANSACTION"_s);
    EXPECT_EQ(nombre(b), u"A"_s);

    // Without a limit the writer waits until the other commits.
    b.setCommandTimeout(0);
    a.Execute(u"BEGIN TRANSACTION\rupdate Cpte set nombre = 'A2'"_s);
    std::thread otro([&] {
        QThread::msleep(300);
        a.Execute(u"COMMIT TRANSACTION"_s);
    });
    reloj.restart();
    b.Execute(u"update Cpte set nombre = nombre + 'B'"_s);
    otro.join();
    EXPECT_GE(reloj.elapsed(), 250);
    EXPECT_EQ(base.valor(u"select nombre from Cpte"_s), u"A2B"_s);
}

// A list still being read does not keep its connection from writing after another process wrote: the
// connection first reads the rest of the list.
TEST(DosConexiones, UnaListaAbiertaNoImpideEscribir) {
    prueba::BaseDePrueba base(esquema + u"INSERT INTO Cpte VALUES ('FA', '2', NULL, 'Eva');"_s);
    Connection a, b;
    a.Open(base.cadena());
    b.Open(base.cadena());
    b.setCommandTimeout(1);
    Recordset rs;
    rs.Open(u"select nombre from Cpte order by id"_s, b);
    ASSERT_EQ(rs.Fields(0).Value(), Variant(u"Ana"_s));

    a.Execute(u"update Cpte set nombre = 'A'"_s);
    b.Execute(u"update Cpte set nombre = nombre + 'B' where id = '2'"_s);
    EXPECT_EQ(base.valor(u"select group_concat(nombre) from (select nombre from Cpte order by id)"_s),
              u"A,AB"_s);

    EXPECT_EQ(rs.Fields(u"NOMBRE"_s).Value(), Variant(u"Ana"_s)); // the rows as the list read them
    rs.MoveNext();
    EXPECT_EQ(rs.Fields(0).Value(), Variant(u"Eva"_s));
    rs.MoveNext();
    EXPECT_TRUE(rs.EOF());
    rs.MoveFirst(); // runs the query again
    EXPECT_EQ(rs.Fields(0).Value(), Variant(u"A"_s));
}

TEST(DosConexiones, LaListaSobreviveASuConexion) {
    prueba::BaseDePrueba base(esquema);
    Recordset rs;
    {
        Connection cn;
        cn.Open(base.cadena());
        rs.Open(u"select nombre from Cpte"_s, cn);
    }
    EXPECT_EQ(rs.State(), adStateClosed);
}

} // namespace
