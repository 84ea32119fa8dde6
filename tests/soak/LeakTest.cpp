// Many games of every kind must leave each window with exactly the controls
// it had when it was loaded: nothing leaked, nothing lost.

#include "common/Modal.h"
#include "common/Spiel.h"
#include "mainwindow/frmQuorbix.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Child widgets only: the style's passing animations are no controls.
int kinder(const QObject* o) {
    return static_cast<int>(o->findChildren<QWidget*>().size());
}

QAbstractButton* knopf(frmQuorbix& f, int i) {
    return f.findChild<QAbstractButton*>(QStringLiteral("cmdFertig(%1)").arg(i));
}

void drücke(frmQuorbix& f, int i) {
    testhilfe::Meldungen([&] { QTest::mouseClick(knopf(f, i), Qt::LeftButton); });
}

// One game of the given kind, played a few moves and ended.
void spiele(frmQuorbix& f, int art, int n) {
    const bool farben = art % 2 == 0;
    const bool mensch = art / 2 % 2 == 0;
    testhilfe::neuesSpiel(f, farben, mensch, 1 + n % 8, 1 + n / 8 % 8);
    drücke(f, 0);
    if (mensch) {
        for (int zug = 0; zug < n % 5; ++zug) {
            f.findChild<QAbstractSpinBox*>(QStringLiteral("updM(0)"))->stepUp();
            drücke(f, 0);
        }
        // Give up, solve, or start anew.
        drücke(f, n % 3 == 0 ? 2 : 1);
        return;
    }
    for (int zug = 0; zug < n % 4; ++zug) {
        drücke(f, 3); // the honest answer
        drücke(f, 0);
    }
    if (knopf(f, 4)->isEnabled()) {
        drücke(f, 4);
    }
    drücke(f, n % 2 == 0 ? 1 : 2);
}

TEST(Leaks, aThousandGamesOfEveryKindLeaveTheMainWindowAsLoaded) {
    frmQuorbix f;
    f.show();
    f.Start();
    const int geladen = kinder(&f);
    for (int n = 0; n < 1000; ++n) {
        for (int art = 0; art < 4; ++art) {
            spiele(f, art, n);
        }
        ASSERT_FALSE(HasFailure()) << "game " << n;
    }
    testhilfe::neuesSpiel(f, true, true, 6, 4);
    EXPECT_EQ(kinder(&f), geladen);
}

TEST(Leaks, dialogsOpenedAgainAndAgainLeaveNothingBehind) {
    frmQuorbix f;
    f.show();
    f.Start();
    // The about box is kept for the whole run once it was opened.
    testhilfe::beiModal([&] { f.findChild<QAction*>(QStringLiteral("mnuInfo"))->trigger(); },
                        [](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
    const int geladen = kinder(&f);
    QWidget* info = nullptr;
    int infoKinder = -1;
    for (int n = 0; n < 300; ++n) {
        // Settings dialog, closed with OK: a new game of the same kind.
        testhilfe::beiModal([&] { QTest::mouseClick(knopf(f, 6), Qt::LeftButton); },
                            [](QWidget* w) {
                                QTest::mouseClick(w->findChild<QWidget*>(QStringLiteral("cmdOkay")),
                                                  Qt::LeftButton);
                            });
        // About box, with the way to the evaluation window.
        testhilfe::beiModal(
            [&] { f.findChild<QAction*>(QStringLiteral("mnuInfo"))->trigger(); },
            [&](QWidget* w) {
                if (info == nullptr) {
                    info = w;
                    infoKinder = kinder(w);
                }
                EXPECT_EQ(w, info) << "the about box is one object for the run";
                QTest::mouseDClick(w->findChild<QWidget*>(QStringLiteral("Image1")),
                                   Qt::LeftButton);
                testhilfe::beiModal(
                    [&] {
                        QTest::mouseDClick(w->findChild<QWidget*>(QStringLiteral("Label1")),
                                           Qt::LeftButton);
                    },
                    [](QWidget* suche) {
                        suche->findChild<QAbstractButton*>(QStringLiteral("cmdStart"))->click();
                        suche->findChild<QAbstractButton*>(QStringLiteral("cmdEnde"))->click();
                    });
                EXPECT_EQ(kinder(w), infoKinder);
                w->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
            });
        ASSERT_EQ(kinder(&f), geladen) << "opening " << n;
    }
    // The evaluation windows are gone once closed.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_NE(w->objectName(), QStringLiteral("frmSearch"));
        EXPECT_NE(w->objectName(), QStringLiteral("frmEinstellungen"));
    }
}

} // namespace
