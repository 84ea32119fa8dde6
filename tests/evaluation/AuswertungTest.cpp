// Both evaluation engines, their known figures, and the window without a main window.

#include "evaluation/engine/Auswertung.h"
#include "common/Modal.h"
#include "evaluation/engine/Nachspiel.h"
#include "evaluation/frmSearch.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace quorbix;

namespace {

// The moves of `anzahl` codes from code `ab` on, by the fast engine or the plain
// replay. Strategy 4 draws, from code 0 on, from a small LCG or 0s (keim 0).
std::vector<int> lauf(bool schnell, std::int16_t felder, std::int16_t farben, std::int16_t s,
                      std::uint32_t keim = 1, std::size_t anzahl = SIZE_MAX, std::uint32_t ab = 0) {
    Zufall z;
    z.setzeQuelle([keim, x = keim]() mutable {
        x = x * 1664525U + 1013904223U;
        return keim == 0 ? 0.0 : static_cast<double>(x >> 8) / 16777216.0;
    });
    std::vector<int> züge;
    if (schnell) {
        for (Auswertung a(felder, farben, s, z); !a.Fertig() && züge.size() < ab + anzahl;) {
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
        Bilanz b;
        for (const int z : lauf(false, 4, 6, static_cast<std::int16_t>(f[0]), 0)) {
            b.zähle(z);
        }
        EXPECT_EQ((std::vector<std::int64_t>{f[0], b.Codes, b.Minimum, b.Maximum, b.Summe,
                                             b.MittelZehntel()}),
                  f);
    }
    EXPECT_EQ((Bilanz{20, 97, 0, 0}.MittelZehntel()), 48); // 4.85: halves go to even
    EXPECT_EQ((Bilanz{20, 99, 0, 0}.MittelZehntel()), 50);
}

// 8 symbols on 4 fields: strategy 3's third row begins with 9, matching nothing.
TEST(Auswertung, strategyThreeWrapsOnlyInsideARow) {
    const Reihe r = Eröffnungsreihen(3, 4, 8).Reihen.at(2);
    EXPECT_EQ(r[1] * 1000 + r[2] * 100 + r[3] * 10 + r[4], 9123);
}

TEST(Auswertung, fastEqualsPlainReplayForEveryStrategyOnEverySmallSpace) {
    for (std::int16_t felder = 1; felder <= 8; ++felder) {
        for (std::int16_t farben = 1; farben <= 8 && AnzahlCodes(felder, farben) <= 2500;
             ++farben) {
            for (const std::int16_t s : {1, 2, 3, 0, 4}) {
                EXPECT_EQ(lauf(true, felder, farben, s, 7U * farben),
                          lauf(false, felder, farben, s, 7U * farben))
                    << felder << " fields, " << farben << " symbols, strategy " << s;
            }
        }
    }
}

// Spaces too large to replay plainly: 30 codes from the first or from one
// far into the space (765758 of 6 fields, 8 symbols takes 15 moves).
TEST(Auswertung, fastEqualsPlainReplayForSampledCodesOfLargeSpaces) {
    const unsigned fälle[][4] = {{8, 8, 3, 0}, {7, 6, 4, 0}, {6, 8, 0, 249134}, {7, 5, 2, 40000}};
    for (const auto& [felder, farben, s, ab] : fälle) {
        EXPECT_EQ(lauf(true, felder, farben, s, 3, 30, ab),
                  lauf(false, felder, farben, s, 3, 30, ab))
            << felder << " fields, " << farben << " symbols, strategy " << s;
    }
}

namespace {

class Fenster : public ::testing::Test {
protected:
    void SetUp() override { öffne(4, 6, QLocale::c()); }
    void öffne(int felder, int farben, const QLocale& ort) {
        QLocale::setDefault(ort);
        fenster = std::make_unique<frmSearch>(felder, farben);
        fenster->show();
        liste = fenster->findChild<QTableView*>("lstView");
        QObject::connect(liste->model(), &QAbstractItemModel::rowsInserted,
                         [this](const QModelIndex&, int a, int b) { jeZeile(a, b); });
    }
    QPushButton* knopf(const char* name) const { return fenster->findChild<QPushButton*>(name); }
    void lauf(const char* strategie) {
        fenster->findChild<QLineEdit*>("txtNr")->setText(QString::fromUtf8(strategie));
        knopf("cmdStart")->click();
    }
    // The buttons and the four figures, or a row of the list, as one text.
    std::string zahlen() const {
        QStringList t{knopf("cmdStart")->text(), knopf("cmdEnde")->isEnabled() ? "Ende" : "-"};
        for (const char* l : {"lblCodes", "lblMin", "lblMax", "lblMittel"}) {
            t << fenster->findChild<QLabel*>(l)->text();
        }
        return t.join(' ').toStdString();
    }
    std::string zeile(int i) const {
        return (liste->model()->index(i, 0).data().toString() + ' ' +
                liste->model()->index(i, 1).data().toString())
            .toStdString();
    }

    std::unique_ptr<frmSearch> fenster;
    QTableView* liste = nullptr;
    std::function<void(int, int)> jeZeile = [](int, int) {}; // sees every insertion of rows
};

TEST_F(Fenster, runListsEveryCodeAndEndsWithItsFigures) {
    std::vector<std::string> zwischenstände; // one per insertion; rows 0 to 49 come one by one
    jeZeile = [&](int, int) {
        fenster->close(); // refused while the run goes
        zwischenstände.push_back(zahlen() + (fenster->isVisible() ? "" : " closed"));
    };
    lauf("3");
    EXPECT_EQ(zwischenstände.at(0), "STOP -  3 3 "); // the first code is min and max
    EXPECT_EQ(zwischenstände.at(50).substr(0, 10), "STOP - 50 ");
    for (const std::string& z : zwischenstände) { // counts are multiples of 50
        EXPECT_TRUE(z.starts_with("STOP - ") && (z[7] == ' ' || std::stoi(z.substr(7)) % 50 == 0));
    }
    EXPECT_EQ(std::to_string(liste->model()->rowCount()) + ": " + zeile(0) + ", " +
                  zeile(1).substr(0, 4) + zeile(6).substr(0, 4) + zeile(1295).substr(0, 4),
              "1296: 1111 3, 211112116666");
    EXPECT_EQ(zahlen(), "START Ende 1296 1 8 4.8");
    EXPECT_EQ(liste->currentIndex().row(), 1295);
}

// With a time slice of 0 the event loop turns at every 64th code beyond the
// first 50; a click while rows 50 to 99 are shown (code 128) stops there.
TEST_F(Fenster, stopEndsTheRunAfterTheCurrentCodeWithItsFigures) {
    fenster->setzeZeitscheibe(0);
    std::vector<std::pair<int, int>> schübe;
    jeZeile = [&](int erste, int letzte) {
        if (letzte >= 50) {
            schübe.emplace_back(erste, letzte);
            knopf("cmdStart")->click();
        }
    };
    lauf("1");
    EXPECT_EQ(schübe, (std::vector<std::pair<int, int>>{{50, 99}, {100, 127}}));
    const std::vector<int> züge = ::lauf(true, 4, 6, 1, 1, 128);
    Bilanz b;
    for (const int z : züge) {
        b.zähle(z);
    }
    EXPECT_EQ(zeile(127) + ", " + zahlen(),
              "2441 " + std::to_string(züge[127]) + ", START Ende 128 " +
                  std::to_string(b.Minimum) + ' ' + std::to_string(b.Maximum) + ' ' +
                  QString::number(b.MittelZehntel() / 10.0).toStdString());
}

// A later run clears the list and the figures and reads the strategy text
// and the locale anew; a run without memory keeps nothing and ends with a
// message, and the window still runs and closes.
TEST_F(Fenster, laterRunsStartAfreshAndARunWithoutMemoryEndsWithAMessage) {
    lauf("3");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::string beimStart;
    jeZeile = [&](int erste, int) {
        beimStart += erste == 0 ? std::to_string(liste->model()->rowCount()) + zahlen() : "";
    };
    lauf("2.5");                                    // rounds to 2
    EXPECT_EQ(beimStart, "1STOP -  2 2 ");          // the first code's moves only
    EXPECT_EQ(zahlen(), "START Ende 1296 1 9 5,2"); // the count stays plain digits
    Auswertung::Speichergrenze = 0;
    EXPECT_EQ(testhilfe::Meldungstexte([&] { lauf("3"); }),
              QStringList{"Nicht genug Speicher für diese Auswertung !"});
    EXPECT_EQ(zahlen() + std::to_string(liste->model()->rowCount()), "START Ende    0");
    Auswertung::Speichergrenze = SIZE_MAX;
    lauf("1");
    EXPECT_EQ(zahlen(), "START Ende 1296 1 9 5,8");
    knopf("cmdEnde")->click();
    EXPECT_FALSE(fenster->isVisible());
    öffne(1, 5, QLocale(QLocale::German, QLocale::Germany));
    lauf("1");
    EXPECT_EQ(zahlen(), "START Ende 5 1 5 3"); // one field: symbol s takes s moves
}

} // namespace
