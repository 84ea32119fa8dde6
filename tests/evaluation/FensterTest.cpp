// The evaluation window: its controls, a whole run, STOP, a second run, the
// strategy box and the average in the user's locale.

#include "evaluation/Auswertung.h"
#include "evaluation/frmSearch.h"
#include "mainwindow/frmQuorbix.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

class Fenster : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        öffne(4, 6);
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void öffne(std::int16_t felder, std::int16_t farben) {
        fenster.reset();
        spiel = std::make_unique<frmQuorbix>();
        spiel->setAnzahlFelder(felder);
        spiel->setAnzahlFarben(farben);
        fenster = std::make_unique<frmSearch>(spiel->AnzahlFelder(), spiel->AnzahlFarben());
        fenster->show();
    }

    template <class T> T* element(const char* name) const {
        auto* w = fenster->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* label) const { return element<QLabel>(label)->text(); }
    QPushButton* start() const { return element<QPushButton>("cmdStart"); }
    QAbstractItemModel* liste() const { return element<QTableView>("lstView")->model(); }
    QString zelle(int zeile, int spalte) const {
        return liste()->index(zeile, spalte).data().toString();
    }

    // Runs with the strategy text; `jeZeile` sees every insertion of rows.
    void lauf(const QString& strategie,
              const std::function<void(int erste, int letzte)>& jeZeile = {}) {
        element<QLineEdit>("txtNr")->setText(strategie);
        QMetaObject::Connection c;
        if (jeZeile) {
            c = QObject::connect(liste(), &QAbstractItemModel::rowsInserted,
                                 [&](const QModelIndex&, int a, int b) { jeZeile(a, b); });
        }
        start()->click();
        QObject::disconnect(c);
    }

    std::unique_ptr<frmQuorbix> spiel;
    std::unique_ptr<frmSearch> fenster;
};

// Moves of the first `n` codes, summed, as the engine alone counts them.
quorbix::Bilanz ersteCodes(std::int16_t felder, std::int16_t farben, std::int16_t strategie, int n,
                           quorbix::Zufall& z) {
    quorbix::Auswertung a(felder, farben, strategie, z);
    quorbix::Bilanz b;
    for (int i = 0; i < n; ++i) {
        b.zähle(a.NächsterCode());
    }
    return b;
}

// A fixed stream of draws in [0, 1).
std::function<double()> feste() {
    return [x = 12345U]() mutable {
        x = x * 1664525U + 1013904223U;
        return static_cast<double>(x >> 8) / 16777216.0;
    };
}

// The average as the C locale writes it.
QString mittel(const quorbix::Bilanz& b) {
    const std::int64_t z = b.MittelZehntel();
    return z % 10 == 0 ? QString::number(z / 10) : QString::number(z / 10.0, 'f', 1);
}

} // namespace

TEST_F(Fenster, controlsSitWhereTheTableSaysWithTheirCaptionsAndFonts) {
    const struct {
        const char* name;
        const char* klasse;
        QRect lage; // pixels
        const char* text;
        bool fett, unterstrichen;
    } fälle[] = {
        {"Label5", "QLabel", {18, 3, 73, 13}, "Strategie-Nr.:", false, true},
        {"txtNr", "QLineEdit", {93, 0, 22, 19}, "3", false, false},
        {"picDummy", "QWidget", {15, 21, 493, 364}, "", false, false},
        {"lstView", "QTableView", {0, 0, 487, 358}, "", false, false},
        {"Label1", "QLabel", {30, 387, 118, 13}, "Anzahl Kombinationen:", false, true},
        {"lblCodes", "QLabel", {144, 387, 37, 16}, "", true, false},
        {"Label2", "QLabel", {189, 387, 43, 13}, "Min.:", false, true},
        {"lblMin", "QLabel", {219, 387, 43, 13}, "", true, false},
        {"Label3", "QLabel", {276, 387, 43, 13}, "Max.:", false, true},
        {"lblMax", "QLabel", {309, 387, 34, 16}, "", true, false},
        {"Label4", "QLabel", {357, 387, 82, 13}, "Durchschnitt:", false, true},
        {"lblMittel", "QLabel", {429, 387, 79, 16}, "", true, false},
        {"cmdStart", "QPushButton", {90, 417, 103, 25}, "Start", false, false},
        {"cmdEnde", "QPushButton", {318, 414, 97, 25}, "Ende", false, false},
    };
    for (const auto& f : fälle) {
        auto* w = element<QWidget>(f.name);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->inherits(f.klasse)) << f.name;
        EXPECT_EQ(w->geometry(), f.lage) << f.name;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(l->text(), QString::fromUtf8(f.text)) << f.name;
            EXPECT_EQ(l->font().pixelSize(), 11) << f.name;
            EXPECT_EQ(l->font().bold(), f.fett) << f.name;
            EXPECT_EQ(l->font().underline(), f.unterstrichen) << f.name;
        } else if (auto* k = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(k->text(), QString::fromUtf8(f.text)) << f.name;
            EXPECT_TRUE(k->isEnabled()) << f.name;
        } else if (auto* t = qobject_cast<QLineEdit*>(w)) {
            EXPECT_EQ(t->text(), QString::fromUtf8(f.text));
        }
    }
    EXPECT_EQ(element<QTableView>("lstView")->parentWidget()->objectName(), "picDummy");
}

TEST_F(Fenster, isAFixedDialogWithoutCloseButtonCaptionedComputersuche) {
    EXPECT_EQ(fenster->objectName(), "frmSearch");
    EXPECT_EQ(fenster->windowTitle(), "Computersuche");
    EXPECT_EQ(fenster->size(), QSize(517, 456));
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize());
    EXPECT_EQ(fenster->parentWidget(), nullptr);
    const Qt::WindowFlags f = fenster->windowFlags();
    EXPECT_TRUE(f.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(Fenster, listHasTwoColumnsOf2000TwipsAndTabOrderEndsWithTheStrategyBox) {
    auto* view = element<QTableView>("lstView");
    EXPECT_EQ(liste()->columnCount(), 2);
    EXPECT_EQ(liste()->rowCount(), 0);
    EXPECT_EQ(liste()->headerData(0, Qt::Horizontal).toString(), "Kombination");
    EXPECT_EQ(liste()->headerData(1, Qt::Horizontal).toString(), "Anzahl Züge");
    EXPECT_EQ(view->columnWidth(0), 133);
    EXPECT_EQ(view->columnWidth(1), 133);

    const QStringList namen{"cmdStart", "cmdEnde", "lstView", "txtNr"};
    std::vector<QString> folge;
    for (QWidget* w = start(); folge.size() < 4; w = w->nextInFocusChain()) {
        if (namen.contains(w->objectName())) {
            folge.push_back(w->objectName());
        }
    }
    EXPECT_EQ(folge, (std::vector<QString>{"cmdStart", "cmdEnde", "lstView", "txtNr"}));
}

TEST_F(Fenster, runOverSixSymbolsOnFourFieldsListsEveryCodeAndEndsWithItsFigures) {
    std::vector<QString> zählerstände;
    std::vector<int> einzeln; // rows inserted one at a time
    bool stopZuLesen = true;
    bool endeGesperrt = true;
    lauf(QStringLiteral("3"), [&](int erste, int letzte) {
        if (erste == letzte) {
            einzeln.push_back(erste);
        }
        stopZuLesen = stopZuLesen && start()->text() == "STOP";
        endeGesperrt = endeGesperrt && !element<QPushButton>("cmdEnde")->isEnabled();
        if (zählerstände.empty() || zählerstände.back() != text("lblCodes")) {
            zählerstände.push_back(text("lblCodes"));
        }
    });
    EXPECT_TRUE(stopZuLesen);
    EXPECT_TRUE(endeGesperrt);
    ASSERT_GE(einzeln.size(), 50U);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(einzeln[static_cast<std::size_t>(i)], i);
    }
    // The count shows only multiples of 50 while the run goes.
    for (const QString& z : zählerstände) {
        EXPECT_TRUE(z.isEmpty() || z.toInt() % 50 == 0) << z.toStdString();
    }
    EXPECT_EQ(zählerstände.front(), "");
    EXPECT_EQ(zählerstände.at(1), "50");

    EXPECT_EQ(liste()->rowCount(), 1296);
    EXPECT_EQ(zelle(0, 0), "1111");
    EXPECT_EQ(zelle(0, 1), "3");
    EXPECT_EQ(zelle(1, 0), "2111");
    EXPECT_EQ(zelle(6, 0), "1211");
    EXPECT_EQ(zelle(1295, 0), "6666");
    EXPECT_EQ(text("lblCodes"), "1296");
    EXPECT_EQ(text("lblMin"), "1");
    EXPECT_EQ(text("lblMax"), "8");
    EXPECT_EQ(text("lblMittel"), "4.8");
    EXPECT_EQ(start()->text(), "START");
    EXPECT_TRUE(element<QPushButton>("cmdEnde")->isEnabled());
    EXPECT_EQ(element<QTableView>("lstView")->currentIndex().row(), 1295);
}

TEST_F(Fenster, firstCodeIsMinimumAndMaximumOnceItIsListed) {
    QString min, max;
    lauf(QStringLiteral("3"), [&](int erste, int) {
        if (erste == 0) {
            min = text("lblMin");
            max = text("lblMax");
        }
    });
    EXPECT_EQ(min, "3");
    EXPECT_EQ(max, "3");
}

TEST_F(Fenster, stopWithinTheFirstFiftyEndsAfterTheCurrentCode) {
    lauf(QStringLiteral("1"), [&](int, int letzte) {
        if (letzte == 9) {
            QTimer::singleShot(0, start(), [this] { start()->click(); });
        }
    });
    quorbix::Zufall z;
    const quorbix::Bilanz b = ersteCodes(4, 6, 1, 10, z);
    EXPECT_EQ(liste()->rowCount(), 10);
    EXPECT_EQ(text("lblCodes"), "10");
    EXPECT_EQ(text("lblMin"), QString::number(b.Minimum));
    EXPECT_EQ(text("lblMax"), QString::number(b.Maximum));
    EXPECT_EQ(text("lblMittel"), mittel(b));
    EXPECT_EQ(start()->text(), "START");
    EXPECT_TRUE(element<QPushButton>("cmdEnde")->isEnabled());
    EXPECT_EQ(element<QTableView>("lstView")->currentIndex().row(), 9);
}

// Strategy 4 draws six numbers per code here; the first draw of code 200
// clicks STOP, as a click handled while that code is evaluated.
TEST_F(Fenster, stopAfterTheFirstFiftyShowsTheFiguresOfTheCodesDone) {
    öffne(6, 6);
    int züge = 0;
    fenster->Zufallsgenerator().setzeQuelle([&, lcg = feste()]() mutable {
        if (züge++ == 6 * 199) {
            start()->click();
        }
        return lcg();
    });
    lauf(QStringLiteral("4"));
    EXPECT_EQ(liste()->rowCount(), 200);
    quorbix::Zufall z;
    z.setzeQuelle(feste());
    const quorbix::Bilanz b = ersteCodes(6, 6, 4, 200, z);
    EXPECT_EQ(text("lblCodes"), "200");
    EXPECT_EQ(text("lblMin"), QString::number(b.Minimum));
    EXPECT_EQ(text("lblMax"), QString::number(b.Maximum));
    EXPECT_EQ(text("lblMittel"), mittel(b));
    EXPECT_EQ(start()->text(), "START");
    EXPECT_EQ(element<QTableView>("lstView")->currentIndex().row(), 199);
}

// With a time slice of 0 the event loop turns after every 64th code beyond
// the first 50; a click in the turn after code 128 stops the run there.
TEST_F(Fenster, afterFiftyTheListGrowsInStepsOfFiftyAndStopEndsWithTheCodesDone) {
    fenster->setzeZeitscheibe(0);
    std::vector<std::pair<int, int>> schübe;
    std::vector<QString> zählerstände;
    std::vector<int> gewählt;
    QObject wächter; // drops the turn still pending after the run
    lauf(QStringLiteral("3"), [&](int erste, int letzte) {
        if (letzte < 50) {
            return;
        }
        schübe.emplace_back(erste, letzte);
        QTimer::singleShot(0, &wächter, [&] {
            zählerstände.push_back(text("lblCodes"));
            gewählt.push_back(element<QTableView>("lstView")->currentIndex().row());
            if (liste()->rowCount() == 100) {
                start()->click();
            }
        });
    });
    EXPECT_EQ(schübe, (std::vector<std::pair<int, int>>{{50, 99}, {100, 127}}));
    EXPECT_EQ(zählerstände, (std::vector<QString>{"100"}));
    EXPECT_EQ(gewählt, (std::vector<int>{99}));
    quorbix::Zufall z;
    const quorbix::Bilanz b = ersteCodes(4, 6, 3, 128, z);
    EXPECT_EQ(text("lblCodes"), "128");
    EXPECT_EQ(text("lblMittel"), mittel(b));
    EXPECT_EQ(element<QTableView>("lstView")->currentIndex().row(), 127);
}

TEST_F(Fenster, secondRunClearsListAndLabelsAndReadsTheStrategyAgain) {
    lauf(QStringLiteral("3"));
    ASSERT_EQ(text("lblMittel"), "4.8");
    int zeilenBeimStart = -1;
    QString codes = "?", mittel = "?";
    lauf(QStringLiteral("2"), [&](int erste, int) {
        if (erste == 0) {
            zeilenBeimStart = liste()->rowCount();
            codes = text("lblCodes");
            mittel = text("lblMittel");
        }
    });
    EXPECT_EQ(zeilenBeimStart, 1);
    EXPECT_EQ(codes, "");
    EXPECT_EQ(mittel, "");
    EXPECT_EQ(liste()->rowCount(), 1296);
    EXPECT_EQ(text("lblMin"), "1");
    EXPECT_EQ(text("lblMax"), "9");
    EXPECT_EQ(text("lblMittel"), "5.2");
    EXPECT_EQ(zelle(0, 1), "2");
}

TEST_F(Fenster, strategyTextIsReadWithPointAndRoundedHalfToEven) {
    // Draws of 0 make strategy 4's opening 1 1 1 1: strategy 1's figures.
    fenster->Zufallsgenerator().setzeQuelle([] { return 0.0; });
    const struct {
        const char* text;
        const char* mittel;
        const char* max;
    } fälle[] = {
        {"2.5", "5.2", "9"}, // 2
        {"3.5", "5.8", "9"}, // 4
        {"3,7", "4.8", "8"}, // 3
        {"1", "5.8", "9"},      {" 1", "5.8", "9"},
        {"1.49", "5.8", "9"},   {"", "6.8", "10"}, // 0: one move more than strategy 1
        {"abc", "6.8", "10"},   {"-3", "6.8", "10"},
        {"99999", "6.8", "10"}, // beyond 16 bits: an unknown strategy
    };
    for (const auto& f : fälle) {
        lauf(QString::fromUtf8(f.text));
        EXPECT_EQ(text("lblMittel"), f.mittel) << '"' << f.text << '"';
        EXPECT_EQ(text("lblMax"), f.max) << '"' << f.text << '"';
        EXPECT_EQ(text("lblCodes"), "1296");
    }
}

TEST_F(Fenster, averageUsesTheLocaleWithAsFewDecimalsAsNeeded) {
    const struct {
        QLocale ort;
        std::int16_t farben;
        const char* mittel;
    } fälle[] = {
        {QLocale(QLocale::German, QLocale::Germany), 6, "3,5"}, // 21 / 6
        {QLocale(QLocale::German, QLocale::Germany), 5, "3"},   // 15 / 5
        {QLocale(QLocale::English, QLocale::UnitedStates), 6, "3.5"},
        {QLocale(QLocale::English, QLocale::UnitedStates), 5, "3"},
    };
    for (const auto& f : fälle) {
        QLocale::setDefault(f.ort);
        öffne(1, f.farben); // one field, strategy 1: symbol s takes s moves
        lauf(QStringLiteral("1"));
        EXPECT_EQ(text("lblMittel"), f.mittel) << f.ort.name().toStdString();
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    öffne(4, 6);
    lauf(QStringLiteral("3"));
    EXPECT_EQ(text("lblMittel"), "4,8");
    EXPECT_EQ(text("lblCodes"), "1296"); // counts stay plain digits
}

TEST_F(Fenster, settingsAreReadOnceWhenTheWindowOpens) {
    spiel->setAnzahlFelder(5);
    spiel->setAnzahlFarben(2);
    lauf(QStringLiteral("3"));
    EXPECT_EQ(text("lblCodes"), "1296");
    fenster = std::make_unique<frmSearch>(spiel->AnzahlFelder(), spiel->AnzahlFarben());
    fenster->show();
    lauf(QStringLiteral("3"));
    EXPECT_EQ(text("lblCodes"), "32");
    EXPECT_EQ(zelle(31, 0), "22222");
}

TEST_F(Fenster, onlyEndeClosesTheWindowAndNotWhileARunGoes) {
    QTest::keyClick(fenster.get(), Qt::Key_Escape);
    EXPECT_TRUE(fenster->isVisible());
    bool offenImLauf = false;
    lauf(QStringLiteral("3"), [&](int erste, int) {
        if (erste == 5) {
            fenster->close();
            QTest::keyClick(fenster.get(), Qt::Key_Escape);
            offenImLauf = fenster->isVisible() && fenster->Läuft();
        }
    });
    EXPECT_TRUE(offenImLauf);
    EXPECT_EQ(liste()->rowCount(), 1296);
    QTest::mouseClick(element<QPushButton>("cmdEnde"), Qt::LeftButton);
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(fenster->result(), QDialog::Accepted);
}

TEST_F(Fenster, countShowsEveryDigitUpToTheLargestSpaceWithoutReachingMin) {
    QLabel* codes = element<QLabel>("lblCodes");
    const int minLinks = element<QLabel>("Label2")->geometry().left();
    for (const std::uint32_t anzahl : {50u, 1296u, 999999u, 1048576u, 16777216u}) {
        fenster->zeigeAnzahl(anzahl);
        const QString text = QString::number(anzahl);
        EXPECT_EQ(codes->text(), text);
        EXPECT_LE(codes->fontMetrics().horizontalAdvance(text), codes->contentsRect().width())
            << anzahl << " is cut off";
        EXPECT_LT(codes->geometry().right(), minLinks) << anzahl;
        EXPECT_EQ(codes->geometry().left(), qRound(2167 / 15.0));
    }
    fenster->zeigeAnzahl(50);
    EXPECT_EQ(codes->width(), qRound(555 / 15.0)) << "back to its own width";
}
