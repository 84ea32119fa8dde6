#pragma once
// What a screen reader says about the game's controls. The board's cells,
// pegs and spin controls show their meaning only through colour, position and
// an invisible tag; the interfaces installed here put it into German words,
// computed when asked, so they always describe what is on the screen.

#include <QString>

class QColor;
class QWidget;

namespace Barrierefreiheit {

// Installs the factory for the game's controls; calling it again does nothing.
void einrichten();

// German name of palette colour n (0..15): "Weiß", "Hellrot", "Blau", ...
QString Farbname(int n);

// The German name of a palette colour, or an empty text for any other colour.
QString Farbname(const QColor& farbe);

// What a board cell shows: its number, the name of its colour, "verdeckt"
// for a hidden solution cell or "leer".
QString Zelleninhalt(const QWidget* zelle);

// A button caption as one word: "Einstel-lungen" gives "Einstellungen",
// "Auf- lösung" gives "Auflösung"; a hyphen before a capital stays.
QString ohneUmbruch(const QString& beschriftung);

} // namespace Barrierefreiheit
