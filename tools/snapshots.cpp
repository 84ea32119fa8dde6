// Renders the windows in their characteristic states to PNG files, so that
// anyone can look at the program without a display:
//     build/snapshots [folder]      (default: screenshots/ beside the program)
// With a folder of reference pictures, each picture must also match its
// reference (a few pixels may differ slightly, for the fonts' smoothing);
// for a picture that does not, NAME-unterschied.png shows where it differs.
// Every visible widget, message box and tooltip must then also resolve to the
// face the program names, not to a fallback of the machine:
//     build/snapshots folder --vergleiche docs

#include "common/Spiel.h"
#include "dialogs/frmEinstellungen.h"
#include "dialogs/frmInfo.h"
#include "evaluation/frmSearch.h"
#include "mainwindow/frmQuorbix.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

QDir ziel;
QString referenzen;
int fehler = 0;

// A pixel differs from its reference when a channel is further apart than
// this: little enough that light grey (192) painted white (255) counts.
constexpr int Schwelle = 24;
// Pixels that may differ in a picture: where two machines smooth the edges
// of the same glyphs a little differently.
constexpr int Erlaubt = 8;

// Marks the pixels that differ from the reference; returns how many.
int vergleiche(const QImage& bild, const QImage& referenz, QImage& unterschied) {
    unterschied = referenz.convertToFormat(QImage::Format_RGB32);
    int abweichend = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb a = bild.pixel(x, y);
            const QRgb b = referenz.pixel(x, y);
            const int abstand =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
            if (abstand > Schwelle) {
                ++abweichend;
                unterschied.setPixel(x, y, qRgb(255, 0, 255));
            }
        }
    }
    return abweichend;
}

void prüfe(const QImage& bild, const QString& name) {
    const QImage referenz(QDir(referenzen).filePath(name + QStringLiteral(".png")));
    if (referenz.isNull() || referenz.size() != bild.size()) {
        std::fprintf(stderr, "%s: no reference picture of this size\n", qPrintable(name));
        ++fehler;
        return;
    }
    QImage unterschied;
    const int abweichend = vergleiche(bild.convertToFormat(QImage::Format_RGB32),
                                      referenz.convertToFormat(QImage::Format_RGB32), unterschied);
    if (abweichend > Erlaubt) {
        std::fprintf(stderr, "%s: %d pixels differ from the reference\n", qPrintable(name),
                     abweichend);
        unterschied.save(ziel.filePath(name + QStringLiteral("-unterschied.png")));
        ++fehler;
    }
}

// The face the machine really draws with for each visible widget.
void prüfeSchriftart(QWidget* fenster, const QString& name) {
    QList<QWidget*> alle = fenster->findChildren<QWidget*>();
    alle.prepend(fenster);
    for (const QWidget* w : alle) {
        const QString art = QFontInfo(w->font()).family();
        if (w->isVisible() && art != QStringLiteral("Liberation Sans")) {
            std::fprintf(stderr, "%s: %s (%s) is drawn in %s\n", qPrintable(name),
                         qPrintable(w->objectName()), w->metaObject()->className(),
                         qPrintable(art));
            ++fehler;
        }
    }
}

void speichere(QWidget* w, const QString& name) {
    QApplication::processEvents();
    const QString datei = ziel.filePath(name + QStringLiteral(".png"));
    const QImage bild = w->grab().toImage();
    if (!bild.save(datei)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(datei));
        ++fehler;
        return;
    }
    std::printf("%s\n", qPrintable(datei));
    if (!referenzen.isEmpty()) {
        prüfe(bild, name);
        prüfeSchriftart(w, name);
    }
}

// Closes every message box that a step opens, so the pictures show the board;
// returns how many there were.
int ohneMeldungen(const std::function<void()>& schritt) {
    QTimer wecker;
    int meldungen = 0;
    QObject::connect(&wecker, &QTimer::timeout, [&meldungen] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            if (!referenzen.isEmpty()) {
                prüfeSchriftart(w, QStringLiteral("Meldung"));
            }
            ++meldungen;
            w->close();
        }
    });
    wecker.start(5);
    schritt();
    return meldungen;
}

void stelle(frmQuorbix& f, const char* name, int wert) {
    if (auto* s = f.findChild<QAbstractSpinBox*>(QString::fromUtf8(name))) {
        s->setProperty("value", wert);
    }
}

void setzeEingabe(frmQuorbix& f, std::initializer_list<int> symbole) {
    int i = 0;
    for (int s : symbole) {
        stelle(f, qPrintable(QStringLiteral("updM(%1)").arg(i++)), s);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ziel.setPath(
        argc > 1
            ? QString::fromLocal8Bit(argv[1])
            : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("screenshots")));
    QDir().mkpath(ziel.absolutePath());
    if (argc > 3 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("--vergleiche")) {
        referenzen = QString::fromLocal8Bit(argv[3]);
    }

    // As a desktop's theme may do: faces of their own for single classes.
    QFont thema = QApplication::font();
    thema.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Mono")});
    QApplication::setFont(thema, "QMenuBar");
    QApplication::setFont(thema, "QMessageBox");

    frmQuorbix f;
    // Fixed draws so the pictures are the same every time.
    std::uint32_t zustand = 12345;
    f.Zufallsgenerator().setzeQuelle([&zustand] {
        zustand = zustand * 1664525u + 1013904223u;
        return (zustand >> 8) / static_cast<double>(1u << 24);
    });
    f.show();
    f.Start();
    speichere(&f, QStringLiteral("main-start"));

    // The human guesses: three guesses with their pegs.
    setzeEingabe(f, {1, 2, 3, 4});
    f.cmdFertig_Click(0);
    f.cmdFertig_Click(0);
    setzeEingabe(f, {2, 2, 5, 6});
    f.cmdFertig_Click(0);
    setzeEingabe(f, {3, 1, 6, 5});
    f.cmdFertig_Click(0);
    speichere(&f, QStringLiteral("main-guesses"));
    testhilfe::neuesSpiel(f, false, true, 6, 4);
    setzeEingabe(f, {1, 2, 3, 4});
    f.cmdFertig_Click(0);
    f.cmdFertig_Click(0);
    setzeEingabe(f, {4, 3, 2, 1});
    f.cmdFertig_Click(0);
    speichere(&f, QStringLiteral("main-numbers"));

    testhilfe::neuesSpiel(f, true, true, 8, 8);
    speichere(&f, QStringLiteral("main-8x8"));

    testhilfe::neuesSpiel(f, true, false, 6, 4);
    setzeEingabe(f, {2, 4, 4, 6});
    speichere(&f, QStringLiteral("computer-start"));
    f.cmdFertig_Click(0);
    // Answer honestly through the spinners, as a player would.
    for (int zug = 0; zug < 2; ++zug) {
        f.cmdFertig_Click(3); // "Hilfe" counts the answer
        ohneMeldungen([&] {
            f.cmdFertig_Click(0);
            testhilfe::warteAufSuche(&f);
        });
    }
    speichere(&f, QStringLiteral("computer-guessing"));

    testhilfe::neuesSpiel(f, false, false, 8, 5);
    setzeEingabe(f, {3, 1, 4, 1, 5});
    f.cmdFertig_Click(0);
    f.cmdFertig_Click(3);
    ohneMeldungen([&] {
        f.cmdFertig_Click(0);
        testhilfe::warteAufSuche(&f);
    });
    speichere(&f, QStringLiteral("computer-numbers"));

    // The dialogs, shown without their modal loop.
    testhilfe::neuesSpiel(f, true, true, 6, 4);
    {
        frmEinstellungen einstellungen(f.Stand(), {}, &f);
        einstellungen.show();
        speichere(&einstellungen, QStringLiteral("settings"));
        einstellungen.hide();
    }
    {
        frmInfo info({}, &f);
        info.show();
        speichere(&info, QStringLiteral("about"));
        info.hide();
    }
    {
        frmSearch suche(f.AnzahlFelder(), f.AnzahlFarben());
        suche.show();
        speichere(&suche, QStringLiteral("evaluation-start"));
        suche.cmdStart_Click();
        testhilfe::warteBis([&suche] { return !suche.Läuft(); });
        speichere(&suche, QStringLiteral("evaluation"));
        suche.hide();
    }
    // Giving up shows the code in a message box, which has its face checked.
    f.cmdFertig_Click(0);
    if (ohneMeldungen([&] { f.cmdFertig_Click(1); }) != 1) {
        std::fprintf(stderr, "\"Auf- lösung\" showed no message\n");
        ++fehler;
    }
    if (const QString art = QFontInfo(QToolTip::font()).family();
        art != QStringLiteral("Liberation Sans")) {
        std::fprintf(stderr, "tooltips are drawn in %s\n", qPrintable(art));
        ++fehler;
    }
    return fehler == 0 ? 0 : 1;
}
