// Renders the windows in their characteristic states to PNG files, so that
// anyone can look at the program without a display, and writes beside each
// picture the texts it shows (NAME.txt):
//     build/snapshots [folder]      (default: screenshots/ beside the program)
// With a folder of references, each picture must also match its own:
//     build/snapshots folder --vergleiche docs [--dunkel]
// Where no text is drawn, every pixel must have the reference's colour; the
// texts must say the same, start at the same place and be drawn in the same
// face, size and colour. So a newer font rasteriser, which shapes the glyphs
// a little differently, passes, and a moved control, a wrong colour or a
// changed character does not. For a picture that differs, NAME-unterschied.png
// marks the pixels. Every visible widget, message box and tooltip must also
// resolve to the face the program names, not to a fallback of the machine.
// --dunkel checks first that the desktop (its platform theme) really offers a
// dark palette, which the windows must not take.

#include "common/Spiel.h"
#include "dialogs/frmEinstellungen.h"
#include "dialogs/frmInfo.h"
#include "evaluation/frmSearch.h"
#include "mainwindow/frmQuorbix.h"
#include "ui/Steuerelemente.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextStream>
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
// Around a text's box, where the edges of glyphs may be smoothed differently.
constexpr int Rand = 2;

// Takes down the text a window draws and nothing else: what it says, where
// its baseline starts, the face, size, weight and colour, and the box its
// glyphs may cover.
class Textaufnahme : public QPaintEngine {
public:
    Textaufnahme() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& zustand) override {
        if (zustand.state() & DirtyTransform) {
            lage_ = zustand.transform();
        }
        if (zustand.state() & DirtyPen) {
            farbe_ = zustand.pen().color();
        }
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& p, const QTextItem& stück) override {
        const QString text = stück.text();
        if (text.trimmed().isEmpty()) {
            return;
        }
        const QFontInfo art(stück.font());
        const QPoint anfang = lage_.map(p).toPoint();
        zeilen << QStringLiteral("Text %1,%2 %3 %4px%5%6 %7 \"%8\"")
                      .arg(anfang.x())
                      .arg(anfang.y())
                      .arg(art.family())
                      .arg(art.pixelSize())
                      .arg(art.bold() ? QStringLiteral(" fett") : QString())
                      .arg(art.underline() ? QStringLiteral(" unterstrichen") : QString())
                      .arg(farbe_.name(), text);
        const QRectF kasten(p.x(), p.y() - stück.ascent(), stück.width(),
                            stück.ascent() + stück.descent());
        flächen << lage_.mapRect(kasten).toAlignedRect().adjusted(-Rand, -Rand, Rand, Rand);
    }

    QStringList zeilen;
    QList<QRect> flächen;

private:
    QTransform lage_;
    QColor farbe_;
};

class Textgerät : public QPaintDevice {
public:
    explicit Textgerät(QSize größe) : größe_(größe) {}
    QPaintEngine* paintEngine() const override { return &aufnahme; }
    mutable Textaufnahme aufnahme;

protected:
    int metric(PaintDeviceMetric was) const override {
        switch (was) {
        case PdmWidth:
            return größe_.width();
        case PdmHeight:
            return größe_.height();
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmWidthMM:
            return größe_.width() * 254 / 960;
        case PdmHeightMM:
            return größe_.height() * 254 / 960;
        case PdmNumColors:
            return 0xffffff;
        default: // the resolutions: those of a 96 dpi screen
            return 96;
        }
    }

private:
    QSize größe_;
};

// Compares the pixels outside the texts' boxes; marks those that differ.
int vergleiche(const QImage& bild, const QImage& referenz, const QList<QRect>& texte,
               QImage& unterschied) {
    unterschied = referenz.convertToFormat(QImage::Format_RGB32);
    int abweichend = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (std::any_of(texte.begin(), texte.end(),
                            [x, y](const QRect& r) { return r.contains(x, y); })) {
                continue;
            }
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

QStringList lies(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {QStringLiteral("(missing)")};
    }
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Where the style draws differently from one Qt version to the next: the
// arrows of scroll bars and the rounded corners of frames, at a frame's left
// and right edge. Scroll bars are Qt's own; the frames are placed exactly.
QList<QRect> vonQtGezeichnet(QWidget* fenster) {
    QList<QRect> flächen;
    for (const QScrollBar* s : fenster->findChildren<QScrollBar*>()) {
        if (s->isVisible()) {
            flächen << QRect(s->mapTo(fenster, QPoint()), s->size());
        }
    }
    for (const QGroupBox* g : fenster->findChildren<QGroupBox*>()) {
        if (g->isVisible()) {
            const QRect r(g->mapTo(fenster, QPoint()), g->size());
            flächen << QRect(r.left(), r.top(), 4, r.height())
                    << QRect(r.right() - 3, r.top(), 4, r.height());
        }
    }
    return flächen;
}

// Where a text starts may move by this much: a newer rasteriser rounds the
// glyphs' advances and a line's height a little differently. The controls
// that hold the texts are compared exactly.
constexpr int Spiel = 2;

// A text line matches when it says the same in the same face, size and colour
// and starts at most Spiel pixels away; any other line must be equal.
bool gleich(const QString& a, const QString& b) {
    if (!a.startsWith(QStringLiteral("Text ")) || !b.startsWith(QStringLiteral("Text "))) {
        return a == b;
    }
    const auto lage = [](const QString& z) {
        const QStringList xy = z.section(QLatin1Char(' '), 1, 1).split(QLatin1Char(','));
        return QPoint(xy.value(0).toInt(), xy.value(1).toInt());
    };
    const QPoint d = lage(a) - lage(b);
    return a.section(QLatin1Char(' '), 2) == b.section(QLatin1Char(' '), 2) &&
           std::abs(d.x()) <= Spiel && std::abs(d.y()) <= Spiel;
}

// Each line of one list that has no partner in the other, each partner used once.
QStringList ohnePartner(const QStringList& liste, QStringList andere) {
    QStringList übrig;
    for (const QString& z : liste) {
        const auto partner = std::find_if(andere.begin(), andere.end(),
                                          [&z](const QString& x) { return gleich(z, x); });
        if (partner == andere.end()) {
            übrig << z;
        } else {
            andere.erase(partner);
        }
    }
    return übrig;
}

void prüfe(const QImage& bild, const Textaufnahme& texte, const QList<QRect>& ausgenommen,
           const QStringList& zeilen, const QString& name) {
    const QDir dort(referenzen);
    const QImage referenz(dort.filePath(name + QStringLiteral(".png")));
    if (referenz.isNull() || referenz.size() != bild.size()) {
        std::fprintf(stderr, "%s: no reference picture of this size\n", qPrintable(name));
        ++fehler;
        return;
    }
    QImage unterschied;
    const int abweichend = vergleiche(bild.convertToFormat(QImage::Format_RGB32),
                                      referenz.convertToFormat(QImage::Format_RGB32),
                                      texte.flächen + ausgenommen, unterschied);
    if (abweichend > 0) {
        std::fprintf(stderr, "%s: %d pixels outside the texts differ from the reference\n",
                     qPrintable(name), abweichend);
        unterschied.save(ziel.filePath(name + QStringLiteral("-unterschied.png")));
        ++fehler;
    }
    const QStringList erwartet = lies(dort.filePath(name + QStringLiteral(".txt")));
    for (const QString& z : ohnePartner(zeilen, erwartet)) {
        std::fprintf(stderr, "%s: shows %s\n", qPrintable(name), qPrintable(z));
        ++fehler;
    }
    for (const QString& z : ohnePartner(erwartet, zeilen)) {
        std::fprintf(stderr, "%s: does not show %s\n", qPrintable(name), qPrintable(z));
        ++fehler;
    }
}

// Where each named control of the window stands, relative to the window.
QStringList lagen(QWidget* fenster) {
    QStringList zeilen;
    for (const QWidget* w : fenster->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (w->isVisible() && !name.isEmpty() && !name.startsWith(QStringLiteral("qt_"))) {
            const QRect r(w->mapTo(fenster, QPoint()), w->size());
            zeilen << QStringLiteral("Feld %1 %2,%3 %4x%5")
                          .arg(name)
                          .arg(r.x())
                          .arg(r.y())
                          .arg(r.width())
                          .arg(r.height());
        }
    }
    return zeilen;
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
    const QImage bild = w->grab().toImage();
    Textgerät gerät(w->size());
    w->render(&gerät);
    const Textaufnahme& texte = gerät.aufnahme;
    QStringList zeilen = lagen(w) + texte.zeilen;
    zeilen.sort();
    QFile liste(ziel.filePath(name + QStringLiteral(".txt")));
    const QString datei = ziel.filePath(name + QStringLiteral(".png"));
    if (!bild.save(datei) || !liste.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(datei));
        ++fehler;
        return;
    }
    liste.write(zeilen.join(QLatin1Char('\n')).append(QLatin1Char('\n')).toUtf8());
    std::printf("%s\n", qPrintable(datei));
    if (!referenzen.isEmpty()) {
        prüfe(bild, texte, vonQtGezeichnet(w), zeilen, name);
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
    if (argc > 4 && QString::fromLocal8Bit(argv[4]) == QStringLiteral("--dunkel") &&
        QApplication::palette().color(QPalette::Window).lightness() >= 128) {
        std::fprintf(stderr, "the desktop offers no dark palette: this run would test nothing\n");
        return 1;
    }

    // As a desktop's theme may do: faces of their own for single classes.
    QFont thema = QApplication::font();
    thema.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Mono")});
    QApplication::setFont(thema, "QMenuBar");
    QApplication::setFont(thema, "QMessageBox");

    ui::richteAussehenEin(); // as the program's start-up does, over the theme's fonts
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
        dialoge::frmEinstellungen einstellungen(f.Stand().Vorgabe(), {}, &f);
        einstellungen.show();
        speichere(&einstellungen, QStringLiteral("settings"));
        einstellungen.hide();
    }
    {
        dialoge::frmInfo info({}, &f);
        info.show();
        speichere(&info, QStringLiteral("about"));
        info.hide();
    }
    {
        computersuche::frmSearch suche(f.AnzahlFelder(), f.AnzahlFarben());
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
