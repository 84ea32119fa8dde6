// The game without any window: scoring, a new game, the computer's search
// and the rules of a turn.

#include "rules/Spielstand.h"
#include "rules/Knoepfe.h"
#include "rules/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace quorbix;

namespace {

Reihe reihe(std::initializer_list<int> symbole) {
    Reihe r{};
    std::copy(symbole.begin(), symbole.end(), r.begin() + 1);
    return r;
}

// Code number i (0-based) in counting order, position 1 fastest.
Reihe codeNr(long i, int felder, int farben) {
    Reihe r{};
    for (int p = 1; p <= felder; ++p, i /= farben) {
        r[p] = static_cast<std::int16_t>(1 + i % farben);
    }
    return r;
}

std::pair<int, int> bewerte(const Reihe& code, const Reihe& zug, int felder) {
    Spielstand s;
    s.AnzahlFelder = static_cast<std::int16_t>(felder);
    s.Kombination[0] = code;
    s.Kombination[3] = zug;
    s.Prüfzug = 3;
    s.Anzahlschwarze();
    s.Anzahlweiße();
    return {s.Schwarze, s.Weiße};
}

// A game at move 1 with the given first guess (the computer's, or the human's).
Spielstand spiel(int felder, int farben, const Reihe& erster, bool mensch = false) {
    Spielstand s;
    s.Mensch = mensch;
    s.AnzahlFelder = static_cast<std::int16_t>(felder);
    s.AnzahlFarben = static_cast<std::int16_t>(farben);
    Zufall z;
    s.Neubeginn(z);
    s.Kombination[1] = erster;
    s.ErsterZug(reihe({1, 1, 2, 2}));
    return s;
}

} // namespace

TEST(Scoring, documentedExamplesAndTheFormulaForRandomPairsOfEverySize) {
    EXPECT_EQ(bewerte(reihe({1, 1, 2, 2}), reihe({1, 2, 1, 3}), 4), std::make_pair(1, 2));
    EXPECT_EQ(bewerte(reihe({1, 1, 1, 1}), reihe({1, 2, 2, 2}), 4), std::make_pair(1, 0));
    EXPECT_EQ(bewerte(reihe({1, 2, 3, 4}), reihe({4, 3, 2, 1}), 4), std::make_pair(0, 4));
    std::mt19937 zufall(1234);
    for (int felder = 1; felder <= MaxFelder; ++felder) {
        for (int farben = 1; farben <= MaxFarben; ++farben) {
            for (int i = 0; i < 400; ++i) {
                Reihe a{}, b{};
                int schwarz = 0, gemeinsam = 0;
                for (int p = 1; p <= felder; ++p) {
                    a[p] = static_cast<std::int16_t>(1 + zufall() % farben);
                    b[p] = static_cast<std::int16_t>(1 + zufall() % farben);
                    schwarz += a[p] == b[p];
                }
                for (int sym = 1; sym <= farben; ++sym) {
                    gemeinsam += std::min(std::count(a.begin() + 1, a.begin() + 1 + felder, sym),
                                          std::count(b.begin() + 1, b.begin() + 1 + felder, sym));
                }
                ASSERT_EQ(bewerte(a, b, felder), std::make_pair(schwarz, gemeinsam - schwarz));
                ASSERT_EQ(bewerte(b, a, felder), bewerte(a, b, felder));
            }
        }
    }
}

TEST(Neubeginn, resetsEveryFieldAndDrawsTheSecretOrTheFirstGuess) {
    for (const bool mensch : {true, false}) {
        // A game in the middle of an interrupted search on move 2.
        Spielstand s = spiel(5, 3, reihe({1, 1, 1, 1, 1}));
        s.Antwort(2, 1);
        s.BeginneSuche();
        s.Anhalten();
        s.SucheWeiter();
        s.Zug = 2;
        s.Erschöpft = 1;
        s.Mensch = mensch;
        Zufall z;
        double r = 0.99;
        z.setzeQuelle([&] { return r = r > 0.5 ? 0.0 : 0.99; }); // symbols 1, 3, 1, 3, ...
        s.Neubeginn(z);
        EXPECT_EQ(s.Kombination[1], reihe({1, 3, 1, 3, 1}));
        EXPECT_EQ(s.Kombination[0], mensch ? s.Kombination[1] : reihe({1, 1, 1, 1, 1}));
        for (const int feld :
             {s.Zug, s.Abbruch, s.Erschöpft, s.ZahlSchwarzPins, s.ZahlWeißPins, s.AntwortSchwarz[1],
              s.AntwortWeiß[1], s.Spielercode[1], s.Kombination[2][1]}) {
            EXPECT_EQ(feld, 0);
        }
        EXPECT_EQ(s.Phase(), Spielphase::NichtBegonnen);
        EXPECT_EQ(s.Farbtabelle, (std::array<std::int16_t, 9>{0, 15, 12, 1, 10, 0, 14, 6, 5}));
    }
}

TEST(Suche, slicesAndAStopBetweenThemResumeWhereTheSearchLeftOff) {
    Spielstand s = spiel(5, 6, reihe({1, 2, 3, 4, 5}));
    Spielstand ungestört = s;
    ungestört.Antwort(0, 0); // only 6 6 6 6 6 agrees: a long search
    ASSERT_EQ(ungestört.Suche(), Suchausgang::Gefunden);
    s.Aktivität = [] { return true; }; // yield at every frame of the animation
    ASSERT_EQ(s.ComputerRät(0, 0), Antwortausgang::Suchen);
    for (int scheibe = 1; scheibe <= 3; ++scheibe) {
        ASSERT_EQ(s.SucheWeiter(), std::nullopt);
        EXPECT_EQ(s.Suchschritte, 99 * scheibe);
    }
    s.Anhalten();
    EXPECT_EQ(s.SucheWeiter(), Suchausgang::Unterbrochen);
    EXPECT_EQ(s.Suchschritte, 3 * 99) << "no candidate after Stop";
    s.Aktivität = nullptr;
    EXPECT_EQ(s.ComputerRät(4, 0), Antwortausgang::Suchen);
    EXPECT_EQ(s.AntwortSchwarz[1], 0) << "a resumed search keeps its answer";
    EXPECT_EQ(s.SucheWeiter(), Suchausgang::Gefunden); // no Aktivität: no pause
    EXPECT_EQ(s.Kombination[0], ungestört.Kombination[0]);
    EXPECT_EQ(s.Suchschritte, ungestört.Suchschritte) << "resumed, not started afresh";
}

TEST(Suche, everyLaterGuessIsTheFirstCodeConsistentWithAllAnswers) {
    std::mt19937 zufall(4711);
    const std::pair<int, int> größen[] = {{1, 1}, {1, 8}, {2, 3}, {3, 4}, {4, 6},
                                          {5, 4}, {4, 8}, {6, 3}, {3, 8}, {8, 2}};
    for (const auto& [felder, farben] : größen) {
        const long anzahl = static_cast<long>(std::pow(farben, felder));
        for (int runde = 0; runde < 25; ++runde) {
            const Reihe geheim = codeNr(static_cast<long>(zufall() % anzahl), felder, farben);
            Spielstand s =
                spiel(felder, farben, codeNr(static_cast<long>(zufall() % anzahl), felder, farben));
            std::set<Reihe> geraten;
            for (;;) {
                ASSERT_TRUE(geraten.insert(s.Kombination[s.Zug]).second) << "guess repeated";
                const auto [schwarz, weiß] = bewerte(geheim, s.Kombination[s.Zug], felder);
                s.Antwort(schwarz, weiß);
                if (s.AllesSchwarz()) {
                    break;
                }
                ASSERT_EQ(s.Suche(), Suchausgang::Gefunden);
                long i = 0;
                for (bool passt = false; !passt; ++i) {
                    passt = true;
                    for (int m = 1; m <= s.Zug && passt; ++m) {
                        passt = bewerte(codeNr(i, felder, farben), s.Kombination[m], felder) ==
                                std::make_pair<int, int>(s.AntwortSchwarz[m], s.AntwortWeiß[m]);
                    }
                }
                ASSERT_EQ(s.Kombination[0], codeNr(i - 1, felder, farben));
                ASSERT_TRUE(s.NimmKandidat());
            }
        }
    }
}

TEST(Zug, aFifteenthComputerGuessIsRefused) {
    Spielstand s = spiel(2, 2, reihe({1, 1}));
    s.Zug = MaxZüge;
    s.Kombination[0] = reihe({2, 2});
    EXPECT_FALSE(s.NimmKandidat());
    EXPECT_EQ(s.Zug, MaxZüge);
    s.Zug = 3;
    EXPECT_TRUE(s.NimmKandidat());
    EXPECT_EQ(s.Kombination[4], reihe({2, 2}));
    EXPECT_EQ(s.Erschöpft, 1) << "the candidate stepped past the new guess";
}

TEST(Zug, correctionsReopenTheAnswerAndRestartTheCandidate) {
    // Move 1 (1 2 3 4) is answered 1 black 2 white; move 2 is on the board,
    // answered 0/1 unless the answer is still awaited.
    const auto zweiZüge = [](bool antwort2) {
        Spielstand s = spiel(4, 6, reihe({1, 2, 3, 4}));
        s.Antwort(1, 2);
        s.Suche();
        s.NimmKandidat();
        if (antwort2) {
            s.Antwort(0, 1);
        }
        return s;
    };
    const struct {
        const char* fall;
        bool antwort2, unterbrochen, zurück;
        int zug, kandidatZug, pins;
    } fälle[] = {
        {"contradiction", true, false, false, 2, 2, 3},
        {"take back", false, false, true, 1, 0, 0},
        {"take back after stop", true, true, true, 2, 2, 3},
    };
    for (const auto& f : fälle) {
        Spielstand s = zweiZüge(f.antwort2);
        s.Erschöpft = 1;
        s.Abbruch = f.unterbrochen ? Wahr : 0;
        if (f.zurück) {
            ASSERT_TRUE(s.ZugZurück()) << f.fall;
        } else {
            s.AngabenFalsch();
        }
        EXPECT_EQ(s.Zug, f.zug) << f.fall;
        EXPECT_EQ(s.Kombination[0], f.kandidatZug ? s.Kombination[2] : reihe({1, 1, 1, 1}))
            << f.fall;
        EXPECT_EQ(s.ZahlSchwarzPins + s.ZahlWeißPins, f.pins) << f.fall;
        EXPECT_EQ(s.Erschöpft + s.Abbruch, 0) << f.fall;
        EXPECT_EQ(s.AntwortWeiß[s.Zug], s.Zug == 2 ? 1 : 2) << "the answer stays stored";
    }
}

TEST(Zug, hilfeCountsTheGuessAgainstTheGivenCodeAndKeepsTheCandidate) {
    const struct {
        Reihe code, zug;
        int schwarz, weiß;
    } fälle[] = {
        {reihe({1, 2, 3, 3}), reihe({1, 2, 3, 4}), 3, 0},
        {reihe({1, 2, 3, 3}), reihe({3, 3, 2, 1}), 0, 4},
        {reihe({2, 4, 4, 6}), reihe({4, 6, 6, 6}), 1, 1},
    };
    for (const auto& f : fälle) {
        Spielstand s = spiel(4, 6, f.zug);
        s.Kombination[0] = reihe({5, 1, 1, 2});
        s.ZähleGegen(f.code);
        EXPECT_EQ(s.Schwarze * 10 + s.Weiße, f.schwarz * 10 + f.weiß);
        EXPECT_EQ(s.Kombination[0], reihe({5, 1, 1, 2})) << "the candidate is restored";
        EXPECT_EQ(s.AntwortSchwarz[1] + s.AntwortWeiß[1], 0) << "nothing is answered";
    }
}

// The phases of a computer game and a human one, with the buttons each
// enables: main, right/reveal, new game, Hilfe, Zug zurück, Stop, settings.
TEST(Knopfzustände, followThePhasesOfAGame) {
    using enum Spielphase;
    Zufall z;
    z.setzeQuelle([] { return 0.0; }); // first guess 1 1 1 1
    const auto suchZuEnde = [](Spielstand& s) {
        while (!s.SucheWeiter()) {
        }
    };
    const struct {
        const char* schritt;
        std::function<void(Spielstand&)> tu;
        Spielphase phase;
        const char* knöpfe;
    } schritte[] = {
        {"laid out", [](Spielstand&) {}, NichtBegonnen, "1010001"},
        {"first guess",
         [](Spielstand& s) {
             s.ErsterZug(reihe({6, 6, 6, 6}));
         },
         WartetAufAntwort, "1111000"},
        {"answered", [](Spielstand& s) { s.ComputerRät(0, 0); }, Sucht, "0000010"},
        {"stopped", [](Spielstand& s) { s.Anhalten(), s.SucheWeiter(); }, Unterbrochen, "1111000"},
        {"resumed", [](Spielstand& s) { s.ComputerRät(0, 0); }, Sucht, "0000010"},
        {"second guess", [&](Spielstand& s) { suchZuEnde(s), s.NimmKandidat(); }, WartetAufAntwort,
         "1111100"},
        {"contradiction",
         [&](Spielstand& s) { s.ComputerRät(3, 1), suchZuEnde(s), s.AngabenFalsch(); },
         WartetAufAntwort, "1111100"},
        {"taken back", [](Spielstand& s) { s.ZugZurück(); }, WartetAufAntwort, "1111000"},
        {"all right", [](Spielstand& s) { s.AlleRichtig(); }, Beendet, "1111000"},
        {"human's game", [&](Spielstand& s) { s.Mensch = true, s.Neubeginn(z), s.ErsterZug({}); },
         Menschenzug, "1110000"},
        {"given up", [](Spielstand& s) { s.Aufgeben(); }, Beendet, "1110000"},
    };
    Spielstand s;
    s.Mensch = false;
    s.Neubeginn(z);
    for (const auto& schritt : schritte) {
        schritt.tu(s);
        std::string knöpfe;
        for (const bool aktiv : Knopfzustände(s)) {
            knöpfe += aktiv ? '1' : '0';
        }
        EXPECT_EQ(s.Phase(), schritt.phase) << schritt.schritt;
        EXPECT_EQ(knöpfe, schritt.knöpfe) << schritt.schritt;
    }
}

TEST(Zug, answerSpinnersKeepBlackPlusWhiteWithinTheFields) {
    const struct {
        int geändert, anderes, felder, ergebnis;
    } fälle[] = {{2, 2, 4, -1}, {3, 2, 4, 1}, {4, 1, 4, 0}, {1, 0, 1, -1}, {1, 1, 1, 0}};
    for (const auto& f : fälle) {
        EXPECT_EQ(AntwortAusgleich(f.geändert, f.anderes, f.felder).value_or(-1), f.ergebnis);
    }
}

TEST(Zug, ratingsAndSettingsLimits) {
    const char* bewertungen[] = {"Unglaublich gut !", "Gut nachgedacht !",
                                 "Okay. Aber es geht noch besser !",
                                 "Das ging gerade noch einmal gut !"};
    const int grenzen[] = {1, 3, 4, 6, 7, 10, 11, 14};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Bewertung(grenzen[i]), bewertungen[i / 2]) << grenzen[i];
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
