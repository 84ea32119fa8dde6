// The strategy evaluation: the fast engine over whole code spaces, the plain
// replay it replaces, and a whole run through the evaluation window.

#include "evaluation/engine/Auswertung.h"
#include "evaluation/engine/Nachspiel.h"
#include "evaluation/frmSearch.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace quorbix;

namespace {

double spitzeMB() {
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    return static_cast<double>(nutzung.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// Arguments: fields, symbols, strategy.
void BM_Auswertung(benchmark::State& state) {
    const auto felder = static_cast<std::int16_t>(state.range(0));
    const auto farben = static_cast<std::int16_t>(state.range(1));
    const auto strategie = static_cast<std::int16_t>(state.range(2));
    std::int64_t summe = 0;
    for (auto _ : state) {
        Zufall z;
        Auswertung a(felder, farben, strategie, z);
        while (!a.Fertig()) {
            summe += a.NächsterCode();
        }
    }
    state.counters["codes"] = static_cast<double>(AnzahlCodes(felder, farben));
    state.counters["moves"] = static_cast<double>(summe) / static_cast<double>(state.iterations());
    state.counters["peak_MB"] = spitzeMB();
}
BENCHMARK(BM_Auswertung)
    ->ArgNames({"fields", "symbols", "strategy"})
    ->Args({4, 6, 3})
    ->Args({4, 6, 4})
    ->Args({8, 8, 1})
    ->Args({8, 8, 2})
    ->Args({8, 8, 3})
    ->Args({8, 8, 0})
    ->Args({6, 6, 4})
    ->Args({7, 7, 4})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The reference: every game replayed candidate by candidate.
void BM_Nachspiel(benchmark::State& state) {
    const auto felder = static_cast<std::int16_t>(state.range(0));
    const auto farben = static_cast<std::int16_t>(state.range(1));
    const auto strategie = static_cast<std::int16_t>(state.range(2));
    for (auto _ : state) {
        Zufall z;
        Nachspiel n(felder, farben);
        n.Vorbereiten(strategie, z);
        std::int64_t summe = 0;
        while (!n.Erschöpft()) {
            summe += n.NächsterCode();
        }
        benchmark::DoNotOptimize(summe);
    }
}
BENCHMARK(BM_Nachspiel)
    ->ArgNames({"fields", "symbols", "strategy"})
    ->Args({4, 6, 3})
    ->Args({5, 6, 3})
    ->Unit(benchmark::kMillisecond);

// The whole run through the window: a click on Start, until "START" is back.
void BM_Fenster(benchmark::State& state) {
    frmSearch fenster(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    fenster.findChild<QLineEdit*>(QStringLiteral("txtNr"))
        ->setText(QString::number(state.range(2)));
    fenster.show();
    auto* start = fenster.findChild<QPushButton*>(QStringLiteral("cmdStart"));
    for (auto _ : state) {
        start->click();
    }
    if (start->text() != QStringLiteral("START")) {
        state.SkipWithError("the run did not end");
    }
    state.counters["codes"] =
        fenster.findChild<QLabel*>(QStringLiteral("lblCodes"))->text().toDouble();
    state.counters["peak_MB"] = spitzeMB();
}
BENCHMARK(BM_Fenster)
    ->ArgNames({"fields", "symbols", "strategy"})
    ->Args({4, 6, 3})
    ->Args({8, 8, 3})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
