// Random player: thousands of seeded random user actions on the real windows,
// with the game's invariants checked after every one.
//
//   QUORBIX_SOAK_SEED=<n>      replay a run (the seed is printed)
//   QUORBIX_SOAK_ACTIONS=<n>   actions per run (default 5000)
//   QUORBIX_SOAK_RUNS=<n>      runs with consecutive seeds (default 1)

#include "common/Modal.h"
#include "mainwindow/frmQuorbix.h"
#include "rules/Zahlen.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <sstream>

namespace {

int umgebungsZahl(const char* name, int vorgabe) {
    const QByteArray wert = qgetenv(name);
    return wert.isEmpty() ? vorgabe : wert.toInt();
}

int zahl(const QLabel* l) {
    return quorbix::TextGanzzahl(l->text().toStdString());
}

class Zufallsspieler {
public:
    Zufallsspieler(frmQuorbix& f, std::uint32_t seed) : f_(f), zufall_(seed) {}

    void spiele(int aktionen) {
        for (aktion_ = 0; aktion_ < aktionen && !::testing::Test::HasFatalFailure(); ++aktion_) {
            schritt();
            prüfe();
        }
    }

    // Button presses seen per state of the game.
    const std::map<std::string, std::set<int>>& abgedeckt() const { return abgedeckt_; }
    int suchenGeprüft() const { return suchenGeprüft_; }
    int auswertungen() const { return auswertungen_; }

private:
    template <typename T> T* kind(const QString& name) const { return f_.findChild<T*>(name); }
    QAbstractButton* knopf(int i) const {
        return kind<QAbstractButton>(QStringLiteral("cmdFertig(%1)").arg(i));
    }
    int zufall(int n) { return std::uniform_int_distribution<int>(0, n - 1)(zufall_); }

    std::string zustand() const {
        const auto& s = f_.Stand();
        std::string z = s.Mensch ? "mensch" : "computer";
        if (s.Zug == 0) {
            return z + "-start";
        }
        if (!s.Mensch && s.Abbruch != 0) {
            return z + "-unterbrochen";
        }
        return z + "-spiel";
    }

    // Every modal window that opens meanwhile is played with as well.
    void mitModalen(const std::function<void()>& aktion) {
        testhilfe::beiModal(aktion, [this](QWidget* w) { bearbeiteModal(w); });
    }

    void bearbeiteModal(QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            EXPECT_EQ(box->windowTitle().toStdString(), "Quorbix !");
            meldungen_.push_back(box->text().toStdString());
            box->button(QMessageBox::Ok)->click();
            return;
        }
        const QString name = w->objectName();
        if (name == QStringLiteral("frmEinstellungen")) {
            einstellungen(w);
        } else if (name == QStringLiteral("frmInfo")) {
            info(w);
        } else if (name == QStringLiteral("frmSearch")) {
            suche(w);
        } else {
            ADD_FAILURE() << "unexpected modal window " << name.toStdString();
            if (auto* d = qobject_cast<QDialog*>(w)) {
                d->done(0);
            }
        }
    }

    void klicke(QWidget* w) {
        if (w != nullptr && w->isVisible()) {
            QTest::mouseClick(w, Qt::LeftButton);
        }
    }

    void drehe(QWidget* w, bool hoch) {
        if (w != nullptr && w->isVisible()) {
            QTest::mouseClick(w, Qt::LeftButton, {},
                              QPoint(w->width() / 2, hoch ? 2 : w->height() - 3));
        }
    }

    void einstellungen(QWidget* d) {
        klicke(d->findChild<QWidget*>(zufall(2) ? QStringLiteral("optComputer")
                                                : QStringLiteral("optMensch")));
        klicke(d->findChild<QWidget*>(zufall(2) ? QStringLiteral("optFarben")
                                                : QStringLiteral("optZahlen")));
        // Mostly small spaces so that the evaluation window can run in full.
        for (const char* name : {"upd1", "upd2"}) {
            QWidget* zähler = d->findChild<QWidget*>(QString::fromUtf8(name));
            for (int i = zufall(10); i > 0; --i) {
                drehe(zähler, zufall(5) < 2);
            }
        }
        if (zufall(10) == 0) {
            d->close(); // the close box
        } else if (zufall(4) == 0) {
            QTest::keyClick(d, zufall(2) ? Qt::Key_Return : Qt::Key_Escape);
        } else {
            klicke(d->findChild<QWidget*>(QStringLiteral("cmdOkay")));
        }
    }

    void info(QWidget* d) {
        for (int i = zufall(4); i >= 0; --i) {
            switch (zufall(5)) {
            case 0:
                QTest::mouseDClick(d->findChild<QWidget*>(QStringLiteral("Image1")),
                                   Qt::LeftButton);
                break;
            case 1:
                mitModalen([&] {
                    QTest::mouseDClick(d->findChild<QWidget*>(QStringLiteral("Label1")),
                                       Qt::LeftButton);
                });
                break;
            case 2:
                klicke(d->findChild<QWidget*>(QStringLiteral("Label1")));
                break;
            case 3:
                QTest::keyClick(d, Qt::Key_Escape);
                break;
            default:
                break;
            }
        }
        ASSERT_TRUE(d->isVisible()) << "only OK closes the about box";
        if (zufall(2)) {
            QTest::keyClick(d, Qt::Key_Return);
        } else {
            klicke(d->findChild<QWidget*>(QStringLiteral("Command1")));
        }
    }

    void suche(QWidget* d) {
        ++auswertungen_;
        long codes = 1;
        for (int i = 0; i < f_.AnzahlFelder(); ++i) {
            codes *= f_.AnzahlFarben();
        }
        auto* start = d->findChild<QAbstractButton*>(QStringLiteral("cmdStart"));
        auto* ende = d->findChild<QAbstractButton*>(QStringLiteral("cmdEnde"));
        auto* nr = d->findChild<QLineEdit*>(QStringLiteral("txtNr"));
        ASSERT_NE(start, nullptr);
        ASSERT_NE(ende, nullptr);
        if (codes <= 5000) {
            static const char* strategien[] = {"1", "2", "3", "4", "0", "", "x", "3.5", "99999"};
            nr->setText(QString::fromUtf8(strategien[zufall(9)]));
            if (zufall(3) == 0) {
                // STOP from inside the run.
                QTimer::singleShot(0, start, [start] { start->click(); });
            }
            start->click();
            EXPECT_EQ(start->text().toStdString(), "START");
            EXPECT_TRUE(ende->isEnabled());
        }
        ende->click();
    }

    void schritt() {
        const int wahl = zufall(100);
        if (wahl < 45) {
            const int i = zufall(7);
            abgedeckt_[zustand()].insert(i);
            mitModalen([&] { klicke(knopf(i)); });
        } else if (wahl < 55) {
            // Press the main button and "Stop" once the search runs; often
            // with answers no code satisfies, so the search is a long one.
            if (!f_.Mensch() && f_.Stand().Zug >= 1 && f_.AnzahlFelder() >= 2 && zufall(2)) {
                kind<QAbstractSpinBox>(QStringLiteral("updSchw"))
                    ->setProperty("value", f_.AnzahlFelder() - 1);
                kind<QAbstractSpinBox>(QStringLiteral("updWeiß"))->setProperty("value", 1);
            }
            QTimer stopper;
            stopper.setInterval(0);
            QObject::connect(&stopper, &QTimer::timeout, [&] {
                if (f_.SucheLäuft()) {
                    stopper.stop();
                    prüfeWährendSuche();
                    abgedeckt_["suche"].insert(5);
                    klicke(knopf(5));
                }
            });
            stopper.start();
            abgedeckt_[zustand()].insert(0);
            mitModalen([&] { klicke(knopf(0)); });
        } else if (wahl < 60 && !f_.Mensch()) {
            // An honest answer, so that games also end with the computer's win.
            mitModalen([&] { klicke(knopf(3)); });
            mitModalen([&] { klicke(knopf(0)); });
        } else if (wahl < 85) {
            static const char* namen[] = {"updSchw", "updWeiß", "updM(0)", "updM(1)",
                                          "updM(2)", "updM(3)", "updM(4)", "updM(7)"};
            drehe(kind<QWidget>(QString::fromUtf8(namen[zufall(8)])), zufall(2));
        } else if (wahl < 90) {
            mitModalen([&] { QTest::keyClick(&f_, zufall(2) ? Qt::Key_Return : Qt::Key_Escape); });
        } else if (wahl < 93) {
            mitModalen([&] { kind<QAction>(QStringLiteral("mnuInfo"))->trigger(); });
        } else {
            // Settings: only possible at the start of a game.
            if (knopf(6)->isEnabled()) {
                abgedeckt_[zustand()].insert(6);
            }
            mitModalen([&] { klicke(knopf(6)); });
        }
    }

    void prüfeWährendSuche() {
        ++suchenGeprüft_;
        for (int i = 0; i < 5; ++i) {
            EXPECT_FALSE(knopf(i)->isEnabled()) << "button " << i << " during the search";
        }
        EXPECT_TRUE(knopf(5)->isEnabled());
        EXPECT_FALSE(knopf(6)->isEnabled());
    }

    // Indices of the existing elements of a control array.
    std::set<int> elemente(const QString& name) const {
        std::set<int> indizes;
        const QRegularExpression muster(QStringLiteral("^%1\\((\\d+)\\)$").arg(name));
        for (QObject* o : f_.findChildren<QObject*>()) {
            const auto treffer = muster.match(o->objectName());
            if (treffer.hasMatch()) {
                indizes.insert(treffer.captured(1).toInt());
            }
        }
        return indizes;
    }

    static std::set<int> bis(int n) {
        std::set<int> s;
        for (int i = 0; i < n; ++i) {
            s.insert(i);
        }
        return s;
    }

    void prüfe() {
        std::ostringstream wo;
        wo << "after action " << aktion_;
        SCOPED_TRACE(wo.str());
        const auto& s = f_.Stand();
        const int felder = s.AnzahlFelder;
        ASSERT_FALSE(f_.SucheLäuft());
        ASSERT_GE(felder, 1);
        ASSERT_LE(felder, 8);
        ASSERT_GE(s.AnzahlFarben, 1);
        ASSERT_LE(s.AnzahlFarben, 8);
        ASSERT_GE(s.Zug, 0);
        ASSERT_LE(s.Zug, 14);

        // Pegs: the counters are the only memory of which elements exist.
        for (const auto& [name, zahl] : {std::pair{QStringLiteral("lblSchwarz"), s.ZahlSchwarzPins},
                                         std::pair{QStringLiteral("lblWeiße"), s.ZahlWeißPins}}) {
            std::set<int> erwartet = bis(std::max<int>(zahl, 1));
            ASSERT_EQ(elemente(name), erwartet) << name.toStdString();
            int sichtbar = 0;
            for (int k : erwartet) {
                sichtbar += kind<QWidget>(QStringLiteral("%1(%2)").arg(name).arg(k))->isVisible();
            }
            ASSERT_EQ(sichtbar, zahl) << name.toStdString();
        }
        ASSERT_EQ(elemente(QStringLiteral("lblVersuch")), bis(14 * felder));
        ASSERT_EQ(elemente(QStringLiteral("lblNr")), bis(14));
        ASSERT_EQ(elemente(QStringLiteral("lblComp")), bis(8));
        ASSERT_EQ(elemente(QStringLiteral("lblKomb1")), bis(8));
        ASSERT_EQ(elemente(QStringLiteral("lblMen")), bis(8));
        ASSERT_EQ(elemente(QStringLiteral("updM")), bis(8));
        ASSERT_EQ(elemente(QStringLiteral("cmdFertig")), bis(7));

        const int schwarz = zahl(kind<QLabel>(QStringLiteral("lblSchw")));
        const int weiß = zahl(kind<QLabel>(QStringLiteral("lblWeiß")));
        ASSERT_LE(schwarz + weiß, felder);
        ASSERT_GE(schwarz, 0);
        ASSERT_GE(weiß, 0);

        std::set<int> aktiv;
        for (int i = 0; i < 7; ++i) {
            if (knopf(i)->isEnabled()) {
                aktiv.insert(i);
            }
        }
        if (s.Zug == 0) {
            ASSERT_EQ(aktiv, (std::set<int>{0, 2, 6}));
        } else {
            ASSERT_FALSE(aktiv.count(5)) << "Stop outside a search";
            ASSERT_FALSE(aktiv.count(6)) << "settings during a game";
            ASSERT_TRUE(aktiv.count(0) && aktiv.count(1) && aktiv.count(2));
            ASSERT_EQ(aktiv.count(3) == 1, !s.Mensch);
            ASSERT_EQ(aktiv.count(4) == 1, !s.Mensch && s.Zug >= 2);
        }

        // The computer never proposes a code twice in one game.
        if (!s.Mensch) {
            std::set<quorbix::Reihe> geraten;
            for (int z = 1; z <= s.Zug; ++z) {
                ASSERT_TRUE(geraten.insert(s.Kombination[z]).second) << "move " << z;
            }
        }

        // Every visible control lies inside its container.
        for (QWidget* w : f_.centralWidget()->findChildren<QWidget*>()) {
            if (w->isVisible() && w->parentWidget() != nullptr) {
                ASSERT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
                    << w->objectName().toStdString();
            }
        }
    }

    frmQuorbix& f_;
    std::mt19937 zufall_;
    int aktion_ = 0;
    std::vector<std::string> meldungen_;
    std::map<std::string, std::set<int>> abgedeckt_;
    int suchenGeprüft_ = 0;
    int auswertungen_ = 0;
};

TEST(Soak, randomActionsKeepEveryInvariant) {
    const auto erster = static_cast<std::uint32_t>(umgebungsZahl("QUORBIX_SOAK_SEED", 20261206));
    const int läufe = umgebungsZahl("QUORBIX_SOAK_RUNS", 1);
    const int aktionen = umgebungsZahl("QUORBIX_SOAK_ACTIONS", 5000);
    std::map<std::string, std::set<int>> abgedeckt;
    int suchen = 0;
    int auswertungen = 0;
    for (int lauf = 0; lauf < läufe && !HasFatalFailure(); ++lauf) {
        const std::uint32_t seed = erster + static_cast<std::uint32_t>(lauf);
        std::printf("soak seed %u, %d actions\n", seed, aktionen);
        std::fflush(stdout);
        SCOPED_TRACE("QUORBIX_SOAK_SEED=" + std::to_string(seed));
        frmQuorbix f;
        f.Zufallsgenerator().setzeQuelle([z = std::mt19937(seed)]() mutable {
            return std::uniform_real_distribution<double>(0.0, 1.0)(z);
        });
        // Every 99th search step turns the event loop, whatever the machine's
        // speed: the same seed plays the same run.
        f.setzeAktivitätsabstand(0);
        f.show();
        f.Start();
        Zufallsspieler spieler(f, seed);
        spieler.spiele(aktionen);
        for (const auto& [zustand, knöpfe] : spieler.abgedeckt()) {
            abgedeckt[zustand].insert(knöpfe.begin(), knöpfe.end());
        }
        suchen += spieler.suchenGeprüft();
        auswertungen += spieler.auswertungen();
    }
    for (const auto& [zustand, knöpfe] : abgedeckt) {
        std::printf("state %-24s buttons pressed:", zustand.c_str());
        for (int k : knöpfe) {
            std::printf(" %d", k);
        }
        std::printf("\n");
    }
    std::printf("searches checked while running: %d, evaluation windows: %d\n", suchen,
                auswertungen);
    // Every button was tried in every state of both modes.
    for (const char* zustand : {"mensch-start", "mensch-spiel", "computer-start", "computer-spiel",
                                "computer-unterbrochen"}) {
        EXPECT_EQ(abgedeckt[zustand].size(), 7u) << zustand;
    }
    EXPECT_GT(suchen, 0);
}

} // namespace
