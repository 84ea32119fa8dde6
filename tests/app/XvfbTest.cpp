// Starts the real quorbix executable on a real X server (Xvfb, no window
// manager) with Qt's xcb platform and checks what a player would see first.

#include "XServer.h"

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
