#pragma once
// Plumbing shared by all windows: twips to pixels, palette colours, fonts and
// the labels with border, colours and an invisible tag.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <string_view>

class QLabel;
class QWidget;

namespace ui {

// Logical pixels for a length in twips (15 twips are one pixel).
int tw(int twips);
QRect twRect(int links, int oben, int breite, int höhe);

// Palette colour n (0..15); a symbol's colour is the palette colour that
// the game's colour table gives it.
QColor PaletteFarbe(int n);

// A colour of the application's palette, such as the button face: the light
// one once the look is set up.
QColor Systemfarbe(QPalette::ColorRole rolle);

// The program's look, set up by start-up once the application exists and
// before its first window: the pictures, the light colours and the named face
// below, and an event filter that puts both back whenever a platform theme
// gives its own again (qt6ct once the event loop runs, a desktop when the user
// switches its scheme). Calling it again does nothing.
void richteAussehenEin();

// Gives every text of the program the face it names, at the sizes the
// platform chose: the application's font and the fonts a platform theme gives
// to single classes such as the menu bar, message boxes or tooltips, so that
// nothing falls back to the machine's generic sans-serif face.
void SchriftartÜberall();

// Keeps the light system colours that the game's fixed colours assume,
// whatever scheme the desktop sets: the Fusion style with its own light
// palette for the application, for the classes a platform theme colours
// separately (menu bar, buttons, item views, ...) and for tooltips.
void HelleFarbenÜberall();

// The named face at a size in points, given in pixels at 96 dpi so the
// layout is the same on every screen and platform.
QFont Schrift(double punkt, bool fett = true, bool unterstrichen = false);

// A text of the Qt-free code (UTF-8).
QString Text(std::string_view text);

// "name(index)": the object name of an element of a control array.
QString Elementname(const char* name, int index);

enum class Ausrichtung { Links, Mitte, Rechts };

struct LabelArt {
    double punkt = 12;
    bool fett = true;
    bool rahmen = true;
    Ausrichtung ausrichtung = Ausrichtung::Mitte;
    bool unterstrichen = false;
};

QLabel* neuesLabel(QWidget* eltern, const QString& name, const QRect& lage, const QString& text,
                   const LabelArt& art);

// The same with its background and text colour.
QLabel* farbigesLabel(QWidget* eltern, const QString& name, const QRect& lage, const QString& text,
                      const LabelArt& art, const QColor& hinten, const QColor& vorn = Qt::black);

// Copy of a label with every property of the template; starts hidden.
QLabel* kopiereLabel(const QLabel* vorlage, const QString& name);

void setzeHintergrund(QWidget* w, const QColor& farbe);
void setzeTextfarbe(QWidget* w, const QColor& farbe);
QColor Hintergrund(const QWidget* w);

// The invisible text attached to a label.
void setzeTag(QWidget* w, const QString& tag);

// Paint a widget now, without handling any other event.
void sofortZeichnen(QWidget* w);

// Moves a top-level window so that its outer frame is centred on its screen.
void zentriereAufBildschirm(QWidget* fenster);

} // namespace ui
