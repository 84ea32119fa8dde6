// Whole games with the human guessing the computer's code.

#include "Fenster.h"

#include "common/Modal.h"

#include <random>

using namespace testfenster;

namespace {

std::string Bewertung(int zug) {
    if (zug <= 3) {
        return "Unglaublich gut !";
    }
    if (zug <= 6) {
        return "Gut nachgedacht !";
    }
    if (zug <= 10) {
        return "Okay. Aber es geht noch besser !";
    }
    return "Das ging gerade noch einmal gut !";
}

class Mensch : public FensterTest {
protected:
    // The code shown in the solution row.
    Code lösungszeile() const {
        Code c;
        for (int f = 0; f < spiel.felder; ++f) {
            const QLabel* z = lbl("lblKomb1", f);
            c.push_back(spiel.farben ? SymbolAusFarbe(z->palette().color(QPalette::Window))
                                     : z->text().toInt());
        }
        return c;
    }
    // A new game of the same kind stands ready.
    void erwarteNeuesSpiel() {
        EXPECT_EQ(fenster->Stand().Zug, 0);
        EXPECT_EQ(knopfZustand().toStdString(), "1010001");
        EXPECT_EQ(lbl(QStringLiteral("texLösung"))->text().toStdString(), " Dein 1.Versuch !");
        EXPECT_EQ(sichtbarePins("lblSchwarz") + sichtbarePins("lblWeiße"), 0);
        for (int f = 0; f < spiel.felder; ++f) {
            EXPECT_EQ(lbl("lblKomb1", f)->text().toStdString(), "?") << f;
            EXPECT_EQ(zelle(f, 1)->palette().color(QPalette::Window), Palette(7)) << f;
        }
    }
};

} // namespace

TEST_F(Mensch, firstPressShowsTheEntryAsMoveOneWithoutPegs) {
    for (const bool farben : {true, false}) {
        SCOPED_TRACE(farben ? "colours" : "numbers");
        starte({farben, true, 6, 4, {1, 2, 3, 4}});
        gibEin({2, 1, 6, 5});
        EXPECT_TRUE(klick(0).isEmpty());
        EXPECT_EQ(fenster->Stand().Zug, 1);
        EXPECT_EQ(brettZug(1), (Code{2, 1, 6, 5}));
        EXPECT_EQ(sichtbarePins("lblSchwarz") + sichtbarePins("lblWeiße"), 0);
        EXPECT_EQ(lbl(QStringLiteral("texLösung"))->text().toStdString(), " Dein 1.Versuch !");
        EXPECT_EQ(knopf(0)->text().toStdString(), "Weiter");
        EXPECT_EQ(knopfZustand().toStdString(), "1110000");
        EXPECT_EQ(angezeigt(), (Antwort{0, 0}));
    }
}

TEST_F(Mensch, secondPressScoresTheEntryAsItStandsThen) {
    starte({true, true, 6, 4, {1, 2, 3, 4}});
    gibEin({2, 1, 6, 5});
    klick(0);
    gibEin({1, 3, 2, 4});
    EXPECT_TRUE(klick(0).isEmpty());
    EXPECT_EQ(brettZug(1), (Code{1, 3, 2, 4}));
    EXPECT_EQ(angezeigt(), (Antwort{2, 2}));
    EXPECT_EQ(fenster->Stand().AntwortSchwarz[1], 2);
    EXPECT_EQ(fenster->Stand().AntwortWeiß[1], 2);
    EXPECT_EQ(sichtbarePins("lblSchwarz"), 2);
    EXPECT_EQ(sichtbarePins("lblWeiße"), 2);
    EXPECT_EQ(fenster->Stand().Zug, 2);
    EXPECT_EQ(lbl(QStringLiteral("texLösung"))->text().toStdString(), "Dein 2. Versuch !");
    EXPECT_EQ(lbl(QStringLiteral("texLösung"))->palette().color(QPalette::Window), Palette(12));
    // The next press puts the next entry into move 2.
    gibEin({4, 3, 2, 1});
    klick(0);
    EXPECT_EQ(brettZug(2), (Code{4, 3, 2, 1}));
    EXPECT_EQ(brettZug(1), (Code{1, 3, 2, 4}));
    EXPECT_EQ(angezeigt(), (Antwort{0, 4}));
    EXPECT_EQ(sichtbarePins("lblWeiße"), 6);
}

// A player who sees only the answer displays and always enters the first
// code that agrees with every answer so far.
TEST_F(Mensch, playerReadingOnlyTheAnswersSolvesAndIsRatedForItsMove) {
    const struct {
        bool farben;
        int symbole, felder;
    } arten[] = {{true, 6, 4},  {false, 8, 3}, {true, 3, 5},
                 {false, 8, 1}, {true, 2, 8},  {true, 8, 2}};
    std::mt19937 zufall(99);
    for (const auto& art : arten) {
        for (int runde = 0; runde < 4; ++runde) {
            Code geheim;
            for (int f = 0; f < art.felder; ++f) {
                geheim.push_back(std::uniform_int_distribution<int>(1, art.symbole)(zufall));
            }
            SCOPED_TRACE(testing::Message()
                         << art.felder << " fields, " << art.symbole << " symbols, secret "
                         << alsText(geheim).toStdString());
            starte({art.farben, true, art.symbole, art.felder, geheim});

            std::vector<std::pair<Code, Antwort>> verlauf;
            Code versuch = *ersterPassender(art.felder, art.symbole, verlauf);
            gibEin(versuch);
            klick(0);
            QStringList meldungen;
            Code gezeigt;
            while (meldungen.isEmpty() && verlauf.size() < 14) {
                gibEin(versuch);
                meldungen = klick(0, [&] { gezeigt = lösungszeile(); });
                if (!meldungen.isEmpty()) {
                    break;
                }
                const Antwort a = angezeigt();
                // The window scores right (checked, not used, by the player).
                EXPECT_EQ(a, bewerte(geheim, versuch));
                verlauf.push_back({versuch, a});
                const auto nächster = ersterPassender(art.felder, art.symbole, verlauf);
                ASSERT_TRUE(nächster.has_value()) << "the answers contradict each other";
                versuch = *nächster;
            }
            ASSERT_EQ(meldungen.size(), 1);
            EXPECT_EQ(versuch, geheim);
            const int zug = static_cast<int>(verlauf.size()) + 1;
            EXPECT_EQ(meldungen[0].toStdString(), Bewertung(zug)) << "solved on move " << zug;
            EXPECT_EQ(gezeigt, geheim) << "the code is revealed before the rating";
            erwarteNeuesSpiel();
        }
    }
}

TEST_F(Mensch, ratingDependsOnTheMoveThatSolvedTheCode) {
    const Code geheim{2, 5, 2, 6};
    const Code falsch{1, 1, 1, 1};
    for (const int zug : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 14}) {
        SCOPED_TRACE(zug);
        starte({true, true, 6, 4, geheim});
        gibEin(falsch);
        klick(0);
        for (int z = 1; z < zug; ++z) {
            ASSERT_TRUE(klick(0).isEmpty());
        }
        gibEin(geheim);
        const QStringList meldungen = klick(0);
        ASSERT_EQ(meldungen.size(), 1);
        EXPECT_EQ(meldungen[0].toStdString(), Bewertung(zug));
        erwarteNeuesSpiel();
    }
}

TEST_F(Mensch, givingUpRevealsTheCodeAndSaysDuFlasche) {
    for (const bool farben : {true, false}) {
        const Code geheim{6, 1, 3, 3};
        starte({farben, true, 6, 4, geheim});
        gibEin({1, 2, 3, 4});
        klick(0);
        klick(0);
        ASSERT_TRUE(knopf(1)->isEnabled());
        Code gezeigt;
        const QStringList meldungen = klick(1, [&] { gezeigt = lösungszeile(); });
        ASSERT_EQ(meldungen.size(), 1);
        EXPECT_EQ(meldungen[0].toStdString(), "Du Flasche !");
        EXPECT_EQ(gezeigt, geheim);
        erwarteNeuesSpiel();
    }
}

TEST_F(Mensch, fourteenWrongGuessesEndWithNoMoreTries) {
    const Code geheim{1, 2, 3, 4};
    starte({true, true, 6, 4, geheim});
    gibEin({1, 1, 1, 1});
    klick(0);
    QStringList meldungen;
    QString prompt;
    Code gezeigt;
    int pins = 0;
    for (int zug = 1; zug <= 14; ++zug) {
        SCOPED_TRACE(zug);
        meldungen = klick(0, [&] {
            prompt = lbl(QStringLiteral("texLösung"))->text();
            gezeigt = lösungszeile();
            pins = sichtbarePins("lblSchwarz");
        });
        if (zug < 14) {
            ASSERT_TRUE(meldungen.isEmpty());
            EXPECT_EQ(lbl(QStringLiteral("texLösung"))->text(),
                      QStringLiteral("Dein %1. Versuch !").arg(zug + 1));
            EXPECT_EQ(angezeigt(), (Antwort{1, 0}));
            EXPECT_EQ(sichtbarePins("lblSchwarz"), zug);
        }
    }
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].toStdString(), "Tut mir leid. Mehr Versuche gibts nicht !");
    EXPECT_EQ(prompt.toStdString(), "Dein 15. Versuch !");
    EXPECT_EQ(gezeigt, geheim);
    EXPECT_EQ(pins, 14);
    erwarteNeuesSpiel();
}

TEST_F(Mensch, newGameMidGameClearsTheBoardWithoutAMessage) {
    starte({true, true, 6, 4, {1, 2, 3, 4}});
    gibEin({1, 2, 4, 3});
    klick(0);
    klick(0);
    gibEin({2, 1, 3, 4});
    klick(0);
    ASSERT_EQ(fenster->Stand().Zug, 3);
    ASSERT_EQ(sichtbarePins("lblSchwarz") + sichtbarePins("lblWeiße"), 8);
    EXPECT_TRUE(klick(2).isEmpty());
    erwarteNeuesSpiel();
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(wert(updM(f)), 1);
        for (int r = 1; r <= 14; ++r) {
            EXPECT_EQ(zelle(f, r)->palette().color(QPalette::Window), Palette(7));
        }
    }
    EXPECT_FALSE(gibt(QStringLiteral("lblSchwarz(1)")));
    EXPECT_FALSE(gibt(QStringLiteral("lblWeiße(1)")));
}

TEST_F(Mensch, buttonsThroughAGame) {
    starte({true, true, 6, 4, {3, 3, 3, 3}});
    EXPECT_EQ(knopfZustand().toStdString(), "1010001");
    klick(0);
    EXPECT_EQ(knopfZustand().toStdString(), "1110000");
    for (int zug = 1; zug <= 3; ++zug) {
        klick(0);
        EXPECT_EQ(knopfZustand().toStdString(), "1110000") << zug;
        EXPECT_FALSE(dreh(QStringLiteral("updSchw"))->isEnabled());
        EXPECT_FALSE(dreh(QStringLiteral("updWeiß"))->isEnabled());
    }
    gibEin({3, 3, 3, 3});
    ASSERT_EQ(klick(0).size(), 1);
    EXPECT_EQ(knopfZustand().toStdString(), "1010001");
}

TEST_F(Mensch, enterAndEscDoNothingWhileZugZurückIsDisabled) {
    starte({true, true, 6, 4, {1, 2, 3, 4}});
    klick(0);
    klick(0);
    ASSERT_FALSE(knopf(4)->isEnabled());
    const QStringList vorher = Bestand(*fenster);
    for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(k);
        const QStringList meldungen = testhilfe::Meldungstexte([&] { taste(k); });
        EXPECT_TRUE(meldungen.isEmpty());
        EXPECT_EQ(fenster->Stand().Zug, 2);
        EXPECT_EQ(sichtbarePins("lblSchwarz"), 1);
        EXPECT_EQ(Bestand(*fenster), vorher);
        EXPECT_EQ(lbl(QStringLiteral("texLösung"))->text().toStdString(), "Dein 2. Versuch !");
    }
}
