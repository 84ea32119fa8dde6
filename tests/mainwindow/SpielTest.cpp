// The main window's wiring: whole games through its buttons and spin
// controls, checked against the game state and what the board shows. The
// rules themselves are tested on the game state alone.

#include "common/Spiel.h"
#include "common/Modal.h"
#include "mainwindow/Symbol.h"
#include "ui/Steuerelemente.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using Code = std::vector<int>;
const QString Knopfnamen = QStringLiteral("Weiter Richtig Neu Hilfe Zurück Stop Einstellungen");

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
    void starte(bool mensch, int symbole, const Code& code, bool farbig = true) {
        fenster->Zufallsgenerator().setzeQuelle([code, symbole, i = std::size_t{0}]() mutable {
            // Later draws paint the search's animation yellow, not white.
            return i < code.size() ? (code[i++] - 0.5) / symbole : 0.9;
        });
        testhilfe::neuesSpiel(*fenster, farbig, mensch, symbole, static_cast<int>(code.size()));
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
    // Clicks a button and lets a search it starts run to its end; the
    // messages shown, each with what `dahinter` finds while it is open.
    QStringList klick(int i, const std::function<QString()>& dahinter = {}) {
        return testhilfe::Meldungstexte(
            [&] {
                QTest::mouseClick(knopf(i), Qt::LeftButton);
                testhilfe::warteAufSuche(fenster);
            },
            dahinter);
    }
    // The buttons that act, by short names of cmdFertig(0) to cmdFertig(6).
    QString knöpfe() const {
        QString aktiv;
        for (int i = 0; i < 7; ++i) {
            aktiv += knopf(i)->isEnabled() ? ' ' + Knopfnamen.section(' ', i, i) : QString();
        }
        return aktiv.mid(1) + ';';
    }
    // Visible answer pegs; of one kind, or both.
    int pins(const QString& art = QStringLiteral("lbl(Schwarz|Weiße)")) const {
        const auto alle = fenster->findChildren<QLabel*>(QRegularExpression('^' + art + "\\("));
        return int(std::ranges::count_if(alle, [](const QLabel* l) { return l->isVisible(); }));
    }
    // Move `zug` as the board shows it (0: the solution row): each cell's
    // digits, or the symbol its colour stands for (0: none, an empty cell);
    // `farbig`: each cell's text and background colour. That the colours are
    // right is for the pictures to say.
    QString zeile(int zug, bool farbig = false) const {
        QString z;
        for (int f = 0; f < stand().AnzahlFelder(); ++f) {
            QLabel* zelle =
                finde(zug == 0 ? QStringLiteral("lblKomb1(%1)").arg(f)
                               : QStringLiteral("lblVersuch(%1)").arg(f * 14 + zug - 1));
            const QColor farbe = zelle->palette().color(QPalette::Window);
            int symbol = quorbix::MaxFarben;
            while (symbol > 0 && hauptfenster::Symbolfarbe(symbol, stand()) != farbe) {
                --symbol;
            }
            z += farbig                    ? zelle->text() + farbe.name() + ' '
                 : zelle->text().isEmpty() ? QString::number(symbol)
                                           : zelle->text();
        }
        return z;
    }
    const quorbix::Spielstand& stand() const { return fenster->Stand(); }
    // 8 x 8 against the player's code, the last guess answered 7 1: the search
    // runs through all 16.7 million codes unless stopped. Move 1 of two is
    // answered 0 0: 2 2 2 ...
    void langeSuche(int züge = 1, const Code& spielercode = Code(8, 1)) {
        starte(false, 8, Code(8, 1));
        gibEin(spielercode);
        for (int zug = 0; zug < züge; ++zug) {
            ASSERT_TRUE(klick(0).isEmpty());
        }
        stelle(QStringLiteral("updSchw"), 7);
        stelle(QStringLiteral("updWeiß"), 1);
    }
    // Presses "Weiter" and runs `tat` at the first turn of the event loop
    // during the search; returns the messages shown.
    QStringList währendSuche(const std::function<void()>& tat) {
        QTimer::singleShot(0, fenster, [this, tat] {
            EXPECT_TRUE(fenster->SucheLäuft()) << "no search ran";
            tat();
        });
        return klick(0);
    }

    QPointer<frmQuorbix> fenster;
};

// The scored moves are the pictures' to show. In numbers mode, so that the
// closing messages show the solution's digits on white, not on the last
// colour the reveal flashed.
TEST_F(Fenster, humanGameIsRatedWhenSolvedAndUncoveredWhenGivenUp) {
    starte(true, 6, {1, 2, 3, 4}, false);
    EXPECT_TRUE(klick(0).isEmpty());
    gibEin({1, 2, 3, 4});
    // The winning row tells its answer as every answered row does.
    const auto antwort = [this] {
        return QAccessible::queryAccessibleInterface(finde(QStringLiteral("lblNr(0)")))
            ->text(QAccessible::Description);
    };
    EXPECT_EQ(klick(0, [&] { return zeile(0, true) + antwort(); }),
              QStringList{"Unglaublich gut ! | 1#ffffff 2#ffffff 3#ffffff 4#ffffff "
                          "Antwort: 4 schwarze Stifte"});
    EXPECT_EQ(klick(0), QStringList());
    EXPECT_EQ(klick(1, [this] { return zeile(0, true); }), // later draws: 6
              QStringList{"Du Flasche ! | 6#ffffff 6#ffffff 6#ffffff 6#ffffff "});
}

// "Zug zurück", by Enter and Esc too: a second press finds it disabled.
TEST_F(Fenster, zugZurückTakesTheGuessBackButKeepsItAfterAStop) {
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    starte(false, 6, {1, 2, 3, 4});
    ASSERT_TRUE(klick(0).isEmpty());
    ASSERT_TRUE(klick(0).isEmpty()); // 0/0: 5 5 5 5
    ASSERT_EQ(zeile(2), QStringLiteral("5555"));
    for (int mal = 0; mal < 2; ++mal) {
        QTest::keyClick(fenster, Qt::Key_Return); // takes guess 2 back
        EXPECT_EQ(stand().Zug(), 1);
    }
    EXPECT_EQ(zeile(2), QStringLiteral("0000"));

    langeSuche(2);
    EXPECT_TRUE(währendSuche([&] { QTest::mouseClick(knopf(5), Qt::LeftButton); }).isEmpty());
    EXPECT_EQ(finde(QStringLiteral("Zugfeld"))->text(), QStringLiteral("Unterbrechung !"));
    EXPECT_EQ(pins(), 8);
    QTest::keyClick(fenster, Qt::Key_Escape);
    EXPECT_EQ(stand().Zug(), 2);
    EXPECT_EQ(zeile(2), QStringLiteral("22222222")) << "the guess stays after a Stop";
    EXPECT_EQ(pins(), 0) << "its answer is reopened";
    EXPECT_EQ(finde<QAbstractSpinBox>(QStringLiteral("updSchw"))->property("value"), 7);
    // No code agrees with the answer.
    EXPECT_EQ(klick(0), QStringList{QStringLiteral("Die Angaben sind falsch ! ")});
}

// At the win message the board shows the winning answer once, whichever
// button gave it, and the solution row the player's code.
TEST_F(Fenster, theComputersWinningAnswerIsDrawnOnceBesideThePlayersCode) {
    const struct {
        const char* fall;
        int knopf;
        bool gestoppt;
    } fälle[] = {{"Weiter, all black", 0, false},
                 {"Alle richtig, the arrows at 7 and 1", 1, false},
                 {"Alle richtig after a Stop", 1, true}};
    for (const auto& f : fälle) {
        langeSuche(1, Code(8, 3));
        if (f.gestoppt) {
            währendSuche([&] { QTest::mouseClick(knopf(5), Qt::LeftButton); });
        }
        if (f.knopf == 0) {
            stelle(QStringLiteral("updSchw"), 8);
        }
        const auto brett = [this] {
            return QStringLiteral("%1 %2 ").arg(pins("lblSchwarz")).arg(pins("lblWeiße")) +
                   zeile(0);
        };
        EXPECT_EQ(klick(f.knopf, brett),
                  QStringList{QStringLiteral("Bin ich nicht gut ? | 8 0 33333333")})
            << f.fall;
    }
}

// A search that ends in a message has ended before the message is shown.
TEST_F(Fenster, theButtonsOfASearchEndedByAMessageAreBackBeforeIt) {
    // Answers that keep the most codes open leave one after the fourteenth
    // guess: it would be a fifteenth, and is uncovered instead.
    langeSuche();
    const std::pair<int, int> antworten[] = {{1, 0}, {0, 1}, {1, 1}, {1, 2}, {1, 3},
                                             {1, 4}, {1, 6}, {1, 7}, {1, 7}, {2, 6},
                                             {1, 7}, {1, 7}, {2, 6}, {5, 3}};
    QStringList texte;
    for (const auto& [schwarz, weiß] : antworten) {
        stelle(QStringLiteral("updWeiß"), 0);
        stelle(QStringLiteral("updSchw"), schwarz);
        stelle(QStringLiteral("updWeiß"), weiß);
        texte = klick(0, [this] { return knöpfe() + ' ' + zeile(0) + ' ' + zeile(14); });
    }
    EXPECT_EQ(texte,
              QStringList{QStringLiteral(
                  "Tut mir leid. Mehr Versuche gibts nicht ! | Weiter Richtig Neu Hilfe Zurück; "
                  "34671587 46371587")});
}

// "Info" opened and closed during a search lets it go on; "Ende" stops it
// and closes the window without a message.
TEST_F(Fenster, theSearchGoesOnAfterInfoAndEndsWithTheWindowAtEnde) {
    langeSuche();
    QTest::mouseClick(knopf(0), Qt::LeftButton); // the search begins
    ASSERT_TRUE(fenster->SucheLäuft());
    testhilfe::beiModal([&] { finde<QAction>(QStringLiteral("mnuInfo"))->trigger(); },
                        [](QWidget* info) { QTest::keyClick(info, Qt::Key_Return); });
    const int vorher = stand().Suchschritte();
    for (int i = 0; i < 100 && stand().Suchschritte() == vorher; ++i) {
        QCoreApplication::processEvents();
    }
    EXPECT_GT(stand().Suchschritte(), vorher) << "the search stays frozen";
    EXPECT_TRUE(testhilfe::Meldungstexte([&] {
                    finde<QAction>(QStringLiteral("mnuEnde"))->trigger();
                    testhilfe::warteAufSuche(fenster);
                }).isEmpty());
    EXPECT_LT(stand().Suchschritte(), 16777216 / 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenster.isNull());
}

// The documented methods, called on their own, do what their names say.
TEST_F(Fenster, theDocumentedMethodsCalledOnTheirOwn) {
    starte(true, 6, {1, 2, 3, 4}, false);
    fenster->Auflösung();
    EXPECT_EQ(zeile(0, true), "1#ffffff 2#ffffff 3#ffffff 4#ffffff ") << "digits on white";
    QLabel* hinweis = finde(QStringLiteral("texLösung"));
    ui::setzeHintergrund(hinweis, Qt::gray);
    fenster->Blink();
    EXPECT_EQ(hinweis->palette().color(QPalette::Window), QColor(255, 0, 0));
    ASSERT_TRUE(klick(0).isEmpty()); // move 1: 1 1 1 1
    gibEin({4, 3, 2, 1});
    fenster->Zeigezug();
    EXPECT_EQ(zeile(1), QStringLiteral("4321"));
    EXPECT_EQ(pins(), 0) << "drawn, not scored";

    starte(false, 6, {1, 2, 3, 4});
    gibEin({1, 2, 3, 4});
    ASSERT_TRUE(klick(0).isEmpty());
    stelle(QStringLiteral("updSchw"), 2);
    stelle(QStringLiteral("updWeiß"), 1);
    for (int mal = 0; mal < 2; ++mal) {
        fenster->ZeigeWS();
        EXPECT_EQ(pins(QStringLiteral("lblSchwarz")), 2) << "the pegs of one move, once";
        EXPECT_EQ(pins(QStringLiteral("lblWeiße")), 1);
    }
    EXPECT_TRUE(klick(3).isEmpty()); // "Hilfe" counts against the player's code
    fenster->Anzahlschwarze();       // the candidate 1 1 1 1, given back, against guess 1 2 3 4
    fenster->Anzahlweiße();
    EXPECT_EQ(stand().Schwarze(), 1);
    EXPECT_EQ(stand().Weiße(), 0);
    fenster->Neu();
    EXPECT_EQ(stand().Kombination()[0][1], 2) << "the candidate's next code";
}

} // namespace
