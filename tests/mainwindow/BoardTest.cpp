// Drawing on the board: guesses, answer pegs, revealing the code, flashing
// the prompt, and clearing the board for the next game.

#include "Fenster.h"

#include <QCoreApplication>
#include <random>
#include <set>

using namespace testfenster;

namespace {

class Brett : public FensterTest {
protected:
    // What the answer displays show when ZeigeWS takes them.
    void zeige(const QString& schwarz, const QString& weiß) {
        lbl(QStringLiteral("lblSchw"))->setText(schwarz);
        lbl(QStringLiteral("lblWeiß"))->setText(weiß);
    }
    void antwortAufZug(int zug, int schwarz, int weiß) {
        fenster->Stand().Zug = static_cast<std::int16_t>(zug);
        zeige(QString::number(schwarz), QString::number(weiß));
        fenster->ZeigeWS();
    }
    void erwartePin(const char* array, int index, int links, int oben) {
        SCOPED_TRACE(testing::Message() << array << "(" << index << ")");
        const QLabel* pin = lbl(array, index);
        EXPECT_EQ(pin->geometry(), twips(links, oben, 195, 195));
        EXPECT_TRUE(pin->isVisible());
    }
};

} // namespace

TEST_F(Brett, pegsOfTwoBlackOneWhiteLieInOneLineRightOfTheGuess) {
    starte({true, true, 6, 4, {}});
    antwortAufZug(1, 2, 1);
    erwartePin("lblSchwarz", 0, 2140, 840);
    erwartePin("lblSchwarz", 1, 2360, 840);
    erwartePin("lblWeiße", 0, 2580, 840);
    EXPECT_EQ(fenster->Stand().AntwortSchwarz[1], 2);
    EXPECT_EQ(fenster->Stand().AntwortWeiß[1], 1);
    EXPECT_EQ(fenster->Stand().ZahlSchwarzPins, 2);
    EXPECT_EQ(fenster->Stand().ZahlWeißPins, 1);

    // The next move's pegs start again at the same column, one row lower.
    antwortAufZug(2, 1, 2);
    erwartePin("lblSchwarz", 2, 2140, 1320);
    erwartePin("lblWeiße", 1, 2360, 1320);
    erwartePin("lblWeiße", 2, 2580, 1320);
    EXPECT_EQ(sichtbarePins("lblSchwarz"), 3);
    EXPECT_EQ(sichtbarePins("lblWeiße"), 3);
    // The copies look like their templates.
    EXPECT_EQ(lbl("lblSchwarz", 2)->palette().color(QPalette::Window),
              lbl("lblSchwarz", 0)->palette().color(QPalette::Window));
    EXPECT_EQ(lbl("lblWeiße", 2)->palette().color(QPalette::Window),
              lbl("lblWeiße", 0)->palette().color(QPalette::Window));
    EXPECT_EQ(lbl("lblWeiße", 2)->font(), lbl("lblWeiße", 0)->font());
}

TEST_F(Brett, pegColumnStartsRightOfTheLastGuessCellForEveryWidth) {
    for (int felder = 1; felder <= 8; ++felder) {
        SCOPED_TRACE(felder);
        starte({true, true, 6, felder, {}});
        antwortAufZug(14, 1, felder > 1 ? 1 : 0);
        const int links = felder * 380 + 620;
        erwartePin("lblSchwarz", 0, links, 840 + 13 * 480);
        if (felder > 1) {
            erwartePin("lblWeiße", 0, links + 220, 840 + 13 * 480);
        }
        // Right of the last cell, which ends at 600 + 360 * (felder - 1) + 375.
        EXPECT_GT(links, 600 + 360 * (felder - 1) + 375);
    }
    EXPECT_EQ(8 * 380 + 620, 3660);
}

TEST_F(Brett, answerOfNoPegsAddsNoneAndStoresZero) {
    starte({true, true, 6, 4, {}});
    antwortAufZug(1, 1, 0);
    fenster->Stand().AntwortSchwarz[2] = 3;
    fenster->Stand().AntwortWeiß[2] = 1;
    const QStringList vorher = Bestand(*fenster);
    antwortAufZug(2, 0, 0);
    EXPECT_EQ(fenster->Stand().AntwortSchwarz[2], 0);
    EXPECT_EQ(fenster->Stand().AntwortWeiß[2], 0);
    EXPECT_EQ(fenster->Stand().ZahlSchwarzPins, 1);
    EXPECT_EQ(fenster->Stand().ZahlWeißPins, 0);
    EXPECT_EQ(Bestand(*fenster), vorher);
    EXPECT_EQ(sichtbarePins("lblSchwarz"), 1);
    EXPECT_EQ(sichtbarePins("lblWeiße"), 0);
}

TEST_F(Brett, firstPegReusesElementZeroAndTheSecondCreatesElementOne) {
    starte({true, true, 6, 4, {}});
    antwortAufZug(1, 1, 1);
    EXPECT_TRUE(lbl("lblSchwarz", 0)->isVisible());
    EXPECT_TRUE(lbl("lblWeiße", 0)->isVisible());
    EXPECT_FALSE(gibt(QStringLiteral("lblSchwarz(1)")));
    EXPECT_FALSE(gibt(QStringLiteral("lblWeiße(1)")));
    antwortAufZug(2, 1, 1);
    EXPECT_TRUE(lbl("lblSchwarz", 1)->isVisible());
    EXPECT_TRUE(lbl("lblWeiße", 1)->isVisible());
    EXPECT_FALSE(gibt(QStringLiteral("lblSchwarz(2)")));
}

TEST_F(Brett, answerDisplaysAreReadAsDecimalNumbersRoundedHalfToEven) {
    const struct {
        const char* text;
        int wert;
    } fälle[] = {{"2", 2},   {" 3", 3}, {"2.5", 2}, {"1.5", 2},
                 {"0.5", 0}, {"", 0},   {"x1", 0},  {"1x", 1}};
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.text);
        starte({true, true, 6, 4, {}});
        fenster->Stand().Zug = 1;
        zeige(QString::fromUtf8(fall.text), QString::fromUtf8(fall.text));
        fenster->ZeigeWS();
        EXPECT_EQ(fenster->Stand().AntwortSchwarz[1], fall.wert);
        EXPECT_EQ(fenster->Stand().AntwortWeiß[1], fall.wert);
        EXPECT_EQ(sichtbarePins("lblSchwarz"), fall.wert);
        EXPECT_EQ(sichtbarePins("lblWeiße"), fall.wert);
    }
}

TEST_F(Brett, revealingShowsTheCodeAfterTenFlashesPerField) {
    for (const bool farben : {true, false}) {
        SCOPED_TRACE(farben ? "colours" : "numbers");
        const Code code{3, 8, 1, 5, 7};
        starte({farben, true, 8, 5, code});
        // Whatever the start left to paint is painted before the recording.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        std::vector<std::unique_ptr<Malprotokoll>> protokolle;
        for (int f = 0; f < 5; ++f) {
            protokolle.push_back(std::make_unique<Malprotokoll>(lbl("lblKomb1", f)));
        }
        fenster->Auflösung();
        for (int f = 0; f < 5; ++f) {
            SCOPED_TRACE(f);
            const QLabel* z = lbl("lblKomb1", f);
            if (farben) {
                EXPECT_EQ(z->palette().color(QPalette::Window), SymbolFarbe(code[f]));
                EXPECT_EQ(z->text().toStdString(), "");
            } else {
                EXPECT_EQ(z->palette().color(QPalette::Window), Palette(15));
                EXPECT_EQ(z->text(), QString::number(code[f]));
            }
            // Ten immediate repaints, each in a palette colour other than
            // white. (The final colour may be painted along with the next
            // field's first repaint.)
            auto gemalt = protokolle[static_cast<std::size_t>(f)]->farben;
            ASSERT_GE(gemalt.size(), 10u);
            EXPECT_LE(gemalt.size(), 11u);
            gemalt.resize(10);
            for (const QColor& c : gemalt) {
                bool bekannt = false;
                for (int n = 0; n < 15; ++n) {
                    bekannt = bekannt || c == Palette(n);
                }
                EXPECT_TRUE(bekannt) << c.name().toStdString();
            }
        }
        // The draws are random: ten times the same colour in every field is no flashing.
        std::set<QRgb> alle;
        for (const auto& p : protokolle) {
            for (const QColor& c : p->farben) {
                alle.insert(c.rgb());
            }
        }
        EXPECT_GT(alle.size(), 3u);
    }
}

TEST_F(Brett, blinkFlashesTheTwoColoursTwentyTimesAndEndsLightRed) {
    starte({true, true, 6, 4, {}});
    QLabel* prompt = lbl(QStringLiteral("texLösung"));
    prompt->setText(QStringLiteral("Dein 5. Versuch !"));
    QPalette p = prompt->palette();
    p.setColor(QPalette::Window, Qt::white);
    prompt->setPalette(p);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    Malprotokoll protokoll(prompt);
    fenster->Blink();
    EXPECT_EQ(prompt->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(prompt->text().toStdString(), "Dein 5. Versuch !");
    ASSERT_EQ(protokoll.farben.size(), 20u);
    int dunkelgelb = 0;
    for (const QColor& c : protokoll.farben) {
        EXPECT_TRUE(c == Palette(6) || c == Palette(7)) << c.name().toStdString();
        dunkelgelb += c == Palette(6);
    }
    EXPECT_GT(dunkelgelb, 0);
    EXPECT_LT(dunkelgelb, 20);
}

TEST_F(Brett, guessOfTheComputerInNumbersFillsTheMoveFieldWithItsDigits) {
    starte({false, false, 6, 4, {3, 1, 4, 1}});
    EXPECT_TRUE(klick(0).isEmpty());
    EXPECT_EQ(lbl(QStringLiteral("Zugfeld"))->text().toStdString(), "3141");
    EXPECT_EQ(brettZug(1), (Code{3, 1, 4, 1}));
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(lbl("lblComp", f)->text(), QString::number(Code{3, 1, 4, 1}[f])) << f;
        EXPECT_EQ(zelle(f, 1)->palette().color(QPalette::Window), Palette(15)) << f;
    }

    // A later guess replaces the digits; nothing changes visibility.
    auto& stand = fenster->Stand();
    stand.Zug = 3;
    stand.Kombination[3] = {0, 6, 5, 2, 2};
    std::vector<bool> sichtbar;
    for (int k = 0; k < 8; ++k) {
        sichtbar.push_back(lbl("lblComp", k)->isVisible());
    }
    fenster->Zeigezug();
    EXPECT_EQ(lbl(QStringLiteral("Zugfeld"))->text().toStdString(), "6522");
    EXPECT_EQ(brettZug(3), (Code{6, 5, 2, 2}));
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(lbl("lblComp", k)->isVisible(), sichtbar[k]) << k;
    }
}

TEST_F(Brett, guessInColoursPaintsCellsAndPanelButLeavesTheMoveField) {
    starte({true, false, 8, 4, {}});
    auto& stand = fenster->Stand();
    stand.Zug = 2;
    stand.Kombination[2] = {0, 8, 2, 5, 3};
    lbl(QStringLiteral("Zugfeld"))->setText(QStringLiteral("Was nun ?"));
    fenster->Zeigezug();
    EXPECT_EQ(brettZug(2), (Code{8, 2, 5, 3}));
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(lbl("lblComp", f)->palette().color(QPalette::Window),
                  SymbolFarbe(stand.Kombination[2][f + 1]))
            << f;
    }
    EXPECT_EQ(lbl(QStringLiteral("Zugfeld"))->text().toStdString(), "Was nun ?");
}

TEST_F(Brett, humanGuessInNumbersLeavesTheMoveFieldEmpty) {
    starte({false, true, 6, 4, {}});
    gibEin({2, 6, 3, 1});
    EXPECT_TRUE(klick(0).isEmpty());
    EXPECT_EQ(brettZug(1), (Code{2, 6, 3, 1}));
    for (int f = 1; f <= 4; ++f) {
        EXPECT_EQ(fenster->Stand().Kombination[1][f], (Code{2, 6, 3, 1}[f - 1]));
    }
    EXPECT_EQ(lbl(QStringLiteral("Zugfeld"))->text().toStdString(), "");
    EXPECT_FALSE(lbl(QStringLiteral("Zugfeld"))->isVisible());
    // The panel's legend stays the legend.
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(lbl("lblComp", k)->text(), QString::number(k + 1));
    }
}

// ---------------------------------------------------------------- clearing

TEST_F(Brett, clearingAfterStartHidesTheGameAndKeepsTheTemplates) {
    starte({false, true, 6, 4, {}});
    fenster->Lösch();
    for (int k = 0; k < 8; ++k) {
        EXPECT_FALSE(lbl("lblComp", k)->isVisible()) << k;
        EXPECT_EQ(lbl("lblComp", k)->text().toStdString(), "") << k;
        EXPECT_EQ(lbl("lblComp", k)->palette().color(QPalette::Window), Palette(15)) << k;
        EXPECT_FALSE(lbl("lblKomb1", k)->isVisible()) << k;
        EXPECT_FALSE(lbl("lblMen", k)->isVisible()) << k;
        EXPECT_FALSE(updM(k)->isVisible()) << k;
    }
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(lbl("lblMen", f)->text().toStdString(), "") << f;
    }
    EXPECT_FALSE(lbl("lblSchwarz", 0)->isVisible());
    EXPECT_FALSE(lbl("lblWeiße", 0)->isVisible());
    EXPECT_EQ(lbl("lblVersuch", 0)->text().toStdString(), "");
    EXPECT_EQ(lbl("lblVersuch", 0)->palette().color(QPalette::Window), Palette(7));
    // Clearing touches no game state.
    EXPECT_EQ(fenster->Stand().Zug, 0);
}

TEST_F(Brett, clearingRightAfterStartLeavesThePegElementsAlone) {
    starte({true, true, 6, 4, {}});
    // A state with pegs but no move, which only Lösch's early end explains.
    antwortAufZug(1, 2, 1);
    fenster->Stand().Zug = 0;
    fenster->Lösch();
    EXPECT_TRUE(lbl("lblSchwarz", 0)->isVisible());
    EXPECT_TRUE(lbl("lblSchwarz", 1)->isVisible());
    EXPECT_TRUE(lbl("lblWeiße", 0)->isVisible());
    fenster->Stand().Zug = 1;
    fenster->Lösch();
    EXPECT_EQ(sichtbarePins("lblSchwarz") + sichtbarePins("lblWeiße"), 0);
}

TEST_F(Brett, clearingReturnsTheWindowToItsLoadedSetOfControlsOverManyGames) {
    frmQuorbix frisch;
    frisch.show();
    const QStringList geladen = Bestand(frisch);
    ASSERT_EQ(Bestand(*fenster), geladen);

    std::mt19937 zufall(20240611);
    for (int spielNr = 0; spielNr < 40; ++spielNr) {
        const int felder = 1 + spielNr % 8;
        const int symbole = 1 + (spielNr * 5) % 8;
        const bool mensch = spielNr % 3 != 2;
        const bool farben = spielNr % 4 < 2;
        SCOPED_TRACE(testing::Message() << "game " << spielNr << ": " << felder << " fields, "
                                        << symbole << " symbols, mensch " << mensch);
        if (gestartet) {
            fenster->Lösch();
            ASSERT_EQ(Bestand(*fenster), geladen);
        }
        starte({farben, mensch, symbole, felder, {}});
        if (spielNr % 5 == 4) {
            continue; // cleared right after the start
        }
        const int züge = std::uniform_int_distribution<int>(1, 14)(zufall);
        if (mensch) {
            for (int z = 0; z <= züge; ++z) {
                Code c;
                for (int f = 0; f < felder; ++f) {
                    c.push_back(std::uniform_int_distribution<int>(1, symbole)(zufall));
                }
                gibEin(c);
                klick(0);
            }
        } else {
            // Honest answers for a random code, with a take-back now and then.
            Code geheim;
            for (int f = 0; f < felder; ++f) {
                geheim.push_back(std::uniform_int_distribution<int>(1, symbole)(zufall));
            }
            gibEin(geheim);
            klick(0);
            for (int z = 0; z < züge && fenster->Stand().Zug > 0; ++z) {
                if (z % 4 == 3 && knopf(4)->isEnabled()) {
                    klick(4);
                    continue;
                }
                antworte(bewerte(geheim, brettZug(fenster->Stand().Zug)));
                klick(0);
            }
        }
    }
    fenster->Lösch();
    EXPECT_EQ(Bestand(*fenster), geladen);
}
