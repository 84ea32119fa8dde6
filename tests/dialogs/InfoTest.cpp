// The about box: its look, closing it, and the hidden double-click path to
// the strategy evaluation window.

#include "common/Modal.h"
#include "dialogs/Steuerelemente.h"
#include "dialogs/frmInfo.h"
#include "evaluation/frmSearch.h"
#include "mainwindow/frmQuorbix.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using ui::tw;
using ui::twRect;

class Info : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        w.Start();
    }

    // Chooses "Info" on the main window and hands the about box to `bearbeite`,
    // which must close it; fails unless exactly one about box opened.
    void überMenü(const std::function<void(frmInfo*)>& bearbeite) {
        auto* menü = w.findChild<QAction*>(QStringLiteral("mnuInfo"));
        ASSERT_NE(menü, nullptr);
        const int geöffnet = testhilfe::beiModal([&] { menü->trigger(); },
                                                 [&](QWidget* modal) {
                                                     auto* info = qobject_cast<frmInfo*>(modal);
                                                     if (info == nullptr) {
                                                         ADD_FAILURE()
                                                             << "unexpected modal window "
                                                             << modal->objectName().toStdString();
                                                         modal->close();
                                                         return;
                                                     }
                                                     bearbeite(info);
                                                     // A box the test left open would block the
                                                     // next one.
                                                     if (info->isVisible()) {
                                                         info->done(0);
                                                     }
                                                 });
        EXPECT_EQ(geöffnet, 1);
    }

    frmQuorbix w;
};

QLabel* bild(const frmInfo* info) {
    return info->findChild<QLabel*>(QStringLiteral("Image1"));
}
QLabel* text(const frmInfo* info) {
    return info->findChild<QLabel*>(QStringLiteral("Label1"));
}
QPushButton* okay(const frmInfo* info) {
    return info->findChild<QPushButton*>(QStringLiteral("Command1"));
}

// Runs `aktion` and counts the evaluation windows it opens, checking that each
// is modal without an owner and closing it with its "Ende" button.
int Suchfenster(const std::function<void()>& aktion) {
    return testhilfe::beiModal(aktion, [](QWidget* modal) {
        auto* fenster = qobject_cast<frmSearch*>(modal);
        if (fenster == nullptr) {
            ADD_FAILURE() << "unexpected modal window " << modal->objectName().toStdString();
            modal->close();
            return;
        }
        EXPECT_EQ(fenster->parentWidget(), nullptr);
        EXPECT_EQ(fenster->windowModality(), Qt::ApplicationModal);
        if (auto* ende = fenster->findChild<QPushButton*>(QStringLiteral("cmdEnde"))) {
            ende->click();
        } else {
            fenster->done(0);
        }
    });
}

void doppelklick(QWidget* w) {
    QTest::mouseDClick(w, Qt::LeftButton);
}

// ---------------------------------------------------------------- look

TEST_F(Info, hasItsSizeNoTitleNoButtonsAndItsOwner) {
    überMenü([&](frmInfo* info) {
        EXPECT_EQ(info->size(), QSize(tw(6270), tw(2700)));
        EXPECT_EQ(info->minimumSize(), info->maximumSize()) << "not resizable";
        EXPECT_EQ(info->windowTitle(), QString());
        const Qt::WindowFlags f = info->windowFlags();
        EXPECT_FALSE(f.testFlag(Qt::WindowSystemMenuHint));
        EXPECT_FALSE(f.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(f.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(info->parentWidget(), &w);
        EXPECT_TRUE(info->isModal());
        const QRect bildschirm = info->screen()->geometry();
        EXPECT_LE(std::abs(info->frameGeometry().center().x() - bildschirm.center().x()), 1);
        EXPECT_LE(std::abs(info->frameGeometry().center().y() - bildschirm.center().y()), 1);
        info->Command1_Click();
    });
}

TEST_F(Info, reopensCentredAfterBeingMoved) {
    überMenü([](frmInfo* info) {
        info->move(info->pos() + QPoint(100, 50));
        info->Command1_Click();
    });
    überMenü([](frmInfo* info) {
        const QRect bildschirm = info->screen()->geometry();
        EXPECT_LE(std::abs(info->frameGeometry().center().x() - bildschirm.center().x()), 1);
        EXPECT_LE(std::abs(info->frameGeometry().center().y() - bildschirm.center().y()), 1);
        info->Command1_Click();
    });
}

TEST_F(Info, showsThePictureStretchedTheBlueTextAndOk) {
    überMenü([](frmInfo* info) {
        QLabel* b = bild(info);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->geometry(), twRect(240, 315, 1680, 1680));
        EXPECT_TRUE(b->hasScaledContents());
        EXPECT_EQ(b->pixmap().size(), QSize(32, 31));

        QLabel* t = text(info);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->geometry(), twRect(2160, 360, 3780, 1590));
        EXPECT_EQ(t->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_EQ(t->frameShape(), QFrame::NoFrame);
        EXPECT_FALSE(t->font().bold());
        EXPECT_EQ(t->font().pixelSize(), 16);

        QPushButton* k = okay(info);
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(k->geometry(), twRect(2475, 2115, 1335, 495));
        EXPECT_EQ(k->text(), QStringLiteral("OK"));
        EXPECT_TRUE(k->isDefault());
        info->Command1_Click();
    });
}

TEST_F(Info, aboutTextIsOneCaptionOfBlankPaddedPieces) {
    überMenü([](frmInfo* info) {
        const QString t = text(info)->text();
        const QString blanks21(21, QLatin1Char(' '));
        const QString blanks29(29, QLatin1Char(' '));
        const QString blanks20(20, QLatin1Char(' '));
        ASSERT_TRUE(t.startsWith(blanks21 + QStringLiteral("QUORBIX !") + blanks29 +
                                 QStringLiteral("1998 ")));
        const int anregung =
            t.indexOf(blanks20 + QStringLiteral("Anregungen bitte an:") + blanks29);
        ASSERT_GT(anregung, 0);
        // Between the pieces: the year line, a name without runs of blanks.
        const QString jahrzeile = t.mid(21 + 9 + 29, anregung - (21 + 9 + 29));
        EXPECT_FALSE(jahrzeile.contains(QStringLiteral("  ")));
        const QString adresse = t.mid(anregung + 20 + 20 + 29);
        EXPECT_TRUE(adresse.contains(QLatin1Char('@')));
        EXPECT_TRUE(adresse.endsWith(QStringLiteral(".example.org")));
        EXPECT_FALSE(adresse.contains(QLatin1Char(' ')));
        info->Command1_Click();
    });
}

// ---------------------------------------------------------------- closing

TEST_F(Info, okButtonAndEnterClose) {
    überMenü([](frmInfo* info) {
        QTest::mouseClick(okay(info), Qt::LeftButton);
        EXPECT_FALSE(info->isVisible());
    });
    überMenü([](frmInfo* info) {
        QTest::keyClick(okay(info), Qt::Key_Return);
        EXPECT_FALSE(info->isVisible());
    });
    überMenü([](frmInfo* info) {
        QTest::keyClick(info, Qt::Key_Enter);
        EXPECT_FALSE(info->isVisible());
    });
}

TEST_F(Info, escapeAndCloseRequestsDoNothing) {
    überMenü([](frmInfo* info) {
        QTest::keyClick(okay(info), Qt::Key_Escape);
        EXPECT_TRUE(info->isVisible());
        QTest::keyClick(info, Qt::Key_Escape);
        EXPECT_TRUE(info->isVisible());
        info->close();
        EXPECT_TRUE(info->isVisible());
        info->Command1_Click();
        EXPECT_FALSE(info->isVisible());
    });
}

// ---------------------------------------------------------------- hidden path

TEST_F(Info, textAloneOpensNothingUntilThePictureIsDoubleClicked) {
    überMenü([](frmInfo* info) {
        EXPECT_EQ(Suchfenster([&] { doppelklick(text(info)); }), 0);
        EXPECT_EQ(Suchfenster([&] { doppelklick(bild(info)); }), 0) << "arming shows nothing";
        EXPECT_EQ(Suchfenster([&] { doppelklick(text(info)); }), 1);
        // Still armed after the evaluation window has closed.
        EXPECT_EQ(Suchfenster([&] { doppelklick(text(info)); }), 1);
        EXPECT_TRUE(info->isVisible()) << "the about box stays open beneath";
        info->Command1_Click();
    });
}

TEST_F(Info, armingSurvivesClosingAndReopening) {
    frmInfo* erste = nullptr;
    überMenü([&](frmInfo* info) {
        erste = info;
        doppelklick(bild(info));
        info->Command1_Click();
    });
    überMenü([&](frmInfo* info) {
        EXPECT_EQ(info, erste) << "the main window keeps its about box";
        EXPECT_EQ(Suchfenster([&] { doppelklick(text(info)); }), 1);
        info->Command1_Click();
    });
}

TEST_F(Info, singleClicksDoNothing) {
    überMenü([](frmInfo* info) {
        EXPECT_EQ(Suchfenster([&] {
                      QTest::mouseClick(bild(info), Qt::LeftButton);
                      QTest::mouseClick(bild(info), Qt::LeftButton);
                      QTest::mouseClick(text(info), Qt::LeftButton);
                      doppelklick(text(info));
                  }),
                  0);
        EXPECT_TRUE(info->isVisible());
        info->Command1_Click();
    });
}

TEST_F(Info, aNewMainWindowStartsUnarmed) {
    überMenü([](frmInfo* info) {
        doppelklick(bild(info));
        info->Command1_Click();
    });
    frmQuorbix zweites;
    frmInfo info(
        [] {
            frmSearch s(4, 6);
            s.exec();
        },
        &zweites);
    info.show();
    EXPECT_EQ(Suchfenster([&] { doppelklick(text(&info)); }), 0);
    info.done(0);
}

} // namespace
