// The real quorbix on a Wayland desktop: weston with XWayland, as a desktop
// session offers it. Weston runs in a window of a private Xvfb, since its
// headless backend has no pointer to click with.

#include "XServer.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Weston's window fills the top left of this screen; the rest lets the
// pointer leave and enter it.
constexpr int Breite = 1100, Höhe = 800;

QPoint zahlen(const QString& text, const QString& muster) {
    const auto z = QRegularExpression(muster).match(text);
    return {z.captured(1).toInt(nullptr, 0), z.captured(2).toInt(nullptr, 0)};
}

TEST(Weston, theGameTakesXWaylandAnswersAClickAndQtQpaPlatformStillChoosesWayland) {
    const XServer aussen(Breite, Höhe);
    ASSERT_TRUE(aussen.läuft()) << "Xvfb did not start";
    QTemporaryDir laufzeit;
    QFile::setPermissions(laufzeit.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString socket = QStringLiteral("quorbix-%1").arg(QCoreApplication::applicationPid());
    QProcessEnvironment umgebung = aussen.umgebung();
    umgebung.insert("XDG_RUNTIME_DIR", laufzeit.path());
    QProcess weston;
    weston.setProcessEnvironment(umgebung);
    weston.setProcessChannelMode(QProcess::MergedChannels);
    weston.start("weston", {"--backend=x11-backend.so", "--use-pixman", "--xwayland",
                            "--socket=" + socket, "--width=1024", "--height=768", "--idle-time=0"});
    QString ausgabe;
    const QRegularExpression angabe("xserver listening on display (:\\d+)");
    while (!angabe.match(ausgabe).hasMatch() && weston.waitForReadyRead(30000)) {
        ausgabe += QString::fromLocal8Bit(weston.readAll());
    }
    const XServer x(angabe.match(ausgabe).captured(1));
    ASSERT_TRUE(x.läuft()) << "weston did not start XWayland: " << ausgabe.toStdString();

    // A desktop session on Wayland with XWayland; the platform left to Qt.
    umgebung.insert("XDG_SESSION_TYPE", "wayland");
    umgebung.insert("WAYLAND_DISPLAY", socket);
    umgebung.insert("DISPLAY", x.display());
    umgebung.remove("QT_QPA_PLATFORM");
    QProcess spiel;
    spiel.setProcessEnvironment(umgebung);
    spiel.start(QUORBIX_EXE, {});
    // Only a program on X11 has X windows: the main window is mapped there.
    const QString haupt = x.fenster(spiel.processId(), "^Quorbix! ");
    ASSERT_FALSE(haupt.isEmpty()) << "no main window on XWayland";
    // Motif hints: functions given, and neither minimise, maximise nor close.
    const QPoint motif = zahlen(x.aufruf("xprop", {"-id", haupt, "_MOTIF_WM_HINTS"}),
                                "= (0x[0-9a-f]+), (0x[0-9a-f]+)");
    EXPECT_TRUE(motif.x() & 1) << "no functions in the Motif hints";
    EXPECT_EQ(motif.y() & (8 | 16 | 32), 0) << "minimise, maximise or close asked for";
    // "Info", the first item on the menu bar, opens the about box. Weston
    // follows the pointer once it has entered its window, and takes clicks
    // once it shows the game there (weston 14 maps a window a moment before).
    const QString info = x.aufruf("xwininfo", {"-id", haupt});
    const QPoint ecke = zahlen(info, "upper-left X: +(-?\\d+)\\s+Absolute upper-left Y: +(-?\\d+)");
    const int menü = zahlen(info, "Height: (\\d+)()").x() - 519;
    const QPoint ziel = ecke + QPoint(12, menü / 2);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return aussen.bild("root").pixelColor(ecke + QPoint(5, menü + 5)) == QColor(0, 128, 0);
        },
        30000))
        << "weston never showed the game";
    aussen.aufruf("xdotool", {"mousemove", "--sync", QString::number(Breite - 2),
                              QString::number(Höhe - 2), "mousemove", "--sync",
                              QString::number(ziel.x()), QString::number(ziel.y()), "click", "1"});
    EXPECT_FALSE(x.fenster(spiel.processId(), "^$").isEmpty()) << "Info opened no about box";
    spiel.kill();
    spiel.waitForFinished(5000);

    // Asked for Wayland, the game gets its titled toplevel configured by the
    // compositor, acknowledges that and shows it: attaches a picture. (The
    // protocol log names objects with "@" before libwayland 1.23, "#" since.)
    umgebung.insert("QT_QPA_PLATFORM", "wayland");
    umgebung.insert("WAYLAND_DEBUG", "client"); // the protocol, on standard error
    spiel.setProcessEnvironment(umgebung);
    spiel.setProcessChannelMode(QProcess::MergedChannels);
    spiel.start(QUORBIX_EXE, {});
    const QRegularExpression gezeigt("xdg_toplevel[@#]\\d+\\.set_title\\(\"Quorbix! "
                                     ".*ack_configure.*wl_surface[@#]\\d+\\.attach",
                                     QRegularExpression::DotMatchesEverythingOption);
    QString protokoll;
    while (!gezeigt.match(protokoll).hasMatch() && spiel.waitForReadyRead(30000)) {
        protokoll += QString::fromLocal8Bit(spiel.readAll());
    }
    EXPECT_TRUE(gezeigt.match(protokoll).hasMatch()) << protokoll.right(2000).toStdString();
    spiel.kill();
    spiel.waitForFinished(5000);
    weston.terminate();
    weston.waitForFinished(5000);
}

} // namespace
