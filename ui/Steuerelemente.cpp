#include "ui/Steuerelemente.h"

#include "rules/Farben.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QToolTip>
#include <QVariant>
#include <cmath>

// The pictures are compiled into the static UI library, where nothing refers
// to them: loading them by name at start-up keeps them in the program. Qt's
// macro must be used outside any namespace.
static void ladeBilder() {
    Q_INIT_RESOURCE(quorbix);
}

namespace ui {

namespace {
const QString Schriftart = QStringLiteral("Liberation Sans");

// The classes for which a platform theme may give a font of its own (menu
// bar, message box, tooltip, item views, ...); Qt keeps such fonts per class.
constexpr const char* klassenMitSchrift[] = {"QMenu",
                                             "QMenuBar",
                                             "QMenuItem",
                                             "QMessageBox",
                                             "QLabel",
                                             "QTipLabel",
                                             "QStatusBar",
                                             "QMdiSubWindowTitleBar",
                                             "QDockWidgetTitle",
                                             "QPushButton",
                                             "QCheckBox",
                                             "QRadioButton",
                                             "QToolButton",
                                             "QAbstractItemView",
                                             "QListView",
                                             "QHeaderView",
                                             "QListBox",
                                             "QComboMenuItem",
                                             "QComboLineEdit",
                                             "QSmallFont",
                                             "QMiniFont",
                                             "QGroupBox",
                                             "QTabBar",
                                             "QLineEdit"};

// The classes a platform theme gives a palette of its own.
constexpr const char* klassenMitFarben[] = {
    "QToolButton",      "QAbstractButton", "QCheckBox",
    "QRadioButton",     "QHeaderView",     "QAbstractItemView",
    "QMessageBoxLabel", "QTabBar",         "QLabel",
    "QGroupBox",        "QMenu",           "QMenuBar",
    "QTextEdit",        "QTextControl",    "QLineEdit"};

QFont inSchriftart(QFont f) {
    f.setFamilies({Schriftart});
    f.setStyleHint(QFont::SansSerif);
    return f;
}
} // namespace

void HelleFarbenÜberall() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    // A desktop's own style may draw dark whatever the palette says.
    if (QApplication::style()->name() != QStringLiteral("fusion")) {
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
    const QPalette hell = QApplication::style()->standardPalette();
    if (QApplication::palette() != hell) {
        QApplication::setPalette(hell);
    }
    for (const char* klasse : klassenMitFarben) {
        if (QApplication::palette(klasse) != hell) {
            QApplication::setPalette(hell, klasse);
        }
    }
    if (QToolTip::palette() != hell) {
        QToolTip::setPalette(hell);
    }
}

void SchriftartÜberall() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    const QFont allgemein = QApplication::font();
    QList<std::pair<const char*, QFont>> eigene;
    for (const char* klasse : klassenMitSchrift) {
        if (const QFont f = QApplication::font(klasse); f != allgemein) {
            eigene.append({klasse, f});
        }
    }
    // Setting the application's font drops the per-class fonts: set them anew.
    const bool neu = allgemein.families() != QStringList{Schriftart};
    if (neu) {
        QApplication::setFont(inSchriftart(allgemein));
    }
    for (const auto& [klasse, f] : eigene) {
        if (neu || f.families() != QStringList{Schriftart}) {
            QApplication::setFont(inSchriftart(f), klasse);
        }
    }
}

namespace {
// A platform theme may give its colours and fonts again later: qt6ct once the
// event loop runs, a desktop when the user switches its scheme. Each time the
// light colours and the named face are put back.
class Gleichbleibend : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* ziel, QEvent* ereignis) override {
        // Qt passes a change on to every widget as well: the application's
        // own event, and a window's theme change, are enough to look once.
        const QEvent::Type art = ereignis->type();
        const bool anwendung =
            ziel == QCoreApplication::instance() &&
            (art == QEvent::ApplicationPaletteChange || art == QEvent::ApplicationFontChange);
        if (!dabei_ && (anwendung || (art == QEvent::ThemeChange && ziel->isWindowType()))) {
            dabei_ = true;
            HelleFarbenÜberall();
            SchriftartÜberall();
            dabei_ = false;
        }
        return QObject::eventFilter(ziel, ereignis);
    }

private:
    bool dabei_ = false;
};
} // namespace

int tw(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect twRect(int links, int oben, int breite, int höhe) {
    return {tw(links), tw(oben), tw(breite), tw(höhe)};
}

QColor PaletteFarbe(int n) {
    const auto& c = quorbix::Palette.at(static_cast<std::size_t>(n));
    return {c.r, c.g, c.b};
}

void richteAussehenEin() {
    static bool eingerichtet = false;
    if (eingerichtet || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    eingerichtet = true;
    ladeBilder();
    HelleFarbenÜberall();
    SchriftartÜberall();
    QCoreApplication::instance()->installEventFilter(
        new Gleichbleibend(QCoreApplication::instance()));
}

QColor Systemfarbe(QPalette::ColorRole rolle) {
    return QApplication::palette().color(rolle);
}

QFont Schrift(double punkt, bool fett, bool unterstrichen) {
    QFont f = inSchriftart(QFont(Schriftart));
    f.setPixelSize(static_cast<int>(std::lround(punkt * 96.0 / 72.0)));
    f.setBold(fett);
    f.setUnderline(unterstrichen);
    return f;
}

QString Elementname(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(name)).arg(index);
}

namespace {
Qt::Alignment qtAusrichtung(Ausrichtung a) {
    switch (a) {
    case Ausrichtung::Links:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case Ausrichtung::Rechts:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Ausrichtung::Mitte:
        break;
    }
    return Qt::AlignCenter;
}
} // namespace

QLabel* neuesLabel(QWidget* eltern, const QString& name, const QRect& lage, const QString& text,
                   const LabelArt& art) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    l->setGeometry(lage);
    l->setFont(Schrift(art.punkt, art.fett, art.unterstrichen));
    l->setAlignment(qtAusrichtung(art.ausrichtung));
    l->setTextFormat(Qt::PlainText);
    if (art.rahmen) {
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setLineWidth(1);
    }
    l->setProperty("tag", QString());
    return l;
}

QLabel* farbigesLabel(QWidget* eltern, const QString& name, const QRect& lage, const QString& text,
                      const LabelArt& art, const QColor& hinten, const QColor& vorn) {
    QLabel* l = neuesLabel(eltern, name, lage, text, art);
    setzeHintergrund(l, hinten);
    setzeTextfarbe(l, vorn);
    return l;
}

QLabel* kopiereLabel(const QLabel* vorlage, const QString& name) {
    auto* l = new QLabel(vorlage->parentWidget());
    // The name before the caption: a caption would announce a name without it.
    if (!vorlage->accessibleName().isEmpty()) {
        l->setAccessibleName(vorlage->accessibleName());
    }
    l->setText(vorlage->text());
    l->setObjectName(name);
    l->hide();
    l->setGeometry(vorlage->geometry());
    l->setFont(vorlage->font());
    l->setAlignment(vorlage->alignment());
    l->setTextFormat(vorlage->textFormat());
    l->setFrameStyle(vorlage->frameStyle());
    l->setLineWidth(vorlage->lineWidth());
    l->setPalette(vorlage->palette());
    l->setAutoFillBackground(vorlage->autoFillBackground());
    l->setToolTip(vorlage->toolTip());
    l->setProperty("tag", vorlage->property("tag"));
    return l;
}

void setzeHintergrund(QWidget* w, const QColor& farbe) {
    QPalette p = w->palette();
    if (p.color(QPalette::Window) == farbe && w->autoFillBackground()) {
        return;
    }
    p.setColor(QPalette::Window, farbe);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setzeTextfarbe(QWidget* w, const QColor& farbe) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, farbe);
    w->setPalette(p);
}

QColor Hintergrund(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

void setzeTag(QWidget* w, const QString& tag) {
    w->setProperty("tag", tag);
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void sofortZeichnen(QWidget* w) {
    w->repaint();
}

void zentriereAufBildschirm(QWidget* fenster) {
    const QScreen* bildschirm =
        fenster->screen() != nullptr ? fenster->screen() : QGuiApplication::primaryScreen();
    if (bildschirm == nullptr) {
        return;
    }
    const QRect fläche = bildschirm->geometry();
    // Before the first showing the frame is not known yet; the client size is
    // then the best estimate.
    const QSize außen = fenster->frameGeometry().size().expandedTo(fenster->size());
    fenster->move(fläche.left() + (fläche.width() - außen.width()) / 2,
                  fläche.top() + (fläche.height() - außen.height()) / 2);
}

} // namespace ui
