// The main window's wiring: whole games through its buttons and spin
// controls, checked against the game state and what the board shows. The
// rules themselves are tested on the game state alone.

#include "common/Spiel.h"
#include "common/Modal.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using Code = std::vector<int>;

class Fenster : public ::testing::Test {
protected:
    void SetUp() override {
        fenster = new frmQuorbix;
        fenster->setAttribute(Qt::WA_DeleteOnClose);
        fenster->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster));
    }
    void TearDown() override { delete fenster.data(); }

    // A new game whose code (the secret, or the computer's first guess) is given.
    void starte(bool mensch, int farben, const Code& code) {
        fenster->Zufallsgenerator().setzeQuelle([code, farben, i = std::size_t{0}]() mutable {
            // Later draws paint the search's animation yellow, not white.
            return i < code.size() ? (code[i++] - 0.5) / farben : 0.9;
        });
        testhilfe::neuesSpiel(*fenster, true, mensch, farben, static_cast<int>(code.size()));
    }
    template <class T = QLabel> T* finde(const QString& name) const {
        T* w = fenster->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QPushButton* knopf(int i) const {
        return finde<QPushButton>(QStringLiteral("cmdFertig(%1)").arg(i));
    }
    void stelle(const QString& name, int wert) {
        finde<QAbstractSpinBox>(name)->setProperty("value", wert);
    }
    void gibEin(const Code& code) {
        for (std::size_t k = 0; k < code.size(); ++k) {
            stelle(QStringLiteral("updM(%1)").arg(k), code[k]);
        }
    }
    QStringList klick(int i) {
        return testhilfe::Meldungstexte([&] { QTest::mouseClick(knopf(i), Qt::LeftButton); });
    }
    int pins() const {
        int n = 0;
        for (auto* l : fenster->findChildren<QLabel*>()) {
            n += (l->objectName().startsWith(QStringLiteral("lblSchwarz")) ||
                  l->objectName().startsWith(QStringLiteral("lblWeiße"))) &&
                 l->isVisible();
        }
        return n;
    }
    QString knöpfe() const {
        QString s;
        for (int i = 0; i < 7; ++i) {
            s += knopf(i)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        }
        return s;
    }
    QColor farbe(const QString& name) const {
        return finde(name)->palette().color(QPalette::Window);
    }
    const quorbix::Spielstand& stand() const { return fenster->Stand(); }
    // 8 x 8, answered 7 black 1 white: the search runs through all 16.7
    // million codes unless it is stopped.
    void langeSuche() {
        starte(false, 8, Code(8, 1));
        ASSERT_TRUE(klick(0).isEmpty());
        stelle(QStringLiteral("updSchw"), 7);
        stelle(QStringLiteral("updWeiß"), 1);
    }
    // Runs `tat` at the first turn of the event loop inside the search.
    bool währendSuche(const std::function<void()>& tat, int knopfNr = 0,
                      QStringList* meldungen = nullptr) {
        bool ausgeführt = false;
        QTimer wecker;
        QObject::connect(&wecker, &QTimer::timeout, [&] {
            if (fenster->SucheLäuft() && !ausgeführt) {
                ausgeführt = true;
                tat();
            }
        });
        wecker.start(0);
        const QStringList texte = klick(knopfNr);
        if (meldungen != nullptr) {
            *meldungen = texte;
        }
        return ausgeführt;
    }

    QPointer<frmQuorbix> fenster;
};

TEST_F(Fenster, humanGameIsScoredOnTheBoardAndRatedWhenSolved) {
    starte(true, 6, {1, 2, 3, 4});
    gibEin({4, 3, 2, 1});
    EXPECT_TRUE(klick(0).isEmpty());
    EXPECT_EQ(pins(), 0) << "the first press only shows move 1";
    EXPECT_EQ(knöpfe(), QStringLiteral("1110000"));
    gibEin({1, 3, 2, 4}); // changed before it is scored
    EXPECT_TRUE(klick(0).isEmpty());
    EXPECT_EQ(stand().Kombination[1][2], 3);
    EXPECT_EQ(pins(), 4);
    EXPECT_EQ(finde(QStringLiteral("lblSchw"))->text(), QStringLiteral("2"));
    EXPECT_EQ(finde(QStringLiteral("texLösung"))->text(), QStringLiteral("Dein 2. Versuch !"));
    gibEin({1, 2, 3, 4});
    EXPECT_EQ(klick(0), QStringList{QStringLiteral("Unglaublich gut !")});
    EXPECT_EQ(stand().Zug, 0);
    EXPECT_EQ(pins(), 0);
    EXPECT_EQ(klick(0), QStringList());
    EXPECT_EQ(klick(1), QStringList{QStringLiteral("Du Flasche !")});
}

TEST_F(Fenster, computerGameAnsweredWithHilfeEndsWithBinIchNichtGut) {
    starte(false, 6, {6, 6, 6, 6});
    gibEin({2, 4, 4, 6});
    EXPECT_TRUE(klick(0).isEmpty());
    EXPECT_EQ(knöpfe(), QStringLiteral("1111000"));
    QStringList meldungen;
    for (int zug = 1; meldungen.isEmpty() && zug < 15; ++zug) {
        // The board and the panel show the computer's guess.
        EXPECT_EQ(farbe(QStringLiteral("lblComp(3)")),
                  farbe(QStringLiteral("lblVersuch(%1)").arg(3 * 14 + zug - 1)));
        EXPECT_TRUE(klick(3).isEmpty());
        EXPECT_EQ(finde<QAbstractSpinBox>(QStringLiteral("updWeiß"))->property("value"),
                  stand().Weiße);
        EXPECT_EQ(finde(QStringLiteral("lblSchw"))->text().toInt(), stand().Schwarze);
        EXPECT_EQ(stand().AntwortSchwarz[zug], 0) << "Hilfe only fills the spinners";
        meldungen = klick(0);
        EXPECT_EQ(knopf(4)->isEnabled(), meldungen.isEmpty() && stand().Zug >= 2);
    }
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Bin ich nicht gut ?")});
    EXPECT_EQ(stand().Zug, 0);
}

TEST_F(Fenster, contradictionReopensTheAnswerOnAReadableMoveField) {
    starte(false, 6, {1, 2, 3, 4});
    ASSERT_TRUE(klick(0).isEmpty());
    stelle(QStringLiteral("updSchw"), 3);
    stelle(QStringLiteral("updWeiß"), 1);
    QLabel* zugfeld = finde(QStringLiteral("Zugfeld"));
    EXPECT_EQ(klick(0), QStringList{QStringLiteral("Die Angaben sind falsch ! ")});
    EXPECT_EQ(zugfeld->text(), QStringLiteral("Was nun ?"));
    EXPECT_EQ(farbe(QStringLiteral("Zugfeld")), QColor(Qt::white));
    EXPECT_EQ(pins(), 0);
    EXPECT_EQ(finde<QAbstractSpinBox>(QStringLiteral("updSchw"))->property("value"), 3);
    EXPECT_EQ(knöpfe(), QStringLiteral("1111000"));
}

TEST_F(Fenster, stopInterruptsTheSearchAndZugZurückOrWeiterResumeIt) {
    starte(false, 6, {1, 2, 3, 4});
    ASSERT_TRUE(klick(0).isEmpty());
    ASSERT_TRUE(klick(0).isEmpty()); // 0/0: 5 5 5 5
    ASSERT_EQ(stand().Zug, 2);
    EXPECT_TRUE(klick(4).isEmpty()); // takes guess 2 back
    EXPECT_EQ(stand().Zug, 1);
    EXPECT_EQ(farbe(QStringLiteral("lblVersuch(1)")), QColor(192, 192, 192));
    EXPECT_FALSE(knopf(4)->isEnabled());

    langeSuche();
    QStringList meldungen;
    ASSERT_TRUE(währendSuche(
        [&] {
            EXPECT_EQ(knöpfe(), QStringLiteral("0000010"));
            QTest::mouseClick(knopf(5), Qt::LeftButton);
        },
        0, &meldungen));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(finde(QStringLiteral("Zugfeld"))->text(), QStringLiteral("Unterbrechung !"));
    EXPECT_EQ(pins(), 8);
    EXPECT_EQ(klick(0), QStringList{QStringLiteral("Die Angaben sind falsch ! ")});
    EXPECT_EQ(pins(), 0);
}

TEST_F(Fenster, clicksWhileThePegsArePaintedAreIgnored) {
    starte(true, 6, {1, 2, 3, 4});
    gibEin({1, 2, 3, 4});
    klick(0);
    int zugImRückruf = -1, pinsBeiMeldung = -1;
    QTimer::singleShot(0, fenster, [&] {
        zugImRückruf = stand().Zug;
        for (int k : {2, 1, 0}) {
            QTest::mouseClick(knopf(k), Qt::LeftButton);
        }
    });
    testhilfe::beiModal([&] { QTest::mouseClick(knopf(0), Qt::LeftButton); },
                        [&](QWidget* box) {
                            pinsBeiMeldung = pins();
                            box->close();
                        });
    EXPECT_EQ(zugImRückruf, 1);
    EXPECT_EQ(pinsBeiMeldung, 4) << "the solved game stays on the board until the rating";
    EXPECT_EQ(stand().Zug, 0);
    EXPECT_EQ(knöpfe(), QStringLiteral("1010001"));
}

TEST_F(Fenster, endeDuringTheSearchStopsItAndClosesWithoutAMessage) {
    langeSuche();
    QStringList meldungen;
    ASSERT_TRUE(
        währendSuche([&] { finde<QAction>(QStringLiteral("mnuEnde"))->trigger(); }, 0, &meldungen));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_LT(stand().Suchschritte, 16777216 / 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenster.isNull());
}

} // namespace
