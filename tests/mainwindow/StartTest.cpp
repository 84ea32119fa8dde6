// Laying out a game for every setting, and the entry spinners.

#include "Fenster.h"

#include <QGroupBox>
#include <QRegularExpression>

using namespace testfenster;

namespace {

class Start : public FensterTest {
protected:
    QGroupBox* rahmen() const { return finde<QGroupBox>(QStringLiteral("fraComp")); }

    // Names of the board cells that exist, sorted by index.
    std::vector<int> brettIndizes() const {
        std::vector<int> indizes;
        static const QRegularExpression muster(QStringLiteral("^lblVersuch\\((\\d+)\\)$"));
        for (const QLabel* l : zentrale()->findChildren<QLabel*>()) {
            const auto treffer = muster.match(l->objectName());
            if (treffer.hasMatch()) {
                indizes.push_back(treffer.captured(1).toInt());
            }
        }
        std::sort(indizes.begin(), indizes.end());
        return indizes;
    }
};

// A code of the given size that uses the highest and the lowest symbol.
Code musterCode(int felder, int symbole) {
    Code c;
    for (int f = 0; f < felder; ++f) {
        c.push_back(f % 2 == 0 ? symbole : 1 + (f * 3) % symbole);
    }
    return c;
}

} // namespace

TEST_F(Start, everySettingLaysOutItsBoardLegendSolutionAndEntryRow) {
    for (const bool farben : {true, false}) {
        for (int felder = 1; felder <= 8; ++felder) {
            for (int symbole = 1; symbole <= 8; ++symbole) {
                const bool mensch = (felder + symbole) % 2 == 0;
                SCOPED_TRACE(testing::Message()
                             << "farben " << farben << ", felder " << felder << ", symbole "
                             << symbole << ", mensch " << mensch);
                const Code code = musterCode(felder, symbole);
                starte({farben, mensch, symbole, felder, code});

                // Board: exactly 14 cells per field, grey, in the grid.
                std::vector<int> soll;
                for (int i = 0; i < 14 * felder; ++i) {
                    soll.push_back(i);
                }
                ASSERT_EQ(brettIndizes(), soll);
                for (int f = 0; f < felder; ++f) {
                    for (int r = 0; r < 14; ++r) {
                        const QLabel* z = lbl("lblVersuch", 14 * f + r);
                        EXPECT_EQ(z->geometry(), twips(600 + 360 * f, 840 + 480 * r, 375, 375));
                        EXPECT_TRUE(z->isVisible());
                        EXPECT_EQ(z->palette().color(QPalette::Window), Palette(7));
                    }
                }

                // Legend: one cell per symbol, coloured or numbered.
                for (int k = 0; k < 8; ++k) {
                    const QLabel* l = lbl("lblComp", k);
                    EXPECT_EQ(l->isVisible(), k < symbole) << "lblComp " << k;
                    if (k < symbole) {
                        if (farben) {
                            EXPECT_EQ(l->palette().color(QPalette::Window), SymbolFarbe(k + 1))
                                << k;
                            EXPECT_EQ(l->text().toStdString(), "") << k;
                        } else {
                            EXPECT_EQ(l->palette().color(QPalette::Window), Palette(15)) << k;
                            EXPECT_EQ(l->text(), QString::number(k + 1)) << k;
                        }
                    }
                }

                // Solution row, entry cells and their spinners.
                for (int k = 0; k < 8; ++k) {
                    const bool da = k < felder;
                    const QLabel* lösung = lbl("lblKomb1", k);
                    const QLabel* eingabe = lbl("lblMen", k);
                    EXPECT_EQ(lösung->isVisible(), da) << "lblKomb1 " << k;
                    EXPECT_EQ(eingabe->isVisible(), da) << "lblMen " << k;
                    EXPECT_EQ(updM(k)->isVisible(), da) << "updM " << k;
                    if (!da) {
                        continue;
                    }
                    EXPECT_EQ(lösung->text().toStdString(), "?");
                    EXPECT_EQ(lösung->palette().color(QPalette::Window), Palette(15));
                    EXPECT_EQ(eingabe->palette().color(QPalette::Window), Palette(15));
                    EXPECT_EQ(eingabe->text().toStdString(), farben ? "" : "1");
                    if (farben) {
                        EXPECT_EQ(eingabe->property("tag").toString().toStdString(), "1");
                    }
                    EXPECT_EQ(wert(updM(k)), 1);
                    EXPECT_EQ(updM(k)->property("minimum").toInt(), 1);
                    EXPECT_EQ(updM(k)->property("maximum").toInt(), symbole);
                }

                // Answer spinners: 0 .. fields, at 0, disabled.
                for (const char* name : {"updSchw", "updWeiß"}) {
                    QAbstractSpinBox* d = dreh(QString::fromUtf8(name));
                    EXPECT_EQ(d->property("minimum").toInt(), 0) << name;
                    EXPECT_EQ(d->property("maximum").toInt(), felder) << name;
                    EXPECT_EQ(wert(d), 0) << name;
                    EXPECT_FALSE(d->isEnabled()) << name;
                }
                EXPECT_EQ(angezeigt(), (Antwort{0, 0}));

                // Game state: secret and copy, or candidate 1..1 and a first guess.
                const auto& stand = fenster->Stand();
                EXPECT_EQ(stand.Zug, 0);
                EXPECT_EQ(stand.ZahlSchwarzPins, 0);
                EXPECT_EQ(stand.ZahlWeißPins, 0);
                EXPECT_EQ(stand.Abbruch, 0);
                EXPECT_EQ(stand.Erschöpft, 0);
                for (int f = 1; f <= felder; ++f) {
                    EXPECT_EQ(stand.Kombination[1][f], code[f - 1]) << f;
                    EXPECT_EQ(stand.Kombination[0][f], mensch ? code[f - 1] : 1) << f;
                }

                EXPECT_EQ(knopfZustand().toStdString(), "1010001");
                EXPECT_EQ(lbl(QStringLiteral("texLösung"))->palette().color(QPalette::Window),
                          Palette(12));
            }
        }
    }
}

TEST_F(Start, panelAndSolutionTitleMoveWithTheNumberOfFields) {
    const struct {
        int felder, rahmenLinks, lösungLinks;
    } fälle[] = {{1, 2980, 1000}, {2, 3360, 1380}, {3, 3740, 1760}, {4, 4120, 2140},
                 {5, 4500, 2520}, {6, 4880, 2900}, {7, 5260, 3280}, {8, 5640, 3660}};
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.felder);
        starte({true, true, 6, fall.felder, {}});
        EXPECT_EQ(rahmen()->geometry(), twips(fall.rahmenLinks, 1080, 5055, 4785));
        EXPECT_EQ(lbl(QStringLiteral("lblLösung"))->geometry(),
                  twips(fall.lösungLinks, 240, 2415, 375));
    }
}

TEST_F(Start, frameCaptionNamesWhoThinksAndHowManySymbols) {
    const struct {
        bool mensch;
        int symbole;
        const char* titel;
    } fälle[] = {
        {true, 6, " Mensch überlegt : 6 Farben/Zahlen"},
        {true, 1, " Mensch überlegt : 1 Farbe/Zahl"},
        {true, 2, " Mensch überlegt : 2 Farben/Zahlen"},
        {false, 8, " Computer überlegt : 8 Farben/Zahlen"},
        {false, 1, " Computer überlegt : 1 Farbe/Zahl"},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.titel);
        starte({true, fall.mensch, fall.symbole, 4, {}});
        EXPECT_EQ(rahmen()->title().toStdString(), fall.titel);
        // A second game of the same kind does not add to the caption.
        starte({true, fall.mensch, fall.symbole, 4, {}});
        EXPECT_EQ(rahmen()->title().toStdString(), fall.titel);
    }
}

TEST_F(Start, modeSetsCaptionsPromptAndMoveField) {
    const struct {
        bool mensch;
        bool zugfeld;
        const char *lösung, *prompt, *knopf0, *knopf1;
    } fälle[] = {
        {false, true, "Deine Kombination", " Deine Kombination ?", "Start", "Alle richtig"},
        {true, false, "Computerlösung", " Dein 1.Versuch !", "Weiter", "Auf- lösung"},
    };
    for (const auto& fall : fälle) {
        for (const bool farben : {true, false}) {
            SCOPED_TRACE(testing::Message() << fall.lösung << " farben " << farben);
            starte({farben, fall.mensch, 6, 4, {}});
            const QLabel* zugfeld = lbl(QStringLiteral("Zugfeld"));
            EXPECT_EQ(zugfeld->isVisible(), fall.zugfeld);
            EXPECT_EQ(zugfeld->text().toStdString(), "");
            EXPECT_EQ(zugfeld->palette().color(QPalette::Window), Palette(15));
            EXPECT_EQ(lbl(QStringLiteral("lblLösung"))->text().toStdString(), fall.lösung);
            EXPECT_EQ(lbl(QStringLiteral("texLösung"))->text().toStdString(), fall.prompt);
            EXPECT_EQ(knopf(0)->text().toStdString(), fall.knopf0);
            EXPECT_EQ(knopf(1)->text().toStdString(), fall.knopf1);
        }
    }
}

TEST_F(Start, newGameInTheMiddleOfOneResetsButtonsAndMoveField) {
    // The computer's game leaves "Zug zurück", "Hilfe" and the move field in use.
    starte({true, false, 6, 4, {1, 1, 2, 2}});
    klick(0);
    antworte({0, 0});
    klick(0);
    ASSERT_EQ(fenster->Stand().Zug, 2);
    ASSERT_EQ(knopfZustand().toStdString(), "1111100");
    EXPECT_TRUE(klick(2).isEmpty());
    EXPECT_EQ(knopfZustand().toStdString(), "1010001");
    EXPECT_EQ(knopf(0)->text().toStdString(), "Start");
    EXPECT_EQ(lbl(QStringLiteral("Zugfeld"))->text().toStdString(), "");
    EXPECT_EQ(lbl(QStringLiteral("Zugfeld"))->palette().color(QPalette::Window), Palette(15));
    EXPECT_FALSE(dreh(QStringLiteral("updSchw"))->isEnabled());
    EXPECT_FALSE(dreh(QStringLiteral("updWeiß"))->isEnabled());
    for (int f = 0; f < 4; ++f) {
        EXPECT_TRUE(updM(f)->isVisible()) << f;
    }
}

TEST_F(Start, oneSymbolGivesTheCodeOfOnesAndSpinnersThatCannotMove) {
    for (const bool farben : {true, false}) {
        starte({farben, true, 1, 5, {}});
        for (int f = 1; f <= 5; ++f) {
            EXPECT_EQ(fenster->Stand().Kombination[0][f], 1);
        }
        for (int f = 0; f < 5; ++f) {
            updM(f)->stepUp();
            EXPECT_EQ(wert(updM(f)), 1);
            updM(f)->stepDown();
            EXPECT_EQ(wert(updM(f)), 1);
        }
    }
}

// ---------------------------------------------------------------- spinners

class Eingabe : public Start {};

TEST_F(Eingabe, stepInColoursPaintsTheFieldAndKeepsTheSymbolInTheTag) {
    starte({true, true, 8, 4, {}});
    QLabel* feld = lbl("lblMen", 2);
    for (int v = 2; v <= 8; ++v) {
        updM(2)->stepUp();
        EXPECT_EQ(wert(updM(2)), v);
        EXPECT_EQ(feld->palette().color(QPalette::Window), SymbolFarbe(v)) << v;
        EXPECT_EQ(feld->property("tag").toString(), QString::number(v));
        EXPECT_EQ(feld->text().toStdString(), "");
    }
    updM(2)->stepUp();
    EXPECT_EQ(wert(updM(2)), 8) << "the upper end holds";
    for (int v = 7; v >= 1; --v) {
        updM(2)->stepDown();
        EXPECT_EQ(feld->palette().color(QPalette::Window), SymbolFarbe(v)) << v;
        EXPECT_EQ(feld->property("tag").toString(), QString::number(v));
    }
    updM(2)->stepDown();
    EXPECT_EQ(wert(updM(2)), 1) << "the lower end holds";
    EXPECT_EQ(feld->palette().color(QPalette::Window), Palette(15));
    // The neighbours stay as they were.
    EXPECT_EQ(lbl("lblMen", 1)->property("tag").toString().toStdString(), "1");
    EXPECT_EQ(lbl("lblMen", 3)->property("tag").toString().toStdString(), "1");
}

TEST_F(Eingabe, stepFromOneToTwoPaintsLightRedAndBackToWhite) {
    starte({true, true, 6, 4, {}});
    updM(0)->stepUp();
    EXPECT_EQ(lbl("lblMen", 0)->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(lbl("lblMen", 0)->property("tag").toString().toStdString(), "2");
    updM(0)->stepDown();
    EXPECT_EQ(lbl("lblMen", 0)->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(lbl("lblMen", 0)->property("tag").toString().toStdString(), "1");
}

TEST_F(Eingabe, stepInNumbersChangesOnlyTheCaption) {
    // A colours game first leaves a tag behind; numbers must not touch it.
    starte({true, true, 6, 4, {}});
    updM(1)->stepUp();
    updM(1)->stepUp();
    starte({false, true, 6, 4, {}});
    QLabel* feld = lbl("lblMen", 1);
    const QString tag = feld->property("tag").toString();
    EXPECT_EQ(feld->text().toStdString(), "1");
    updM(1)->stepUp();
    EXPECT_EQ(feld->text().toStdString(), "2");
    EXPECT_EQ(feld->palette().color(QPalette::Window), Palette(15));
    EXPECT_EQ(feld->property("tag").toString(), tag);
    for (int i = 0; i < 10; ++i) {
        updM(1)->stepUp();
    }
    EXPECT_EQ(feld->text().toStdString(), "6");
    fenster->updM_Change(1);
    EXPECT_EQ(feld->palette().color(QPalette::Window), Palette(15));
}

TEST_F(Eingabe, newGameStartsEveryFieldAtOneAgain) {
    for (const bool farben : {true, false}) {
        starte({farben, true, 6, 4, {}});
        gibEin({3, 4, 5, 6});
        starte({farben, true, 6, 4, {}});
        for (int f = 0; f < 4; ++f) {
            EXPECT_EQ(wert(updM(f)), 1) << f;
            EXPECT_EQ(lbl("lblMen", f)->palette().color(QPalette::Window), Palette(15)) << f;
            EXPECT_EQ(
                (farben ? lbl("lblMen", f)->property("tag").toString() : lbl("lblMen", f)->text())
                    .toStdString(),
                "1")
                << f;
        }
    }
}
