// The evaluation window without a main window: what a player sees of a run.

#include "common/Modal.h"
#include "common/Spiel.h"
#include "evaluation/frmSearch.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

using namespace quorbix;

namespace {

class Fenster : public ::testing::Test {
protected:
    void SetUp() override { öffne(4, 6, QLocale::c()); }
    void öffne(int felder, int farben, const QLocale& ort) {
        QLocale::setDefault(ort);
        fenster = std::make_unique<computersuche::frmSearch>(felder, farben);
        fenster->show();
        liste = fenster->findChild<QTableView*>("lstView");
        QObject::connect(liste->model(), &QAbstractItemModel::rowsInserted,
                         [this](const QModelIndex&, int a, int b) { jeZeile(a, b); });
    }
    QPushButton* knopf(const char* name) const { return fenster->findChild<QPushButton*>(name); }
    // Starts a run and turns the event loop until `bis` (by default: its end).
    void lauf(const char* strategie, const std::function<bool()>& bis = {}) {
        fenster->findChild<QLineEdit*>("txtNr")->setText(QString::fromUtf8(strategie));
        knopf("cmdStart")->click();
        testhilfe::warteBis(bis ? bis : [this] { return !fenster->Läuft(); });
    }
    // The buttons and the four figures, or a row of the list, as one text.
    std::string zahlen() const {
        QStringList t{knopf("cmdStart")->text(), knopf("cmdEnde")->isEnabled() ? "Ende" : "-"};
        for (const char* l : {"lblCodes", "lblMin", "lblMax", "lblMittel"}) {
            t << fenster->findChild<QLabel*>(l)->text();
        }
        return t.join(' ').toStdString();
    }
    // The same figures computed from the rows the list shows: count, least and
    // most moves, and the average in tenths, rounded half to even.
    std::string ausZeilen() const {
        const int n = liste->model()->rowCount();
        std::vector<int> züge;
        for (int i = 0; i < n; ++i) {
            züge.push_back(liste->model()->index(i, 1).data().toInt());
        }
        const auto [min, max] = std::minmax_element(züge.begin(), züge.end());
        const long long summe = 10LL * std::accumulate(züge.begin(), züge.end(), 0LL);
        const long long zehntel = summe / n, rest = summe % n;
        const long long mittel = zehntel + (2 * rest > n || (2 * rest == n && zehntel % 2 != 0));
        return QString("START Ende %1 %2 %3 %4")
            .arg(n)
            .arg(*min)
            .arg(*max)
            .arg(QString::number(mittel / 10.0))
            .toStdString();
    }
    std::string zeile(int i) const {
        return (liste->model()->index(i, 0).data().toString() + ' ' +
                liste->model()->index(i, 1).data().toString())
            .toStdString();
    }

    std::unique_ptr<computersuche::frmSearch> fenster;
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
    EXPECT_EQ(liste->selectionModel()->selectedRows().value(0).row(), 1295);
    // The list keeps nothing per row, and the keys and a click move it as
    // a table view (the rows after each step; "!" where it is not in view).
    EXPECT_EQ(liste->verticalHeader()->count(), 0);
    liste->setFocus();
    std::string schritte;
    const QKeyCombination tasten[] = {
        Qt::ControlModifier | Qt::Key_Home, Qt::NoModifier | Qt::Key_Down,
        Qt::NoModifier | Qt::Key_PageDown,  Qt::ControlModifier | Qt::Key_End,
        Qt::NoModifier | Qt::Key_PageUp,    Qt::NoModifier | Qt::Key_Up,
        Qt::NoModifier | Qt::Key_Right};
    for (const QKeyCombination t : tasten) {
        QTest::keyClick(liste, t.key(), t.keyboardModifiers());
        const QModelIndex i = liste->currentIndex();
        const bool da = liste->viewport()->rect().contains(liste->visualRect(i));
        schritte += std::to_string(i.row()) + ',' + std::to_string(i.column()) + (da ? " " : "! ");
    }
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualRect(liste->model()->index(1280, 0)).center());
    schritte += std::to_string(liste->selectionModel()->selectedRows().value(0).row());
    EXPECT_EQ(schritte, "0,0 1,0 20,0 1295,1 1276,1 1275,1 1275,1 1280");
}

// For several spaces and every strategy, after a whole run and after a STOP
// at a code drawn at random (among the first 50, which come one by one; in a
// large space anywhere), the figures are those of the rows listed, and after
// STOP no row comes, though the workers may have gone on beyond.
TEST_F(Fenster, figuresAreThoseOfTheListedRowsAfterARunAndAfterAStop) {
    std::mt19937 zufall(20261207);
    const auto stoppeBei = [&](const char* strategie, int bis, const std::string& fall) {
        QTimer stopp; // between two of the window's turns
        stopp.callOnTimeout([&] {
            if (fenster->Läuft() && liste->model()->rowCount() >= bis) {
                stopp.stop();
                knopf("cmdStart")->click();
            }
        });
        stopp.start(0);
        lauf(strategie);
        const int zeilen = liste->model()->rowCount();
        bool später = false; // the window's own timers are due before this one
        QTimer::singleShot(5, [&] { später = true; });
        testhilfe::warteBis([&] { return später; });
        EXPECT_EQ(liste->model()->rowCount(), zeilen) << fall << ": rows after STOP";
        EXPECT_EQ(zahlen(), ausZeilen()) << fall << ", STOP at " << bis;
        return zeilen;
    };
    for (const auto& [felder, farben] : {std::pair{4, 6}, {5, 5}, {4, 8}}) {
        for (const char* strategie : {"0", "1", "2", "3", "4"}) {
            öffne(felder, farben, QLocale::c());
            lauf(strategie);
            const std::string fall =
                std::to_string(felder) + 'x' + std::to_string(farben) + " strategy " + strategie;
            EXPECT_EQ(zahlen(), ausZeilen()) << fall;
            const int bis = 1 + static_cast<int>(zufall() % 50);
            EXPECT_EQ(stoppeBei(strategie, bis, fall), bis) << fall;
        }
    }
    öffne(8, 8, QLocale::c()); // slow enough that STOP comes while rows are listed in batches
    fenster->setzeZeitscheibe(0);
    EXPECT_LT(stoppeBei("4", 51 + static_cast<int>(zufall() % 2000), "8x8 strategy 4"), 1 << 24);
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
    Speichergrenze = 0;
    EXPECT_EQ(testhilfe::Meldungstexte([&] { lauf("3"); }),
              QStringList{"Nicht genug Speicher für diese Auswertung !"});
    EXPECT_EQ(zahlen() + std::to_string(liste->model()->rowCount()), "START Ende    0");
    Speichergrenze = SIZE_MAX;
    lauf("1");
    EXPECT_EQ(zahlen(), "START Ende 1296 1 9 5,8");
    knopf("cmdEnde")->click();
    EXPECT_FALSE(fenster->isVisible());
    öffne(1, 5, QLocale(QLocale::German, QLocale::Germany));
    lauf("1");
    EXPECT_EQ(zahlen(), "START Ende 5 1 5 3"); // one field: symbol s takes s moves
}

} // namespace
