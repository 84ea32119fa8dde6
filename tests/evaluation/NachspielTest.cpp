// The plain replay: opening rows, counting, the candidate step and whole
// games, with the figures the evaluation window is known to end with.

#include "evaluation/Nachspiel.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace quorbix;

namespace {

Reihe reihe(const std::string& ziffern) {
    Reihe r{};
    for (std::size_t k = 0; k < ziffern.size(); ++k) {
        r[k + 1] = static_cast<std::int16_t>(ziffern[k] - '0');
    }
    return r;
}

std::string text(const Reihe& r, int felder) {
    std::string t;
    for (int k = 1; k <= felder; ++k) {
        t += std::to_string(r[k]);
    }
    return t;
}

std::vector<std::string> zeilen(std::int16_t strategie, std::int16_t felder, std::int16_t farben) {
    const Eröffnung e = Eröffnungsreihen(strategie, felder, farben);
    std::vector<std::string> z;
    for (const Reihe& r : e.Reihen) {
        z.push_back(text(r, felder));
    }
    EXPECT_EQ(e.Vorgaben, static_cast<std::int16_t>(z.size()));
    return z;
}

// One game of the plain replay against `code`.
int spiel(std::int16_t strategie, std::int16_t felder, std::int16_t farben,
          const std::string& code) {
    Nachspiel n(felder, farben);
    Zufall z;
    n.Vorbereiten(strategie, z);
    n.Geheimcode = reihe(code);
    return n.Nachspielen(n.Vorgaben);
}

} // namespace

TEST(Eroeffnung, strategyThreeFillsRowsWithAscendingSymbols) {
    using Z = std::vector<std::string>;
    EXPECT_EQ(zeilen(3, 4, 6), (Z{"1234", "5612"}));
    EXPECT_EQ(zeilen(3, 3, 8), (Z{"123", "456", "781"}));
    EXPECT_EQ(zeilen(3, 6, 4), (Z{"123412"}));
    EXPECT_EQ(zeilen(3, 4, 8), (Z{"1234", "5678", "9123"}));
    EXPECT_EQ(zeilen(3, 4, 4), (Z{"1234", "5123"}));
    EXPECT_EQ(zeilen(3, 1, 6), (Z{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(zeilen(3, 1, 8), (Z{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(zeilen(3, 8, 8), (Z{"12345678", "91234567"}));
}

TEST(Eroeffnung, strategiesOneTwoAndUnknownNumbersGiveOneRow) {
    using Z = std::vector<std::string>;
    EXPECT_EQ(zeilen(1, 4, 6), (Z{"1111"}));
    EXPECT_EQ(zeilen(2, 4, 6), (Z{"1234"}));
    EXPECT_EQ(zeilen(2, 3, 2), (Z{"123"}));
    for (const std::int16_t s : {0, 5, -1, -32768, 32767}) {
        EXPECT_EQ(zeilen(s, 4, 6), (Z{"0000"})) << s;
        EXPECT_FALSE(Eröffnungsreihen(s, 4, 6).zufällig);
    }
    const Eröffnung vier = Eröffnungsreihen(4, 4, 6);
    EXPECT_TRUE(vier.zufällig);
    EXPECT_EQ(vier.Vorgaben, 1);
}

TEST(Eroeffnung, randomRowDrawsOneSymbolPerFieldInOrder) {
    Zufall z;
    std::vector<double> werte{0.0, 0.99, 0.5, 0.17};
    std::size_t i = 0;
    z.setzeQuelle([&] { return werte[i++]; });
    Reihe r{};
    ZieheZufallsreihe(r, 4, 6, z);
    EXPECT_EQ(text(r, 4), "1642");
    EXPECT_EQ(i, 4U);
}

TEST(Codes, countingOrderChangesFieldOneFastest) {
    EXPECT_EQ(AnzahlCodes(4, 6), 1296U);
    EXPECT_EQ(AnzahlCodes(8, 8), 16777216U);
    EXPECT_EQ(Codetext(0, 4, 6), "1111");
    EXPECT_EQ(Codetext(1, 4, 6), "2111");
    EXPECT_EQ(Codetext(6, 4, 6), "1211");
    EXPECT_EQ(Codetext(1295, 4, 6), "6666");
    EXPECT_EQ(Codetext(16777215, 8, 8), "88888888");
}

TEST(Nachspiel, countsAreTheStandardBlackAndWhite) {
    const struct {
        const char* a;
        const char* b;
        int schwarz, weiß;
    } fälle[] = {
        {"1122", "1213", 1, 2}, {"1111", "1222", 1, 0}, {"1234", "4321", 0, 4},
        {"1234", "1234", 4, 0}, {"1122", "2211", 0, 4}, {"1123", "3111", 1, 2},
    };
    for (const auto& f : fälle) {
        for (const bool getauscht : {false, true}) {
            Nachspiel n(4, 6);
            n.Kombination[0] = reihe(getauscht ? f.b : f.a);
            n.Kombination[1] = reihe(getauscht ? f.a : f.b);
            n.Prüfzug = 1;
            std::int16_t s = -1;
            std::int16_t w = -1;
            n.PrüfSchwarze(s);
            n.PrüfWeiße(w);
            EXPECT_EQ(s, f.schwarz) << f.a << ' ' << f.b;
            EXPECT_EQ(w, f.weiß) << f.a << ' ' << f.b;
            EXPECT_EQ(text(n.Kombination[1], 4), getauscht ? f.a : f.b); // row kept
        }
    }
}

TEST(Nachspiel, codeOneOneOneOneUnderEachStrategy) {
    Nachspiel n(4, 6);
    Zufall z;
    n.Vorbereiten(3, z);
    n.Geheimcode = reihe("1111");
    EXPECT_EQ(n.Nachspielen(n.Vorgaben), 3);
    EXPECT_EQ(text(n.Kombination[1], 4), "1234");
    EXPECT_EQ(text(n.Kombination[2], 4), "5612");
    EXPECT_EQ(text(n.Kombination[3], 4), "1111");
    EXPECT_EQ(n.AntwortSchwarz[1], 1);
    EXPECT_EQ(n.AntwortWeiß[1], 0);
    EXPECT_EQ(n.AntwortSchwarz[2], 1);
    EXPECT_EQ(n.AntwortWeiß[2], 0);

    EXPECT_EQ(spiel(1, 4, 6, "1111"), 1);
    EXPECT_EQ(spiel(2, 4, 6, "1111"), 2);
    EXPECT_EQ(spiel(0, 4, 6, "1111"), 2);
}

TEST(Nachspiel, oneFieldStrategyOneFindsSymbolSOnMoveS) {
    for (int s = 1; s <= 8; ++s) {
        EXPECT_EQ(spiel(1, 1, 8, std::to_string(s)), s);
    }
}

TEST(Nachspiel, strategyTwoRowWithFieldsBeyondTheSymbolsMatchesNothingThere) {
    Nachspiel n(3, 2);
    Zufall z;
    n.Vorbereiten(2, z);
    n.Geheimcode = reihe("222");
    const int züge = n.Nachspielen(n.Vorgaben);
    EXPECT_EQ(text(n.Kombination[1], 3), "123");
    EXPECT_EQ(n.AntwortSchwarz[1], 1);
    EXPECT_EQ(n.AntwortWeiß[1], 0);
    // 1 1 1 is the first code with one black and no white against 1 2 3; it
    // is answered 0 and 0, which leaves 2 2 2.
    EXPECT_EQ(text(n.Kombination[2], 3), "111");
    EXPECT_EQ(text(n.Kombination[3], 3), "222");
    EXPECT_EQ(züge, 3);
}

TEST(Nachspiel, gameLongerThanFourteenMovesIsPlayedToTheEnd) {
    Nachspiel n(6, 8);
    Zufall z;
    n.Vorbereiten(0, z);
    n.Geheimcode = reihe("765758");
    EXPECT_EQ(n.Nachspielen(n.Vorgaben), 15);
    ASSERT_GE(n.Kombination.size(), 16U);
    EXPECT_EQ(text(n.Kombination[15], 6), "765758");
    EXPECT_EQ(n.AntwortSchwarz[15], 6);
    EXPECT_EQ(text(n.Kombination[1], 6), "000000");
}

TEST(Nachspiel, nextNumberCountsWithFieldOneFastestAndStopsAfterTheLastCode) {
    Nachspiel n(2, 3);
    n.Kombination[0] = reihe("11");
    std::vector<std::string> folge;
    for (int i = 0; i < 8; ++i) {
        n.NextNumber();
        folge.push_back(text(n.Kombination[0], 2));
    }
    EXPECT_EQ(folge, (std::vector<std::string>{"21", "31", "12", "22", "32", "13", "23", "33"}));
    EXPECT_THROW(n.NextNumber(), std::logic_error);
}

TEST(Nachspiel, secretCodeStepsThroughTheSpaceAndEndsPastTheLastSymbol) {
    Nachspiel n(2, 2);
    Zufall z;
    n.Vorbereiten(1, z);
    std::vector<std::string> codes;
    while (!n.Erschöpft()) {
        codes.push_back(text(n.Geheimcode, 2));
        n.NächsterGeheimcode();
    }
    EXPECT_EQ(codes, (std::vector<std::string>{"11", "21", "12", "22"}));
    EXPECT_EQ(n.Geheimcode[2], 3);
}

TEST(Nachspiel, stopRequestEndsTheGameAfterTheCurrentMove) {
    Nachspiel n(4, 6);
    Zufall z;
    n.Vorbereiten(3, z);
    n.Geheimcode = reihe("6543");
    n.Abbruch = true;
    EXPECT_EQ(n.Nachspielen(n.Vorgaben), 1);
}

TEST(Nachspiel, unknownStrategyTakesOneMoveMoreThanStrategyOneForEveryCode) {
    Nachspiel eins(4, 6);
    Nachspiel null(4, 6);
    Zufall z;
    eins.Vorbereiten(1, z);
    null.Vorbereiten(7, z);
    while (!eins.Erschöpft()) {
        EXPECT_EQ(null.NächsterCode(), eins.NächsterCode() + 1);
    }
}
