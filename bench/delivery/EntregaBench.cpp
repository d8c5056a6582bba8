// One whole-voucher delivery, from the scanned key to the day's list reloaded (the confirmation answered
// Yes by the scripted dialogs), on a demo database of 1,000,000 vouchers against one of 10,000; both
// with 2,000 RM vouchers delivered today. Reports the ratio of the two and the statements sent per
// delivery. The databases are made once, outside the repository:
//   entrega-admin demo /tmp/entrega-bench/grande --vouchers 1000000 --today 2000
//   entrega-admin demo /tmp/entrega-bench/chica --vouchers 10000 --today 2000
// (ENTREGA_BENCH_GRANDE and ENTREGA_BENCH_CHICA name other folders). Every delivery is undone between
// iterations, outside the timing, so each one meets the same database.
#include "companion/Contexto.h"
#include "delivery/FrmEntregaMercaderia.h"
#include "dialogs/DialogosGuionados.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <sqlite3.h>

using namespace entrega;

namespace {

QString carpetaDe(const char* variable, const char* predeterminada) {
    const QString c = qEnvironmentVariable(variable);
    return c.isEmpty() ? QString::fromLatin1(predeterminada) : c;
}

// Straight on the file, outside the code under test.
QStringList consultar(const QString& archivo, const QString& sql) {
    QStringList filas;
    sqlite3* base = nullptr;
    sqlite3_stmt* s = nullptr;
    sqlite3_open(qUtf8Printable(archivo), &base);
    sqlite3_busy_timeout(base, 10000);
    if (sqlite3_prepare_v2(base, qUtf8Printable(sql), -1, &s, nullptr) == SQLITE_OK)
        while (sqlite3_step(s) == SQLITE_ROW)
            filas << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    else
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(base));
    sqlite3_finalize(s);
    sqlite3_close(base);
    return filas;
}

struct Medida {
    double segundosPorEntrega = 0;
    double sentenciasPorEntrega = 0;
};
std::map<std::string, Medida> medidas;

void Entrega(benchmark::State& state, const char* nombre, const char* variable, const char* carpeta) {
    const QString folder = carpetaDe(variable, carpeta);
    const QString archivo = QDir(folder).filePath(QStringLiteral("ENTREGA.sqlite"));
    if (!QFile::exists(archivo)) {
        state.SkipWithError("demo database missing; see the header of EntregaBench.cpp");
        return;
    }
    const QString id = consultar(archivo, QStringLiteral("SELECT idcomprobante FROM v_mv_cpte WHERE tc='RM' "
                                                         "AND FECHAENTREGA IS NULL LIMIT 1"))
                           .value(0);
    const QString hoy = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));

    DialogosGuionados dialogos;
    Contexto ctx(dialogos);
    ctx.carpetaPrograma = ctx.carpetaDatos = folder;
    ctx.UsuarioSistema = QStringLiteral("BANCO");
    ctx.sesion.Servidor = QStringLiteral("local");
    ctx.sesion.BaseDatos = QStringLiteral("ENTREGA");
    ctx.sesion.Conectar(false, 3, {}, true, true);
    FrmEntregaMercaderia pantalla(ctx);
    pantalla.Encolumnar(pantalla.findChild<QTreeWidget*>(QStringLiteral("ListView1")));
    pantalla.campo(QStringLiteral("FECHA"))->setText(hoy);
    QLineEdit* tipo = pantalla.campo(QStringLiteral("BTC"));

    double segundos = 0;
    long long sentencias = 0, entregas = 0;
    for (auto _ : state) {
        ctx.sesion.Conexion().traza().limpiar();
        dialogos.responder(respuesta::Si);
        QElapsedTimer reloj;
        reloj.start();
        tipo->setText(QStringLiteral("RM") + id);
        int tecla = Qt::Key_Return;
        pantalla.txtfields_KeyDown(0, tecla, Qt::NoModifier);
        segundos += reloj.nsecsElapsed() / 1e9;
        sentencias += ctx.sesion.Conexion().traza().items().size();
        ++entregas;

        state.PauseTiming();
        if (dialogos.vistos().size() != 1 || dialogos.inesperados() != 0)
            state.SkipWithError("the delivery did not go as expected");
        dialogos.olvidar();
        consultar(archivo, QStringLiteral("UPDATE v_mv_cpte SET FECHAENTREGA = NULL WHERE tc='RM' AND "
                                          "idcomprobante='%1'")
                               .arg(id));
        state.ResumeTiming();
    }
    const auto listados = pantalla.findChild<QTreeWidget*>(QStringLiteral("ListView1"))->topLevelItemCount();
    state.counters["listados"] = listados;
    state.counters["sentencias"] = entregas ? double(sentencias) / entregas : 0;
    if (entregas)
        medidas[nombre] = {segundos / entregas, double(sentencias) / entregas};
}

BENCHMARK_CAPTURE(Entrega, chica, "chica", "ENTREGA_BENCH_CHICA", "/tmp/entrega-bench/chica")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3);
BENCHMARK_CAPTURE(Entrega, grande, "grande", "ENTREGA_BENCH_GRANDE", "/tmp/entrega-bench/grande")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (medidas.count("chica") && medidas.count("grande")) {
        const Medida& chica = medidas["chica"];
        const Medida& grande = medidas["grande"];
        std::printf("delivery on 1,000,000 vouchers / on 10,000: %.2f (target at most 1.2)\n",
                    grande.segundosPorEntrega / chica.segundosPorEntrega);
        std::printf("statements per delivery: %.0f on 10,000, %.0f on 1,000,000\n",
                    chica.sentenciasPorEntrega, grande.sentenciasPorEntrega);
    }
    return 0;
}
