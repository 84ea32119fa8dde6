#include "Reihen.h"
#include "rules/Spielstand.h"

#include <gtest/gtest.h>
#include <random>
#include <set>
#include <vector>

using namespace quorbix;
using namespace quorbix::test;

namespace {

// A computer-guessing game with the first guess given and answers to fill in.
Spielstand spiel(int felder, int farben, const Reihe& ersterZug) {
    Spielstand s;
    s.Mensch = false;
    s.AnzahlFelder = static_cast<std::int16_t>(felder);
    s.AnzahlFarben = static_cast<std::int16_t>(farben);
    Zufall z;
    s.Neubeginn(z);
    s.Kombination[1] = ersterZug;
    s.Zug = 1;
    return s;
}

void antworte(Spielstand& s, int schwarz, int weiß) {
    s.AntwortSchwarz[s.Zug] = static_cast<std::int16_t>(schwarz);
    s.AntwortWeiß[s.Zug] = static_cast<std::int16_t>(weiß);
}

// What the window does with an accepted candidate.
void übernimm(Spielstand& s) {
    s.KandidatAlsZug();
    s.Neu();
}

} // namespace

TEST(Neu, countsWithPositionOneFastest) {
    Spielstand s = spiel(3, 2, reihe({1, 1, 1}));
    std::vector<Reihe> folge{s.Kombination[0]};
    for (int i = 0; i < 7; ++i) {
        s.Neu();
        folge.push_back(s.Kombination[0]);
    }
    const std::vector<Reihe> erwartet{reihe({1, 1, 1}), reihe({2, 1, 1}), reihe({1, 2, 1}),
                                      reihe({2, 2, 1}), reihe({1, 1, 2}), reihe({2, 1, 2}),
                                      reihe({1, 2, 2}), reihe({2, 2, 2})};
    EXPECT_EQ(folge, erwartet);
    EXPECT_EQ(s.Erschöpft, 0);
    EXPECT_EQ(s.Prüfzug, s.Zug + 1);
    s.Neu();
    EXPECT_EQ(s.Erschöpft, 1);
    EXPECT_EQ(s.Prüfzug, 1);
    EXPECT_EQ(s.Kombination[0], reihe({1, 1, 3})) << "last position stays one too high";
}

TEST(Suche, findsTheFirstCodeAgreeingWithTheAnswers) {
    const struct {
        int felder, farben;
        Reihe erster;
        int schwarz, weiß;
        Reihe nächster;
    } fälle[] = {
        {4, 6, reihe({1, 2, 3, 4}), 0, 0, reihe({5, 5, 5, 5})},
        {3, 2, reihe({2, 2, 2}), 1, 0, reihe({2, 1, 1})},
        {4, 6, reihe({1, 1, 2, 2}), 0, 2, reihe({3, 3, 1, 1})},
        {2, 3, reihe({1, 2}), 0, 2, reihe({2, 1})},
    };
    for (const auto& f : fälle) {
        Spielstand s = spiel(f.felder, f.farben, f.erster);
        antworte(s, f.schwarz, f.weiß);
        EXPECT_EQ(s.Suche(), Suchausgang::Gefunden);
        EXPECT_EQ(s.Kombination[0], f.nächster);
    }
}

TEST(Suche, impossibleAnswersEndInAContradictionAfterTheWholeEnumeration) {
    Spielstand s = spiel(4, 6, reihe({3, 1, 4, 1}));
    antworte(s, 3, 1);
    EXPECT_EQ(s.Suche(), Suchausgang::Widerspruch);
    EXPECT_EQ(s.Erschöpft, 1);
    EXPECT_EQ(s.Suchschritte, 1 + 6 * 6 * 6 * 6);
}

TEST(Suche, activityComesAtThe98thStepOfAFreshSearchThenEvery99th) {
    Spielstand s = spiel(4, 6, reihe({1, 2, 3, 4}));
    antworte(s, 3, 1);
    std::vector<int> bei;
    s.Aktivität = [&] { bei.push_back(s.Suchschritte); };
    s.Suche();
    ASSERT_GE(bei.size(), 3u);
    EXPECT_EQ(bei[0], 99) << "Suchschritte starts at 1: the 98th step";
    EXPECT_EQ(bei[1], 198);
    EXPECT_EQ(bei.size(), static_cast<std::size_t>((1 + 1296) / 99));
}

TEST(Suche, stopEndsAfterTheCurrentTestAndResumesWithTheSameCandidate) {
    Spielstand s = spiel(5, 6, reihe({1, 2, 3, 4, 5}));
    antworte(s, 0, 0); // only 6 6 6 6 6 agrees: a long search
    Spielstand ungestört = s;
    ASSERT_EQ(ungestört.Suche(), Suchausgang::Gefunden);

    s.Aktivität = [&] { s.Abbruch = Wahr; };
    ASSERT_EQ(s.Suche(), Suchausgang::Unterbrochen);
    const Reihe kandidat = s.Kombination[0];
    const std::int16_t prüfzug = s.Prüfzug;
    EXPECT_NE(kandidat, ungestört.Kombination[0]);
    s.Aktivität = nullptr;
    // The answer may be changed meanwhile; the resumed search doesn't read it again
    // for the candidate in hand, and the result is the same as without the stop.
    EXPECT_EQ(s.Abbruch, Wahr);
    EXPECT_EQ(s.Kombination[0], kandidat);
    EXPECT_EQ(s.Prüfzug, prüfzug);
    EXPECT_EQ(s.Suche(), Suchausgang::Gefunden);
    EXPECT_EQ(s.Kombination[0], ungestört.Kombination[0]);
    EXPECT_EQ(s.Abbruch, 0);
}

TEST(Suche, stopDuringTheExhaustingStepResumesIntoTheContradiction) {
    // Start the candidate 98 codes before the end: the step that runs past
    // the last code is the 98th of the search, the one that shows activity.
    Spielstand s = spiel(4, 6, reihe({3, 1, 4, 1}));
    s.Kombination[0] = codeNr(1296 - 98, 4, 6);
    antworte(s, 3, 1);
    s.Aktivität = [&] { s.Abbruch = Wahr; };
    ASSERT_EQ(s.Suche(), Suchausgang::Unterbrochen);
    EXPECT_EQ(s.Erschöpft, 1);
    EXPECT_EQ(s.Prüfzug, 0);

    s.Aktivität = [&] { ADD_FAILURE() << "no further candidates may be stepped through"; };
    EXPECT_EQ(s.Suche(), Suchausgang::Widerspruch);
    EXPECT_EQ(s.Prüfzug, 0);
}

TEST(Suche, afterTheLastCodeWasGuessedTheNextSearchIsAContradiction) {
    Spielstand s = spiel(2, 2, reihe({2, 2}));
    s.Kombination[0] = reihe({2, 2});
    antworte(s, 1, 0);
    s.KandidatAusZug(1);
    s.Neu(); // steps past the last code, as after accepting it
    ASSERT_EQ(s.Erschöpft, 1);
    s.Abbruch = 0;
    EXPECT_EQ(s.Suche(), Suchausgang::Widerspruch);
}

TEST(Suche, withOneFieldTheGuessesAreTheSymbolsInOrderSkippingTheFirst) {
    for (int geheim = 1; geheim <= 6; ++geheim) {
        for (int erster = 1; erster <= 6; ++erster) {
            Spielstand s = spiel(1, 6, reihe({erster}));
            std::vector<int> züge{erster};
            while (s.Kombination[s.Zug][1] != geheim) {
                antworte(s, 0, 0);
                ASSERT_EQ(s.Suche(), Suchausgang::Gefunden);
                übernimm(s);
                züge.push_back(s.Kombination[s.Zug][1]);
            }
            std::vector<int> erwartet{erster};
            for (int sym = 1; sym <= geheim; ++sym) {
                if (sym != erster && (erster > geheim || sym <= geheim)) {
                    erwartet.push_back(sym);
                }
            }
            if (erster == geheim) {
                erwartet = {erster};
            }
            EXPECT_EQ(züge, erwartet) << "secret " << geheim << " first " << erster;
        }
    }
}

TEST(Suche, correctionsResumeFromTheRememberedCandidate) {
    // After a contradiction the window puts the guess of move Zug back into
    // row 0 and reopens the answer; the corrected answer gives the first
    // agreeing code after that guess.
    Spielstand s = spiel(4, 6, reihe({1, 2, 3, 4}));
    antworte(s, 0, 0);
    ASSERT_EQ(s.Suche(), Suchausgang::Gefunden);
    übernimm(s); // 5 5 5 5
    ASSERT_EQ(s.Kombination[2], reihe({5, 5, 5, 5}));
    antworte(s, 4, 1); // impossible
    ASSERT_EQ(s.Suche(), Suchausgang::Widerspruch);
    s.KandidatAusZug(s.Zug);
    s.AntwortZurücknehmen();
    EXPECT_EQ(s.Erschöpft, 0);
    EXPECT_EQ(s.Kombination[0], reihe({5, 5, 5, 5}));
    antworte(s, 1, 0);
    ASSERT_EQ(s.Suche(), Suchausgang::Gefunden);
    EXPECT_EQ(s.Kombination[0], reihe({6, 6, 6, 5}));
}

TEST(Suche, reopeningMoveOneResetsTheCandidate) {
    Spielstand s = spiel(3, 3, reihe({1, 2, 3}));
    antworte(s, 3, 1); // impossible with 3 fields
    ASSERT_EQ(s.Suche(), Suchausgang::Widerspruch);
    s.KandidatAusZug(1);
    s.ZahlSchwarzPins = 3;
    s.ZahlWeißPins = 1;
    s.AntwortZurücknehmen();
    EXPECT_EQ(s.Kombination[0], reihe({1, 1, 1}));
    EXPECT_EQ(s.ZahlSchwarzPins, 0);
    EXPECT_EQ(s.ZahlWeißPins, 0);
    EXPECT_EQ(s.Erschöpft, 0);
}

TEST(Suche, everyLaterGuessIsTheFirstCodeConsistentWithAllAnswers) {
    std::mt19937 zufall(4711);
    const std::pair<int, int> größen[] = {{1, 1}, {1, 8}, {2, 3}, {3, 4}, {4, 6},
                                          {5, 4}, {4, 8}, {6, 3}, {3, 8}, {8, 2}};
    for (const auto& [felder, farben] : größen) {
        long anzahl = 1;
        for (int i = 0; i < felder; ++i) {
            anzahl *= farben;
        }
        std::uniform_int_distribution<long> codes(0, anzahl - 1);
        for (int runde = 0; runde < 25; ++runde) {
            const Reihe geheim = codeNr(codes(zufall), felder, farben);
            Spielstand s = spiel(felder, farben, codeNr(codes(zufall), felder, farben));
            std::set<Reihe> geraten;
            while (true) {
                const Reihe zug = s.Kombination[s.Zug];
                ASSERT_TRUE(geraten.insert(zug).second) << "guess repeated";
                const auto [schwarz, weiß] = bewerte(geheim, zug, felder);
                antworte(s, schwarz, weiß);
                if (schwarz == felder) {
                    break;
                }
                ASSERT_LT(s.Zug, 40);
                ASSERT_EQ(s.Suche(), Suchausgang::Gefunden);
                // The brute-force answer: first code agreeing with every move.
                Reihe erwartet{};
                for (long i = 0; i < anzahl; ++i) {
                    const Reihe c = codeNr(i, felder, farben);
                    bool passt = true;
                    for (int m = 1; m <= s.Zug && passt; ++m) {
                        passt = bewerte(c, s.Kombination[m], felder) ==
                                std::make_pair<int, int>(s.AntwortSchwarz[m], s.AntwortWeiß[m]);
                    }
                    if (passt) {
                        erwartet = c;
                        break;
                    }
                }
                ASSERT_EQ(s.Kombination[0], erwartet);
                übernimm(s);
            }
        }
    }
}
