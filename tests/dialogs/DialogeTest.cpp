// The dialogs' effect on the game; Qt's controls behaving like the game's own.

#include "app/Module1.h"
#include "common/Modal.h"
#include "evaluation/frmSearch.h"
#include "mainwindow/frmQuorbix.h"
#include "ui/Drehfeld.h"

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using hauptfenster::frmQuorbix;

namespace {

QWidget* kind(const QObject* o, const QString& name) {
    return o->findChild<QWidget*>(name);
}

QString sichtbar(const QWidget& w, const char* n) {
    const auto alle = w.findChildren<QLabel*>(QRegularExpression(QString("^%1\\(").arg(n)));
    return QString::number(std::ranges::count_if(alle, [](QLabel* l) { return !l->isHidden(); }));
}

struct Wahl {
    const char* klicks; // upd1, upd2: clicks on the upper (+) or lower (-) arrow
    Qt::Key taste;      // then typed on upd1; none: the close box, unless OK was clicked
    const char* spiel;  // the game laid out next
};

TEST(Einstellungen, eachWayOfClosingStartsTheChosenGameWhichTheNextOpeningShows) {
    const Wahl wahlen[] = {
        {"optComputer optZahlen upd1+9 upd2-9 cmdOkay",
         {},
         "Computer rät Zahlen: 8 Felder, 1 Symbole, Start, Legende 1"},
        {"upd1-9 upd2+9", Qt::Key_Return,
         "Computer rät Zahlen: 1 Felder, 8 Symbole, Start, Legende 1"},
        {"optMensch upd1+2 upd2-3", Qt::Key_Escape,
         "Mensch rät Zahlen: 3 Felder, 5 Symbole, Weiter, Legende 1"},
        {"optFarben", {}, "Mensch rät Farben: 3 Felder, 5 Symbole, Weiter, Legende "},
    };
    frmQuorbix w;
    w.Start();
    for (const Wahl& wahl : wahlen) {
        const auto wähle = [&](QWidget* d) {
            EXPECT_TRUE(kind(&w, "lblKomb1(0)")->isHidden()) << "the board is cleared beneath";
            for (const QString& klick : QString::fromUtf8(wahl.klicks).split(QLatin1Char(' '))) {
                const QString name = klick.section(QRegularExpression("[+-]"), 0, 0);
                const int n = name == klick ? 1 : klick.mid(name.size()).toInt();
                for (int i = 0; i < std::abs(n); ++i) {
                    QTest::mouseClick(kind(d, name), Qt::LeftButton, {}, QPoint(5, n > 0 ? 8 : 22));
                }
            }
            wahl.taste ? QTest::keyClick(kind(d, "upd1"), wahl.taste) : void(d->close());
        };
        const auto öffne = [&] { QTest::mouseClick(kind(&w, "cmdFertig(6)"), Qt::LeftButton); };
        EXPECT_EQ(testhilfe::beiModal(öffne, wähle), 1);
        const auto text = [&](const char* n) { return kind(&w, n)->property("text").toString(); };
        const QString spiel =
            QString("%1 rät %2: %3 Felder, %4 Symbole, %5, Legende %6")
                .arg(w.Mensch() ? "Mensch" : "Computer", w.Farben() ? "Farben" : "Zahlen",
                     sichtbar(w, "lblMen"), sichtbar(w, "lblComp"), text("cmdFertig(0)"),
                     text("lblComp(0)"));
        EXPECT_EQ(spiel.toStdString(), wahl.spiel);
    }
}

// The about box through "Info": double-clicks in turn, Enter; evaluations opened.
int Auswertungen(frmQuorbix& w, std::initializer_list<const char*> ziele) {
    int zahl = 0;
    const auto schließe = [](QWidget* s) { static_cast<QDialog*>(s)->done(0); };
    const auto bediene = [&](QWidget* info) {
        for (const char* ziel : ziele) {
            const auto doppelklick = [&] { QTest::mouseDClick(kind(info, ziel), Qt::LeftButton); };
            zahl += testhilfe::beiModal(doppelklick, schließe);
        }
        QTest::keyClick(info, Qt::Key_Escape);
        EXPECT_TRUE(info->isVisible()) << "Escape does not close it";
        QTest::keyClick(info, Qt::Key_Return);
    };
    testhilfe::beiModal([&] { w.findChild<QAction*>("mnuInfo")->trigger(); }, bediene);
    return zahl;
}

TEST(Info, thePictureArmsTheTextForTheRestOfTheRun) {
    frmQuorbix w;
    EXPECT_EQ(Auswertungen(w, {"Label1"}), 0);
    EXPECT_EQ(Auswertungen(w, {"Label1", "Image1"}), 0);
    EXPECT_EQ(Auswertungen(w, {"Label1", "Label1"}), 2) << "armed after reopening";
}

std::shared_ptr<QEvent> rad(int achtel, Qt::KeyboardModifiers mit = {}) {
    return std::make_shared<QWheelEvent>(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, achtel),
                                         Qt::NoButton, mit, Qt::NoScrollPhase, false);
}

TEST(Drehfeld, stepsByOneAndHasNoMenuNorPageSteps) {
    ui::Drehfeld d; // 0 to 10
    d.setValue(4);
    QTimer wache; // closes a menu that should not have opened
    wache.callOnTimeout([] {
        if (QWidget* menü = QApplication::activePopupWidget()) {
            ADD_FAILURE() << "a menu opened";
            menü->close();
        }
    });
    wache.start(1);
    const std::pair<std::shared_ptr<QEvent>, int> schritte[] = {
        {std::make_shared<QKeyEvent>(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier), 5},
        {std::make_shared<QKeyEvent>(QEvent::KeyPress, Qt::Key_Down, Qt::ControlModifier), 4},
        {std::make_shared<QKeyEvent>(QEvent::KeyPress, Qt::Key_PageUp, Qt::NoModifier), 4},
        {rad(120), 5},
        {rad(-120, Qt::ControlModifier), 4},
        {std::make_shared<QContextMenuEvent>(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint()), 4},
    };
    for (const auto& [ereignis, danach] : schritte) {
        QApplication::sendEvent(&d, ereignis.get());
        EXPECT_EQ(d.value(), danach) << ereignis->type();
    }
}

TEST(QtTexte, txtNrHasItsContextMenuInGerman) {
    ASSERT_TRUE(Module1::QtTexteDeutsch()) << "qtbase_de.qm missing: qt6-translations-l10n";
    computersuche::frmSearch s(4, 6);
    const std::unique_ptr<QMenu> m(s.findChild<QLineEdit*>("txtNr")->createStandardContextMenu());
    EXPECT_EQ(m->actions().constFirst()->text().toStdString(), "&Rückgängig\tStrg+Z");
    EXPECT_EQ(m->actions().constLast()->text().toStdString(), "Alles auswählen\tStrg+A");
}

} // namespace
