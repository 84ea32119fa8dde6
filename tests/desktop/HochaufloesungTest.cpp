// The windows on a high-resolution screen. CTest runs this program at the
// scale factors 1 and 2 (QT_SCALE_FACTOR): at every scale each window keeps
// its layout in logical pixels, renders at the screen's resolution (so pegs
// and text are drawn sharp, not enlarged) and no caption is cut off.

#include "common/Modal.h"
#include "common/Spiel.h"
#include "dialogs/Steuerelemente.h"
#include "dialogs/frmEinstellungen.h"
#include "dialogs/frmInfo.h"
#include "evaluation/frmSearch.h"
#include "mainwindow/Knopf.h"
#include "mainwindow/frmQuorbix.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <functional>
#include <gmock/gmock.h>

// Readable failures: QString as text.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

using ::testing::IsEmpty;

namespace {

double Maßstab() {
    bool ok = false;
    const double faktor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? faktor : 1.0;
}

QString Beschreibe(const QWidget* w, const QString& text, int braucht, int hat) {
    return QStringLiteral("%1 \"%2\": needs %3 px, has %4 px")
        .arg(w->objectName(), text)
        .arg(braucht)
        .arg(hat);
}

// Every caption of a window that would be cut off, with what it needs.
QStringList AbgeschnitteneTexte(const QWidget& fenster) {
    QStringList fehler;
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        if (!w->isVisible()) {
            continue;
        }
        const QFontMetrics maße = w->fontMetrics();
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            const QString text = l->text();
            if (text.trimmed().isEmpty() || l->wordWrap() || !l->pixmap().isNull()) {
                continue;
            }
            const QRect fläche = l->contentsRect();
            if (maße.horizontalAdvance(text) > fläche.width()) {
                fehler << Beschreibe(l, text, maße.horizontalAdvance(text), fläche.width());
            }
            if (maße.ascent() > fläche.height()) {
                fehler << Beschreibe(l, text, maße.ascent(), fläche.height());
            }
        } else if (const auto* k = qobject_cast<const Knopf*>(w)) {
            // The wrapped lines, measured the way the button paints them.
            QStyleOptionButton option;
            option.initFrom(k);
            const QRect fläche =
                k->style()->subElementRect(QStyle::SE_PushButtonContents, &option, k);
            const QStringList zeilen = Knopf::Zeilen(k->text(), maße, fläche.width() - 2);
            for (const QString& zeile : zeilen) {
                if (maße.horizontalAdvance(zeile) > fläche.width()) {
                    fehler << Beschreibe(k, zeile, maße.horizontalAdvance(zeile), fläche.width());
                }
            }
            const int höhe = maße.height() * static_cast<int>(zeilen.size());
            if (höhe > k->height()) {
                fehler << Beschreibe(k, k->text(), höhe, k->height());
            }
        } else if (const auto* r = qobject_cast<const QRadioButton*>(w)) {
            if (r->sizeHint().width() > r->width()) {
                fehler << Beschreibe(r, r->text(), r->sizeHint().width(), r->width());
            }
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            if (maße.horizontalAdvance(b->text()) > b->contentsRect().width()) {
                fehler << Beschreibe(b, b->text(), maße.horizontalAdvance(b->text()),
                                     b->contentsRect().width());
            }
        } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
            if (maße.horizontalAdvance(g->title()) > g->width()) {
                fehler << Beschreibe(g, g->title(), maße.horizontalAdvance(g->title()), g->width());
            }
        }
    }
    return fehler;
}

// A grab is the widget's logical size times the scale, at that pixel ratio:
// drawn at the screen's resolution, not enlarged from a small picture.
void PrüfeAuflösung(QWidget* w) {
    const double faktor = Maßstab();
    const QPixmap bild = w->grab();
    EXPECT_DOUBLE_EQ(bild.devicePixelRatio(), faktor) << w->objectName().toStdString();
    EXPECT_EQ(bild.size(), w->size() * faktor) << w->objectName().toStdString();
}

class Hochaufloesung : public ::testing::Test {
protected:
    void SetUp() override {
        spiel.Zufallsgenerator().setzeQuelle([] { return 0.3; });
        spiel.show();
        spiel.Start();
    }

    void neuesSpiel(bool farben, bool mensch, int anzahlFarben, int felder) {
        testhilfe::neuesSpiel(spiel, farben, mensch, anzahlFarben, felder);
    }

    // Two guesses of the human against the code 1, 2, 3, ...: pegs of both kinds.
    void zweiVersuche() {
        for (int f = 1; f <= spiel.AnzahlFelder(); ++f) {
            spiel.Stand().Kombination[0][f] = static_cast<std::int16_t>(f);
        }
        for (int versuch = 0; versuch < 2; ++versuch) {
            for (int f = 0; f < spiel.AnzahlFelder(); ++f) {
                auto* d = spiel.findChild<QAbstractSpinBox*>(QStringLiteral("updM(%1)").arg(f));
                // Field 1 right, the others moved: black and white pegs.
                d->setProperty("value", f == 0 ? 1 : (f + versuch + 1) % spiel.AnzahlFelder() + 1);
            }
            const QStringList meldungen = testhilfe::Meldungstexte([this] {
                if (spiel.Stand().Zug == 0) {
                    spiel.cmdFertig_Click(0);
                }
                spiel.cmdFertig_Click(0);
            });
            ASSERT_THAT(meldungen, IsEmpty());
        }
    }

    frmQuorbix spiel;
};

TEST_F(Hochaufloesung, mainWindowKeepsItsLayoutAndRendersAtTheScreensResolution) {
    EXPECT_EQ(spiel.centralWidget()->size(), QSize(720, 519)) << "logical pixels at any scale";
    EXPECT_EQ(spiel.findChild<QWidget*>("fraComp")->geometry().topLeft(),
              QPoint(ui::tw(2600 + 380 * 4), ui::tw(1080)));
    zweiVersuche();
    PrüfeAuflösung(&spiel);
    const QList<QLabel*> labels = spiel.findChildren<QLabel*>();
    int pegs = 0;
    for (QLabel* l : labels) {
        if (!l->isVisible()) {
            continue;
        }
        const QString name = l->objectName();
        if (name.startsWith("lblSchwarz(") || name.startsWith(QStringLiteral("lblWeiße("))) {
            ++pegs;
            EXPECT_EQ(l->size(), QSize(13, 13)) << name.toStdString();
            EXPECT_DOUBLE_EQ(l->devicePixelRatioF(), Maßstab()) << name.toStdString();
            PrüfeAuflösung(l);
        } else if (name.startsWith("lblVersuch(")) {
            EXPECT_EQ(l->size(), QSize(25, 25)) << name.toStdString();
            PrüfeAuflösung(l);
        }
    }
    EXPECT_GT(pegs, 0) << "the guesses left answer pegs on the board";
}

TEST_F(Hochaufloesung, noCaptionOfTheMainWindowIsCutOff) {
    struct Fall {
        const char* was;
        std::function<void()> stelle;
    };
    const std::vector<Fall> fälle = {
        {"start", [] {}},
        {"two guesses, colours", [this] { zweiVersuche(); }},
        {"numbers, 8 fields of 8",
         [this] {
             neuesSpiel(false, true, 8, 8);
             zweiVersuche();
         }},
        {"computer guesses",
         [this] {
             neuesSpiel(true, false, 6, 4);
             spiel.cmdFertig_Click(0);
         }},
        {"one colour, one field", [this] { neuesSpiel(true, true, 1, 1); }},
    };
    for (const Fall& fall : fälle) {
        fall.stelle();
        EXPECT_THAT(AbgeschnitteneTexte(spiel), IsEmpty()) << fall.was;
    }
}

TEST_F(Hochaufloesung, settingsDialogFitsItsCaptions) {
    frmEinstellungen dialog(spiel.Stand(), {}, &spiel);
    dialog.show();
    EXPECT_THAT(AbgeschnitteneTexte(dialog), IsEmpty());
    PrüfeAuflösung(&dialog);
    dialog.hide();
}

TEST_F(Hochaufloesung, aboutBoxFitsItsFourLines) {
    frmInfo info({}, &spiel);
    info.show();
    EXPECT_THAT(AbgeschnitteneTexte(info), IsEmpty());
    PrüfeAuflösung(&info);
    // The about text is painted as its pieces, one per line.
    const auto* text = info.findChild<QLabel*>("Label1");
    ASSERT_NE(text, nullptr);
    const QStringList stücke =
        text->text().split(QRegularExpression(QStringLiteral(" {2,}")), Qt::SkipEmptyParts);
    EXPECT_EQ(stücke.size(), 4);
    const QFontMetrics maße = text->fontMetrics();
    for (const QString& stück : stücke) {
        EXPECT_LE(maße.horizontalAdvance(stück.trimmed()), text->contentsRect().width())
            << stück.toStdString();
    }
    EXPECT_LE(maße.lineSpacing() * stücke.size(), text->contentsRect().height());
    info.hide();
}

TEST_F(Hochaufloesung, evaluationWindowFitsItsCaptionsBeforeAndAfterARun) {
    frmSearch fenster(spiel.AnzahlFelder(), spiel.AnzahlFarben());
    fenster.show();
    EXPECT_THAT(AbgeschnitteneTexte(fenster), IsEmpty());
    PrüfeAuflösung(&fenster);
    fenster.cmdStart_Click(); // 6 colours on 4 fields: 1296 codes
    EXPECT_THAT(AbgeschnitteneTexte(fenster), IsEmpty());
    fenster.hide();
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
