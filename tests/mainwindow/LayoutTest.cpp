// The main window's controls and layout: the window as loaded and after the
// first game has been laid out with the default settings.

#include "Fenster.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

using namespace testfenster;

namespace {

enum class Ort { Fenster, Rahmen };
enum Ausrichtung { Egal, Mitte, Rechts };

struct Soll {
    QString name;
    Ort ort;
    QRect lage; // pixels
    std::optional<QString> text;
    std::optional<QColor> hinten;
    std::optional<QColor> vorn;
    double punkt; // 0: not checked
    bool fett;
    bool sichtbar;
    std::optional<bool> aktiv;
    Ausrichtung ausrichtung;
    std::optional<QString> tipp;
};

QColor System(QPalette::ColorRole rolle) {
    return QApplication::palette().color(rolle);
}

const QColor Weiß(255, 255, 255);
const QColor Grau(192, 192, 192);
const QColor Hellrot(255, 0, 0);
const QColor Schwarz(0, 0, 0);

// The window after start-up: the design values with what the first Start
// (human guesses 4 fields of 6 colours) has changed.
std::vector<Soll> nachDemStart() {
    const auto leer = std::optional<QColor>();
    std::vector<Soll> t = {
        {"lblKomb1(0)",
         Ort::Fenster,
         twips(600, 240, 375, 375),
         "?",
         Weiß,
         leer,
         13.5,
         true,
         true,
         {},
         Mitte,
         {}},
        {"lblLösung",
         Ort::Fenster,
         twips(2140, 240, 2415, 375),
         "Computerlösung",
         leer,
         QColor(0, 0, 255),
         12,
         true,
         true,
         {},
         Mitte,
         {}},
        {"lblNr(0)",
         Ort::Fenster,
         twips(120, 840, 375, 375),
         " 1)",
         leer,
         QColor(64, 0, 0),
         9.75,
         true,
         true,
         {},
         Rechts,
         {}},
        {"lblVersuch(0)",
         Ort::Fenster,
         twips(600, 840, 375, 375),
         {},
         Grau,
         leer,
         13.5,
         true,
         true,
         {},
         Mitte,
         {}},
        {"lblSchwarz(0)",
         Ort::Fenster,
         twips(8280, 360, 195, 195),
         " ",
         System(QPalette::ButtonText),
         leer,
         9.75,
         true,
         false,
         {},
         Mitte,
         {}},
        {"lblWeiße(0)",
         Ort::Fenster,
         twips(8520, 360, 195, 195),
         " ",
         System(QPalette::HighlightedText),
         System(QPalette::HighlightedText),
         8.25,
         false,
         false,
         {},
         Mitte,
         {}},
        {"lblComp(0)",
         Ort::Rahmen,
         twips(135, 315, 375, 375),
         "",
         Weiß,
         leer,
         13.5,
         true,
         true,
         {},
         Mitte,
         {}},
        {"texLösung",
         Ort::Rahmen,
         twips(120, 1395, 3105, 375),
         " Dein 1.Versuch !",
         Hellrot,
         Schwarz,
         12,
         true,
         true,
         {},
         Mitte,
         {}},
        {"Zugfeld",
         Ort::Rahmen,
         twips(120, 1980, 3105, 375),
         "",
         Weiß,
         Schwarz,
         12,
         true,
         false,
         {},
         Mitte,
         {}},
        {"texSchwarze",
         Ort::Rahmen,
         twips(120, 2610, 2295, 375),
         "Anzahl Schwarze:",
         Schwarz,
         Weiß,
         12,
         true,
         true,
         {},
         Mitte,
         {}},
        {"lblSchw",
         Ort::Rahmen,
         twips(2670, 2610, 375, 375),
         "0",
         leer,
         leer,
         12,
         true,
         true,
         {},
         Mitte,
         {}},
        {"texWeiße",
         Ort::Rahmen,
         twips(120, 3210, 2295, 375),
         "Anzahl Weiße:",
         Weiß,
         Schwarz,
         12,
         true,
         true,
         {},
         Mitte,
         {}},
        {"lblWeiß",
         Ort::Rahmen,
         twips(2670, 3210, 375, 375),
         "0",
         leer,
         leer,
         12,
         true,
         true,
         {},
         Mitte,
         {}},
        {"updSchw",
         Ort::Rahmen,
         twips(3030, 2610, 240, 375),
         {},
         leer,
         leer,
         0,
         false,
         true,
         false,
         Egal,
         {}},
        {"updWeiß",
         Ort::Rahmen,
         twips(3030, 3210, 270, 375),
         {},
         leer,
         leer,
         0,
         false,
         true,
         false,
         Egal,
         {}},
        {"cmdFertig(0)", Ort::Rahmen, twips(3825, 1395, 1095, 615), "Weiter", leer, leer, 12, true,
         true, true, Egal, ""},
        {"cmdFertig(1)", Ort::Rahmen, twips(3825, 2205, 1095, 630), "Auf- lösung", leer, leer, 12,
         true, true, false, Egal, "Computer hat richtig geraten"},
        {"cmdFertig(3)", Ort::Rahmen, twips(3825, 3060, 1095, 615), "Hilfe", leer, leer, 12, true,
         true, false, Egal, "Schwarze und Weiße auszählen"},
        {"cmdFertig(2)", Ort::Rahmen, twips(120, 3930, 1095, 615), "Neues Spiel", leer, leer, 12,
         true, true, true, Egal, "Neues Spiel starten"},
        {"cmdFertig(4)", Ort::Rahmen, twips(1355, 3930, 1095, 615), "Zug zurück", leer, leer, 12,
         true, true, false, Egal, "Letzten Zug zuürck nehmen"},
        {"cmdFertig(5)", Ort::Rahmen, twips(2590, 3915, 1095, 630), "Stop", leer, leer, 12, true,
         true, false, Egal, ""},
        {"cmdFertig(6)", Ort::Rahmen, twips(3825, 3915, 1095, 615), "Einstel-lungen", leer, leer,
         12, true, true, true, Egal, "Schwierigkeitsstufe einstellen"},
    };
    // The legend shows the six colours, the entry row four white fields
    // standing at symbol 1, the solution row four "?".
    for (int k = 1; k < 8; ++k) {
        t.push_back({QStringLiteral("lblComp(%1)").arg(k),
                     Ort::Rahmen,
                     twips(120 + 600 * k, 315, 375, 375),
                     "",
                     k < 6 ? std::optional<QColor>(SymbolFarbe(k + 1)) : leer,
                     leer,
                     13.5,
                     true,
                     k < 6,
                     {},
                     Mitte,
                     {}});
        t.push_back({QStringLiteral("lblKomb1(%1)").arg(k),
                     Ort::Fenster,
                     twips(600 + 360 * k, 240, 375, 375),
                     k < 4 ? "?" : std::optional<QString>(),
                     k < 4 ? std::optional<QColor>(Weiß) : leer,
                     leer,
                     13.5,
                     true,
                     k < 4,
                     {},
                     Mitte,
                     {}});
    }
    for (int f = 0; f < 8; ++f) {
        t.push_back({QStringLiteral("lblMen(%1)").arg(f),
                     Ort::Rahmen,
                     twips(120 + 600 * f, 840, 375, 375),
                     f < 4 ? "" : std::optional<QString>(),
                     f < 4 ? std::optional<QColor>(Weiß) : leer,
                     leer,
                     13.5,
                     true,
                     f < 4,
                     {},
                     Mitte,
                     {}});
        t.push_back({QStringLiteral("updM(%1)").arg(f),
                     Ort::Rahmen,
                     twips(480 + 600 * f, 840, 270, 375),
                     {},
                     leer,
                     leer,
                     0,
                     false,
                     f < 4,
                     {},
                     Egal,
                     {}});
    }
    for (int r = 0; r < 14; ++r) {
        t.push_back({QStringLiteral("lblNr(%1)").arg(r),
                     Ort::Fenster,
                     twips(120, 840 + 480 * r, 375, 375),
                     r == 0 ? QStringLiteral(" 1)") : QStringLiteral("%1)").arg(r + 1),
                     leer,
                     QColor(64, 0, 0),
                     9.75,
                     true,
                     true,
                     {},
                     Rechts,
                     {}});
    }
    return t;
}

class Layout : public FensterTest {
protected:
    void prüfe(const Soll& s) {
        SCOPED_TRACE(s.name.toStdString());
        QWidget* w = finde(s.name);
        QWidget* behälter = s.ort == Ort::Fenster ? zentrale() : finde(QStringLiteral("fraComp"));
        EXPECT_EQ(w->parentWidget(), behälter);
        EXPECT_EQ(w->geometry(), s.lage);
        EXPECT_EQ(w->isVisible(), s.sichtbar);
        auto* l = qobject_cast<QLabel*>(w);
        auto* k = qobject_cast<QPushButton*>(w);
        if (s.text) {
            ASSERT_TRUE(l != nullptr || k != nullptr);
            EXPECT_EQ((l != nullptr ? l->text() : k->text()).toStdString(), s.text->toStdString());
        }
        if (s.hinten) {
            EXPECT_TRUE(w->autoFillBackground());
            EXPECT_EQ(w->palette().color(QPalette::Window), *s.hinten);
        }
        if (s.vorn) {
            EXPECT_EQ(w->palette().color(QPalette::WindowText), *s.vorn);
        }
        if (s.punkt > 0) {
            EXPECT_EQ(w->font().pixelSize(), std::lround(s.punkt * 96 / 72));
            EXPECT_EQ(w->font().bold(), s.fett);
        }
        if (s.aktiv) {
            EXPECT_EQ(w->isEnabled(), *s.aktiv);
        }
        if (s.tipp) {
            EXPECT_EQ(w->toolTip().toStdString(), s.tipp->toStdString());
        }
        if (l != nullptr) {
            // Every label of the window has a border.
            EXPECT_NE(l->frameShape(), QFrame::NoFrame);
            EXPECT_GE(l->lineWidth(), 1);
            if (s.ausrichtung == Mitte) {
                EXPECT_EQ(l->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            } else if (s.ausrichtung == Rechts) {
                EXPECT_EQ(l->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            }
        }
    }
};

} // namespace

TEST_F(Layout, everyControlMatchesItsTableAfterStartUp) {
    fenster->Start();
    for (const Soll& s : nachDemStart()) {
        prüfe(s);
    }

    auto* rahmen = finde<QGroupBox>(QStringLiteral("fraComp"));
    EXPECT_EQ(rahmen->parentWidget(), zentrale());
    EXPECT_EQ(rahmen->geometry(), twips(4120, 1080, 5055, 4785));
    EXPECT_EQ(rahmen->title().toStdString(), " Mensch überlegt : 6 Farben/Zahlen");
    EXPECT_EQ(rahmen->font().pixelSize(), 16);
    EXPECT_TRUE(rahmen->font().bold());

    // Only "Zug zurück" is the default button.
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(knopf(i)->isDefault(), i == 4) << i;
    }

    // The line across the panel, from (0, 765) to (5040, 765).
    auto* linie = finde<QFrame>(QStringLiteral("Line1"));
    EXPECT_EQ(linie->parentWidget(), rahmen);
    EXPECT_EQ(linie->frameShape(), QFrame::HLine);
    EXPECT_EQ(linie->x(), 0);
    EXPECT_EQ(linie->width(), px(5040));
    EXPECT_LE(linie->geometry().top(), px(765));
    EXPECT_GE(linie->geometry().bottom(), px(765));
    EXPECT_LE(linie->height(), 3);

    // The entry fields stand at 1 on colours: caption empty, tag "1".
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(lbl("lblMen", f)->property("tag").toString().toStdString(), "1");
        EXPECT_EQ(wert(updM(f)), 1);
        EXPECT_EQ(updM(f)->property("minimum").toInt(), 1);
        EXPECT_EQ(updM(f)->property("maximum").toInt(), 6);
    }
    for (const char* name : {"updSchw", "updWeiß"}) {
        EXPECT_EQ(wert(dreh(QString::fromUtf8(name))), 0) << name;
        EXPECT_EQ(dreh(QString::fromUtf8(name))->property("minimum").toInt(), 0) << name;
        EXPECT_EQ(dreh(QString::fromUtf8(name))->property("maximum").toInt(), 4) << name;
    }

    // The 4 x 14 grey board and nothing beyond it.
    for (int f = 0; f < 8; ++f) {
        for (int r = 0; r < 14; ++r) {
            const QString name = QStringLiteral("lblVersuch(%1)").arg(14 * f + r);
            SCOPED_TRACE(name.toStdString());
            if (f >= 4) {
                EXPECT_FALSE(gibt(name));
                continue;
            }
            QLabel* z = lbl(name);
            EXPECT_EQ(z->geometry(), twips(600 + 360 * f, 840 + 480 * r, 375, 375));
            EXPECT_TRUE(z->isVisible());
            EXPECT_EQ(z->palette().color(QPalette::Window), Grau);
        }
    }
}

TEST_F(Layout, loadedWindowShowsTheDesignValuesBeforeTheFirstGame) {
    EXPECT_TRUE(fenster->Farben());
    EXPECT_TRUE(fenster->Mensch());
    EXPECT_EQ(fenster->AnzahlFarben(), 6);
    EXPECT_EQ(fenster->AnzahlFelder(), 4);

    EXPECT_EQ(finde(QStringLiteral("fraComp"))->geometry(), twips(5175, 1080, 5055, 4785));
    EXPECT_EQ(lbl(QStringLiteral("lblLösung"))->geometry(), twips(3960, 240, 2415, 375));
    EXPECT_EQ(lbl(QStringLiteral("lblLösung"))->text().toStdString(), " ");
    EXPECT_EQ(lbl(QStringLiteral("lblKomb1(0)"))->text().toStdString(), " ");
    EXPECT_EQ(lbl(QStringLiteral("texLösung"))->text().toStdString(), " ");
    EXPECT_EQ(lbl(QStringLiteral("texLösung"))->palette().color(QPalette::Window), Grau);
    EXPECT_EQ(lbl(QStringLiteral("lblVersuch(0)"))->text().toStdString(), " ");
    EXPECT_EQ(knopf(1)->text().toStdString(), "Richtig geraten");
    EXPECT_EQ(lbl(QStringLiteral("lblMen(0)"))->text().toStdString(), "1");

    // Loading creates the legend and solution cells hidden, in their places.
    for (int k = 1; k < 8; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(lbl("lblComp", k)->geometry(), twips(120 + 600 * k, 315, 375, 375));
        EXPECT_FALSE(lbl("lblComp", k)->isVisible());
        EXPECT_EQ(lbl("lblKomb1", k)->geometry(), twips(600 + 360 * k, 240, 375, 375));
        EXPECT_FALSE(lbl("lblKomb1", k)->isVisible());
        EXPECT_EQ(lbl("lblKomb1", k)->font(), lbl("lblKomb1", 0)->font());
    }
    // The board is element 0 alone; the pegs are their hidden templates.
    EXPECT_EQ(zentrale()->findChildren<QLabel*>(QRegularExpression("^lblVersuch\\(")).size(), 1);
    EXPECT_FALSE(gibt(QStringLiteral("lblSchwarz(1)")));
    EXPECT_FALSE(gibt(QStringLiteral("lblWeiße(1)")));
}

TEST_F(Layout, rowLabelsAreCopiesOfTheFirstDownTheLeftEdge) {
    fenster->Start();
    const QLabel* erste = lbl("lblNr", 0);
    for (int r = 1; r < 14; ++r) {
        SCOPED_TRACE(r);
        const QLabel* l = lbl("lblNr", r);
        EXPECT_EQ(l->size(), erste->size());
        EXPECT_EQ(l->font(), erste->font());
        EXPECT_EQ(l->palette().color(QPalette::WindowText),
                  erste->palette().color(QPalette::WindowText));
        EXPECT_EQ(l->alignment(), erste->alignment());
        EXPECT_EQ(l->frameStyle(), erste->frameStyle());
    }
}

TEST_F(Layout, windowIsFixedCentredTitledAndWithoutTitleBarButtons) {
    fenster->Start();
    EXPECT_TRUE(fenster->windowTitle().startsWith(QStringLiteral("Quorbix! ")));
    EXPECT_GT(fenster->windowTitle().size(), 9) << "a web address follows";
    EXPECT_FALSE(fenster->windowIcon().isNull());
    EXPECT_EQ(fenster->objectName().toStdString(), "frmQuorbix");

    ASSERT_NE(zentrale(), nullptr);
    EXPECT_EQ(zentrale()->size(), QSize(720, 519));
    EXPECT_TRUE(zentrale()->autoFillBackground());
    EXPECT_EQ(zentrale()->palette().color(QPalette::Window), QColor(0, 128, 0));

    // Not resizable.
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize());
    EXPECT_EQ(fenster->size(), fenster->minimumSize());

    const Qt::WindowFlags flags = fenster->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

    // Centred on the screen. The frame the platform adds is known only once
    // the window is shown, after loading has centred it: allow for it.
    const QRect bildschirm = fenster->screen()->geometry();
    const QRect außen = fenster->frameGeometry();
    const int rand = std::max(außen.width() - fenster->width(), außen.height() - fenster->height());
    EXPECT_NEAR(außen.left() - bildschirm.left(), (bildschirm.width() - außen.width()) / 2,
                rand / 2 + 1);
    EXPECT_NEAR(außen.top() - bildschirm.top(), (bildschirm.height() - außen.height()) / 2,
                rand / 2 + 1);
}

TEST_F(Layout, menuBarHoldsInfoThenEndeWithoutSubItems) {
    const QList<QAction*> einträge = fenster->menuBar()->actions();
    ASSERT_EQ(einträge.size(), 2);
    EXPECT_EQ(einträge[0]->objectName().toStdString(), "mnuInfo");
    EXPECT_EQ(einträge[0]->text().toStdString(), "Info");
    EXPECT_EQ(einträge[1]->objectName().toStdString(), "mnuEnde");
    EXPECT_EQ(einträge[1]->text().toStdString(), "Ende");
    for (const QAction* a : einträge) {
        EXPECT_EQ(a->menu(), nullptr);
        EXPECT_TRUE(a->isEnabled());
    }
}
