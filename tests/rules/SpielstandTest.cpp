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

// A game at move 1 with the given first guess: the computer's, or the human's.
Spielstand spiel(int felder, int farben, const Reihe& erster, bool mensch = false) {
    Spielstand s;
    s.Mensch = mensch;
    s.AnzahlFelder = static_cast<std::int16_t>(felder);
    s.AnzahlFarben = static_cast<std::int16_t>(farben);
    Zufall z;
    s.Neubeginn(z);
    s.Kombination[1] = s.Eingabe = erster;
    s.Weiter();
    return s;
}

// The answer to the computer's guess, set on the arrows and sent.
Schritt antworte(Spielstand& s, int schwarz, int weiß) {
    s.EingabeSchwarz = static_cast<std::int16_t>(schwarz);
    s.EingabeWeiß = static_cast<std::int16_t>(weiß);
    return s.Weiter();
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
        // A game in the middle of a search on move 2, stopped before.
        Spielstand s = spiel(5, 3, reihe({1, 1, 1, 1, 1}));
        antworte(s, 2, 1);
        s.Zug = 2;
        s.Abbruch = Wahr;
        s.Erschöpft = 1;
        s.Mensch = mensch;
        Zufall z;
        double r = 0.99;
        z.setzeQuelle([&] { return r = r > 0.5 ? 0.0 : 0.99; }); // symbols 1, 3, 1, 3, ...
        s.Neubeginn(z);
        EXPECT_EQ(s.Kombination[1], reihe({1, 3, 1, 3, 1}));
        EXPECT_EQ(s.Kombination[0], mensch ? s.Kombination[1] : reihe({1, 1, 1, 1, 1}));
        EXPECT_EQ(s.Eingabe, reihe({1, 1, 1, 1, 1}));
        for (const int feld : std::initializer_list<int>{
                 s.Zug, s.Abbruch, s.Erschöpft, s.ZahlSchwarzPins, s.ZahlWeißPins,
                 s.AntwortSchwarz[1], s.AntwortWeiß[1], s.Spielercode[1], s.Kombination[2][1],
                 s.EingabeSchwarz, s.EingabeWeiß, s.ZahlZüge, int(s.FragtNachAntwort),
                 int(s.Zugfeld)}) {
            EXPECT_EQ(feld, 0);
        }
        EXPECT_EQ(s.Phase(), Spielphase::NichtBegonnen);
        EXPECT_EQ(s.Farbtabelle, (std::array<std::int16_t, 9>{0, 15, 12, 1, 10, 0, 14, 6, 5}));
    }
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
                if (antworte(s, schwarz, weiß).Meldung == Meldungsart::Computersieg) {
                    break;
                }
                ASSERT_EQ(s.Suche().Meldung, Meldungsart::Keine);
                long i = 0;
                for (bool passt = false; !passt; ++i) {
                    passt = true;
                    for (int m = 1; m < s.Zug && passt; ++m) {
                        passt = bewerte(codeNr(i, felder, farben), s.Kombination[m], felder) ==
                                std::make_pair<int, int>(s.AntwortSchwarz[m], s.AntwortWeiß[m]);
                    }
                }
                ASSERT_EQ(s.Kombination[s.Zug], codeNr(i - 1, felder, farben));
            }
        }
    }
}

TEST(Zug, theGuessAfterTheFourteenthEndsTheGameUncovered) {
    // 2 2 is the only code left and the last one: the search past it runs off.
    for (const int zug : {3, MaxZüge}) {
        Spielstand s = spiel(2, 2, reihe({1, 1}));
        s.Zug = static_cast<std::int16_t>(zug);
        s.Kombination[0] = reihe({2, 2});
        antworte(s, 0, 0);
        const Schritt schritt = s.Suche();
        EXPECT_EQ(s.Zug, std::min(zug + 1, MaxZüge));
        EXPECT_EQ(s.Kombination[s.Zug], zug < MaxZüge ? reihe({2, 2}) : Reihe{});
        EXPECT_EQ(s.Erschöpft, zug < MaxZüge) << "the candidate stepped past the new guess";
        EXPECT_EQ(schritt.Meldung, zug < MaxZüge ? Meldungsart::Keine : Meldungsart::KeineVersuche);
        EXPECT_EQ(s.Aufgedeckt(), zug == MaxZüge);
    }
}

// Two games played by their buttons and arrows. After each step: the phase,
// the buttons that act (main, right/reveal, new game, Hilfe, Zug zurück, Stop,
// settings), the pegs, the arrows' answer, the candidate the search goes on
// from ("": any), the prompt and the move field ("-": the search's animation).
TEST(Drücke, eachStepLeavesTheGameAsThePanelShowsIt) {
    using enum Spielphase;
    Zufall z;
    z.setzeQuelle([i = 0]() mutable { return (i++ % 4 + 0.5) / 6; }); // 1 2 3 4 1 2 ...
    const auto antwort = [](int schwarz, int weiß) {
        return [=](Spielstand& s) { antworte(s, schwarz, weiß); };
    };
    const auto drücke = [](Knopfnummer k) { return [=](Spielstand& s) { Drücke(s, k); }; };
    const struct {
        const char* schritt;
        std::function<void(Spielstand&)> tu;
        Spielphase phase;
        const char* knöpfe;
        int pins, pfeile;
        const char *kandidat, *hinweis, *zugfeld;
    } schritte[] = {
        {"laid out", [](Spielstand&) {}, NichtBegonnen, "1010001", 0, 0, "1111",
         " Deine Kombination ?", ""},
        {"code 6 1 1 1, first guess 1 2 3 4",
         [](Spielstand& s) { s.StelleEingabe(1, 6), Drücke(s, Hauptknopf); }, WartetAufAntwort,
         "1111000", 0, 0, "1111", "Deine 1. Antwort ?", "1234"},
        {"black 4 clears white", [](Spielstand& s) { s.StelleWeiß(2), s.StelleSchwarz(4); },
         WartetAufAntwort, "1111000", 0, 40, "1111", "Deine 1. Antwort ?", "1234"},
        {"white 1 lowers black", [](Spielstand& s) { s.StelleWeiß(1); }, WartetAufAntwort,
         "1111000", 0, 31, "1111", "Deine 1. Antwort ?", "1234"},
        {"answered", antwort(1, 0), Sucht, "0000010", 1, 10, "1111", "", "-"},
        {"main button refused", drücke(Hauptknopf), Sucht, "0000010", 1, 10, "1111", "", "-"},
        {"stopped", drücke(Stopknopf), Unterbrochen, "1111000", 1, 10, "1111", "",
         "Unterbrechung !"},
        {"resumed", drücke(Hauptknopf), Sucht, "0000010", 1, 10, "1111", "", "-"},
        {"second guess, 1 1 1 1", [](Spielstand& s) { s.Suche(); }, WartetAufAntwort, "1111100", 1,
         0, "2111", "Deine 2. Antwort ?", "Was nun ?"},
        {"Hilfe against 6 1 1 1", drücke(Hilfeknopf), WartetAufAntwort, "1111100", 1, 30, "2111",
         "Deine 2. Antwort ?", "Was nun ?"},
        {"contradiction", [&](Spielstand& s) { antworte(s, 3, 1), s.Suche(); }, Widerspruch,
         "1111100", 5, 31, "", "", "-"},
        {"reopened", [](Spielstand& s) { s.AntwortZurücknehmen(); }, WartetAufAntwort, "1111100", 1,
         31, "1111", "", "Was nun ?"},
        {"stopped again", [&](Spielstand& s) { antworte(s, 2, 0), Drücke(s, Stopknopf); },
         Unterbrochen, "1111100", 3, 20, "1111", "", "Unterbrechung !"},
        {"taken back after the stop", drücke(Korrekturknopf), WartetAufAntwort, "1111100", 1, 20,
         "1111", "Deine 2. Antwort ?", "Was nun ?"},
        {"taken back", drücke(Korrekturknopf), WartetAufAntwort, "1111000", 0, 10, "1111",
         "Deine 1. Antwort ?", "Was nun ?"},
        {"all right", drücke(Richtigknopf), Beendet, "1111000", 4, 40, "1111", "Deine 1. Antwort ?",
         "Was nun ?"},
        {"main button before the message", drücke(Hauptknopf), Beendet, "1111000", 4, 40, "1111",
         "Deine 1. Antwort ?", "Was nun ?"},
        {"human's game", [&](Spielstand& s) { s.Mensch = true, s.Neubeginn(z), s.Weiter(); },
         Menschenzug, "1110000", 0, 0, "1234", " Dein 1.Versuch !", ""},
        {"guessed 1 2 1 1", [](Spielstand& s) { s.StelleEingabe(2, 2), s.Weiter(); }, Menschenzug,
         "1110000", 2, 20, "1234", "Dein 2. Versuch !", ""},
        {"given up", drücke(Richtigknopf), Beendet, "1110000", 2, 20, "1234", "Dein 2. Versuch !",
         ""},
    };
    Spielstand s;
    s.Mensch = false;
    s.Farben = false;
    s.Neubeginn(z);
    for (const auto& schritt : schritte) {
        SCOPED_TRACE(schritt.schritt);
        schritt.tu(s);
        std::string knöpfe, kandidat;
        for (const bool aktiv : Knopfzustände(s)) {
            knöpfe += aktiv ? '1' : '0';
        }
        for (int p = 1; p <= s.AnzahlFelder && *schritt.kandidat; ++p) {
            kandidat += std::to_string(s.Kombination[0][p]);
        }
        EXPECT_EQ(s.Phase(), schritt.phase);
        EXPECT_EQ(knöpfe, schritt.knöpfe);
        EXPECT_EQ(s.ZahlSchwarzPins + s.ZahlWeißPins, schritt.pins);
        EXPECT_EQ(s.EingabeSchwarz * 10 + s.EingabeWeiß, schritt.pfeile);
        EXPECT_EQ(kandidat, schritt.kandidat);
        EXPECT_EQ(Hinweistext(s), schritt.hinweis);
        EXPECT_EQ(Zugfeldtext(s).value_or("-"), schritt.zugfeld);
    }
}

TEST(Zug, ratingsAndSettingsLimits) {
    const char* bewertungen[] = {"Unglaublich gut !", "Gut nachgedacht !",
                                 "Okay. Aber es geht noch besser !",
                                 "Das ging gerade noch einmal gut !"};
    const int grenzen[] = {1, 3, 4, 6, 7, 10, 11, 14};
    Spielstand s;
    for (int i = 0; i < 8; ++i) {
        s.Zug = static_cast<std::int16_t>(grenzen[i]);
        EXPECT_EQ(Meldungstext(Meldungsart::Bewertung, s), bewertungen[i / 2]) << grenzen[i];
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
