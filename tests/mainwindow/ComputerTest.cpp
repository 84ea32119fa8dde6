// Whole games with the computer guessing the human's code: answers on the
// spin controls, the search, "Hilfe", "Stop", "Zug zurück" and the ends.

#include "Fenster.h"

#include "common/Modal.h"

#include <QRegularExpression>
#include <QTest>

#include <random>
#include <set>

using namespace testfenster;

namespace {

const std::string Computersieg = "Bin ich nicht gut ?";
const std::string Widerspruch = "Die Angaben sind falsch ! ";
const std::string KeineVersuche = "Tut mir leid. Mehr Versuche gibts nicht !";

class Computer : public FensterTest {
protected:
    // Starts a game in which the computer's first guess is `erster` and the
    // human hands over `mein`; ends with the first guess on the board.
    void spiele(bool farben, int symbole, const Code& erster, const Code& mein) {
        starte({farben, false, symbole, static_cast<int>(erster.size()), erster});
        gibEin(mein);
        ASSERT_TRUE(klick(0).isEmpty());
        ASSERT_EQ(fenster->Stand().Zug, 1);
    }
    Code kandidat() const {
        const auto& k = fenster->Stand().Kombination[0];
        return Code(k.begin() + 1, k.begin() + 1 + spiel.felder);
    }
    std::string prompt() const { return lbl(QStringLiteral("texLösung"))->text().toStdString(); }
    std::string zugfeld() const { return lbl(QStringLiteral("Zugfeld"))->text().toStdString(); }
    QAbstractSpinBox* schwarz() const { return dreh(QStringLiteral("updSchw")); }
    QAbstractSpinBox* weiß() const { return dreh(QStringLiteral("updWeiß")); }
    Antwort spinner() const { return {wert(schwarz()), wert(weiß())}; }
    // The answer reopened for correction: displays and spinners agree.
    void erwarteOffeneAntwort(Antwort a) {
        EXPECT_EQ(angezeigt(), a);
        EXPECT_EQ(spinner(), a);
        EXPECT_EQ(zugfeld(), "Was nun ?");
    }
    void erwarteNeuesSpiel() {
        EXPECT_EQ(fenster->Stand().Zug, 0);
        EXPECT_EQ(knopfZustand().toStdString(), "1010001");
        EXPECT_EQ(knopf(0)->text().toStdString(), "Start");
        EXPECT_EQ(prompt(), " Deine Kombination ?");
        EXPECT_EQ(sichtbarePins("lblSchwarz") + sichtbarePins("lblWeiße"), 0);
        EXPECT_FALSE(schwarz()->isEnabled());
    }
};

} // namespace

TEST_F(Computer, firstPressHandsTheCodeOverAndShowsTheFirstGuess) {
    const struct {
        bool farben;
        int symbole;
        Code erster, mein;
    } fälle[] = {
        {true, 6, {3, 1, 4, 1}, {5, 2, 6, 1}},
        {false, 6, {3, 1, 4, 1}, {5, 2, 6, 1}},
        {true, 3, {1, 2, 3, 3, 2, 1, 1, 2}, {3, 3, 1, 2, 1, 1, 3, 2}},
        {false, 2, {2, 1, 2, 1, 1}, {1, 2, 2, 2, 1}},
        {true, 8, {8}, {7}},
    };
    for (const auto& fall : fälle) {
        const int felder = static_cast<int>(fall.erster.size());
        SCOPED_TRACE(testing::Message() << felder << " fields, " << fall.symbole << " symbols, "
                                        << (fall.farben ? "colours" : "numbers"));
        spiele(fall.farben, fall.symbole, fall.erster, fall.mein);
        EXPECT_EQ(brettZug(1), fall.erster);
        EXPECT_EQ(knopfZustand().toStdString(), "1111000");
        EXPECT_EQ(knopf(0)->text().toStdString(), "Weiter");
        EXPECT_EQ(prompt(), "Deine 1. Antwort ?");
        EXPECT_TRUE(schwarz()->isEnabled());
        EXPECT_TRUE(weiß()->isEnabled());
        EXPECT_EQ(sichtbarePins("lblSchwarz") + sichtbarePins("lblWeiße"), 0);
        // The panel row shows exactly the guess.
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(lbl("lblComp", k)->isVisible(), k < felder) << "lblComp " << k;
        }
        for (int f = 0; f < felder; ++f) {
            SCOPED_TRACE(f);
            const QLabel* panel = lbl("lblComp", f);
            const QLabel* lösung = lbl("lblKomb1", f);
            if (fall.farben) {
                EXPECT_EQ(panel->palette().color(QPalette::Window), SymbolFarbe(fall.erster[f]));
                EXPECT_EQ(lösung->palette().color(QPalette::Window), SymbolFarbe(fall.mein[f]));
                EXPECT_EQ(lösung->text().toStdString(), "");
            } else {
                EXPECT_EQ(panel->text(), QString::number(fall.erster[f]));
                EXPECT_EQ(lösung->text(), QString::number(fall.mein[f]));
                EXPECT_EQ(lösung->palette().color(QPalette::Window), Palette(15));
            }
            EXPECT_TRUE(lösung->isVisible());
            EXPECT_FALSE(updM(f)->isVisible());
        }
    }
}

TEST_F(Computer, answerSpinnersKeepBlackPlusWhiteWithinTheFields) {
    enum Dreh { S, W };
    const struct {
        int felder;
        Antwort vorher;
        Dreh welcher;
        int ziel;
        Antwort nachher;
    } fälle[] = {
        {4, {0, 1}, S, 4, {4, 0}}, // black up to the field count clears white
        {4, {2, 2}, W, 3, {1, 3}}, // otherwise the other is lowered by one
        {4, {3, 1}, W, 2, {2, 2}}, {4, {1, 3}, W, 4, {0, 4}}, {4, {2, 2}, S, 3, {3, 1}},
        {4, {0, 4}, S, 1, {1, 3}}, {1, {0, 1}, S, 1, {1, 0}}, {1, {1, 0}, W, 1, {0, 1}},
        {8, {5, 3}, S, 8, {8, 0}}, {8, {5, 3}, W, 3, {5, 3}},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(testing::Message()
                     << fall.felder << " fields, from " << fall.vorher.schwarz << "/"
                     << fall.vorher.weiß << " step " << (fall.welcher == S ? "black" : "white")
                     << " to " << fall.ziel);
        spiele(true, 6, Code(static_cast<std::size_t>(fall.felder), 1),
               Code(static_cast<std::size_t>(fall.felder), 2));
        antworte(fall.vorher);
        stelle(fall.welcher == S ? schwarz() : weiß(), fall.ziel);
        EXPECT_EQ(spinner(), fall.nachher);
        EXPECT_EQ(angezeigt(), fall.nachher);
        // Neither goes past the ends.
        schwarz()->stepUp();
        weiß()->stepUp();
        EXPECT_LE(wert(schwarz()) + wert(weiß()), fall.felder);
        EXPECT_LE(wert(schwarz()), fall.felder);
    }
}

TEST_F(Computer, answerSpinnerSetStraightToTheFieldCountClearsTheOther) {
    spiele(true, 6, {1, 1, 1, 1}, {2, 2, 2, 2});
    antworte({1, 3});
    schwarz()->setProperty("value", 4);
    EXPECT_EQ(spinner(), (Antwort{4, 0}));
    antworte({2, 2});
    weiß()->setProperty("value", 4);
    EXPECT_EQ(spinner(), (Antwort{0, 4}));
    EXPECT_EQ(angezeigt(), (Antwort{0, 4}));
    antworte({0, 2});
    schwarz()->setProperty("value", 3);
    EXPECT_EQ(spinner(), (Antwort{3, 1}));
}

TEST_F(Computer, hilfeFillsTheSpinnersWithTheCountsWithoutTakingThem) {
    const struct {
        bool farben;
        Code erster, mein;
    } fälle[] = {
        {true, {1, 3, 2, 6}, {1, 2, 3, 4}}, {false, {1, 3, 2, 6}, {1, 2, 3, 4}},
        {true, {5, 5, 1, 1}, {1, 5, 5, 1}}, {false, {2, 2, 2, 2}, {2, 2, 2, 2}},
        {true, {6, 6, 6, 6}, {1, 2, 3, 4}},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(alsText(fall.erster).toStdString() + " against " +
                     alsText(fall.mein).toStdString());
        spiele(fall.farben, 6, fall.erster, fall.mein);
        // Start from something wrong, so the help has to change both.
        antworte({0, 4});
        const Code vorher = kandidat();
        EXPECT_TRUE(klick(3).isEmpty());
        const Antwort soll = bewerte(fall.mein, fall.erster);
        EXPECT_EQ(spinner(), soll);
        EXPECT_EQ(angezeigt(), soll);
        // Not taken: no pegs, no stored answer, the candidate untouched.
        EXPECT_EQ(sichtbarePins("lblSchwarz") + sichtbarePins("lblWeiße"), 0);
        EXPECT_EQ(fenster->Stand().AntwortSchwarz[1], 0);
        EXPECT_EQ(fenster->Stand().AntwortWeiß[1], 0);
        EXPECT_EQ(fenster->Stand().Zug, 1);
        EXPECT_EQ(kandidat(), vorher);
        EXPECT_EQ(knopfZustand().toStdString(), "1111000");
    }
}

TEST_F(Computer, allBlackAnswerAndAlleRichtigBothEndWithBinIchNichtGut) {
    for (const bool überKnopf : {false, true}) {
        for (const bool farben : {true, false}) {
            for (const int zug : {1, 2}) {
                SCOPED_TRACE(testing::Message()
                             << (überKnopf ? "Alle richtig" : "answer 4/0")
                             << (farben ? " colours" : " numbers") << " move " << zug);
                spiele(farben, 6, {1, 1, 2, 2}, {3, 3, 4, 4});
                if (zug == 2) {
                    antworte({0, 0});
                    ASSERT_TRUE(klick(0).isEmpty());
                    ASSERT_EQ(fenster->Stand().Zug, 2);
                }
                std::set<std::pair<int, int>> plätze;
                Antwort anzeige;
                QStringList meldungen;
                const auto blick = [&] {
                    plätze = pinPlätze("lblSchwarz");
                    anzeige = angezeigt();
                };
                if (überKnopf) {
                    antworte({1, 2}); // replaced by "all right"
                    meldungen = klick(1, blick);
                } else {
                    antworte({4, 0});
                    meldungen = klick(0, blick);
                }
                ASSERT_EQ(meldungen.size(), 1);
                EXPECT_EQ(meldungen[0].toStdString(), Computersieg);
                // The four black pegs are drawn before the message. (Weiter
                // stores and draws the answer, and the computer's win draws it
                // once more, in the same places.)
                const int oben = px(840 + 480 * (zug - 1));
                EXPECT_EQ(
                    plätze,
                    (std::set<std::pair<int, int>>{
                        {px(2140), oben}, {px(2360), oben}, {px(2580), oben}, {px(2800), oben}}));
                EXPECT_EQ(anzeige, (Antwort{4, 0}));
                erwarteNeuesSpiel();
            }
        }
    }
}

// Honest answers through whole games: every guess after the first is the
// first code in counting order that agrees with all answers so far, none
// repeats, and the game ends when the code is guessed.
TEST_F(Computer, everyGuessIsTheFirstCodeAgreeingWithAllAnswersAndNoneRepeats) {
    const struct {
        bool farben;
        int symbole, felder;
        int spiele;
    } arten[] = {{true, 6, 4, 6},  {false, 4, 3, 4}, {true, 3, 5, 3},
                 {false, 8, 1, 3}, {true, 2, 6, 3},  {false, 8, 4, 2}};
    std::mt19937 zufall(7);
    for (const auto& art : arten) {
        for (int n = 0; n < art.spiele; ++n) {
            Code mein, erster;
            for (int f = 0; f < art.felder; ++f) {
                mein.push_back(std::uniform_int_distribution<int>(1, art.symbole)(zufall));
                erster.push_back(std::uniform_int_distribution<int>(1, art.symbole)(zufall));
            }
            SCOPED_TRACE(testing::Message() << art.felder << "x" << art.symbole << " code "
                                            << alsText(mein).toStdString() << " first guess "
                                            << alsText(erster).toStdString());
            spiele(art.farben, art.symbole, erster, mein);
            std::vector<std::pair<Code, Antwort>> verlauf;
            std::set<Code> geraten;
            QStringList meldungen;
            for (int zug = 1; meldungen.isEmpty(); ++zug) {
                ASSERT_LE(zug, 14);
                const Code versuch = brettZug(zug);
                if (zug == 1) {
                    EXPECT_EQ(versuch, erster);
                } else {
                    EXPECT_EQ(versuch, ersterPassender(art.felder, art.symbole, verlauf));
                    EXPECT_EQ(prompt(),
                              QStringLiteral("Deine %1. Antwort ?").arg(zug).toStdString());
                    EXPECT_EQ(spinner(), (Antwort{0, 0}));
                    if (art.farben) {
                        EXPECT_EQ(zugfeld(), "Was nun ?");
                    }
                }
                EXPECT_TRUE(geraten.insert(versuch).second)
                    << "repeated " << alsText(versuch).toStdString();
                const Antwort a = bewerte(mein, versuch);
                verlauf.push_back({versuch, a});
                // "Hilfe" counts the same as the honest human.
                ASSERT_TRUE(klick(3).isEmpty());
                EXPECT_EQ(spinner(), a);
                antworte(a);
                meldungen = klick(0);
                if (a.schwarz == art.felder) {
                    break;
                }
                ASSERT_TRUE(meldungen.isEmpty());
                ASSERT_EQ(fenster->Stand().Zug, zug + 1);
                // Earlier rows stay as they were.
                EXPECT_EQ(brettZug(zug), versuch);
            }
            ASSERT_EQ(meldungen.size(), 1);
            EXPECT_EQ(meldungen[0].toStdString(), Computersieg);
            EXPECT_EQ(verlauf.back().first, mein);
            erwarteNeuesSpiel();
        }
    }
}

TEST_F(Computer, contradictoryAnswerToMoveOneReopensItWithoutItsPegs) {
    spiele(true, 6, {1, 2, 3, 4}, {1, 5, 5, 6});
    antworte({3, 1});
    int pinsBeiMeldung = -1;
    const QStringList meldungen = klick(0, [&] { pinsBeiMeldung = sichtbarePins("lblSchwarz"); });
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].toStdString(), Widerspruch);
    EXPECT_EQ(pinsBeiMeldung, 3) << "the answer was drawn before the search";

    EXPECT_EQ(fenster->Stand().Zug, 1);
    EXPECT_EQ(sichtbarePins("lblSchwarz") + sichtbarePins("lblWeiße"), 0);
    EXPECT_FALSE(gibt(QStringLiteral("lblSchwarz(1)")));
    EXPECT_FALSE(gibt(QStringLiteral("lblSchwarz(2)")));
    EXPECT_EQ(fenster->Stand().ZahlSchwarzPins, 0);
    EXPECT_EQ(fenster->Stand().ZahlWeißPins, 0);
    erwarteOffeneAntwort({3, 1});
    EXPECT_EQ(prompt(), "");
    EXPECT_EQ(kandidat(), (Code{1, 1, 1, 1}));
    EXPECT_EQ(fenster->Stand().Erschöpft, 0);
    EXPECT_EQ(knopfZustand().toStdString(), "1111000");
    EXPECT_EQ(brettZug(1), (Code{1, 2, 3, 4}));

    // The corrected answer goes on as if the wrong one had never been given.
    const Antwort richtig = bewerte({1, 5, 5, 6}, {1, 2, 3, 4});
    antworte(richtig);
    ASSERT_TRUE(klick(0).isEmpty());
    EXPECT_EQ(fenster->Stand().Zug, 2);
    EXPECT_EQ(brettZug(2), ersterPassender(4, 6, {{{1, 2, 3, 4}, richtig}}));
    EXPECT_EQ(sichtbarePins("lblSchwarz"), richtig.schwarz);
    EXPECT_EQ(sichtbarePins("lblWeiße"), richtig.weiß);
}

TEST_F(Computer, contradictoryAnswerToMoveTwoKeepsTheFirstMovesPegs) {
    const Code mein{1, 5, 5, 6};
    spiele(false, 6, {1, 2, 3, 4}, mein);
    const Antwort a1 = bewerte(mein, {1, 2, 3, 4});
    antworte(a1);
    klick(0);
    ASSERT_EQ(fenster->Stand().Zug, 2);
    const Code zwei = brettZug(2);
    antworte({3, 1});
    const QStringList meldungen = klick(0);
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].toStdString(), Widerspruch);

    EXPECT_EQ(fenster->Stand().Zug, 2);
    EXPECT_EQ(kandidat(), zwei);
    EXPECT_EQ(brettZug(2), zwei);
    EXPECT_EQ(sichtbarePins("lblSchwarz"), a1.schwarz);
    EXPECT_EQ(sichtbarePins("lblWeiße"), a1.weiß);
    EXPECT_EQ(fenster->Stand().ZahlSchwarzPins, a1.schwarz);
    EXPECT_EQ(fenster->Stand().ZahlWeißPins, a1.weiß);
    EXPECT_FALSE(gibt(QStringLiteral("lblSchwarz(%1)").arg(a1.schwarz + 1)));
    EXPECT_TRUE(lbl("lblSchwarz", 0)->isVisible());
    EXPECT_EQ(lbl("lblSchwarz", 0)->geometry(), twips(2140, 840, 195, 195));
    erwarteOffeneAntwort({3, 1});
    EXPECT_EQ(knopfZustand().toStdString(), "1111100");

    const Antwort a2 = bewerte(mein, zwei);
    antworte(a2);
    klick(0);
    EXPECT_EQ(fenster->Stand().Zug, 3);
    EXPECT_EQ(brettZug(3), ersterPassender(4, 6, {{{1, 2, 3, 4}, a1}, {zwei, a2}}));
}

TEST_F(Computer, stopThenResumeFindsTheSameGuessAsAnUninterruptedSearch) {
    // 8 x 8, first guess all ones answered one black: the next guess lies
    // some 300,000 codes further on.
    const Code erster(8, 1);
    const Code mein{2, 2, 2, 2, 2, 2, 2, 1};
    const Code soll = *ersterPassender(8, 8, {{erster, {1, 0}}});
    for (const bool farben : {true, false}) {
        SCOPED_TRACE(farben ? "colours" : "numbers");
        spiele(farben, 8, erster, mein);
        antworte({1, 0});
        ASSERT_TRUE(klick(0).isEmpty());
        ASSERT_EQ(brettZug(2), soll);

        spiele(farben, 8, erster, mein);
        antworte({1, 0});
        QString knöpfe, prompt_, zugfeld_;
        WährendSuche stop(*fenster, [&] {
            knöpfe = knopfZustand();
            prompt_ = lbl(QStringLiteral("texLösung"))->text();
            zugfeld_ = lbl(QStringLiteral("Zugfeld"))->text();
            QTest::mouseClick(knopf(5), Qt::LeftButton);
        });
        ASSERT_TRUE(klick(0).isEmpty());
        ASSERT_TRUE(stop.ausgeführt);
        EXPECT_EQ(knöpfe.toStdString(), "0000010") << "only Stop during the search";
        EXPECT_EQ(prompt_.toStdString(), "");
        if (farben) {
            EXPECT_EQ(zugfeld_.toStdString(), "Ich denke ...");
        } else {
            // The search shows random digits while it works.
            EXPECT_TRUE(
                QRegularExpression(QStringLiteral("^ [1-8]{8}$")).match(zugfeld_).hasMatch())
                << zugfeld_.toStdString();
        }
        EXPECT_EQ(zugfeld(), "Unterbrechung !");
        EXPECT_EQ(lbl(QStringLiteral("Zugfeld"))->palette().color(QPalette::Window), Palette(15));
        EXPECT_EQ(prompt(), "");
        EXPECT_EQ(fenster->Stand().Zug, 1);
        EXPECT_EQ(knopfZustand().toStdString(), "1111000");
        EXPECT_EQ(sichtbarePins("lblSchwarz"), 1);

        // Resuming does not read the spinners again.
        antworte({0, 0});
        ASSERT_TRUE(klick(0).isEmpty());
        EXPECT_EQ(fenster->Stand().Zug, 2);
        EXPECT_EQ(brettZug(2), soll);
        EXPECT_EQ(sichtbarePins("lblSchwarz"), 1);
        EXPECT_EQ(fenster->Stand().AntwortSchwarz[1], 1);
        EXPECT_EQ(knopfZustand().toStdString(), "1111100");
        EXPECT_EQ(prompt(), "Deine 2. Antwort ?");
    }
}

TEST_F(Computer, stoppingTwiceStillFindsTheSameGuess) {
    const Code erster(8, 1);
    spiele(true, 8, erster, {2, 2, 2, 2, 2, 2, 2, 1});
    antworte({1, 0});
    for (int mal = 0; mal < 2; ++mal) {
        WährendSuche stop(*fenster, [&] { fenster->cmdFertig_Click(5); });
        ASSERT_TRUE(klick(0).isEmpty());
        ASSERT_TRUE(stop.ausgeführt) << mal;
        ASSERT_EQ(zugfeld(), "Unterbrechung !");
        ASSERT_EQ(fenster->Stand().Zug, 1);
    }
    ASSERT_TRUE(klick(0).isEmpty());
    EXPECT_EQ(brettZug(2), ersterPassender(8, 8, {{erster, {1, 0}}}));
    EXPECT_EQ(sichtbarePins("lblSchwarz"), 1);
}

TEST_F(Computer, newGameAfterAnInterruptedSearchTakesTheAnswersAgain) {
    spiele(true, 8, Code(8, 1), {2, 2, 2, 2, 2, 2, 2, 1});
    antworte({1, 0});
    WährendSuche stop(*fenster, [&] { fenster->cmdFertig_Click(5); });
    ASSERT_TRUE(klick(0).isEmpty());
    ASSERT_TRUE(stop.ausgeführt);
    const Code erster(8, 1);
    legeCodeFest(erster, 8);
    EXPECT_TRUE(klick(2).isEmpty());
    erwarteNeuesSpiel();
    EXPECT_EQ(fenster->Stand().Abbruch, 0);

    // The next game's first answer is drawn and searched from the start.
    const Code mein{3, 3, 3, 3, 3, 3, 3, 1};
    gibEin(mein);
    klick(0);
    ASSERT_EQ(brettZug(1), erster);
    const Antwort a = bewerte(mein, erster);
    antworte(a);
    ASSERT_TRUE(klick(0).isEmpty());
    EXPECT_EQ(fenster->Stand().Zug, 2);
    EXPECT_EQ(sichtbarePins("lblSchwarz"), a.schwarz);
    EXPECT_EQ(sichtbarePins("lblWeiße"), a.weiß);
    EXPECT_EQ(brettZug(2), ersterPassender(8, 8, {{erster, a}}));
}

TEST_F(Computer, zugZurückAfterTheSecondGuessTakesItBackAndSearchesFromTheStart) {
    for (const bool farben : {true, false}) {
        SCOPED_TRACE(farben ? "colours" : "numbers");
        const Code erster{1, 2, 3, 4};
        const Code mein{4, 2, 6, 6};
        spiele(farben, 6, erster, mein);
        const Antwort a1 = bewerte(mein, erster);
        antworte(a1);
        klick(0);
        ASSERT_EQ(fenster->Stand().Zug, 2);
        ASSERT_EQ(knopfZustand().toStdString(), "1111100");
        const Code zwei = brettZug(2);

        antworte({2, 1});
        EXPECT_TRUE(klick(4).isEmpty());
        EXPECT_EQ(fenster->Stand().Zug, 1);
        for (int f = 0; f < 4; ++f) {
            EXPECT_EQ(zelle(f, 2)->text().toStdString(), "") << f;
            EXPECT_EQ(zelle(f, 2)->palette().color(QPalette::Window), Palette(7)) << f;
            if (farben) {
                EXPECT_EQ(lbl("lblComp", f)->palette().color(QPalette::Window),
                          SymbolFarbe(erster[f]));
            } else {
                EXPECT_EQ(lbl("lblComp", f)->text(), QString::number(erster[f]));
            }
        }
        EXPECT_EQ(brettZug(1), erster);
        EXPECT_EQ(kandidat(), (Code{1, 1, 1, 1}));
        EXPECT_EQ(sichtbarePins("lblSchwarz") + sichtbarePins("lblWeiße"), 0);
        erwarteOffeneAntwort(a1);
        EXPECT_EQ(prompt(), "Deine 1. Antwort ?");
        EXPECT_EQ(knopfZustand().toStdString(), "1111000");

        // The same answer again gives the same second guess.
        klick(0);
        EXPECT_EQ(fenster->Stand().Zug, 2);
        EXPECT_EQ(brettZug(2), zwei);
        EXPECT_EQ(sichtbarePins("lblSchwarz"), a1.schwarz);
        EXPECT_EQ(sichtbarePins("lblWeiße"), a1.weiß);
    }
}

TEST_F(Computer, zugZurückAfterAnInterruptedSearchKeepsTheGuessAndReopensItsAnswer) {
    // 8 x 8: all twos answered 0/0 makes all ones the second guess at once;
    // answering that with one black sends the search some 600,000 codes on.
    const Code erster(8, 2);
    spiele(true, 8, erster, {3, 3, 3, 3, 3, 3, 3, 1});
    antworte({0, 0});
    klick(0);
    ASSERT_EQ(fenster->Stand().Zug, 2);
    const Code zwei(8, 1);
    ASSERT_EQ(brettZug(2), zwei);

    antworte({1, 0});
    WährendSuche stop(*fenster, [&] { QTest::mouseClick(knopf(5), Qt::LeftButton); });
    ASSERT_TRUE(klick(0).isEmpty());
    ASSERT_TRUE(stop.ausgeführt);
    ASSERT_EQ(zugfeld(), "Unterbrechung !");
    ASSERT_EQ(sichtbarePins("lblSchwarz"), 1);
    EXPECT_EQ(knopfZustand().toStdString(), "1111100");

    EXPECT_TRUE(klick(4).isEmpty());
    EXPECT_EQ(fenster->Stand().Zug, 2);
    EXPECT_EQ(brettZug(2), zwei);
    EXPECT_EQ(kandidat(), zwei);
    EXPECT_EQ(fenster->Stand().Abbruch, 0);
    EXPECT_EQ(sichtbarePins("lblSchwarz"), 0);
    EXPECT_EQ(fenster->Stand().ZahlSchwarzPins, 0);
    erwarteOffeneAntwort({1, 0});
    EXPECT_EQ(prompt(), "Deine 2. Antwort ?");
    EXPECT_EQ(knopfZustand().toStdString(), "1111100");

    // A fresh search from the kept guess, reading the answer again.
    ASSERT_TRUE(klick(0).isEmpty());
    EXPECT_EQ(fenster->Stand().Zug, 3);
    EXPECT_EQ(sichtbarePins("lblSchwarz"), 1);
    EXPECT_EQ(brettZug(3), ersterPassender(8, 8, {{erster, {0, 0}}, {zwei, {1, 0}}}));
}

TEST_F(Computer, enterAndEscPressZugZurückOnlyWhileItIsEnabled) {
    for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(k);
        spiele(true, 6, {1, 1, 2, 2}, {3, 3, 4, 4});
        antworte({0, 0});
        klick(0);
        ASSERT_EQ(fenster->Stand().Zug, 2);
        EXPECT_TRUE(testhilfe::Meldungstexte([&] { taste(k); }).isEmpty());
        EXPECT_EQ(fenster->Stand().Zug, 1);
        ASSERT_FALSE(knopf(4)->isEnabled());
        EXPECT_TRUE(testhilfe::Meldungstexte([&] { taste(k); }).isEmpty());
        EXPECT_EQ(fenster->Stand().Zug, 1);
        EXPECT_EQ(brettZug(1), (Code{1, 1, 2, 2}));
        erwarteOffeneAntwort({0, 0});
    }
}

TEST_F(Computer, aFifteenthGuessIsNotMadeTheGameEndsWithTheCandidateShown) {
    // Honest answers rarely take 14 moves: fill moves 2 to 13 with repeats of
    // the first guess and its answer, which keep the same codes possible.
    const Code erster{1, 2, 3, 4};
    const Code mein{2, 1, 5, 5};
    spiele(true, 6, erster, mein);
    const Antwort a = bewerte(mein, erster);
    auto& stand = fenster->Stand();
    for (int z = 1; z <= 14; ++z) {
        for (int f = 1; f <= 4; ++f) {
            stand.Kombination[z][f] = static_cast<std::int16_t>(erster[f - 1]);
        }
        stand.AntwortSchwarz[z] = static_cast<std::int16_t>(a.schwarz);
        stand.AntwortWeiß[z] = static_cast<std::int16_t>(a.weiß);
    }
    stand.Zug = 14;
    antworte(a);
    Code gezeigt;
    int zugBeiMeldung = 0;
    const QStringList meldungen = klick(0, [&] {
        for (int f = 0; f < 4; ++f) {
            gezeigt.push_back(
                SymbolAusFarbe(lbl("lblKomb1", f)->palette().color(QPalette::Window)));
        }
        zugBeiMeldung = stand.Zug;
    });
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].toStdString(), KeineVersuche);
    EXPECT_EQ(zugBeiMeldung, 14);
    EXPECT_EQ(gezeigt, ersterPassender(4, 6, {{erster, a}})) << "the candidate is revealed";
    erwarteNeuesSpiel();
}

TEST_F(Computer, buttonsThroughAGame) {
    starte({true, false, 6, 4, {1, 1, 2, 2}});
    EXPECT_EQ(knopfZustand().toStdString(), "1010001");
    gibEin({3, 3, 4, 4});
    klick(0);
    EXPECT_EQ(knopfZustand().toStdString(), "1111000");
    antworte({0, 0});
    klick(0);
    EXPECT_EQ(knopfZustand().toStdString(), "1111100");
    antworte(bewerte({3, 3, 4, 4}, brettZug(2)));
    klick(0);
    EXPECT_EQ(fenster->Stand().Zug, 3);
    EXPECT_EQ(knopfZustand().toStdString(), "1111100");
    klick(4);
    EXPECT_EQ(knopfZustand().toStdString(), "1111100");
    klick(4);
    EXPECT_EQ(knopfZustand().toStdString(), "1111000");
    klick(3);
    EXPECT_EQ(knopfZustand().toStdString(), "1111000");
}
