// The real quorbix on Xvfb (no window manager, Qt's xcb platform): a short game
// through real input, the windows as the window manager sees them, and "Ende".

#include "XServer.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

const QRect bildschirm(0, 0, 1024, 768);

// Title, owner and icon as the window manager reads them. The icon's pixels
// are not printed: how xprop draws them depends on the machine's locales.
std::string wm(const XServer& x, const QString& fenster) {
    return x
        .aufruf("xprop", {"-id", fenster, "-notype", "-f", "_NET_WM_ICON", "32c", " = icon\\n",
                          "WM_NAME", "_NET_WM_NAME", "WM_TRANSIENT_FOR", "_NET_WM_ICON"})
        .toStdString();
}
std::string erwartet(const QString& titel, const QString& besitzer, bool icon) {
    return QString("WM_NAME = %1\n_NET_WM_NAME = %1\nWM_TRANSIENT_FOR%2\n_NET_WM_ICON%3\n")
        .arg(titel, besitzer, icon ? " = icon" : ":  not found.")
        .toStdString();
}

// Left edges of the words along row y: dark pixels after a gap.
QList<int> wörter(const QImage& bild, int y) {
    QList<int> anfänge;
    for (int x = 0, leer = 9; x < bild.width(); ++x, ++leer) {
        if (qGray(bild.pixel(x, y)) < 100 && std::exchange(leer, -1) > 6) {
            anfänge << x;
        }
    }
    return anfänge;
}

TEST(Xvfb, aShortGameTheDialogsAndEndeOnTheRealProgram) {
    XServer x(bildschirm.width(), bildschirm.height());
    ASSERT_TRUE(x.läuft()) << "Xvfb did not start";
    QProcess spiel;
    spiel.setProcessEnvironment(x.umgebung());
    spiel.start(QUORBIX_EXE, {});
    const auto finde = [&](const char* titel) { return x.fenster(spiel.processId(), titel); };
    const QString haupt = finde("^Quorbix! ");
    ASSERT_FALSE(haupt.isEmpty()) << "no main window";
    const QRect lage = x.lage(haupt);
    const int menü = lage.height() - 519;
    const auto zentral = [&](int tx, int ty) { return QPoint(tx / 15, menü + ty / 15); };
    const auto panel = [&](int tx, int ty) { return zentral(4120 + tx, 1080 + ty); };
    QImage bild;
    const auto zeigt = [&](QPoint p, QColor farbe) {
        return QTest::qWaitFor([&] { return (bild = x.bild(haupt)).pixelColor(p) == farbe; },
                               30000);
    };
    ASSERT_TRUE(zeigt(zentral(300, 7700), QColor(0, 128, 0))) << "never painted";
    bild.save(QUORBIX_TEST_OUTPUT "/xvfb-start.png");
    EXPECT_EQ(lage.width(), 720);
    EXPECT_LE((lage.center() - bildschirm.center()).manhattanLength(), 1);
    const QString titel = x.aufruf("xdotool", {"getwindowname", haupt}).trimmed();
    EXPECT_EQ(wm(x, haupt), erwartet('"' + titel + '"', ":  not found.", true));
    const QList<int> menüpunkte = wörter(bild, menü / 2);
    ASSERT_EQ(menüpunkte.size(), 2) << "Info and Ende";

    // A dialog opened from the main window: centred, owned by it, no icon.
    const QString besitzer = QString(": window id # 0x%1").arg(haupt.toULongLong(), 0, 16);
    const auto dialog = [&](QPoint knopf, const char* suche, const char* titel, QPoint ok) {
        x.klicke(haupt, knopf);
        const QString d = finde(suche);
        EXPECT_EQ(wm(x, d), erwartet(titel, besitzer, false));
        EXPECT_LE((x.lage(d).center() - bildschirm.center()).manhattanLength(), 1);
        x.klicke(d, ok);
    };
    dialog({menüpunkte[0] + 5, menü / 2}, "^$", "", {209, 157});
    dialog(panel(4372, 4222), "^Einstellungen$", "\"Einstellungen\"", {324, 148});

    // The first entry one up: light red; "Weiter" puts it on the board.
    x.klicke(haupt, panel(615, 930));
    EXPECT_TRUE(zeigt(panel(307, 1027), QColor(255, 0, 0)));
    x.klicke(haupt, panel(4372, 1702));
    EXPECT_TRUE(zeigt(zentral(787, 1027), QColor(255, 0, 0)));
    // "Auf- lösung": a message box, answered with Enter, then a new game.
    x.klicke(haupt, panel(4372, 2520));
    x.aufruf("xdotool", {"key", "--window", finde("^Quorbix !$"), "Return"});
    EXPECT_TRUE(zeigt(zentral(787, 1027), QColor(192, 192, 192)));

    x.klicke(haupt, {menüpunkte[1] + 5, menü / 2});
    ASSERT_TRUE(spiel.waitForFinished(30000)) << "Ende did not end the program";
    EXPECT_EQ(spiel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(spiel.exitCode(), 0);
}

// Without any display the program says so in one German line and ends with status 1.
TEST(OhneAnzeige, theProgramSaysSoInOneGermanLineAndEndsWithStatusOne) {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
        umgebung.remove(v);
    }
    QProcess spiel;
    spiel.setProcessEnvironment(umgebung);
    spiel.start(QUORBIX_EXE, {});
    ASSERT_TRUE(spiel.waitForFinished(30000));
    EXPECT_EQ(spiel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(spiel.exitCode(), 1);
    const QString fehler = QString::fromUtf8(spiel.readAllStandardError());
    EXPECT_EQ(fehler.count('\n'), 1) << fehler.toStdString();
    EXPECT_TRUE(fehler.startsWith("Quorbix: Keine grafische Anzeige erreichbar."))
        << fehler.toStdString();
}

} // namespace
