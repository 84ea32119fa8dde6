// Clicks that come at the wrong time, and ending the program in the middle
// of a handler.

#include "Fenster.h"

#include "common/Modal.h"

#include <QAction>
#include <QPointer>
#include <QTest>

using namespace testfenster;

namespace {

class Robust : public FensterTest {
protected:
    // Everything a click could change.
    struct Abbild {
        QStringList bestand;
        int zug, abbruch, schwarzPins, weißPins;
        QString knöpfe, prompt, zugfeld, schw, weiß;
        Code kandidat;
        bool operator==(const Abbild&) const = default;
    };
    Abbild abbild() const {
        const auto& s = fenster->Stand();
        return {Bestand(*fenster),
                s.Zug,
                s.Abbruch,
                s.ZahlSchwarzPins,
                s.ZahlWeißPins,
                knopfZustand(),
                lbl(QStringLiteral("texLösung"))->text(),
                lbl(QStringLiteral("Zugfeld"))->text(),
                lbl(QStringLiteral("lblSchw"))->text(),
                lbl(QStringLiteral("lblWeiß"))->text(),
                Code(s.Kombination[0].begin() + 1, s.Kombination[0].begin() + 1 + s.AnzahlFelder)};
    }

    // 8 x 8 with an answer no code satisfies: the search runs through all
    // 16.7 million codes unless it is stopped.
    void langeSuche() {
        starte({true, false, 8, 8, Code(8, 1)});
        gibEin(Code(8, 2));
        ASSERT_TRUE(klick(0).isEmpty());
        antworte({7, 1});
    }

    // Hands the window over to Qt: it deletes itself when closed.
    QPointer<frmQuorbix> selbstständig() {
        fenster->setAttribute(Qt::WA_DeleteOnClose);
        return QPointer<frmQuorbix>(fenster.get());
    }
    // Ends the program while the search runs: no further message, the
    // search stops, the window goes.
    void endeWährendSuche(const std::function<void()>& ende) {
        langeSuche();
        QPointer<frmQuorbix> zeiger = selbstständig();
        WährendSuche während(*fenster, ende);
        const QStringList meldungen =
            testhilfe::Meldungstexte([&] { fenster->cmdFertig_Click(0); });
        ASSERT_TRUE(während.ausgeführt);
        EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(QLatin1Char('|')).toStdString();
        // Stopped long before the last code.
        EXPECT_LT(fenster->Stand().Suchschritte, 16777216 / 2);
        erwarteGeschlossen(zeiger);
    }
    // After the window closed itself: it is gone once deferred deletions ran.
    void erwarteGeschlossen(QPointer<frmQuorbix>& zeiger) {
        frmQuorbix* roh = fenster.release();
        if (zeiger.isNull()) {
            // Freed already; the fixture must not free it again.
            ADD_FAILURE() << "deleted while its handler was still running";
            return;
        }
        EXPECT_EQ(zeiger.data(), roh);
        EXPECT_FALSE(zeiger->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(zeiger.isNull()) << "the window did not close";
        delete zeiger.data();
    }
};

} // namespace

TEST_F(Robust, clickOnADisabledButtonDoesNothing) {
    const struct {
        bool mensch;
        int züge; // presses of the main button before
        std::vector<int> knöpfe;
    } fälle[] = {
        {true, 0, {1, 3, 4, 5}},
        {true, 2, {3, 4, 5, 6}},
        {false, 0, {1, 3, 4, 5}},
        {false, 1, {4, 5, 6}},
    };
    for (const auto& fall : fälle) {
        for (const int k : fall.knöpfe) {
            for (const bool maus : {true, false}) {
                SCOPED_TRACE(testing::Message()
                             << (fall.mensch ? "human" : "computer") << " after " << fall.züge
                             << " presses, button " << k << (maus ? " by mouse" : " by procedure"));
                starte({true, fall.mensch, 6, 4, {1, 2, 3, 4}});
                for (int z = 0; z < fall.züge; ++z) {
                    ASSERT_TRUE(klick(0).isEmpty());
                }
                ASSERT_FALSE(knopf(k)->isEnabled());
                const Abbild vorher = abbild();
                // Any dialog or message box opening would be reported here.
                const QStringList meldungen = maus ? klick(k) : drücke(k);
                EXPECT_TRUE(meldungen.isEmpty());
                EXPECT_TRUE(abbild() == vorher);
            }
        }
    }
}

TEST_F(Robust, secondPressOfTheMainButtonDuringTheSearchDoesNothing) {
    langeSuche();
    int zugImRückruf = 0;
    WährendSuche nochmal(*fenster, [&] {
        zugImRückruf = fenster->Stand().Zug;
        QTest::mouseClick(knopf(0), Qt::LeftButton);
        fenster->cmdFertig_Click(0);
        for (const int k : {1, 2, 3, 4, 6}) {
            fenster->cmdFertig_Click(k);
        }
    });
    const QStringList meldungen = klick(0);
    ASSERT_TRUE(nochmal.ausgeführt);
    EXPECT_EQ(zugImRückruf, 1);
    // One search, one contradiction; the answer of move 1 was drawn once and
    // removed again.
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].toStdString(), "Die Angaben sind falsch ! ");
    EXPECT_EQ(fenster->Stand().Zug, 1);
    EXPECT_EQ(fenster->Stand().ZahlSchwarzPins, 0);
    EXPECT_EQ(fenster->Stand().ZahlWeißPins, 0);
    EXPECT_EQ(sichtbarePins("lblSchwarz") + sichtbarePins("lblWeiße"), 0);
    EXPECT_EQ(angezeigt(), (Antwort{7, 1}));
    EXPECT_EQ(knopfZustand().toStdString(), "1111000");
}

TEST_F(Robust, clicksWhileThePegsAreBeingPaintedAreIgnored) {
    // Scoring the fourth guess solves the code; clicks on "Neues Spiel",
    // "Auf- lösung" and "Weiter" arriving while its pegs are painted must
    // not run in the middle of that turn.
    starte({true, true, 6, 4, {1, 2, 3, 4}});
    gibEin({1, 1, 1, 1});
    klick(0);
    for (int z = 1; z <= 3; ++z) {
        ASSERT_TRUE(klick(0).isEmpty());
    }
    ASSERT_EQ(fenster->Stand().Zug, 4);
    gibEin({1, 2, 3, 4});
    int pinsImRückruf = -1;
    QTimer::singleShot(0, fenster.get(), [&] {
        pinsImRückruf = fenster->Stand().ZahlSchwarzPins;
        QTest::mouseClick(knopf(2), Qt::LeftButton);
        QTest::mouseClick(knopf(1), Qt::LeftButton);
        QTest::mouseClick(knopf(0), Qt::LeftButton);
    });
    int pinsBeiMeldung = -1;
    const QStringList meldungen =
        klick(0, [&] { pinsBeiMeldung = static_cast<int>(pinPlätze("lblSchwarz").size()); });
    EXPECT_EQ(pinsImRückruf, 7) << "the clicks came while the pegs of move 4 were painted";
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].toStdString(), "Gut nachgedacht !");
    EXPECT_EQ(pinsBeiMeldung, 7) << "the board of the solved game is still there";
    EXPECT_EQ(fenster->Stand().Zug, 0);
    EXPECT_EQ(knopfZustand().toStdString(), "1010001");
}

TEST_F(Robust, stopDuringTheStepThatExhaustsTheCodesStillEndsInTheContradiction) {
    langeSuche();
    WährendSuche stop(*fenster, [&] { fenster->cmdFertig_Click(5); });
    ASSERT_TRUE(klick(0).isEmpty());
    ASSERT_TRUE(stop.ausgeführt);
    // As if "Stop" had come with the step past the last code.
    auto& s = fenster->Stand();
    s.Erschöpft = 1;
    s.Prüfzug = 0;
    for (int f = 1; f <= 8; ++f) {
        s.Kombination[0][f] = 8;
    }
    s.Kombination[0][8] = 9;
    const QStringList meldungen = klick(0);
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].toStdString(), "Die Angaben sind falsch ! ");
    EXPECT_EQ(s.Zug, 1);
    EXPECT_EQ(s.Erschöpft, 0);
    EXPECT_EQ(s.Abbruch, 0);
    EXPECT_EQ(s.ZahlSchwarzPins, 0);
    EXPECT_EQ(sichtbarePins("lblSchwarz") + sichtbarePins("lblWeiße"), 0);
    EXPECT_EQ(angezeigt(), (Antwort{7, 1}));
    for (int f = 1; f <= 8; ++f) {
        EXPECT_EQ(s.Kombination[0][f], 1) << f;
    }
}

TEST_F(Robust, endeFromTheMenuDuringTheSearchStopsItAndClosesTheWindowCleanly) {
    endeWährendSuche(
        [this] { fenster->findChild<QAction*>(QStringLiteral("mnuEnde"))->trigger(); });
}

TEST_F(Robust, closeRequestDuringTheSearchActsLikeEnde) {
    endeWährendSuche([this] { fenster->close(); });
}

TEST_F(Robust, endeWhileThePegsArePaintedClosesWithoutTheRating) {
    starte({true, true, 6, 4, {1, 2, 3, 4}});
    gibEin({1, 2, 3, 4});
    klick(0);
    QPointer<frmQuorbix> zeiger = selbstständig();
    bool ausgelöst = false;
    QTimer::singleShot(0, fenster.get(), [&] {
        ausgelöst = true;
        fenster->findChild<QAction*>(QStringLiteral("mnuEnde"))->trigger();
    });
    const QStringList meldungen = testhilfe::Meldungstexte([&] { fenster->cmdFertig_Click(0); });
    ASSERT_TRUE(ausgelöst);
    EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join(QLatin1Char('|')).toStdString();
    erwarteGeschlossen(zeiger);
}

TEST_F(Robust, endeInTheMiddleOfAGameQuitsAtOnceWithoutAsking) {
    starte({true, true, 6, 4, {1, 2, 3, 4}});
    klick(0);
    klick(0);
    QPointer<frmQuorbix> zeiger = selbstständig();
    const QStringList meldungen = testhilfe::Meldungstexte(
        [&] { fenster->findChild<QAction*>(QStringLiteral("mnuEnde"))->trigger(); });
    EXPECT_TRUE(meldungen.isEmpty());
    erwarteGeschlossen(zeiger);
}
