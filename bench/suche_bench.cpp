// The computer's search through every code of 8 fields x 8 symbols, with
// answers no code satisfies: the core alone, and through the main window.

#include "common/Modal.h"
#include "common/Spiel.h"
#include "mainwindow/frmQuorbix.h"
#include "rules/Spielstand.h"

#include <benchmark/benchmark.h>

using namespace quorbix;

namespace {

// Draws the first guess 1 2 3 4 5 6 7 8 of a game of 8 x 8.
void zieheEinsBisAcht(Zufall& zufall) {
    zufall.setzeQuelle([f = 0]() mutable { return (f++ % 8 + 0.5) / 8; });
}

// 8 fields, 8 symbols, first guess 1..8 answered 7 black 1 white: impossible.
void richteUnmöglicheAntwortEin(Spielstand& s, Zufall& z) {
    Einstellungen e;
    e.AnzahlFelder = 8;
    e.AnzahlFarben = 8;
    e.Mensch = false;
    s.Vorgeben(e);
    zieheEinsBisAcht(z);
    s.Neubeginn();
    s.Drücke(Hauptknopf); // the first guess
    s.StelleSchwarz(7);
    s.StelleWeiß(1);
    s.Drücke(Hauptknopf); // the answer is taken and the search begins
}

void BM_SucheKern(benchmark::State& state) {
    std::int64_t schritte = 0;
    for (auto _ : state) {
        Zufall z;
        Spielstand s(z);
        richteUnmöglicheAntwortEin(s, z);
        int aktivität = 0;
        s.setzeAbgabe([&] {
            ++aktivität;
            return false;
        });
        if (s.Suche().Meldung != Meldungsart::AngabenFalsch) {
            state.SkipWithError("expected a contradiction");
        }
        schritte += s.Suchschritte();
        benchmark::DoNotOptimize(aktivität);
    }
    state.counters["codes"] =
        benchmark::Counter(static_cast<double>(schritte), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SucheKern)->Unit(benchmark::kMillisecond);

void BM_SucheFenster(benchmark::State& state) {
    frmQuorbix fenster;
    fenster.show();
    for (auto _ : state) {
        state.PauseTiming();
        fenster.Lösch();
        fenster.setAnzahlFelder(8);
        fenster.setAnzahlFarben(8);
        fenster.setMensch(false);
        zieheEinsBisAcht(fenster.Zufallsgenerator());
        fenster.Start();
        fenster.cmdFertig_Click(0); // shows the first guess
        // Black 7, white 1 on the answer spinners.
        auto* schwarz = fenster.findChild<QWidget*>(QStringLiteral("updSchw"));
        auto* weiß = fenster.findChild<QWidget*>(QStringLiteral("updWeiß"));
        schwarz->setProperty("value", 7);
        weiß->setProperty("value", 1);
        state.ResumeTiming();
        const auto texte = testhilfe::Meldungstexte([&] {
            fenster.cmdFertig_Click(0);
            testhilfe::warteAufSuche(&fenster);
        });
        if (texte.size() != 1) {
            state.SkipWithError("expected one message");
        }
    }
}
BENCHMARK(BM_SucheFenster)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
