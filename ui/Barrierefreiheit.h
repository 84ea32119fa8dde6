#pragma once
// What a screen reader says about the controls. A window sets fixed names and
// descriptions where it creates a control (setAccessibleName,
// setAccessibleDescription). What changes during play, such as the colour of
// a cell, a count or a prompt, is attached here as a function that is called
// whenever a screen reader asks, so it always describes what is on the screen.
// A spin control reads as its name followed by the value its label shows.

#include <QString>
#include <functional>

class QLabel;
class QWidget;

namespace Barrierefreiheit {

using Text = std::function<QString()>;

// Installs the interfaces for labels, push buttons and spin controls ahead of
// Qt's own; calling it again does nothing. Every window calls it before it
// creates a control, as Qt keeps the interface it first hands out for a
// widget, and it hands one out as soon as a label gets its caption.
void einrichten();

// The name or description of `w` is what `text` gives when asked, for as long
// as `w` lives; it takes precedence over a fixed one.
void setzeName(QWidget* w, Text text);
void setzeBeschreibung(QWidget* w, Text text);

// "was: caption" while the label shows a caption, else "was".
void benenneMitText(QLabel* l, const QString& was);

// "wo: inhalt", with what the cell shows as its content (Zelleninhalt).
void benenneZelle(QLabel* zelle, const QString& wo);

// What a cell shows: its caption, the German name of its colour, "verdeckt"
// for a hidden solution cell ("?") or "leer".
QString Zelleninhalt(const QWidget* zelle);

} // namespace Barrierefreiheit
