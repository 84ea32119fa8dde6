// The fast evaluation against the plain replay, the run's figures, and the
// compact list of move counts.

#include "evaluation/Auswertung.h"
#include "evaluation/Nachspiel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace quorbix;

namespace {

// A fixed stream of draws in [0, 1) for strategy 4 (a small LCG).
Zufall::Quelle feste(std::uint32_t keim) {
    return [x = keim]() mutable {
        x = x * 1664525U + 1013904223U;
        return static_cast<double>(x >> 8) / 16777216.0;
    };
}

std::vector<int> einfach(std::int16_t felder, std::int16_t farben, std::int16_t strategie,
                         std::uint32_t keim = 1) {
    Zufall z;
    z.setzeQuelle(feste(keim));
    Nachspiel n(felder, farben);
    n.Vorbereiten(strategie, z);
    std::vector<int> züge;
    while (!n.Erschöpft()) {
        züge.push_back(n.NächsterCode());
    }
    return züge;
}

std::vector<int> schnell(std::int16_t felder, std::int16_t farben, std::int16_t strategie,
                         std::uint32_t keim = 1) {
    Zufall z;
    z.setzeQuelle(feste(keim));
    Auswertung a(felder, farben, strategie, z);
    std::vector<int> züge;
    while (!a.Fertig()) {
        züge.push_back(a.NächsterCode());
    }
    return züge;
}

Bilanz bilanz(const std::vector<int>& züge) {
    Bilanz b;
    for (const int z : züge) {
        b.zähle(z);
    }
    return b;
}

} // namespace

TEST(Auswertung, sixSymbolsOnFourFieldsEndWithTheKnownFigures) {
    const struct {
        std::int16_t strategie;
        int minimum, maximum;
        std::int64_t summe, zehntel;
    } fälle[] = {{3, 1, 8, 6279, 48}, {1, 1, 9, 7471, 58}, {2, 1, 9, 6680, 52}};
    for (const auto& f : fälle) {
        for (const bool fast : {false, true}) {
            const Bilanz b = bilanz(fast ? schnell(4, 6, f.strategie) : einfach(4, 6, f.strategie));
            EXPECT_EQ(b.Codes, 1296U) << f.strategie;
            EXPECT_EQ(b.Minimum, f.minimum) << f.strategie;
            EXPECT_EQ(b.Maximum, f.maximum) << f.strategie;
            EXPECT_EQ(b.Summe, f.summe) << f.strategie;
            EXPECT_EQ(b.MittelZehntel(), f.zehntel) << f.strategie;
        }
    }
}

// Every space small enough to replay plainly in a moment, every strategy.
TEST(Auswertung, fastEqualsPlainReplayOnEverySmallSpace) {
    for (std::int16_t felder = 1; felder <= 8; ++felder) {
        for (std::int16_t farben = 1; farben <= 8; ++farben) {
            if (AnzahlCodes(felder, farben) > 1300) {
                continue;
            }
            for (const std::int16_t strategie : {1, 2, 3, 0, 4}) {
                EXPECT_EQ(schnell(felder, farben, strategie), einfach(felder, farben, strategie))
                    << felder << " fields, " << farben << " symbols, strategy " << strategie;
            }
        }
    }
}

TEST(Auswertung, fastEqualsPlainReplayOnMediumSpaces) {
    const struct { std::int16_t felder, farben; } räume[] = {{4, 8}, {5, 5}, {7, 3}, {8, 2}};
    for (const auto& r : räume) {
        for (const std::int16_t strategie : {1, 2, 3, 0, 4}) {
            EXPECT_EQ(schnell(r.felder, r.farben, strategie, 7),
                      einfach(r.felder, r.farben, strategie, 7))
                << r.felder << " fields, " << r.farben << " symbols, strategy " << strategie;
        }
    }
}

// In the largest spaces only single games can be replayed plainly: the
// first codes and codes spread over the space.
TEST(Auswertung, fastEqualsPlainReplayForSampledCodesOfLargeSpaces) {
    const struct {
        std::int16_t felder, farben, strategie;
    } fälle[] = {{8, 8, 3}, {7, 7, 1}, {7, 7, 2}, {6, 8, 0}, {8, 6, 3}};
    for (const auto& f : fälle) {
        Zufall z;
        Auswertung a(f.felder, f.farben, f.strategie, z);
        Nachspiel n(f.felder, f.farben);
        n.Vorbereiten(f.strategie, z);
        for (std::uint32_t nr = 0; nr < 120; ++nr) {
            ASSERT_EQ(a.NächsterCode(), n.NächsterCode()) << Codetext(nr, f.felder, f.farben);
        }
        const std::uint32_t alle = a.AnzahlCodes();
        for (std::uint32_t nr = 120; nr < alle; nr += alle / 3 + 12345) {
            while (a.Erledigt() <= nr) {
                a.NächsterCode();
            }
            n.Geheimcode = CodeNummer(nr, f.felder, f.farben);
            EXPECT_EQ(a.Züge()[nr], n.Nachspielen(n.Vorgaben))
                << Codetext(nr, f.felder, f.farben) << " strategy " << f.strategie;
        }
    }
}

TEST(Auswertung, countsGamesLongerThanFourteenMoves) {
    Zufall z;
    Auswertung a(6, 8, 0, z);
    Bilanz b;
    while (!a.Fertig()) {
        b.zähle(a.NächsterCode());
    }
    EXPECT_EQ(b.Maximum, 15);
    EXPECT_EQ(a.Züge()[249134], 15); // 7 6 5 7 5 8
    EXPECT_EQ(Codetext(249134, 6, 8), "765758");
}

TEST(Auswertung, randomOpeningOfZerosDrawnIsStrategyOne) {
    Zufall z;
    int gezogen = 0;
    z.setzeQuelle([&] {
        ++gezogen;
        return 0.0;
    });
    Auswertung a(4, 5, 4, z);
    std::vector<int> züge;
    while (!a.Fertig()) {
        züge.push_back(a.NächsterCode());
    }
    EXPECT_EQ(züge, schnell(4, 5, 1));
    EXPECT_EQ(gezogen, 4 * 625);
}

TEST(Auswertung, randomOpeningsDifferBetweenSeedsButNotBetweenEngines) {
    EXPECT_NE(schnell(4, 6, 4, 1), schnell(4, 6, 4, 2));
    EXPECT_EQ(schnell(4, 6, 4, 2), einfach(4, 6, 4, 2));
}

TEST(Auswertung, codesBecomeKnownInCountingOrder) {
    Zufall z;
    Auswertung a(6, 6, 3, z);
    EXPECT_EQ(a.AnzahlCodes(), 46656U);
    EXPECT_EQ(a.Erledigt(), 0U);
    EXPECT_FALSE(a.Fertig());
    for (std::uint32_t i = 0; i < a.AnzahlCodes(); ++i) {
        const int z = a.NächsterCode();
        ASSERT_EQ(a.Erledigt(), i + 1);
        ASSERT_EQ(a.Züge()[i], z);
        ASSERT_GE(z, 1);
    }
    EXPECT_TRUE(a.Fertig());
}

TEST(Auswertung, endingEarlyKeepsTheCountsOfTheCodesDone) {
    Zufall z;
    Auswertung a(8, 8, 3, z);
    std::vector<int> züge;
    for (int i = 0; i < 10; ++i) {
        züge.push_back(a.NächsterCode());
    }
    a.Beenden();
    EXPECT_TRUE(a.Fertig());
    EXPECT_EQ(a.Erledigt(), 10U);
    for (std::uint32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(a.Züge()[i], züge[i]);
    }
}

TEST(Zugliste, keepsCountsBeyondOneByte) {
    Zugliste l(5);
    EXPECT_FALSE(l.bekannt(0));
    l.setze(0, 7);
    l.setze(1, 254);
    l.setze(2, 255);
    l.setze(3, 70000);
    EXPECT_TRUE(l.bekannt(0));
    EXPECT_EQ(l[0], 7);
    EXPECT_EQ(l[1], 254);
    EXPECT_EQ(l[2], 255);
    EXPECT_EQ(l[3], 70000);
    EXPECT_FALSE(l.bekannt(4));
    EXPECT_EQ(l.size(), 5U);
}

TEST(Bilanz, firstCountIsMinimumAndMaximumAndLaterOnesReportChanges) {
    Bilanz b;
    EXPECT_EQ(b.zähle(30), 3U); // above the game's own start value of 20 too
    EXPECT_EQ(b.Minimum, 30);
    EXPECT_EQ(b.Maximum, 30);
    EXPECT_EQ(b.zähle(30), 0U);
    EXPECT_EQ(b.zähle(2), 1U);
    EXPECT_EQ(b.zähle(40), 2U);
    EXPECT_EQ(b.Codes, 4U);
    EXPECT_EQ(b.Summe, 102);
}

TEST(Bilanz, averageRoundsToTenthsHalvesToEven) {
    const struct {
        std::int64_t summe;
        std::uint32_t codes;
        std::int64_t zehntel;
    } fälle[] = {{6279, 1296, 48}, {97, 20, 48}, {99, 20, 50}, {5, 1, 50},       {1, 3, 3},
                 {2, 3, 7},        {1, 20, 0},   {3, 20, 2},   {7471, 1296, 58}, {6680, 1296, 52}};
    for (const auto& f : fälle) {
        Bilanz b;
        b.Summe = f.summe;
        b.Codes = f.codes;
        EXPECT_EQ(b.MittelZehntel(), f.zehntel) << f.summe << '/' << f.codes;
    }
    EXPECT_EQ(Bilanz{}.MittelZehntel(), 0);
}
