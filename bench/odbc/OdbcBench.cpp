// The day's list (2,000 delivered vouchers) fetched through the driver manager and the SQLite ODBC driver
// against the same through the embedded engine, on one SQLite file, side by side in the same iterations so
// that the ratio holds even on a busy machine.
#include "ado/Connection.h"
#include "ado/Recordset.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <sqlite3.h>

using namespace entrega;
using namespace entrega::ado;

namespace {

constexpr int Entregados = 2000;

void ejecutar(sqlite3* db, const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK)
        qFatal("%s", error);
}

// The working schema with the day's deliveries among as many vouchers of other days and types.
QString crearBase(const QTemporaryDir& carpeta) {
    const QString archivo = carpeta.filePath(QStringLiteral("ENTREGA.sqlite"));
    QFile esquema(QStringLiteral(ENTREGA_DB_DIR "/entrega.sql"));
    if (!esquema.open(QIODevice::ReadOnly))
        qFatal("no schema");
    sqlite3* db = nullptr;
    sqlite3_open(archivo.toUtf8().constData(), &db);
    ejecutar(db, QString::fromUtf8(esquema.readAll()));
    ejecutar(db, QStringLiteral("BEGIN"));
    for (int i = 0; i < 3 * Entregados; ++i) {
        const bool delDia = i % 3 == 0;
        ejecutar(db, QStringLiteral(
                         "INSERT INTO v_mv_cpte (tc, idcomprobante, fecha, FECHAENTREGA, Cuenta, nombre, "
                         "Domicilio, Localidad, idpalm, IdVendedor, IdDeposito, Total) VALUES ('%1', "
                         "'0001%2A', '2026-12-10 08:00:00', '2026-12-%3 %4', 'C%5', 'Cliente Nº %5', "
                         "'Calle Peña %5', 'Córdoba', 'Z1', 7, 1, %5.25)")
                         .arg(i % 2 ? QStringLiteral("RM") : QStringLiteral("FA"))
                         .arg(i, 8, 10, QChar(u'0'))
                         .arg(delDia ? 11 : 9, 2, 10, QChar(u'0'))
                         .arg(QStringLiteral("%1:%2:00")
                                  .arg(8 + i % 10, 2, 10, QChar(u'0'))
                                  .arg(i % 60, 2, 10, QChar(u'0')))
                         .arg(i));
    }
    ejecutar(db, QStringLiteral("UPDATE v_mv_cpte SET tc = 'RM' WHERE FECHAENTREGA LIKE '2026-12-11%'"));
    ejecutar(db, QStringLiteral("COMMIT"));
    sqlite3_close(db);
    return archivo;
}

void configurarOdbc(const QTemporaryDir& carpeta) {
    QFile ini(carpeta.filePath(QStringLiteral("odbcinst.ini")));
    ini.open(QIODevice::WriteOnly);
    ini.write("[SQLite3]\nDriver=" ENTREGA_SQLITE_ODBC "\n");
    ini.close();
    qputenv("ODBCSYSINI", carpeta.path().toLocal8Bit());
}

// What the list does: the query as the screen sends it, every field of every row read.
int leerLista(Connection& cn) {
    Recordset rs;
    rs.Open(QStringLiteral(
                "Select * from v_mv_cpte where tc='RM' and (fechaentrega > = '11/12/2026 00:00:00' and "
                "fechaentrega <='11/12/2026 23:59:59')"),
            cn);
    int filas = 0;
    while (!rs.EOF()) {
        for (int i = 0; i < rs.FieldCount(); ++i)
            benchmark::DoNotOptimize(rs.Fields(i).Value());
        ++filas;
        rs.MoveNext();
    }
    return filas;
}

template <typename F> double segundos(F trabajo) {
    const auto inicio = std::chrono::steady_clock::now();
    trabajo();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

void ListaDelDiaPorOdbcYEmbebido(benchmark::State& state) {
    QTemporaryDir carpeta;
    const QString archivo = crearBase(carpeta);
    configurarOdbc(carpeta);
    Connection embebido, porOdbc;
    embebido.Open(QStringLiteral("Provider=SQLite;Data Source=%1;Database=ENTREGA").arg(carpeta.path()));
    porOdbc.Open(QStringLiteral("Driver=SQLite3;Database=%1;").arg(archivo));
    if (leerLista(embebido) != Entregados || leerLista(porOdbc) != Entregados)
        state.SkipWithError("the day's list does not hold the day's deliveries");
    double tiempoOdbc = 0, tiempoEmbebido = 0;
    for (auto _ : state) {
        tiempoOdbc += segundos([&] { leerLista(porOdbc); });
        tiempoEmbebido += segundos([&] { leerLista(embebido); });
    }
    const double vueltas = static_cast<double>(state.iterations());
    state.counters["odbc_ms"] = tiempoOdbc / vueltas * 1e3;
    state.counters["embedded_ms"] = tiempoEmbebido / vueltas * 1e3;
    state.counters["ratio_odbc_to_embedded"] = tiempoOdbc / tiempoEmbebido;
}
BENCHMARK(ListaDelDiaPorOdbcYEmbebido)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
