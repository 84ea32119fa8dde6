// The game without any window: scoring, a new game, the computer's search,
// the rules of a turn and what a screen reader hears of each step, each
// reached by playing the game's steps.

#include "rules/Spielstand.h"
#include "rules/Knoepfe.h"
#include "rules/Neuigkeiten.h"
#include "rules/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace quorbix;

namespace {

Reihe reihe(std::initializer_list<int> symbole) {
    Reihe r{};
    std::copy(symbole.begin(), symbole.end(), r.begin() + 1);
    return r;
}

// Code number i (0-based) in counting order, position 1 fastest.
Reihe codeNr(long i, int felder, int symbole) {
    Reihe r{};
    for (int p = 1; p <= felder; ++p, i /= symbole) {
        r[p] = static_cast<std::int16_t>(1 + i % symbole);
    }
    return r;
}

// What a player does: a press, the arrows, the search run to its end, a
// message acknowledged. A step returns what it leaves for the window.
using Tat = std::function<void(Spielstand&)>;

auto drücke(Knopfnummer k) {
    return [k](Spielstand& s) { return s.Drücke(k); };
}
const auto weiter = drücke(Hauptknopf);
const auto suche = [](Spielstand& s) { return s.Suche(); };
const auto ok = [](Spielstand& s) { return s.Quittiere(); };
Tat gibEin(std::initializer_list<int> symbole) {
    return [code = reihe(symbole)](Spielstand& s) {
        for (int f = 1; f <= MaxFelder && code[f] != 0; ++f) {
            s.StelleEingabe(f, code[f]);
        }
    };
}
// The answer to the computer's guess, set on the arrows and sent.
auto antworte(int schwarz, int weiß) {
    return [=](Spielstand& s) {
        s.StelleWeiß(0);
        s.StelleSchwarz(schwarz);
        s.StelleWeiß(weiß);
        return s.Drücke(Hauptknopf);
    };
}

// A game laid out with the given settings; `gezogen` is the code its start
// draws: the secret, or the computer's first guess.
struct Partie {
    Zufall zufall;
    Spielstand s{zufall};

    Partie(bool mensch, int felder, int symbole, const Reihe& gezogen, bool farbig = true) {
        neu(mensch, felder, symbole, gezogen, farbig);
    }

    void neu(bool mensch, int felder, int symbole, const Reihe& gezogen, bool farbig = true) {
        zufall.setzeQuelle(
            [=, f = 1]() mutable { return f <= felder ? (gezogen[f++] - 0.5) / symbole : 0.9; });
        s.Vorgeben({.Farben = farbig,
                    .Mensch = mensch,
                    .AnzahlFarben = static_cast<std::int16_t>(symbole),
                    .AnzahlFelder = static_cast<std::int16_t>(felder)});
        s.Neubeginn();
    }
    void spiele(const std::vector<Tat>& taten) {
        for (const Tat& tat : taten) {
            tat(s);
        }
    }
};

// The counts of a guess against a code by the rule's formula, apart from the
// game's own count: black the exact hits, white the symbols both share beyond.
std::pair<int, int> bewerte(const Reihe& code, const Reihe& zug, int felder) {
    int schwarz = 0, gemeinsam = 0;
    for (int p = 1; p <= felder; ++p) {
        schwarz += code[p] == zug[p];
    }
    for (int sym = 1; sym <= MaxFarben; ++sym) {
        gemeinsam +=
            static_cast<int>(std::min(std::count(code.begin() + 1, code.begin() + 1 + felder, sym),
                                      std::count(zug.begin() + 1, zug.begin() + 1 + felder, sym)));
    }
    return {schwarz, gemeinsam - schwarz};
}

} // namespace

TEST(Neubeginn, resetsEveryFieldAndDrawsTheSecretOrTheFirstGuess) {
    for (const bool mensch : {true, false}) {
        // On move 2: answers found contradictory, the candidate past the
        // last code; or a search stopped.
        Partie p(false, 2, 2, reihe({1, 1}));
        if (mensch) {
            p.spiele({gibEin({2, 2}), weiter, antworte(0, 0), suche, antworte(1, 0)});
        } else {
            p.neu(false, 5, 3, reihe({1, 1, 1, 1, 1}));
            p.spiele({weiter, antworte(2, 0), suche, antworte(1, 0), drücke(Stopknopf)});
        }
        const Spielstand& s = p.s;
        ASSERT_EQ(std::make_tuple(s.Zug(), s.Abbruch(), s.Erschöpft(), s.ZahlSchwarzPins()),
                  mensch ? std::make_tuple(2, 0, 1, 1) : std::make_tuple(2, int(Wahr), 0, 3));
        p.neu(mensch, 5, 3, reihe({1, 3, 1, 3, 1}), false);
        EXPECT_EQ(s.Kombination()[1], reihe({1, 3, 1, 3, 1}));
        EXPECT_EQ(s.Kombination()[0], mensch ? s.Kombination()[1] : reihe({1, 1, 1, 1, 1}));
        EXPECT_EQ(s.Eingabe(), reihe({1, 1, 1, 1, 1}));
        for (const int feld : std::initializer_list<int>{
                 s.Zug(), s.Abbruch(), s.Erschöpft(), s.ZahlSchwarzPins(), s.ZahlWeißPins(),
                 s.AntwortSchwarz()[1], s.AntwortWeiß()[1], s.Spielercode()[1],
                 s.Kombination()[2][1], s.EingabeSchwarz(), s.EingabeWeiß(), s.ZahlZüge(),
                 int(s.FragtNachAntwort()), int(s.Zugfeld())}) {
            EXPECT_EQ(feld, 0);
        }
        EXPECT_EQ(s.Phase(), Spielphase::NichtBegonnen);
        EXPECT_EQ(std::make_tuple(s.Mensch(), s.Farben(), s.AnzahlFelder(), s.AnzahlFarben()),
                  std::make_tuple(mensch, false, 5, 3));
    }
}

// Answered and checked by the formula: a fault in the game's own count
// makes it guess another code. A guess repeated would not agree with its
// own answer.
TEST(Suche, everyLaterGuessIsTheFirstCodeConsistentWithAllAnswers) {
    std::mt19937 zufall(4711);
    const std::pair<int, int> größen[] = {{1, 1}, {1, 8}, {2, 3}, {3, 4}, {4, 6},
                                          {5, 4}, {4, 8}, {6, 3}, {3, 8}, {8, 2}};
    for (const auto& [felder, symbole] : größen) {
        const long anzahl = static_cast<long>(std::pow(symbole, felder));
        for (int runde = 0; runde < 25; ++runde) {
            const Reihe geheim = codeNr(static_cast<long>(zufall() % anzahl), felder, symbole);
            Partie p(false, felder, symbole,
                     codeNr(static_cast<long>(zufall() % anzahl), felder, symbole));
            const Spielstand& s = p.s;
            p.spiele({weiter});
            for (;;) {
                const auto [schwarz, weiß] = bewerte(geheim, s.Kombination()[s.Zug()], felder);
                p.spiele({antworte(schwarz, weiß)});
                if (s.Phase() == Spielphase::Beendet) {
                    break;
                }
                ASSERT_EQ(p.s.Suche().Meldung, Meldungsart::Keine);
                long i = 0;
                for (bool passt = false; !passt; ++i) {
                    passt = true;
                    for (int m = 1; m < s.Zug() && passt; ++m) {
                        passt = bewerte(codeNr(i, felder, symbole), s.Kombination()[m], felder) ==
                                std::make_pair<int, int>(s.AntwortSchwarz()[m], s.AntwortWeiß()[m]);
                    }
                }
                ASSERT_EQ(s.Kombination()[s.Zug()], codeNr(i - 1, felder, symbole));
            }
        }
    }
}

// A Stop at every turn the search hands the window, then "Weiter" with the
// arrows changed, guesses as the same game without a Stop: the answer given
// stays, and the search goes on where it was, in slices of 99 steps.
TEST(Suche, aStopAtEveryTurnAndWeiterGuessAsWithoutTheStops) {
    const auto spiele = [](bool anhalten) {
        Partie p(false, 5, 6, reihe({1, 1, 1, 1, 1}));
        p.spiele({gibEin({6, 5, 6, 4, 6}), weiter});
        p.s.setzeAbgabe([] { return true; });
        std::vector<std::pair<Reihe, int>> züge;
        int gestoppt = 0;
        while (p.s.Phase() == Spielphase::WartetAufAntwort) {
            p.spiele({drücke(Hilfeknopf), weiter}); // the answer Hilfe counts
            while (p.s.Phase() == Spielphase::Sucht) {
                if (!p.s.SucheWeiter() && anhalten) {
                    EXPECT_EQ(p.s.Suchschritte() % 99, 0) << "a slice is 99 steps";
                    p.spiele({drücke(Stopknopf), [](Spielstand& s) { s.StelleWeiß(1); }, weiter});
                    ++gestoppt;
                }
            }
            züge.emplace_back(p.s.Kombination()[p.s.Zug()], p.s.Suchschritte());
        }
        return std::make_pair(züge, gestoppt);
    };
    const auto [ohne, keiner] = spiele(false);
    const auto [mit, gestoppt] = spiele(true);
    EXPECT_EQ(mit, ohne);
    EXPECT_GE(gestoppt, 3) << "stopped at too few moves";
}

// Two games played by their buttons and arrows. After each step: the phase,
// the buttons that act, the pegs, the answer on the arrows, the candidate
// the search goes on from ("": any), the prompt and the move field ("-":
// the search's animation).
TEST(Drücke, eachStepLeavesTheGameAsThePanelShowsIt) {
    using enum Spielphase;
    const auto was = [](const Spielstand& s) {
        const std::string namen[] = {"Weiter", "Richtig", "Neu",          "Hilfe",
                                     "Zurück", "Stop",    "Einstellungen"};
        std::string knöpfe;
        for (int k = 0; k < Knopfzahl; ++k) {
            knöpfe += Knopfzustände(s)[k] ? ' ' + namen[k] : "";
        }
        return knöpfe.substr(1);
    };
    // The computer's first guesses are 1 2 3 4, the human's secret too.
    Partie p(false, 4, 6, reihe({1, 2, 3, 4}), false);
    const struct {
        const char* schritt;
        Tat tu;
        Spielphase phase;
        const char* knöpfe;
        int pins;
        std::pair<int, int> pfeile;
        const char *kandidat, *hinweis, *zugfeld;
    } schritte[] = {
        // clang-format off
        {"laid out", [](Spielstand&) {}, NichtBegonnen, "Weiter Neu Einstellungen", 0, {0, 0},
         "1111", " Deine Kombination ?", ""},
        {"code 6 1 1 1 sent", [](Spielstand& s) { gibEin({6, 1, 1, 1})(s), weiter(s); },
         WartetAufAntwort, "Weiter Richtig Neu Hilfe", 0, {0, 0}, "1111", "Deine 1. Antwort ?", "1234"},
        {"black 4 clears white", [](Spielstand& s) { s.StelleWeiß(2), s.StelleSchwarz(4); },
         WartetAufAntwort, "Weiter Richtig Neu Hilfe", 0, {4, 0}, "1111", "Deine 1. Antwort ?", "1234"},
        {"white 1 lowers black", [](Spielstand& s) { s.StelleWeiß(1); }, WartetAufAntwort,
         "Weiter Richtig Neu Hilfe", 0, {3, 1}, "1111", "Deine 1. Antwort ?", "1234"},
        {"answered", antworte(1, 0), Sucht, "Stop", 1, {1, 0}, "1111", "", "-"},
        {"main button refused", weiter, Sucht, "Stop", 1, {1, 0}, "1111", "", "-"},
        {"stopped", drücke(Stopknopf), Unterbrochen, "Weiter Richtig Neu Hilfe", 1, {1, 0}, "1111",
         "", "Unterbrechung !"},
        {"resumed", weiter, Sucht, "Stop", 1, {1, 0}, "1111", "", "-"},
        {"second guess, 1 1 1 1", suche, WartetAufAntwort, "Weiter Richtig Neu Hilfe Zurück", 1,
         {0, 0}, "2111", "Deine 2. Antwort ?", "Was nun ?"},
        {"Hilfe against 6 1 1 1", drücke(Hilfeknopf), WartetAufAntwort,
         "Weiter Richtig Neu Hilfe Zurück", 1, {3, 0}, "2111", "Deine 2. Antwort ?", "Was nun ?"},
        {"contradiction", [](Spielstand& s) { antworte(3, 1)(s), s.Suche(); }, Widerspruch,
         "Weiter Richtig Neu Hilfe Zurück", 5, {3, 1}, "", "", "-"},
        {"main button before the message", weiter, Widerspruch, "Weiter Richtig Neu Hilfe Zurück",
         5, {3, 1}, "", "", "-"},
        {"reopened", ok, WartetAufAntwort, "Weiter Richtig Neu Hilfe Zurück", 1, {3, 1}, "1111", "",
         "Was nun ?"},
        {"stopped again", [](Spielstand& s) { antworte(2, 0)(s), s.Drücke(Stopknopf); },
         Unterbrochen, "Weiter Richtig Neu Hilfe Zurück", 3, {2, 0}, "1111", "", "Unterbrechung !"},
        {"taken back after the stop", drücke(Korrekturknopf), WartetAufAntwort,
         "Weiter Richtig Neu Hilfe Zurück", 1, {2, 0}, "1111", "Deine 2. Antwort ?", "Was nun ?"},
        {"taken back", drücke(Korrekturknopf), WartetAufAntwort, "Weiter Richtig Neu Hilfe", 0,
         {1, 0}, "1111", "Deine 1. Antwort ?", "Was nun ?"},
        {"all right", drücke(Richtigknopf), Beendet, "Weiter Richtig Neu Hilfe", 4, {4, 0}, "1111",
         "Deine 1. Antwort ?", "Was nun ?"},
        {"main button before the message", weiter, Beendet, "Weiter Richtig Neu Hilfe", 4, {4, 0},
         "1111", "Deine 1. Antwort ?", "Was nun ?"},
        {"next game", ok, NichtBegonnen, "Weiter Neu Einstellungen", 0, {0, 0}, "1111",
         " Deine Kombination ?", ""},
        {"human's game",
         [&](Spielstand& s) { p.neu(true, 4, 6, reihe({1, 2, 3, 4}), false), weiter(s); },
         Menschenzug, "Weiter Richtig Neu", 0, {0, 0}, "1234", " Dein 1.Versuch !", ""},
        {"guessed 1 2 1 1", [](Spielstand& s) { s.StelleEingabe(2, 2), weiter(s); }, Menschenzug,
         "Weiter Richtig Neu", 2, {2, 0}, "1234", "Dein 2. Versuch !", ""},
        {"given up", drücke(Richtigknopf), Beendet, "Weiter Richtig Neu", 2, {2, 0}, "1234",
         "Dein 2. Versuch !", ""},
        {"settings", [](Spielstand& s) { ok(s), s.Drücke(Einstellungsknopf); }, Geleert,
         "Weiter Neu Einstellungen", 0, {0, 0}, "6666", " Dein 1.Versuch !", ""},
        {"nothing acts under the settings", weiter, Geleert, "Weiter Neu Einstellungen", 0, {0, 0},
         "6666", " Dein 1.Versuch !", ""},
        // clang-format on
    };
    const Spielstand& s = p.s;
    for (const auto& schritt : schritte) {
        SCOPED_TRACE(schritt.schritt);
        schritt.tu(p.s);
        std::string kandidat;
        for (int p = 1; p <= s.AnzahlFelder() && *schritt.kandidat; ++p) {
            kandidat += std::to_string(s.Kombination()[0][p]);
        }
        EXPECT_EQ(s.Phase(), schritt.phase);
        EXPECT_EQ(was(s), schritt.knöpfe);
        EXPECT_EQ(s.ZahlSchwarzPins() + s.ZahlWeißPins(), schritt.pins);
        EXPECT_EQ((std::pair<int, int>(s.EingabeSchwarz(), s.EingabeWeiß())), schritt.pfeile);
        EXPECT_EQ(kandidat, schritt.kandidat);
        EXPECT_EQ(Hinweistext(s), schritt.hinweis);
        EXPECT_EQ(Zugfeldtext(s).value_or("-"), schritt.zugfeld);
    }
}

TEST(Zug, ratingsByTheMoveAndTheFifteenthMoveLosesAndSettingsLimits) {
    const char* bewertungen[] = {
        "Unglaublich gut !", "Gut nachgedacht !", "Okay. Aber es geht noch besser !",
        "Das ging gerade noch einmal gut !", "Tut mir leid. Mehr Versuche gibts nicht !"};
    const int grenzen[] = {1, 3, 4, 6, 7, 10, 11, 14, 15};
    for (int i = 0; i < 9; ++i) {
        // Wrong guesses up to the move, then the code (there is no 15th).
        Partie p(true, 4, 6, reihe({1, 1, 1, 1}));
        p.spiele({gibEin({2, 2, 2, 2}), weiter});
        for (int zug = 1; zug < std::min(grenzen[i], MaxZüge); ++zug) {
            p.spiele({weiter});
        }
        p.spiele({gibEin({grenzen[i] > MaxZüge ? 2 : 1, 1, 1, 1})});
        const Schritt schritt = p.s.Drücke(Hauptknopf);
        EXPECT_EQ(Meldungstext(schritt.Meldung, p.s), bewertungen[i / 2]) << grenzen[i];
        if (grenzen[i] > MaxZüge) {
            EXPECT_EQ(Hinweistext(p.s), "Dein 15. Versuch !") << "the prompt behind the message";
        }
    }
    Einstellungen e;
    EXPECT_FALSE(e.setzeAnzahlFelder(9) || e.setzeAnzahlFelder(0) || e.setzeAnzahlFarben(9) ||
                 e.setzeAnzahlFarben(-3));
    EXPECT_EQ(std::make_tuple(e.AnzahlFelder, e.AnzahlFarben), std::make_tuple(4, 6));
    EXPECT_TRUE(e.setzeAnzahlFelder(8) && e.setzeAnzahlFarben(1));
}

TEST(TextGanzzahl, readsTheLeadingNumberRoundedHalfToEven) {
    const struct {
        const char* text;
        int zahl;
    } fälle[] = {{"  14", 14}, {"2.5", 2}, {"3.5", 4},   {"3,7", 3},       {"", 0},
                 {"abc", 0},   {" 1)", 1}, {"-2.5", -2}, {"99999", 32767}, {"1.2.3", 1}};
    for (const auto& f : fälle) {
        EXPECT_EQ(TextGanzzahl(f.text), f.zahl) << '"' << f.text << '"';
    }
}

// What a screen reader hears after each kind of step, word for word. The
// start draws 1, 2, 3, 4: the secret, or the computer's first guess.
TEST(Neuigkeit, eachStepSaysWhatTheBoardAndThePanelNowShowInReadingOrder) {
    const auto neu = [](Spielstand& s) { return s.Neubeginn(); };
    const auto nach = [](auto... taten) { return std::vector<Tat>{taten...}; };
    const std::vector<Tat> ersterZug{gibEin({4, 3, 2, 1}), weiter};
    const std::vector<Tat> zweiterZug{weiter, antworte(0, 2), suche};
    const struct {
        const char* was;
        bool mensch, farben;
        std::vector<Tat> davor;                      // the game up to the step
        std::function<Schritt(Spielstand&)> schritt; // the step whose news is said
        Anlass anlass;
        const char* nachricht;
    } fälle[] = {
        {"human start", true, false, nach(), neu, Anlass::Spielbeginn,
         "Neues Spiel, du rätst: 4 Felder, 6 Zahlen. Dein 1.Versuch !"},
        {"the guess on the board", true, false, nach(gibEin({4, 3, 2, 1})), weiter, Anlass::Weiter,
         "Zug 1: 4, 3, 2, 1. Dein 1.Versuch !"},
        {"the guess answered", true, false, ersterZug, weiter, Anlass::Weiter,
         "Zug 1: 4, 3, 2, 1. Antwort: 4 weiße Stifte. Dein 2. Versuch !"},
        {"found, in colours", true, true, nach(gibEin({1, 2, 3, 4}), weiter), weiter,
         Anlass::Weiter,
         "Zug 1: Weiß, Hellrot, Blau, Hellgrün. Antwort: 4 schwarze Stifte. "
         "Lösung: Weiß, Hellrot, Blau, Hellgrün."},
        {"given up", true, false, ersterZug, drücke(Richtigknopf), Anlass::Richtig,
         "Lösung: 1, 2, 3, 4."},
        {"computer start", false, true, nach(), neu, Anlass::Spielbeginn,
         "Neues Spiel, der Computer rät: 4 Felder, 6 Farben. Deine Kombination ?"},
        {"the player's code and the first guess", false, false, nach(gibEin({2, 2, 1, 1})), weiter,
         Anlass::Weiter,
         "Deine Kombination: 2, 2, 1, 1. Zug 1 des Computers: 1, 2, 3, 4. Deine 1. Antwort ?"},
        {"the answer sent", false, false, nach(weiter), antworte(1, 2), Anlass::Weiter,
         "Antwort auf Zug 1: 1 schwarzer Stift, 2 weiße Stifte. Ich denke ..."},
        {"the next guess", false, false, nach(weiter, antworte(0, 2)), suche, Anlass::Suchende,
         "Zug 2 des Computers: 2, 1, 1, 1. Deine 2. Antwort ? Was nun ?"},
        {"help counts", false, false, nach(gibEin({2, 2, 1, 1}), weiter), drücke(Hilfeknopf),
         Anlass::Hilfe, "Hilfe: Anzahl Schwarze 1, Anzahl Weiße 1."},
        {"stopped", false, false, nach(weiter, antworte(0, 2)), drücke(Stopknopf), Anlass::Stop,
         "Unterbrechung ! Weiter setzt die Suche fort."},
        {"resumed", false, false, nach(weiter, antworte(0, 2), drücke(Stopknopf)), weiter,
         Anlass::Weiter, "Die Suche geht weiter. Ich denke ..."},
        {"taken back", false, false, zweiterZug, drücke(Korrekturknopf), Anlass::Korrektur,
         "Zug 2 zurückgenommen. Zug 1 des Computers: 1, 2, 3, 4. Deine Antwort auf Zug 1 ist "
         "wieder offen: 2 weiße Stifte. Deine 1. Antwort ? Was nun ?"},
        {"taken back after a stop", false, false,
         nach(weiter, antworte(0, 2), suche, antworte(1, 0), drücke(Stopknopf)),
         drücke(Korrekturknopf), Anlass::Korrektur,
         "Suche abgebrochen. Zug 2 des Computers: 2, 1, 1, 1. Deine Antwort auf Zug 2 ist "
         "wieder offen: 1 schwarzer Stift. Deine 2. Antwort ? Was nun ?"},
        {"a contradiction reopened", false, false,
         nach(weiter, antworte(0, 0), suche, antworte(0, 0), suche, antworte(0, 0), suche), ok,
         Anlass::AntwortOffen, "Deine Antwort auf Zug 3 ist wieder offen: keine Stifte. Was nun ?"},
        {"all right", false, false, zweiterZug, drücke(Richtigknopf), Anlass::Richtig,
         "Alle richtig: der Computer hat deine Kombination in Zug 2 gefunden."},
    };
    for (const auto& f : fälle) {
        Partie p(f.mensch, 4, 6, reihe({1, 2, 3, 4}), f.farben);
        p.spiele(f.davor);
        const Vorher vorher{p.s.Zug(), p.s.Phase()};
        const Schritt schritt = f.schritt(p.s);
        EXPECT_EQ(Neuigkeit(f.anlass, p.s, schritt, vorher), f.nachricht) << f.was;
    }
    EXPECT_EQ(Auswertungsnachricht(false, 1, 3, 3, "3") + " " +
                  Auswertungsnachricht(false, 0, 0, 0, "0"),
              "Auswertung angehalten: 1 Kombination, kleinste Zahl der Züge 3, größte 3, "
              "Durchschnitt 3. Auswertung angehalten: keine Kombination.");
}
