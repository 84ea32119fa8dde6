// Both evaluation engines and their known figures, on any number of workers.

#include "evaluation/engine/Auswertung.h"
#include "evaluation/engine/Einzelspiele.h"
#include "evaluation/engine/Nachspiel.h"
#include "evaluation/engine/Teilung.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace quorbix;

namespace {

// Draws from a small LCG, or 0s (keim 0).
Zufall::Quelle lcg(std::uint32_t keim) {
    return [keim, x = keim]() mutable {
        x = x * 1664525U + 1013904223U;
        return keim == 0 ? 0.0 : static_cast<double>(x >> 8) / 16777216.0;
    };
}

// The moves of `anzahl` codes from code `ab` on, by the fast engine on
// `arbeiter` workers (0: the plain replay); the run ends after them.
std::vector<int> lauf(unsigned arbeiter, std::int16_t felder, std::int16_t farben, std::int16_t s,
                      std::uint32_t keim = 1, std::size_t anzahl = SIZE_MAX, std::uint32_t ab = 0) {
    Zufall z;
    z.setzeQuelle(lcg(keim));
    std::vector<int> züge;
    if (arbeiter > 0) {
        Auswertung a(felder, farben, s, z, arbeiter);
        while (!a.Fertig() && züge.size() < ab + anzahl) {
            züge.push_back(a.NächsterCode());
        }
        return {züge.begin() + ab, züge.end()};
    }
    Nachspiel n(felder, farben);
    n.Vorbereiten(s, z);
    for (n.Geheimcode = CodeNummer(ab, felder, farben); !n.Erschöpft() && züge.size() < anzahl;) {
        züge.push_back(n.NächsterCode());
    }
    return züge;
}

} // namespace

// Strategy, count, minimum, maximum, sum, average in tenths. Strategy 0 takes
// one move more than 1 for every code; draws of 0 make 4 open as 1.
TEST(Auswertung, sixSymbolsOnFourFieldsEndWithTheKnownFigures) {
    const std::vector<std::int64_t> fälle[] = {{3, 1296, 1, 8, 6279, 48},
                                               {1, 1296, 1, 9, 7471, 58},
                                               {2, 1296, 1, 9, 6680, 52},
                                               {0, 1296, 2, 10, 8767, 68},
                                               {4, 1296, 1, 9, 7471, 58}};
    for (const auto& f : fälle) {
        const auto s = static_cast<std::int16_t>(f[0]);
        const auto zahlen = [s](const Bilanz& b) {
            return std::vector<std::int64_t>{s,         b.Codes, b.Minimum,
                                             b.Maximum, b.Summe, b.MittelZehntel()};
        };
        Bilanz b; // the plain replay's codes one by one
        for (const int z : lauf(0, 4, 6, s, 0)) {
            b.zähle(z);
        }
        EXPECT_EQ(zahlen(b), f);
        Zufall z; // the fast engine's in batches, taken while its workers go on
        z.setzeQuelle(lcg(0));
        Bilanz c;
        for (Auswertung a(4, 6, s, z, 2); !a.Fertig();) {
            a.Übergib(7, c);
        }
        EXPECT_EQ(zahlen(c), f);
    }
    EXPECT_EQ((Bilanz{20, 97, 0, 0}.MittelZehntel()), 48); // 4.85: halves go to even
    EXPECT_EQ((Bilanz{20, 99, 0, 0}.MittelZehntel()), 50);
}

// 8 symbols on 4 fields: strategy 3's third row begins with 9, matching nothing.
TEST(Auswertung, strategyThreeWrapsOnlyInsideARow) {
    const Reihe r = Eröffnungsreihen(3, 4, 8).Reihen.at(2);
    EXPECT_EQ(r[1] * 1000 + r[2] * 100 + r[3] * 10 + r[4], 9123);
}

// Every row on one, two and three workers is the plain replay's.
TEST(Auswertung, fastOnAnyNumberOfWorkersEqualsPlainReplayOnEverySmallSpace) {
    for (std::int16_t felder = 1; felder <= 8; ++felder) {
        for (std::int16_t farben = 1; farben <= 8 && AnzahlCodes(felder, farben) <= 2500;
             ++farben) {
            for (const std::int16_t s : {1, 2, 3, 0, 4}) {
                const std::vector<int> soll = lauf(0, felder, farben, s, 7U * farben);
                for (const unsigned arbeiter : {1U, 2U, 3U}) {
                    EXPECT_EQ(lauf(arbeiter, felder, farben, s, 7U * farben), soll)
                        << felder << " fields, " << farben << " symbols, strategy " << s << ", "
                        << arbeiter << " workers";
                }
            }
        }
    }
}

// Spaces too large to replay plainly: 30 codes from the first or from one
// far into the space (765758 of 6 fields, 8 symbols takes 15 moves).
TEST(Auswertung, fastEqualsPlainReplayForSampledCodesOfLargeSpaces) {
    const unsigned fälle[][4] = {{8, 8, 3, 0}, {7, 6, 4, 0}, {6, 8, 0, 249134}, {7, 5, 2, 40000}};
    for (const auto& [felder, farben, s, ab] : fälle) {
        EXPECT_EQ(lauf(2, felder, farben, s, 3, 30, ab), lauf(0, felder, farben, s, 3, 30, ab))
            << felder << " fields, " << farben << " symbols, strategy " << s;
    }
}

// 8 fields of 8 symbols, stopped in the middle: the codes handed out are
// the same on any number of workers, and stopping drops the rest at once.
TEST(Auswertung, largeSpaceStoppedInTheMiddleGivesTheSameRowsOnAnyNumberOfWorkers) {
    for (const auto& [s, anzahl] : {std::pair{1, 20000U}, {3, 20000U}, {4, 300U}}) {
        const auto strategie = static_cast<std::int16_t>(s);
        const std::vector<int> soll = lauf(1, 8, 8, strategie, 5, anzahl);
        for (const unsigned arbeiter : {2U, 3U}) {
            EXPECT_EQ(lauf(arbeiter, 8, 8, strategie, 5, anzahl), soll)
                << "strategy " << s << ", " << arbeiter << " workers";
        }
    }
}

// The splitting engine alone, one of two workers, in a run that stopped
// before it began (as when the other could not be started): it waits at the
// first split for nobody and reports no code.
TEST(Teilung, aWorkerOfAStoppedRunWaitsForNoOther) {
    Lauf lauf(AnzahlCodes(4, 6));
    Teilung teilung(4, 6, Eröffnungsreihen(1, 4, 6), lauf, 2);
    lauf.stop();
    teilung.arbeite(0);
    EXPECT_FALSE(lauf.Züge().bekannt(0));
}

// Strategy 4 with real draws from a fixed seed: by the documented formula,
// field k of code i opens with 1 + the integer part of draw number
// i * fields + k times the number of symbols. Replaying each code from that
// row gives the moves the engine must report.
TEST(Auswertung, strategyFourOpensEachCodeWithItsOwnDrawsInCountingOrder) {
    constexpr std::int16_t felder = 4;
    constexpr std::int16_t farben = 6;
    std::vector<double> gezogen;
    const auto quelle = [&gezogen, g = std::mt19937_64(20261207)]() mutable {
        gezogen.push_back(std::generate_canonical<double, 53>(g));
        return gezogen.back();
    };
    Zufall z;
    z.setzeQuelle(quelle);
    std::vector<int> schnell;
    for (Auswertung a(felder, farben, 4, z, 3); !a.Fertig();) {
        schnell.push_back(a.NächsterCode());
    }
    ASSERT_EQ(gezogen.size(), 4U * 1296);
    std::vector<int> soll;
    Nachspiel orakel(felder, farben);
    for (std::uint32_t i = 0; i < 1296; ++i) {
        orakel.Geheimcode = CodeNummer(i, felder, farben);
        for (int k = 1; k <= felder; ++k) {
            orakel.Kombination[1][k] =
                static_cast<std::int16_t>(1 + gezogen[i * felder + k - 1] * 6);
        }
        soll.push_back(orakel.Nachspielen(1));
    }
    EXPECT_EQ(schnell, soll);
}

// Strategy 4 against the plain replay on every code of medium spaces (on 7 and
// 8 fields the engine remembers dead nodes), and on 8 fields of 8 symbols
// against the moves that the engine before it gave for codes spread over the
// counting order, one player playing them all.
TEST(Einzelspiele, strategyFourEqualsPlainReplayOnMediumSpacesAndTheFormerEngineOnLargest) {
    for (const auto& [felder, farben] : {std::pair<std::int16_t, std::int16_t>{8, 3}, {6, 4}}) {
        EXPECT_EQ(lauf(2, felder, farben, 4, 11), lauf(0, felder, farben, 4, 11))
            << felder << " fields, " << farben << " symbols";
    }
    const std::vector<int> soll = {2, 7, 7, 6, 7, 8, 6,  7, 6, 8,  8,  7, 9, 8, 8, 7,
                                   7, 7, 8, 8, 9, 8, 8,  8, 8, 8,  10, 8, 7, 9, 7, 8,
                                   8, 7, 7, 9, 7, 7, 11, 8, 9, 8,  8,  8, 8, 7, 9, 8,
                                   8, 8, 8, 8, 9, 7, 7,  7, 8, 12, 8,  8, 7, 8, 8, 9};
    Zufall z;
    z.setzeQuelle(lcg(9));
    Spieler spieler(8, 8);
    std::vector<int> ist;
    for (std::uint32_t i = 0; i < 64; ++i) {
        Reihe öffnung{};
        ZieheZufallsreihe(öffnung, 8, 8, z);
        ist.push_back(spieler.Züge(i * 262144U + i * 40503U % 262144U, öffnung));
    }
    EXPECT_EQ(ist, soll);
}
