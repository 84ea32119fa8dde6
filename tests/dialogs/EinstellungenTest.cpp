// The settings dialog: its controls, loading from and writing back to the
// main window, and the new game it starts.

#include "common/Modal.h"
#include "dialogs/Drehfeld.h"
#include "dialogs/Steuerelemente.h"
#include "dialogs/frmEinstellungen.h"
#include "mainwindow/frmQuorbix.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using ui::tw;
using ui::twRect;

template <class T> T* kind(const QObject* eltern, const QString& name) {
    T* w = eltern->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << "no control " << name.toStdString();
    return w;
}

QRadioButton* option(const QWidget* d, const char* name) {
    return kind<QRadioButton>(d, name);
}
QLabel* label(const QObject* d, const QString& name) {
    return kind<QLabel>(d, name);
}
Drehfeld* zähler(const QWidget* d, const char* name) {
    return kind<Drehfeld>(d, name);
}

void klickeOben(Drehfeld* d) {
    QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(d->width() / 2, 2));
}
void klickeUnten(Drehfeld* d) {
    QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(d->width() / 2, d->height() - 3));
}

// Steps a counter with its arrows until its label shows `ziel`.
void stelleEin(Drehfeld* d, int ziel) {
    for (int i = 0; i < 10 && d->value() < ziel; ++i) {
        klickeOben(d);
    }
    for (int i = 0; i < 10 && d->value() > ziel; ++i) {
        klickeUnten(d);
    }
}

void einstellen(frmQuorbix& w, bool mensch, bool farben, int anzahlFarben, int anzahlFelder) {
    w.setMensch(mensch);
    w.setFarben(farben);
    w.setAnzahlFarben(static_cast<std::int16_t>(anzahlFarben));
    w.setAnzahlFelder(static_cast<std::int16_t>(anzahlFelder));
}

// Presses the main window's settings button and hands the dialog to `bearbeite`,
// which must close it; fails unless exactly one settings dialog opened.
void überEinstellungsknopf(frmQuorbix& w, const std::function<void(frmEinstellungen*)>& bearbeite) {
    auto* knopf = kind<QPushButton>(&w, QStringLiteral("cmdFertig(6)"));
    ASSERT_NE(knopf, nullptr);
    ASSERT_TRUE(knopf->isEnabled());
    const int geöffnet = testhilfe::beiModal([&] { QTest::mouseClick(knopf, Qt::LeftButton); },
                                             [&](QWidget* modal) {
                                                 auto* d = qobject_cast<frmEinstellungen*>(modal);
                                                 if (d == nullptr) {
                                                     ADD_FAILURE()
                                                         << "unexpected modal window "
                                                         << modal->objectName().toStdString();
                                                     modal->close();
                                                     return;
                                                 }
                                                 bearbeite(d);
                                             });
    EXPECT_EQ(geöffnet, 1);
}

class Fenster : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        w.Start();
    }
    frmQuorbix w;
};

// ---------------------------------------------------------------- layout

struct Lage {
    const char* name;
    const char* eltern;
    int links, oben, breite, höhe;
};

TEST_F(Fenster, everyControlSitsAtItsPlaceInItsFrame) {
    frmEinstellungen d(w.Stand(), {}, &w);
    static constexpr Lage lagen[] = {
        {"fraRaten", "frmEinstellungen", 360, 240, 3855, 1095},
        {"optComputer", "fraRaten", 240, 480, 1695, 255},
        {"optMensch", "fraRaten", 2040, 480, 1695, 255},
        {"fraWas", "frmEinstellungen", 360, 1680, 3855, 1215},
        {"optFarben", "fraWas", 240, 600, 1455, 255},
        {"optZahlen", "fraWas", 2040, 600, 1695, 255},
        {"fraFelder", "frmEinstellungen", 360, 3240, 3855, 1335},
        {"lblAnFelder", "fraFelder", 120, 240, 2775, 255},
        {"lblFelder", "fraFelder", 2880, 240, 345, 375},
        {"upd1", "fraFelder", 3240, 240, 270, 375},
        {"lblFarbenZahlen", "fraFelder", 120, 840, 2895, 255},
        {"lblFaZa", "fraFelder", 2880, 840, 345, 375},
        {"upd2", "fraFelder", 3240, 840, 270, 375},
        {"cmdOkay", "frmEinstellungen", 4440, 2040, 855, 375},
    };
    for (const Lage& l : lagen) {
        SCOPED_TRACE(l.name);
        auto* c = kind<QWidget>(&d, QString::fromUtf8(l.name));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->geometry(), twRect(l.links, l.oben, l.breite, l.höhe));
        EXPECT_EQ(c->parentWidget()->objectName().toStdString(), l.eltern);
        EXPECT_TRUE(c->font().bold());
        EXPECT_EQ(c->font().pixelSize(), 13);
    }
}

TEST_F(Fenster, captionsKeepTheirBlanks) {
    frmEinstellungen d(w.Stand(), {}, &w);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Einstellungen"));
    EXPECT_EQ(kind<QGroupBox>(&d, "fraRaten")->title(), QStringLiteral("Wer rät ?"));
    EXPECT_EQ(kind<QGroupBox>(&d, "fraWas")->title(), QStringLiteral("Was ?"));
    EXPECT_EQ(kind<QGroupBox>(&d, "fraFelder")->title(), QString());
    EXPECT_EQ(option(&d, "optComputer")->text(), QStringLiteral("  Computer"));
    EXPECT_EQ(option(&d, "optMensch")->text(), QStringLiteral("   Mensch"));
    EXPECT_EQ(option(&d, "optFarben")->text(), QStringLiteral("  Farben"));
    EXPECT_EQ(option(&d, "optZahlen")->text(), QStringLiteral("   Zahlen"));
    EXPECT_EQ(label(&d, "lblAnFelder")->text(), QStringLiteral("Anzahl Felder pro Reihe :"));
    EXPECT_EQ(label(&d, "lblFarbenZahlen")->text(), QStringLiteral(" Anzahl Farben/Zahlen     :"));
    EXPECT_EQ(kind<QPushButton>(&d, "cmdOkay")->text(), QStringLiteral("OK"));
}

TEST_F(Fenster, numberLabelsHaveABorderAndCentredText) {
    frmEinstellungen d(w.Stand(), {}, &w);
    for (const char* name : {"lblFelder", "lblFaZa"}) {
        QLabel* l = label(&d, name);
        EXPECT_NE(l->frameShape(), QFrame::NoFrame) << name;
        EXPECT_EQ(l->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << name;
    }
    EXPECT_EQ(label(&d, "lblAnFelder")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(label(&d, "lblFarbenZahlen")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST_F(Fenster, dialogHasItsSizeTitleBarButtonsAndOwner) {
    frmEinstellungen d(w.Stand(), {}, &w);
    EXPECT_EQ(d.size(), QSize(tw(5475), tw(4650)));
    EXPECT_EQ(d.parentWidget(), &w);
    EXPECT_TRUE(d.isModal());
    const Qt::WindowFlags f = d.windowFlags();
    EXPECT_TRUE(f.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(f.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(f.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(kind<QPushButton>(&d, "cmdOkay")->isDefault());
}

TEST_F(Fenster, keyboardOrderRunsFromOkThroughOptionsToCounters) {
    frmEinstellungen d(w.Stand(), {}, &w);
    QStringList reihe;
    QWidget* c = kind<QWidget>(&d, "cmdOkay");
    for (int i = 0; i < 8; ++i) {
        reihe << c->objectName();
        do {
            c = c->nextInFocusChain();
            // A spin control's inner editor is reached through the control.
        } while (!(c->focusPolicy() & Qt::TabFocus) || !c->isVisibleTo(&d));
    }
    // The eighth step is back at the start: the order closes on itself.
    EXPECT_EQ(reihe.join(QLatin1Char(' ')).toStdString(),
              "cmdOkay optComputer optMensch optFarben optZahlen upd1 upd2 cmdOkay");
}

TEST_F(Fenster, tabKeyStepsFromGroupToGroup) {
    frmEinstellungen d(w.Stand(), {}, &w);
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    kind<QWidget>(&d, "cmdOkay")->setFocus();
    QStringList reihe;
    for (int i = 0; i < 6; ++i) {
        QWidget* fokus = QApplication::focusWidget();
        ASSERT_NE(fokus, nullptr);
        // A spin control hands its focus to an inner editor.
        while (fokus->parentWidget() != nullptr && fokus->parentWidget()->focusProxy() == fokus) {
            fokus = fokus->parentWidget();
        }
        reihe << fokus->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Each pair of option buttons is one stop; the arrow keys move inside it.
    EXPECT_EQ(reihe.join(QLatin1Char(' ')).toStdString(),
              "cmdOkay optComputer optFarben upd1 upd2 cmdOkay");
    d.done(0);
}

TEST_F(Fenster, optionPairsAreIndependentGroups) {
    frmEinstellungen d(w.Stand(), {}, &w);
    d.show();
    QTest::mouseClick(option(&d, "optComputer"), Qt::LeftButton);
    QTest::mouseClick(option(&d, "optZahlen"), Qt::LeftButton);
    EXPECT_TRUE(option(&d, "optComputer")->isChecked());
    EXPECT_FALSE(option(&d, "optMensch")->isChecked());
    EXPECT_TRUE(option(&d, "optZahlen")->isChecked());
    EXPECT_FALSE(option(&d, "optFarben")->isChecked());
    QTest::mouseClick(option(&d, "optMensch"), Qt::LeftButton);
    EXPECT_TRUE(option(&d, "optMensch")->isChecked());
    EXPECT_FALSE(option(&d, "optComputer")->isChecked());
    EXPECT_TRUE(option(&d, "optZahlen")->isChecked()) << "the other pair is left alone";
    d.done(0);
}

TEST_F(Fenster, opensCentredOnTheScreen) {
    überEinstellungsknopf(w, [](frmEinstellungen* d) {
        const QRect bildschirm = d->screen()->geometry();
        EXPECT_LE(std::abs(d->frameGeometry().center().x() - bildschirm.center().x()), 1);
        EXPECT_LE(std::abs(d->frameGeometry().center().y() - bildschirm.center().y()), 1);
        d->cmdOkay_Click();
    });
}

// ---------------------------------------------------------------- loading

struct Einstellung {
    bool mensch;
    bool farben;
    int anzahlFarben;
    int anzahlFelder;
};

void PrintTo(const Einstellung& e, std::ostream* aus) {
    *aus << (e.mensch ? "Mensch" : "Computer") << '/' << (e.farben ? "Farben" : "Zahlen") << '/'
         << e.anzahlFarben << " Farben/" << e.anzahlFelder << " Felder";
}

class Laden : public Fenster, public ::testing::WithParamInterface<Einstellung> {};

TEST_P(Laden, selectsTheOptionsAndShowsTheCountsOfTheMainWindow) {
    const Einstellung e = GetParam();
    einstellen(w, e.mensch, e.farben, e.anzahlFarben, e.anzahlFelder);
    frmEinstellungen d(w.Stand(), {}, &w);
    EXPECT_EQ(option(&d, "optMensch")->isChecked(), e.mensch);
    EXPECT_EQ(option(&d, "optComputer")->isChecked(), !e.mensch);
    EXPECT_EQ(option(&d, "optFarben")->isChecked(), e.farben);
    EXPECT_EQ(option(&d, "optZahlen")->isChecked(), !e.farben);
    EXPECT_EQ(label(&d, "lblFaZa")->text(), QString::number(e.anzahlFarben));
    EXPECT_EQ(label(&d, "lblFelder")->text(), QString::number(e.anzahlFelder));
    EXPECT_EQ(zähler(&d, "upd2")->value(), e.anzahlFarben);
    EXPECT_EQ(zähler(&d, "upd1")->value(), e.anzahlFelder);
}

INSTANTIATE_TEST_SUITE_P(
    JedeKombination, Laden,
    ::testing::Values(Einstellung{true, true, 6, 4}, Einstellung{true, false, 1, 8},
                      Einstellung{false, true, 8, 1}, Einstellung{false, false, 3, 5},
                      Einstellung{true, true, 8, 8}, Einstellung{false, false, 1, 1}));

// ---------------------------------------------------------------- OK

struct NeuesSpiel {
    Einstellung e;
    const char* rahmentitel;
};

// Checks the board and panel that Start lays out for the settings `e`.
void prüfeSpiel(const frmQuorbix& w, const NeuesSpiel& s) {
    const Einstellung& e = s.e;
    // Legend: one cell per symbol.
    static constexpr int farbtabelle[] = {15, 12, 1, 10, 0, 14, 6, 5};
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        QLabel* zelle = label(&w, ui::Elementname("lblComp", k));
        ASSERT_NE(zelle, nullptr);
        EXPECT_EQ(!zelle->isHidden(), k < e.anzahlFarben);
        if (k >= e.anzahlFarben) {
            continue;
        }
        if (e.farben) {
            EXPECT_EQ(ui::Hintergrund(zelle), ui::PaletteFarbe(farbtabelle[k]));
            EXPECT_EQ(zelle->text(), QString());
        } else {
            EXPECT_EQ(zelle->text(), QString::number(k + 1));
        }
    }
    // Board: 14 cells in each of the columns in use, none beyond.
    const auto zellen =
        w.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lblVersuch\\(")));
    EXPECT_EQ(zellen.size(), 14 * e.anzahlFelder);
    for (int k = 0; k < 8; ++k) {
        for (int r : {0, 13}) {
            auto* zelle = w.findChild<QLabel*>(ui::Elementname("lblVersuch", 14 * k + r));
            if (k < e.anzahlFelder) {
                ASSERT_NE(zelle, nullptr) << k;
                EXPECT_FALSE(zelle->isHidden()) << k;
                EXPECT_EQ(zelle->pos(), QPoint(tw(600 + 360 * k), tw(840 + 480 * r)));
            } else {
                EXPECT_EQ(zelle, nullptr) << k;
            }
        }
        EXPECT_EQ(!label(&w, ui::Elementname("lblKomb1", k))->isHidden(), k < e.anzahlFelder);
        EXPECT_EQ(!label(&w, ui::Elementname("lblMen", k))->isHidden(), k < e.anzahlFelder);
    }
    // Captions and mode.
    EXPECT_EQ(kind<QGroupBox>(&w, "fraComp")->title().toStdString(), s.rahmentitel);
    EXPECT_EQ(label(&w, QStringLiteral("texLösung"))->text(),
              e.mensch ? QStringLiteral(" Dein 1.Versuch !")
                       : QStringLiteral(" Deine Kombination ?"));
    EXPECT_EQ(label(&w, QStringLiteral("lblLösung"))->text(),
              e.mensch ? QStringLiteral("Computerlösung") : QStringLiteral("Deine Kombination"));
    EXPECT_EQ(kind<QPushButton>(&w, "cmdFertig(0)")->text(),
              e.mensch ? QStringLiteral("Weiter") : QStringLiteral("Start"));
    EXPECT_EQ(kind<QPushButton>(&w, "cmdFertig(1)")->text(),
              e.mensch ? QStringLiteral("Auf- lösung") : QStringLiteral("Alle richtig"));
    EXPECT_EQ(!label(&w, "Zugfeld")->isHidden(), !e.mensch);
    static constexpr int panelLinks[] = {2980, 3360, 3740, 4120, 4500, 4880, 5260, 5640};
    static constexpr int titelLinks[] = {1000, 1380, 1760, 2140, 2520, 2900, 3280, 3660};
    EXPECT_EQ(kind<QGroupBox>(&w, "fraComp")->x(), tw(panelLinks[e.anzahlFelder - 1]));
    EXPECT_EQ(label(&w, QStringLiteral("lblLösung"))->x(), tw(titelLinks[e.anzahlFelder - 1]));
    EXPECT_TRUE(kind<QPushButton>(&w, "cmdFertig(6)")->isEnabled());
    EXPECT_EQ(w.Stand().Zug, 0);
}

void PrintTo(const NeuesSpiel& s, std::ostream* aus) {
    PrintTo(s.e, aus);
}

class Okay : public Fenster, public ::testing::WithParamInterface<NeuesSpiel> {};

TEST_P(Okay, startsTheGameOfTheChosenSettings) {
    const Einstellung e = GetParam().e;
    überEinstellungsknopf(w, [&](frmEinstellungen* d) {
        QTest::mouseClick(option(d, e.mensch ? "optMensch" : "optComputer"), Qt::LeftButton);
        QTest::mouseClick(option(d, e.farben ? "optFarben" : "optZahlen"), Qt::LeftButton);
        stelleEin(zähler(d, "upd2"), e.anzahlFarben);
        stelleEin(zähler(d, "upd1"), e.anzahlFelder);
        QTest::mouseClick(kind<QPushButton>(d, "cmdOkay"), Qt::LeftButton);
    });
    EXPECT_EQ(w.Mensch(), e.mensch);
    EXPECT_EQ(w.Farben(), e.farben);
    EXPECT_EQ(w.AnzahlFarben(), e.anzahlFarben);
    EXPECT_EQ(w.AnzahlFelder(), e.anzahlFelder);
    prüfeSpiel(w, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    JedeArt, Okay,
    ::testing::Values(NeuesSpiel{{true, true, 6, 4}, " Mensch überlegt : 6 Farben/Zahlen"},
                      NeuesSpiel{{false, false, 1, 8}, " Computer überlegt : 1 Farbe/Zahl"},
                      NeuesSpiel{{false, true, 8, 3}, " Computer überlegt : 8 Farben/Zahlen"},
                      NeuesSpiel{{true, false, 5, 1}, " Mensch überlegt : 5 Farben/Zahlen"},
                      NeuesSpiel{{true, true, 2, 8}, " Mensch überlegt : 2 Farben/Zahlen"},
                      NeuesSpiel{{false, false, 8, 8}, " Computer überlegt : 8 Farben/Zahlen"}));

TEST_F(Fenster, okWithUnchangedSettingsDrawsANewCode) {
    // Every draw 0.99: the new code is 6, 6, 6, 6 whatever was drawn before.
    w.Zufallsgenerator().setzeQuelle([] { return 0.99; });
    überEinstellungsknopf(w, [](frmEinstellungen* d) { d->cmdOkay_Click(); });
    for (int f = 1; f <= 4; ++f) {
        EXPECT_EQ(w.Stand().Kombination[0][f], 6) << f;
    }
    prüfeSpiel(w, {{true, true, 6, 4}, " Mensch überlegt : 6 Farben/Zahlen"});
}

TEST_F(Fenster, choosingComputerMakesTheComputerGuessFromOnes) {
    überEinstellungsknopf(w, [](frmEinstellungen* d) {
        option(d, "optComputer")->click();
        d->cmdOkay_Click();
    });
    EXPECT_FALSE(w.Mensch());
    for (int f = 1; f <= 4; ++f) {
        EXPECT_EQ(w.Stand().Kombination[0][f], 1) << f;
    }
}

TEST_F(Fenster, settingsAreTakenFromTheNumberLabels) {
    überEinstellungsknopf(w, [](frmEinstellungen* d) {
        // What the labels show counts, not where the spin controls stand.
        label(d, "lblFaZa")->setText(QStringLiteral("3"));
        label(d, "lblFelder")->setText(QStringLiteral("7"));
        d->cmdOkay_Click();
    });
    EXPECT_EQ(w.AnzahlFarben(), 3);
    EXPECT_EQ(w.AnzahlFelder(), 7);
}

// ---------------------------------------------------------------- counters

struct Zählerfall {
    const char* zähler;
    const char* label;
    int schritte; // positive: upper arrow, negative: lower arrow
    int erwartet;
};

void PrintTo(const Zählerfall& z, std::ostream* aus) {
    *aus << z.zähler << ' ' << z.schritte << " Schritte";
}

class Zähler : public Fenster, public ::testing::WithParamInterface<Zählerfall> {};

TEST_P(Zähler, stopsAtTheEndsOfOneToEight) {
    const Zählerfall z = GetParam();
    frmEinstellungen d(w.Stand(), {}, &w);
    d.show();
    Drehfeld* upd = zähler(&d, z.zähler);
    QLabel* zahl = label(&d, z.label);
    EXPECT_EQ(upd->minimum(), 1);
    EXPECT_EQ(upd->maximum(), 8);
    for (int i = 0; i < std::abs(z.schritte); ++i) {
        z.schritte > 0 ? klickeOben(upd) : klickeUnten(upd);
        const int gezeigt = zahl->text().toInt();
        EXPECT_GE(gezeigt, 1);
        EXPECT_LE(gezeigt, 8);
        EXPECT_EQ(upd->value(), gezeigt);
    }
    EXPECT_EQ(zahl->text(), QString::number(z.erwartet));
    // The keyboard's arrows step the same way and keep to the same range.
    const int richtung = z.schritte > 0 ? 1 : -1;
    QTest::keyClick(upd, richtung > 0 ? Qt::Key_Up : Qt::Key_Down);
    EXPECT_EQ(zahl->text(), QString::number(std::clamp(z.erwartet + richtung, 1, 8)));
    d.done(0);
}

INSTANTIATE_TEST_SUITE_P(BeideZähler, Zähler,
                         ::testing::Values(Zählerfall{"upd1", "lblFelder", 10, 8},
                                           Zählerfall{"upd1", "lblFelder", -10, 1},
                                           Zählerfall{"upd2", "lblFaZa", 10, 8},
                                           Zählerfall{"upd2", "lblFaZa", -10, 1},
                                           Zählerfall{"upd1", "lblFelder", 1, 5},
                                           Zählerfall{"upd2", "lblFaZa", -2, 4}));

// ---------------------------------------------------------------- closing

struct Taste {
    Qt::Key taste;
    const char* fokus;
};

void PrintTo(const Taste& t, std::ostream* aus) {
    *aus << QKeySequence(t.taste).toString().toStdString() << " auf " << t.fokus;
}

class Tastatur : public Fenster, public ::testing::WithParamInterface<Taste> {};

TEST_P(Tastatur, actsAsOk) {
    const Taste t = GetParam();
    überEinstellungsknopf(w, [&](frmEinstellungen* d) {
        option(d, "optZahlen")->click();
        klickeUnten(zähler(d, "upd1"));
        auto* fokus = kind<QWidget>(d, QString::fromUtf8(t.fokus));
        fokus->setFocus();
        QTest::keyClick(fokus, t.taste);
    });
    EXPECT_FALSE(w.Farben());
    EXPECT_EQ(w.AnzahlFelder(), 3);
    prüfeSpiel(w, {{true, false, 6, 3}, " Mensch überlegt : 6 Farben/Zahlen"});
}

INSTANTIATE_TEST_SUITE_P(
    EnterUndEscape, Tastatur,
    ::testing::Values(Taste{Qt::Key_Return, "cmdOkay"}, Taste{Qt::Key_Enter, "optZahlen"},
                      Taste{Qt::Key_Return, "upd1"}, Taste{Qt::Key_Escape, "cmdOkay"},
                      Taste{Qt::Key_Escape, "optMensch"}, Taste{Qt::Key_Escape, "upd2"}));

TEST_F(Fenster, closeBoxActsAsOk) {
    überEinstellungsknopf(w, [](frmEinstellungen* d) {
        option(d, "optComputer")->click();
        klickeOben(zähler(d, "upd2"));
        d->close();
    });
    EXPECT_FALSE(w.Mensch());
    EXPECT_EQ(w.AnzahlFarben(), 7);
    prüfeSpiel(w, {{false, true, 7, 4}, " Computer überlegt : 7 Farben/Zahlen"});
}

TEST_F(Fenster, aSecondOkStartsNoSecondGame) {
    überEinstellungsknopf(w, [](frmEinstellungen* d) {
        d->cmdOkay_Click();
        d->cmdOkay_Click();
        d->reject();
    });
    prüfeSpiel(w, {{true, true, 6, 4}, " Mensch überlegt : 6 Farben/Zahlen"});
}

TEST_F(Fenster, settingsButtonClearsTheBoardAndOpensTheDialogOwnedByTheMainWindow) {
    bool geprüft = false;
    überEinstellungsknopf(w, [&](frmEinstellungen* d) {
        EXPECT_EQ(d->parentWidget(), &w);
        EXPECT_TRUE(d->isModal());
        EXPECT_TRUE(d->isVisible());
        // The old game is gone before the dialog shows.
        EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblVersuch(1)")), nullptr);
        EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblVersuch(14)")), nullptr);
        EXPECT_TRUE(label(&w, QStringLiteral("lblComp(0)"))->isHidden());
        EXPECT_TRUE(label(&w, QStringLiteral("lblKomb1(0)"))->isHidden());
        geprüft = true;
        d->cmdOkay_Click();
    });
    EXPECT_TRUE(geprüft);
}

TEST_F(Fenster, settingsButtonIsLockedOnceTheGameHasBegun) {
    w.cmdFertig_Click(0);
    const int geöffnet =
        testhilfe::beiModal([&] { w.cmdFertig_Click(6); }, [](QWidget* m) { m->close(); });
    EXPECT_EQ(geöffnet, 0);
    EXPECT_EQ(w.Stand().Zug, 1) << "the game goes on";
}

} // namespace
