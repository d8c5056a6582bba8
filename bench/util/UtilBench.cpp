// The string builder against QString::append, and the JSON parser against QJsonDocument, measured side by
// side in the same iterations so that the ratio holds even on a busy machine.
#include "util/JSON.h"
#include "util/cStringBuilder.h"

#include <QJsonDocument>
#include <QString>
#include <benchmark/benchmark.h>
#include <chrono>

using namespace entrega;

namespace {
using Reloj = std::chrono::steady_clock;

template <typename F> double segundos(F trabajo) {
    const auto inicio = Reloj::now();
    trabajo();
    return std::chrono::duration<double>(Reloj::now() - inicio).count();
}

void informar(benchmark::State& state, double nuestro, double qt, const char* unidad, double escala) {
    const double vueltas = static_cast<double>(state.iterations());
    state.counters[std::string("ours_") + unidad] = nuestro / vueltas * escala;
    state.counters[std::string("qt_") + unidad] = qt / vueltas * escala;
    state.counters["ratio_ours_to_qt"] = nuestro / qt;
}

// 1,000,000 one-character pieces.
void AppendOneCharacterPieces(benchmark::State& state) {
    constexpr int piezas = 1'000'000;
    const QString pieza = QStringLiteral("x");
    double nuestro = 0, qt = 0;
    for (auto _ : state) {
        nuestro += segundos([&] {
            cStringBuilder b;
            for (int i = 0; i < piezas; ++i)
                b.Append(pieza);
            benchmark::DoNotOptimize(b.toString());
        });
        qt += segundos([&] {
            QString s;
            for (int i = 0; i < piezas; ++i)
                s.append(pieza);
            benchmark::DoNotOptimize(s);
        });
    }
    informar(state, nuestro, qt, "ms", 1e3);
}
BENCHMARK(AppendOneCharacterPieces)->Unit(benchmark::kMillisecond)->UseRealTime();

// About 10 MB of records like those a script or an export would hold: texts with escapes, whole and
// decimal numbers, Booleans, nulls and nested lists.
QString textoDePrueba() {
    QString texto = QStringLiteral("[");
    for (int i = 0; texto.size() < 10'000'000; ++i) {
        if (i)
            texto += u",\n";
        texto += QStringLiteral(
                     "{\"id\":%1,\"voucher\":\"RM %2-%3\",\"customer\":\"Cliente N\\u00ba %1 \\\"S.A.\\\"\","
                     "\"amount\":%4.%5,\"rate\":-1.5e-3,\"delivered\":%6,\"note\":null,"
                     "\"items\":[%7,%8,{\"code\":\"A%7\",\"qty\":%8}]}")
                     .arg(i)
                     .arg(i % 9999, 4, 10, QChar(u'0'))
                     .arg(i * 7, 8, 10, QChar(u'0'))
                     .arg(i * 13 % 100000)
                     .arg(i % 100, 2, 10, QChar(u'0'))
                     .arg(i % 3 ? QStringLiteral("true") : QStringLiteral("false"))
                     .arg(i % 17)
                     .arg(i % 5);
    }
    return texto + u']';
}

void Parse10MegabytesOfJson(benchmark::State& state) {
    const QString texto = textoDePrueba();
    const QByteArray utf8 = texto.toUtf8();
    const double megas = static_cast<double>(utf8.size()) / (1024.0 * 1024.0);
    double nuestro = 0, qt = 0;
    for (auto _ : state) {
        nuestro += segundos([&] { benchmark::DoNotOptimize(JSON::ParseText(texto)); });
        qt += segundos([&] { benchmark::DoNotOptimize(QJsonDocument::fromJson(utf8)); });
    }
    if (!JSON::ParserErrors().isEmpty() || QJsonDocument::fromJson(utf8).isNull())
        state.SkipWithError("the test text does not parse cleanly");
    informar(state, nuestro / megas, qt / megas, "ms_per_MB", 1e3);
    state.counters["MB"] = megas;
}
BENCHMARK(Parse10MegabytesOfJson)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
} // namespace
