// The strategy evaluation: the fast engines over whole code spaces on one and
// two workers, strategy 4's engine beside the one it replaced (on a sample of
// 8 fields of 8 symbols and on whole spaces), the plain replay, and a whole
// run through the evaluation window.

#include "Vorgaenger.h"
#include "evaluation/engine/Auswertung.h"
#include "evaluation/engine/Einzelspiele.h"
#include "evaluation/engine/Nachspiel.h"
#include "evaluation/frmSearch.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <random>
#include <thread>
#include <vector>

using namespace quorbix;

namespace {

double spitzeMB() {
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    return static_cast<double>(nutzung.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// Processor seconds of every thread of the process so far (or of the
// calling thread alone): on a machine shared with other work, their sum over
// a run's time shows how much of two cores the workers could use, whatever
// the others took.
double prozessorSekunden(int wer = RUSAGE_SELF) {
    rusage nutzung{};
    getrusage(wer, &nutzung);
    const auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return s(nutzung.ru_utime) + s(nutzung.ru_stime);
}

// Arguments: fields, symbols, strategy, workers. The speed-up of two workers
// is the time of the row with workers:1 over that of workers:2.
void BM_Auswertung(benchmark::State& state) {
    const auto felder = static_cast<std::int16_t>(state.range(0));
    const auto farben = static_cast<std::int16_t>(state.range(1));
    const auto strategie = static_cast<std::int16_t>(state.range(2));
    std::int64_t summe = 0;
    const double vorher = prozessorSekunden();
    for (auto _ : state) {
        Zufall z;
        Auswertung a(felder, farben, strategie, z, static_cast<unsigned>(state.range(3)));
        while (!a.Fertig()) {
            summe += a.NächsterCode();
        }
    }
    state.counters["codes"] = static_cast<double>(AnzahlCodes(felder, farben));
    state.counters["moves"] = static_cast<double>(summe) / static_cast<double>(state.iterations());
    state.counters["cpu_s_all_threads"] =
        (prozessorSekunden() - vorher) / static_cast<double>(state.iterations());
    state.counters["peak_MB"] = spitzeMB();
}
BENCHMARK(BM_Auswertung)
    ->ArgNames({"fields", "symbols", "strategy", "workers"})
    ->Args({4, 6, 3, 1})
    ->Args({8, 8, 1, 1})
    ->Args({8, 8, 1, 2})
    ->Args({8, 8, 2, 2})
    ->Args({8, 8, 3, 2})
    ->Args({8, 8, 0, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// Fixed draws for strategy 4, the same for both of its engines.
Zufall::Quelle festeZiehung() {
    return [g = std::mt19937_64(20261207)]() mutable {
        return std::generate_canonical<double, 53>(g);
    };
}

// Strategy 4 on 8 fields of 8 symbols, one worker, by the engine it replaced
// (engine:0) and by today's (engine:1), with the same openings: 4,096 codes
// drawn evenly from the whole space with a fixed seed and played in counting
// order. Late codes are far slower than early ones, and codes whose low
// fields hold the first symbols are quicker than the rest, so only a sample
// spread over every field matches a whole run (7.8 moves a code, as the whole
// space). us_per_code times 16777216 estimates a whole run on one worker;
// divided by the 7x7 speed-up, on two. Both must give the same moves_total.
void BM_Stichprobe8x8(benchmark::State& state) {
    const std::uint32_t alle = AnzahlCodes(8, 8);
    std::mt19937 auswahl(20261208);
    std::vector<std::uint32_t> nummern(4096);
    for (auto& nummer : nummern) {
        nummer = auswahl() % alle; // a power of two: every code equally likely
    }
    std::sort(nummern.begin(), nummern.end());
    std::int64_t summe = 0;
    const double vorher = prozessorSekunden();
    for (auto _ : state) {
        Zufall z;
        z.setzeQuelle(festeZiehung());
        Spieler spieler(8, 8);
        for (const std::uint32_t nummer : nummern) {
            Reihe öffnung{};
            ZieheZufallsreihe(öffnung, 8, 8, z);
            summe += state.range(0) == 0 ? bisher::Einzelspiel(8, 8, nummer, öffnung)
                                         : spieler.Züge(nummer, öffnung);
        }
    }
    const auto codes = static_cast<double>(nummern.size() * state.iterations());
    state.counters["us_per_code"] = 1e6 * (prozessorSekunden() - vorher) / codes;
    state.counters["moves_total"] =
        static_cast<double>(summe) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Stichprobe8x8)->ArgName("engine")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Strategy 4 over a whole space with fixed draws, by the engine it replaced
// (engine:0, on the run's lock as before) and through today's evaluation
// (engine:1). Both must give the same moves.
void BM_Strategie4(benchmark::State& state) {
    const auto felder = static_cast<std::int16_t>(state.range(0));
    const auto farben = static_cast<std::int16_t>(state.range(1));
    const auto arbeiter = static_cast<unsigned>(state.range(2));
    const std::uint32_t anzahl = AnzahlCodes(felder, farben);
    std::int64_t summe = 0;
    const double vorher = prozessorSekunden();
    for (auto _ : state) {
        Zufall z;
        z.setzeQuelle(festeZiehung());
        if (state.range(3) == 0) {
            Lauf lauf(anzahl);
            bisher::Ziehung ziehung(felder, farben, z, lauf);
            std::vector<std::thread> threads;
            for (unsigned w = 0; w < arbeiter; ++w) {
                threads.emplace_back([&ziehung] { ziehung.arbeite(); });
            }
            for (std::uint32_t i = 0; i < anzahl; ++i) {
                lauf.waitFor(i);
                summe += lauf.Züge()[i];
            }
            lauf.stop();
            for (std::thread& t : threads) {
                t.join();
            }
        } else {
            Auswertung a(felder, farben, 4, z, arbeiter);
            while (!a.Fertig()) {
                summe += a.NächsterCode();
            }
        }
    }
    state.counters["moves_total"] =
        static_cast<double>(summe) / static_cast<double>(state.iterations());
    state.counters["cpu_s_all_threads"] =
        (prozessorSekunden() - vorher) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Strategie4)
    ->ArgNames({"fields", "symbols", "workers", "engine"})
    ->Args({4, 6, 1, 0})
    ->Args({4, 6, 1, 1})
    ->Args({6, 6, 1, 0})
    ->Args({6, 6, 1, 1})
    ->Args({7, 7, 1, 0})
    ->Args({7, 7, 1, 1})
    ->Args({7, 7, 2, 0})
    ->Args({7, 7, 2, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// The whole of 8 fields of 8 symbols on two workers, by both engines: the
// former alone takes about twenty minutes, so filter for the others.
void BM_Ganz8x8(benchmark::State& state) {
    BM_Strategie4(state);
}
BENCHMARK(BM_Ganz8x8)
    ->ArgNames({"fields", "symbols", "workers", "engine"})
    ->Args({8, 8, 2, 0})
    ->Args({8, 8, 2, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
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

// The whole run through the window: a click on Start, then the event loop
// until "START" is back. window_share is the processor time of the window's
// thread (the list, the figures, the repaints) over that of the workers.
void BM_Fenster(benchmark::State& state) {
    computersuche::frmSearch fenster(static_cast<int>(state.range(0)),
                                     static_cast<int>(state.range(1)));
    fenster.findChild<QLineEdit*>(QStringLiteral("txtNr"))
        ->setText(QString::number(state.range(2)));
    fenster.show();
    auto* start = fenster.findChild<QPushButton*>(QStringLiteral("cmdStart"));
    double fensterSekunden = 0;
    double alleSekunden = 0;
    for (auto _ : state) {
        const double fensterVorher = prozessorSekunden(RUSAGE_THREAD);
        const double alleVorher = prozessorSekunden();
        start->click();
        while (fenster.Läuft()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        fensterSekunden += prozessorSekunden(RUSAGE_THREAD) - fensterVorher;
        alleSekunden += prozessorSekunden() - alleVorher;
    }
    state.counters["window_cpu_s"] = fensterSekunden / static_cast<double>(state.iterations());
    state.counters["window_share"] = fensterSekunden / (alleSekunden - fensterSekunden);
    const auto zahl = [&fenster](const char* name) {
        return fenster.findChild<QLabel*>(QString::fromLatin1(name))->text().toDouble();
    };
    state.counters["codes"] = zahl("lblCodes");
    state.counters["min"] = zahl("lblMin");
    state.counters["max"] = zahl("lblMax");
    state.counters["average"] = zahl("lblMittel");
    state.counters["peak_MB"] = spitzeMB();
}
BENCHMARK(BM_Fenster)
    ->ArgNames({"fields", "symbols", "strategy"})
    ->Args({4, 6, 3})
    ->Args({8, 8, 0})
    ->Args({8, 8, 1})
    ->Args({8, 8, 2})
    ->Args({8, 8, 3})
    ->Args({7, 7, 4})
    // The largest run a player can start: minutes, so filter for it.
    ->Args({8, 8, 4})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace
