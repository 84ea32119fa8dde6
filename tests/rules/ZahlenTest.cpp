#include "rules/Zahlen.h"

#include <gtest/gtest.h>

using namespace quorbix;

TEST(TextZahl, readsTheLeadingNumberOfAText) {
    const struct {
        const char* text;
        double zahl;
    } fälle[] = {
        {"3", 3},   {"  14", 14},  {"2.5", 2.5}, {"3,7", 3},       {"", 0},        {"abc", 0},
        {" 1)", 1}, {"12abc", 12}, {"-4", -4},   {".5", 0.5},      {"1 2", 12},    {"7.", 7},
        {"+8", 8},  {"-", 0},      {"..5", 0},   {"40000", 40000}, {"1.2.3", 1.2},
    };
    for (const auto& f : fälle) {
        EXPECT_DOUBLE_EQ(TextZahl(f.text), f.zahl) << '"' << f.text << '"';
    }
}

TEST(RundeGerade, halvesGoToTheEvenNeighbour) {
    const struct {
        double wert, ergebnis;
    } fälle[] = {{2.5, 2}, {3.5, 4}, {0.5, 0},  {1.5, 2}, {-2.5, -2}, {-3.5, -4},
                 {2.4, 2}, {2.6, 3}, {4.85, 5}, {4.0, 4}, {-0.4, 0}};
    for (const auto& f : fälle) {
        EXPECT_EQ(RundeGerade(f.wert), f.ergebnis) << f.wert;
    }
}

TEST(TextGanzzahl, roundsAndClampsIntoSixteenBits) {
    EXPECT_EQ(TextGanzzahl("2.5"), 2);
    EXPECT_EQ(TextGanzzahl("3.5"), 4);
    EXPECT_EQ(TextGanzzahl("3,7"), 3);
    EXPECT_EQ(TextGanzzahl("x"), 0);
    EXPECT_EQ(TextGanzzahl("99999"), 32767);
    EXPECT_EQ(TextGanzzahl("-99999"), -32768);
}
