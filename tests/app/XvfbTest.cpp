// Starts the real quorbix executable on a real X server (Xvfb, no window
// manager) with Qt's xcb platform and checks what a player would see first.

#include "XServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(Xvfb, startsCentredTitledAndEndsWithTheEndeMenu) {
    XServer x(1024, 768);
    ASSERT_TRUE(x.läuft()) << "Xvfb did not start";

    QProcess spiel;
    spiel.setProcessEnvironment(x.umgebung());
    spiel.start(QStringLiteral(QUORBIX_EXE), {});
    ASSERT_TRUE(spiel.waitForStarted(10000));

    const QString fenster = x.warteAufFenster(QStringLiteral("^Quorbix! "));
    ASSERT_FALSE(fenster.isEmpty()) << "no window appeared";

    const auto info = x.fensterInfo(fenster);
    EXPECT_EQ(info.zustand, QStringLiteral("IsViewable"));
    EXPECT_TRUE(x.fenstername(fenster).startsWith(QStringLiteral("Quorbix! ")));
    EXPECT_EQ(info.breite, 720);
    EXPECT_NEAR(info.x, (1024 - info.breite) / 2, 1);
    EXPECT_NEAR(info.y, (768 - info.höhe) / 2, 1);

    const QString bild =
        QDir(QStringLiteral(QUORBIX_TEST_OUTPUT)).filePath(QStringLiteral("xvfb-start.png"));
    ASSERT_TRUE(x.bildschirmfoto(bild));
    QImage foto(bild);
    ASSERT_FALSE(foto.isNull());
    // The board is dark green where nothing else is drawn.
    EXPECT_EQ(foto.pixelColor(info.x + 20, info.y + info.höhe - 10), QColor(0, 128, 0));

    // "Ende" on the menu bar ends the program at once.
    x.klicke(fenster, 60, 10);
    ASSERT_TRUE(spiel.waitForFinished(10000)) << "Ende did not end the program";
    EXPECT_EQ(spiel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(spiel.exitCode(), 0);
}

} // namespace

namespace {

// Share of pixels that differ by more than a small amount in any channel.
double abweichung(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return 1.0;
    }
    long anders = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > 40 || std::abs(p.green() - q.green()) > 40 ||
                std::abs(p.blue() - q.blue()) > 40) {
                ++anders;
            }
        }
    }
    return static_cast<double>(anders) / (a.width() * a.height());
}

QColor farbeBei(const XServer& x, const QString& fenster, int px, int py) {
    const QString datei =
        QDir(QStringLiteral(QUORBIX_TEST_OUTPUT)).filePath(QStringLiteral("xvfb-zwischen.png"));
    x.aufruf(QStringLiteral("import"), {QStringLiteral("-window"), fenster, datei});
    return QImage(datei).pixelColor(px, py);
}

// Pixel positions inside the window: the menu bar, then the central area.
struct Lage {
    int menü = 0;
    QPoint zentral(int twipsX, int twipsY) const {
        return {qRound(twipsX / 15.0), menü + qRound(twipsY / 15.0)};
    }
    // A point inside a control of fraComp at the default settings (panel left 4120).
    QPoint panel(int twipsX, int twipsY) const { return zentral(4120 + twipsX, 1080 + twipsY); }
};

} // namespace

TEST(Xvfb, aShortGameThroughRealInputAndTheStartScreenMatchesTheReference) {
    XServer x(1024, 768);
    ASSERT_TRUE(x.läuft());
    QProcess spiel;
    spiel.setProcessEnvironment(x.umgebung());
    spiel.start(QStringLiteral(QUORBIX_EXE), {});
    ASSERT_TRUE(spiel.waitForStarted(10000));
    const QString fenster = x.warteAufFenster(QStringLiteral("^Quorbix! "));
    ASSERT_FALSE(fenster.isEmpty());
    const auto info = x.fensterInfo(fenster);
    Lage lage;
    lage.menü = info.höhe - 519;
    ASSERT_GT(lage.menü, 0);

    // The start screen against the reference kept with the tests.
    const QString start =
        QDir(QStringLiteral(QUORBIX_TEST_OUTPUT)).filePath(QStringLiteral("xvfb-fenster.png"));
    const QImage referenz = QImage(QStringLiteral(QUORBIX_REFERENCE_DIR "/start.png"))
                                .convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(referenz.isNull());
    // The first frame may still be on its way: look again until it settles.
    double anders = 1.0;
    for (const QDeadlineTimer frist(10000); !frist.hasExpired() && anders >= 0.02;) {
        x.aufruf(QStringLiteral("import"), {QStringLiteral("-window"), fenster, start});
        anders = abweichung(QImage(start).convertToFormat(QImage::Format_RGB32), referenz);
    }
    EXPECT_LT(anders, 0.02) << "compare " << start.toStdString() << " with the reference";

    // Entry field 1 up by one: light red.
    const QPoint pfeil = lage.panel(480 + 135, 840 + 90);
    x.klicke(fenster, pfeil.x(), pfeil.y());
    const QPoint eingabe = lage.panel(120 + 187, 840 + 187);
    EXPECT_EQ(farbeBei(x, fenster, eingabe.x(), eingabe.y()), QColor(255, 0, 0));

    // "Weiter": the row goes onto the board as move 1.
    const QPoint weiter = lage.panel(3825 + 547, 1395 + 307);
    x.klicke(fenster, weiter.x(), weiter.y());
    const QPoint zelle1 = lage.zentral(600 + 187, 840 + 187);
    const QPoint zelle2 = lage.zentral(960 + 187, 840 + 187);
    EXPECT_EQ(farbeBei(x, fenster, zelle1.x(), zelle1.y()), QColor(255, 0, 0));
    EXPECT_EQ(farbeBei(x, fenster, zelle2.x(), zelle2.y()), QColor(255, 255, 255));

    // "Auf- lösung" gives up: the message box, answered with Enter, then a new game.
    x.klicke(fenster, weiter.x(), weiter.y()); // scores move 1 first
    const QPoint auflösung = lage.panel(3825 + 547, 2205 + 315);
    x.klicke(fenster, auflösung.x(), auflösung.y());
    const QString box = x.warteAufFenster(QStringLiteral("^Quorbix !$"));
    ASSERT_FALSE(box.isEmpty()) << "no message box";
    x.aufruf(QStringLiteral("xdotool"),
             {QStringLiteral("key"), QStringLiteral("--window"), box, QStringLiteral("Return")});
    QDeadlineTimer frist(10000);
    QColor farbe;
    while (!frist.hasExpired()) {
        farbe = farbeBei(x, fenster, zelle1.x(), zelle1.y());
        if (farbe == QColor(192, 192, 192)) {
            break;
        }
    }
    EXPECT_EQ(farbe, QColor(192, 192, 192)) << "the board is cleared for the next game";

    x.klicke(fenster, 60, 10);
    ASSERT_TRUE(spiel.waitForFinished(10000));
    EXPECT_EQ(spiel.exitCode(), 0);
}
