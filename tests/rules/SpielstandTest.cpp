#include "rules/Spielstand.h"
#include "Reihen.h"
#include "rules/Farben.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace quorbix;
using namespace quorbix::test;

namespace {

// The count by formula: sum over symbols of the smaller count, minus black.
std::pair<int, int> nachFormel(const Reihe& a, const Reihe& b, int felder) {
    int schwarz = 0;
    std::array<int, 10> na{}, nb{};
    for (int p = 1; p <= felder; ++p) {
        schwarz += a[p] == b[p];
        ++na[static_cast<std::size_t>(a[p])];
        ++nb[static_cast<std::size_t>(b[p])];
    }
    int gemeinsam = 0;
    for (std::size_t s = 1; s < na.size(); ++s) {
        gemeinsam += std::min(na[s], nb[s]);
    }
    return {schwarz, gemeinsam - schwarz};
}

} // namespace

TEST(Scoring, countsTheDocumentedExamples) {
    const struct {
        Reihe code, zug;
        int felder, schwarz, weiß;
    } fälle[] = {
        {reihe({1, 1, 2, 2}), reihe({1, 2, 1, 3}), 4, 1, 2},
        {reihe({1, 1, 1, 1}), reihe({1, 2, 2, 2}), 4, 1, 0},
        {reihe({1, 2, 3, 4}), reihe({4, 3, 2, 1}), 4, 0, 4},
        {reihe({1, 2, 3, 4}), reihe({1, 2, 3, 4}), 4, 4, 0},
        {reihe({3}), reihe({3}), 1, 1, 0},
        {reihe({3}), reihe({2}), 1, 0, 0},
        {reihe({1, 2, 3, 4, 5, 6, 7, 8}), reihe({8, 7, 6, 5, 4, 3, 2, 1}), 8, 0, 8},
        {reihe({2, 2, 1}), reihe({1, 2, 2}), 3, 1, 2},
    };
    for (const auto& f : fälle) {
        EXPECT_EQ(bewerte(f.code, f.zug, f.felder), std::make_pair(f.schwarz, f.weiß));
        // Either row may be the secret.
        EXPECT_EQ(bewerte(f.zug, f.code, f.felder), std::make_pair(f.schwarz, f.weiß));
    }
}

TEST(Scoring, matchesTheFormulaAndIsSymmetricForRandomCodes) {
    std::mt19937 zufall(12345);
    for (int felder = 1; felder <= MaxFelder; ++felder) {
        for (int farben = 1; farben <= MaxFarben; ++farben) {
            std::uniform_int_distribution<int> symbol(1, farben);
            for (int i = 0; i < 400; ++i) {
                Reihe a{}, b{};
                for (int p = 1; p <= felder; ++p) {
                    a[p] = static_cast<std::int16_t>(symbol(zufall));
                    b[p] = static_cast<std::int16_t>(symbol(zufall));
                }
                const auto erwartet = nachFormel(a, b, felder);
                ASSERT_EQ(bewerte(a, b, felder), erwartet) << felder << " fields";
                ASSERT_EQ(bewerte(b, a, felder), erwartet) << felder << " fields";
                if (felder == 1) {
                    ASSERT_EQ(erwartet.second, 0);
                }
            }
        }
    }
}

TEST(Scoring, whiteCountUsesUpACopyAndLeavesTheRowsAlone) {
    Spielstand s;
    s.AnzahlFelder = 4;
    s.Kombination[0] = reihe({1, 1, 2, 2});
    s.Kombination[1] = reihe({1, 2, 1, 3});
    s.Prüfzug = 1;
    s.Anzahlweiße();
    EXPECT_EQ(s.Weiße, 2);
    // Position 2 (a 2) and position 3 (a 1) were used for white; 1 is exact.
    EXPECT_EQ(s.Hilfsreihe[0], reihe({1, 0, 0, 3}));
    EXPECT_EQ(s.Kombination[0], reihe({1, 1, 2, 2}));
    EXPECT_EQ(s.Kombination[1], reihe({1, 2, 1, 3}));
}

TEST(Neubeginn, resetsTheGameAndDrawsTheCode) {
    Spielstand s;
    s.Zug = 7;
    s.Abbruch = Wahr;
    s.Erschöpft = 1;
    s.ZahlSchwarzPins = 5;
    s.ZahlWeißPins = 3;
    s.AntwortSchwarz[4] = 2;
    s.Kombination[9][2] = 4;
    s.Prüfzug = 3;
    s.Suchschritte = 77;
    Zufall zufall;
    const double draws[] = {0.0, 0.99, 0.5, 0.34};
    int i = 0;
    zufall.setzeQuelle([&] { return draws[i++ % 4]; });
    s.Neubeginn(zufall);
    EXPECT_EQ(s.Zug, 0);
    EXPECT_EQ(s.Abbruch, 0);
    EXPECT_EQ(s.Erschöpft, 0);
    EXPECT_EQ(s.ZahlSchwarzPins, 0);
    EXPECT_EQ(s.ZahlWeißPins, 0);
    EXPECT_EQ(s.AntwortSchwarz[4], 0);
    EXPECT_EQ(s.Kombination[9][2], 0);
    // Left as they were.
    EXPECT_EQ(s.Prüfzug, 3);
    EXPECT_EQ(s.Suchschritte, 77);
    // Human guesses, 6 colours: 1 + int(r * 6).
    EXPECT_EQ(s.Kombination[1], reihe({1, 6, 4, 3}));
    EXPECT_EQ(s.Kombination[0], s.Kombination[1]);
    for (int sym = 1; sym <= 8; ++sym) {
        EXPECT_EQ(s.Farbtabelle[sym], SymbolFarben[sym - 1]);
    }
}

TEST(Neubeginn, computerGuessingStartsTheCandidateAtAllOnes) {
    Spielstand s;
    s.Mensch = false;
    s.AnzahlFelder = 5;
    s.AnzahlFarben = 8;
    Zufall zufall;
    zufall.setzeQuelle([] { return 0.9; });
    s.Neubeginn(zufall);
    EXPECT_EQ(s.Kombination[0], reihe({1, 1, 1, 1, 1}));
    EXPECT_EQ(s.Kombination[1], reihe({8, 8, 8, 8, 8}));
}

TEST(Neubeginn, oneSymbolGivesAllOnesAndDrawsStayInRange) {
    Zufall zufall;
    for (int farben = 1; farben <= 8; ++farben) {
        for (int runde = 0; runde < 50; ++runde) {
            Spielstand s;
            s.AnzahlFarben = static_cast<std::int16_t>(farben);
            s.AnzahlFelder = 8;
            s.Neubeginn(zufall);
            for (int p = 1; p <= 8; ++p) {
                ASSERT_GE(s.Kombination[0][p], 1);
                ASSERT_LE(s.Kombination[0][p], farben);
            }
        }
    }
}

TEST(Zufall, drawsCoverEverySymbolAndNeverReachOne) {
    Zufall zufall;
    std::array<int, 9> gesehen{};
    for (int i = 0; i < 20000; ++i) {
        const double r = zufall.Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++gesehen[static_cast<std::size_t>(zufall.Symbol(8))];
    }
    EXPECT_EQ(gesehen[0], 0);
    for (int s = 1; s <= 8; ++s) {
        EXPECT_GT(gesehen[static_cast<std::size_t>(s)], 2000) << s;
    }
}

TEST(Bewertung, ratesBySolvingMove) {
    const struct {
        int zug;
        const char* text;
    } fälle[] = {
        {1, "Unglaublich gut !"},
        {3, "Unglaublich gut !"},
        {4, "Gut nachgedacht !"},
        {6, "Gut nachgedacht !"},
        {7, "Okay. Aber es geht noch besser !"},
        {10, "Okay. Aber es geht noch besser !"},
        {11, "Das ging gerade noch einmal gut !"},
        {14, "Das ging gerade noch einmal gut !"},
    };
    for (const auto& f : fälle) {
        EXPECT_EQ(Bewertung(f.zug), f.text) << f.zug;
    }
}
