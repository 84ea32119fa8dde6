// What a screen reader hears: the accessibility tree of the main window after
// a few moves, walked as an assistive tool walks it, and the settings
// dialog's keyboard order.

#include "dialogs/Barrierefreiheit.h"
#include "common/Modal.h"
#include "dialogs/frmEinstellungen.h"
#include "dialogs/frmInfo.h"
#include "evaluation/frmSearch.h"
#include "mainwindow/frmQuorbix.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QMap>
#include <QWidget>
#include <gmock/gmock.h>
#include <initializer_list>

// Readable failures: QString and QStringList as text.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAreArray;

namespace {

// The colour names a player hears for symbols 1..8.
const QStringList Symbolnamen = {"Weiß",    "Hellrot", "Blau",       "Hellgrün",
                                 "Schwarz", "Gelb",    "Dunkelgelb", "Magenta"};

// Every interface below the root, depth first, as a screen reader finds them.
void sammle(QAccessibleInterface* knoten, QList<QAccessibleInterface*>& alle) {
    for (int i = 0; i < knoten->childCount(); ++i) {
        if (QAccessibleInterface* kind = knoten->child(i)) {
            alle << kind;
            sammle(kind, alle);
        }
    }
}

// The visible controls of a window's tree, by object name.
QMap<QString, QAccessibleInterface*> Baum(QWidget& fenster) {
    QAccessibleInterface* wurzel = QAccessible::queryAccessibleInterface(&fenster);
    QList<QAccessibleInterface*> alle;
    sammle(wurzel, alle);
    QMap<QString, QAccessibleInterface*> karte;
    for (QAccessibleInterface* i : alle) {
        if (i->object() != nullptr && !i->state().invisible) {
            karte.insert(i->object()->objectName(), i);
        }
    }
    return karte;
}

QString Name(const QMap<QString, QAccessibleInterface*>& baum, const QString& objekt) {
    const auto gefunden = baum.find(objekt);
    return gefunden == baum.end() ? QStringLiteral("<not in tree>")
                                  : gefunden.value()->text(QAccessible::Name);
}

QString Beschreibung(const QMap<QString, QAccessibleInterface*>& baum, const QString& objekt) {
    const auto gefunden = baum.find(objekt);
    return gefunden == baum.end() ? QStringLiteral("<not in tree>")
                                  : gefunden.value()->text(QAccessible::Description);
}

// Names of the visible elements of one control array.
QStringList Namen(const QMap<QString, QAccessibleInterface*>& baum, const QString& feld) {
    QStringList namen;
    for (auto i = baum.begin(); i != baum.end(); ++i) {
        if (i.key().startsWith(feld + QLatin1Char('('))) {
            namen << i.value()->text(QAccessible::Name);
        }
    }
    return namen;
}

// The names of the focusable controls of a window in keyboard order,
// starting from `erstes`.
QStringList Tabreihenfolge(QWidget& fenster, const char* erstes) {
    QStringList reihenfolge;
    QWidget* anfang = fenster.findChild<QWidget*>(erstes);
    if (anfang == nullptr) {
        return reihenfolge;
    }
    QWidget* w = anfang;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == &fenster &&
            w->isVisibleTo(&fenster)) {
            reihenfolge << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != anfang && reihenfolge.size() < 50);
    return reihenfolge;
}

class Barrierefreiheit : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ::Barrierefreiheit::einrichten(); }

    // A game of 4 fields with the given settings; the secret is set by hand
    // so the moves below never end the game.
    void starte(bool farben, bool mensch, int anzahlFarben) {
        spiel.setFarben(farben);
        spiel.setMensch(mensch);
        spiel.setAnzahlFarben(static_cast<std::int16_t>(anzahlFarben));
        spiel.setAnzahlFelder(4);
        spiel.Zufallsgenerator().setzeQuelle([] { return 0.3; });
        spiel.show();
        spiel.Start();
    }

    void geheim(std::initializer_list<int> code) {
        int f = 1;
        for (int s : code) {
            spiel.Stand().Kombination[0][f++] = static_cast<std::int16_t>(s);
        }
    }

    void stelle(const QString& name, int wert) {
        auto* d = spiel.findChild<QAbstractSpinBox*>(name);
        ASSERT_NE(d, nullptr) << name.toStdString();
        d->setProperty("value", wert);
    }

    // The human sets a guess or, while the computer guesses, the code, and
    // presses the main button.
    void rate(std::initializer_list<int> symbole) {
        int f = 0;
        for (int s : symbole) {
            stelle(QStringLiteral("updM(%1)").arg(f++), s);
        }
        const QStringList meldungen = testhilfe::Meldungstexte([&] {
            // The human's first press only lays the row on the board.
            if (spiel.Mensch() && spiel.Stand().Zug == 0) {
                spiel.cmdFertig_Click(0);
            }
            spiel.cmdFertig_Click(0);
        });
        EXPECT_THAT(meldungen, IsEmpty());
    }

    frmQuorbix spiel;
};

TEST_F(Barrierefreiheit, boardCellsNameTheirMoveFieldAndColour) {
    starte(true, true, 8);
    geheim({1, 2, 3, 4});
    rate({2, 1, 3, 5});
    rate({5, 6, 7, 8});
    const auto baum = Baum(spiel);
    for (int f = 0; f < 4; ++f) {
        for (int r = 0; r < 14; ++r) {
            const QString zelle = QStringLiteral("lblVersuch(%1)").arg(14 * f + r);
            QString soll = QStringLiteral("leer");
            if (r == 0) {
                soll = Symbolnamen[std::array{2, 1, 3, 5}[f] - 1];
            } else if (r == 1) {
                soll = Symbolnamen[4 + f];
            }
            EXPECT_EQ(Name(baum, zelle),
                      QStringLiteral("Zug %1, Feld %2: %3").arg(r + 1).arg(f + 1).arg(soll))
                << zelle.toStdString();
        }
    }
}

TEST_F(Barrierefreiheit, legendNamesEverySymbolColourAndTheSolutionIsHidden) {
    starte(true, true, 8);
    const auto baum = Baum(spiel);
    QStringList legende;
    for (int k = 0; k < 8; ++k) {
        legende << QStringLiteral("Farbe %1: %2").arg(k + 1).arg(Symbolnamen[k]);
    }
    EXPECT_THAT(Namen(baum, "lblComp"), ElementsAreArray(legende));
    EXPECT_THAT(Namen(baum, "lblKomb1"),
                ElementsAre("Lösung, Feld 1: verdeckt", "Lösung, Feld 2: verdeckt",
                            "Lösung, Feld 3: verdeckt", "Lösung, Feld 4: verdeckt"));
}

TEST_F(Barrierefreiheit, revealedSolutionNamesItsColours) {
    starte(true, true, 6);
    geheim({6, 5, 4, 3});
    const QStringList meldungen = testhilfe::Meldungstexte([&] {
        spiel.Auflösung();
        EXPECT_THAT(Namen(Baum(spiel), "lblKomb1"),
                    ElementsAre("Lösung, Feld 1: Gelb", "Lösung, Feld 2: Schwarz",
                                "Lösung, Feld 3: Hellgrün", "Lösung, Feld 4: Blau"));
    });
    EXPECT_THAT(meldungen, IsEmpty());
}

TEST_F(Barrierefreiheit, answerPegsNameTheirMoveAndKind) {
    starte(true, true, 8);
    geheim({1, 2, 3, 4});
    rate({2, 1, 3, 5}); // 1 black, 2 white
    rate({5, 6, 7, 8}); // nothing
    rate({1, 2, 4, 3}); // 2 black, 2 white
    const auto baum = Baum(spiel);
    QStringList pegs = Namen(baum, "lblSchwarz") + Namen(baum, "lblWeiße");
    EXPECT_THAT(pegs, UnorderedElementsAreArray(QStringList{
                          "Zug 1: schwarzer Stift", "Zug 1: weißer Stift", "Zug 1: weißer Stift",
                          "Zug 3: schwarzer Stift", "Zug 3: schwarzer Stift", "Zug 3: weißer Stift",
                          "Zug 3: weißer Stift"}));
    EXPECT_EQ(Beschreibung(baum, "lblSchwarz(0)"), "Richtiges Symbol am richtigen Platz");
    EXPECT_EQ(Beschreibung(baum, "lblWeiße(0)"), "Richtiges Symbol am falschen Platz");
    // The row numbers sum a move's answer up.
    EXPECT_EQ(Name(baum, "lblNr(0)"), "Zug 1");
    EXPECT_EQ(Beschreibung(baum, "lblNr(0)"), "Antwort: 1 schwarzer Stift, 2 weiße Stifte");
    EXPECT_EQ(Beschreibung(baum, "lblNr(1)"), "Antwort: keine Stifte");
    EXPECT_EQ(Beschreibung(baum, "lblNr(2)"), "Antwort: 2 schwarze Stifte, 2 weiße Stifte");
    EXPECT_EQ(Beschreibung(baum, "lblNr(3)"), "") << "move 4 has no answer yet";
    EXPECT_EQ(Name(baum, "lblSchw"), "Anzahl Schwarze: 2");
    EXPECT_EQ(Name(baum, "lblWeiß"), "Anzahl Weiße: 2");
}

TEST_F(Barrierefreiheit, pegsTakenBackLeaveTheTree) {
    // The computer guesses; an answer taken back removes its pegs.
    starte(true, false, 6);
    rate({2, 4, 4, 6});       // the computer's first guess is 2222
    spiel.cmdFertig_Click(3); // "Hilfe" counts the answer: one black
    const QStringList meldungen = testhilfe::Meldungstexte([&] { spiel.cmdFertig_Click(0); });
    ASSERT_THAT(meldungen, IsEmpty());
    ASSERT_EQ(spiel.Stand().Zug, 2);
    EXPECT_THAT(Namen(Baum(spiel), "lblSchwarz") + Namen(Baum(spiel), "lblWeiße"),
                ElementsAre("Zug 1: schwarzer Stift"));
    spiel.cmdFertig_Click(4); // "Zug zurück"
    EXPECT_THAT(Namen(Baum(spiel), "lblSchwarz") + Namen(Baum(spiel), "lblWeiße"), IsEmpty());
}

TEST_F(Barrierefreiheit, entrySpinnersNameTheirFieldAndValue) {
    starte(true, true, 6);
    stelle("updM(0)", 3);
    const auto baum = Baum(spiel);
    QAccessibleInterface* feld1 = baum.value("updM(0)");
    ASSERT_NE(feld1, nullptr);
    EXPECT_EQ(feld1->role(), QAccessible::SpinBox);
    EXPECT_EQ(feld1->text(QAccessible::Name), "Feld 1: Blau");
    EXPECT_EQ(feld1->text(QAccessible::Value), "Blau");
    EXPECT_EQ(Name(baum, "updM(3)"), "Feld 4: Weiß");
    EXPECT_EQ(Name(baum, "lblMen(0)"), "Eingabe, Feld 1: Blau");

    QAccessibleValueInterface* wert = feld1->valueInterface();
    ASSERT_NE(wert, nullptr);
    EXPECT_EQ(wert->currentValue().toInt(), 3);
    EXPECT_EQ(wert->minimumValue().toInt(), 1);
    EXPECT_EQ(wert->maximumValue().toInt(), 6);

    // Stepping through the screen reader works like the arrows.
    QAccessibleActionInterface* aktionen = feld1->actionInterface();
    ASSERT_NE(aktionen, nullptr);
    aktionen->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(feld1->text(QAccessible::Name), "Feld 1: Hellgrün");
    EXPECT_EQ(spiel.findChild<QWidget*>("lblMen(0)")->property("tag").toString(), "4");
    wert->setCurrentValue(99);
    EXPECT_EQ(feld1->text(QAccessible::Value), "Gelb") << "clamped to the six colours";
}

TEST_F(Barrierefreiheit, numbersModeNamesTheNumbers) {
    starte(false, true, 6);
    geheim({6, 6, 6, 6});
    rate({3, 1, 4, 1});
    const auto baum = Baum(spiel);
    EXPECT_THAT(QStringList({Name(baum, "lblVersuch(0)"), Name(baum, "lblVersuch(14)"),
                             Name(baum, "lblVersuch(28)"), Name(baum, "lblVersuch(42)")}),
                ElementsAre("Zug 1, Feld 1: 3", "Zug 1, Feld 2: 1", "Zug 1, Feld 3: 4",
                            "Zug 1, Feld 4: 1"));
    EXPECT_EQ(Name(baum, "lblVersuch(1)"), "Zug 2, Feld 1: leer");
    EXPECT_THAT(Namen(baum, "lblComp"),
                ElementsAre("Zahl 1", "Zahl 2", "Zahl 3", "Zahl 4", "Zahl 5", "Zahl 6"));
    EXPECT_EQ(Name(baum, "updM(2)"), "Feld 3: 4");
    EXPECT_EQ(baum.value("updM(2)")->text(QAccessible::Value), "4");
}

TEST_F(Barrierefreiheit, computersGuessIsNamedWhileItGuesses) {
    starte(true, false, 6);
    rate({2, 4, 4, 6});
    const auto baum = Baum(spiel);
    QStringList soll;
    for (int f = 1; f <= 4; ++f) {
        soll << QStringLiteral("Zug des Computers, Feld %1: %2")
                    .arg(f)
                    .arg(Symbolnamen[spiel.Stand().Kombination[1][f] - 1]);
    }
    EXPECT_THAT(Namen(baum, "lblComp"), ElementsAreArray(soll));
    // The player's own code stays in view on the solution row.
    EXPECT_THAT(Namen(baum, "lblKomb1"),
                ElementsAre("Lösung, Feld 1: Hellrot", "Lösung, Feld 2: Hellgrün",
                            "Lösung, Feld 3: Hellgrün", "Lösung, Feld 4: Gelb"));
    EXPECT_EQ(Name(baum, "updSchw"), "Anzahl Schwarze: 0");
    EXPECT_EQ(Name(baum, "updWeiß"), "Anzahl Weiße: 0");
    EXPECT_FALSE(baum.value("updSchw")->state().disabled);
    EXPECT_EQ(Name(baum, "Zugfeld"), "Zug des Computers");
    EXPECT_EQ(Name(baum, "cmdFertig(1)"), "Alle richtig");
    EXPECT_EQ(Beschreibung(baum, "cmdFertig(1)"), "Computer hat richtig geraten");
    EXPECT_EQ(Beschreibung(baum, "cmdFertig(0)"), "Antwort übernehmen");
}

TEST_F(Barrierefreiheit, buttonsReadTheirCaptionWithoutTheWrap) {
    starte(true, true, 6);
    const auto baum = Baum(spiel);
    EXPECT_THAT(Namen(baum, "cmdFertig"), ElementsAre("Weiter", "Auflösung", "Neues Spiel", "Hilfe",
                                                      "Zug zurück", "Stop", "Einstellungen"));
    EXPECT_EQ(Beschreibung(baum, "cmdFertig(6)"), "Schwierigkeitsstufe einstellen");
    EXPECT_EQ(Beschreibung(baum, "cmdFertig(1)"), "Aufgeben und die Lösung zeigen");
    EXPECT_EQ(Beschreibung(baum, "cmdFertig(4)"), "Letzten Zug zurücknehmen");
    EXPECT_EQ(Beschreibung(baum, "cmdFertig(5)"), "Suche des Computers anhalten");
    EXPECT_EQ(baum.value("cmdFertig(0)")->role(), QAccessible::Button);
    EXPECT_TRUE(baum.value("cmdFertig(4)")->state().defaultButton);
    EXPECT_TRUE(baum.value("cmdFertig(4)")->state().disabled);
}

TEST_F(Barrierefreiheit, everyVisibleControlHasAGermanName) {
    starte(true, false, 6);
    rate({1, 2, 3, 4});
    QAccessibleInterface* wurzel = QAccessible::queryAccessibleInterface(&spiel);
    QList<QAccessibleInterface*> alle;
    sammle(wurzel, alle);
    QStringList ohneNamen;
    for (QAccessibleInterface* i : alle) {
        const QAccessible::Role rolle = i->role();
        // A line and the menu bar say what they are by their role.
        if (i->state().invisible || rolle == QAccessible::Separator ||
            rolle == QAccessible::MenuBar) {
            continue;
        }
        if (i->text(QAccessible::Name).trimmed().isEmpty()) {
            ohneNamen << QStringLiteral("%1 (role %2)")
                             .arg(i->object() != nullptr ? i->object()->objectName() : QString())
                             .arg(rolle);
        }
    }
    EXPECT_THAT(ohneNamen, IsEmpty());
    EXPECT_EQ(Name(Baum(spiel), "Zentrale"), "Spielbrett");
}

// The settings dialog is worked with Tab in a fixed order, and its counters
// name what they count.
TEST_F(Barrierefreiheit, settingsDialogKeyboardOrderAndNames) {
    starte(true, true, 6);
    frmEinstellungen dialog(spiel.Stand(), {}, &spiel);
    const QStringList reihenfolge = Tabreihenfolge(dialog, "cmdOkay");
    EXPECT_THAT(reihenfolge, ElementsAre("cmdOkay", "optComputer", "optMensch", "optFarben",
                                         "optZahlen", "upd1", "upd2"));

    dialog.show();
    const auto baum = Baum(dialog);
    dialog.hide();
    EXPECT_EQ(Name(baum, "upd1"), "Anzahl Felder pro Reihe: 4");
    EXPECT_EQ(Name(baum, "upd2"), "Anzahl Farben/Zahlen: 6");
    EXPECT_EQ(Name(baum, "lblFelder"), "Anzahl Felder pro Reihe: 4");
    EXPECT_EQ(Name(baum, "lblFaZa"), "Anzahl Farben/Zahlen: 6");
    EXPECT_EQ(Name(baum, "cmdOkay"), "OK");
}

TEST_F(Barrierefreiheit, evaluationWindowKeyboardOrderAndResultNames) {
    spiel.setAnzahlFelder(2);
    spiel.setAnzahlFarben(3);
    frmSearch fenster(spiel.AnzahlFelder(), spiel.AnzahlFarben());
    QStringList reihenfolge = Tabreihenfolge(fenster, "cmdStart");
    // The list may sit between the buttons and the strategy box.
    reihenfolge.removeAll(QStringLiteral("lstView"));
    EXPECT_THAT(reihenfolge, ElementsAre("cmdStart", "cmdEnde", "txtNr"));

    fenster.show();
    fenster.cmdStart_Click(); // 3 colours on 2 fields: 9 codes
    const auto baum = Baum(fenster);
    fenster.hide();
    EXPECT_EQ(Name(baum, "lblCodes"), "Anzahl Kombinationen: 9");
    EXPECT_EQ(Name(baum, "lblMin"), "Kleinste Zahl der Züge: 1");
    EXPECT_THAT(Name(baum, "lblMax").toStdString(),
                ::testing::StartsWith("Größte Zahl der Züge: "));
    EXPECT_EQ(Name(baum, "cmdStart"), "START");
    EXPECT_EQ(Name(baum, "Label5"), "Strategie-Nr.:");
    EXPECT_EQ(Name(baum, "txtNr"), "Strategie-Nr.:") << "the box is named by its caption";
}

TEST_F(Barrierefreiheit, aboutBoxReadsItsTextAsOneLineAndNamesThePicture) {
    frmInfo info({}, &spiel);
    info.show();
    const auto baum = Baum(info);
    info.hide();
    ASSERT_TRUE(baum.contains("Image1"));
    EXPECT_EQ(baum.value("Image1")->role(), QAccessible::Graphic);
    EXPECT_EQ(Name(baum, "Image1"), "Bild: Quorbix");
    EXPECT_THAT(Name(baum, "Label1").toStdString(), ::testing::StartsWith("QUORBIX ! 1998 "));
    EXPECT_EQ(Name(baum, "Command1"), "OK");
}

} // namespace
