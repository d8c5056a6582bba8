// The day's delivery list: 2,000 rows of a 16-column voucher table read through a forward-only Recordset,
// every field by name, against the raw SQLite C API reading the same rows. Prints the ratio of the two.
#include "ado/Recordset.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <iostream>
#include <map>
#include <sqlite3.h>

using namespace entrega;
using namespace entrega::ado;
using namespace Qt::StringLiterals;

namespace {

const char* const esquema = R"(
CREATE TABLE v_mv_cpte (
    tc VARCHAR(4) NOT NULL, idcomprobante VARCHAR(13) NOT NULL, fecha DATETIME NOT NULL, FECHAENTREGA DATETIME,
    Cuenta VARCHAR(15), nombre VARCHAR(60), Domicilio VARCHAR(60), Localidad VARCHAR(40), idpalm VARCHAR(10),
    IdVendedor INT, FechaEstInicio DATETIME, IdDeposito SMALLINT, Total MONEY, Cantidad DECIMAL(18,4),
    Observaciones VARCHAR(100), Anulado BIT, PRIMARY KEY (tc, idcomprobante));
CREATE INDEX ix_entrega ON v_mv_cpte (tc, FECHAENTREGA);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 6000)
INSERT INTO v_mv_cpte SELECT
    CASE WHEN i % 3 = 0 THEN 'RM' ELSE 'FA' END, printf('%04d%08dA', i % 7, i),
    printf('2026-04-%02d %02d:%02d:00', 1 + i % 20, i % 24, i % 60),
    printf('2026-04-%02d %02d:%02d:%02d', CASE WHEN i % 3 = 0 THEN 22 ELSE 1 + i % 20 END, i % 24, i % 60, i % 60),
    printf('C%06d', i), printf('Cliente numero %d de la lista', i), printf('Calle %d nro %d', i % 300, i),
    'Localidad de prueba', printf('Z%02d', i % 40), i % 50, printf('2026-04-%02d 08:00:00', 1 + i % 25),
    i % 5, (i * 37 % 100000) / 100.0, (i % 1000) / 4.0, CASE WHEN i % 4 = 0 THEN NULL ELSE 'sin observaciones' END,
    i % 2
FROM n;
)";

const QString consulta =
    u"Select * from v_mv_cpte where tc='RM' and (fechaentrega > = '22/04/2026 00:00:00' and "
    u"fechaentrega <='22/04/2026 23:59:59')"_s;
const char* const consultaSqlite =
    "Select * from v_mv_cpte where tc='RM' and (fechaentrega >= '2026-04-22 00:00:00' "
    "and fechaentrega <='2026-04-22 23:59:59')";
const QStringList campos = {u"TC"_s,     u"IdComprobante"_s, u"fecha"_s,          u"FECHAENTREGA"_s,
                            u"Cuenta"_s, u"nombre"_s,        u"Domicilio"_s,      u"Localidad"_s,
                            u"idpalm"_s, u"IdVendedor"_s,    u"FechaEstInicio"_s, u"IdDeposito"_s,
                            u"Total"_s,  u"Cantidad"_s,      u"Observaciones"_s,  u"Anulado"_s};

struct Datos {
    QTemporaryDir carpeta;
    Datos() {
        sqlite3* db = nullptr;
        sqlite3_open(ruta().constData(), &db);
        sqlite3_exec(db, esquema, nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    QByteArray ruta() const { return QDir(carpeta.path()).filePath(u"Ventas.sqlite"_s).toUtf8(); }
    QString cadena() const { return u"Provider=SQLite;Data Source=%1;Database=Ventas"_s.arg(carpeta.path()); }
};

Datos& datos() {
    static Datos d;
    return d;
}

void PorRecordset(benchmark::State& state) {
    Connection cn;
    cn.Open(datos().cadena());
    long filas = 0;
    for (auto _ : state) {
        Recordset rs;
        rs.Open(consulta, cn);
        for (; !rs.EOF(); rs.MoveNext()) {
            for (const QString& campo : campos)
                benchmark::DoNotOptimize(rs.Fields(campo).Value());
            ++filas;
        }
        cn.traza().limpiar();
    }
    state.counters["filas"] = benchmark::Counter(double(filas), benchmark::Counter::kAvgIterations);
}

void PorApiDeSqlite(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(datos().ruta().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    long filas = 0;
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, consultaSqlite, -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int i = 0; i < sqlite3_column_count(st); ++i) {
                switch (sqlite3_column_type(st, i)) {
                case SQLITE_INTEGER:
                    benchmark::DoNotOptimize(sqlite3_column_int64(st, i));
                    break;
                case SQLITE_FLOAT:
                    benchmark::DoNotOptimize(sqlite3_column_double(st, i));
                    break;
                case SQLITE_NULL:
                    break;
                default:
                    benchmark::DoNotOptimize(sqlite3_column_text(st, i));
                    benchmark::DoNotOptimize(sqlite3_column_bytes(st, i));
                }
            }
            ++filas;
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    state.counters["filas"] = benchmark::Counter(double(filas), benchmark::Counter::kAvgIterations);
}

// Repeated and interleaved, so that a busy machine weighs on both alike; the fastest run of each counts.
BENCHMARK(PorRecordset)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(PorApiDeSqlite)->Unit(benchmark::kMicrosecond)->Repetitions(9);

// Keeps each benchmark's best CPU and real time per iteration to print their ratios.
class Cociente : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration)
                continue;
            auto [it, nuevo] = m_mejor.try_emplace(r.run_name.function_name, r.GetAdjustedCPUTime(),
                                                   r.GetAdjustedRealTime());
            if (!nuevo)
                it->second = {std::min(it->second.first, r.GetAdjustedCPUTime()),
                              std::min(it->second.second, r.GetAdjustedRealTime())};
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto& rs = m_mejor.at("PorRecordset");
        const auto& api = m_mejor.at("PorApiDeSqlite");
        std::cout << "Recordset / raw SQLite API, best of each: CPU time " << rs.first / api.first
                  << ", real time " << rs.second / api.second << '\n';
    }

  private:
    std::map<std::string, std::pair<double, double>> m_mejor;
};

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> argumentos(argv, argv + argc);
    char intercalar[] = "--benchmark_enable_random_interleaving=true";
    argumentos.push_back(intercalar);
    int n = int(argumentos.size());
    benchmark::Initialize(&n, argumentos.data());
    Cociente informe;
    benchmark::RunSpecifiedBenchmarks(&informe);
    benchmark::Shutdown();
}
