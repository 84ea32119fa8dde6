#pragma once
// What a screen reader says about the controls. A window sets fixed names and
// descriptions where it creates a control (setAccessibleName,
// setAccessibleDescription). What changes during play, such as the colour of
// a cell, a count or a prompt, is attached here as a function that is called
// whenever a screen reader asks, so it always describes what is on the screen.
// A spin control reads as its name, followed by what its label shows where
// that is not its value already. A window's news (the answer to a guess, the
// next prompt) is said once, politely, through `sage`.

#include <QString>
#include <functional>

class QAbstractItemView;
class QLabel;
class QWidget;

namespace ui {

using Textquelle = std::function<QString()>;

// Installs the interfaces for labels, push buttons, spin controls, lines and
// reading-ordered surfaces ahead of Qt's own; calling it again does nothing.
// Every window calls it before it creates a control, as Qt keeps the
// interface it first hands out for a widget, and it hands one out as soon as
// a label gets its caption.
void einrichten();

// The name or description of `w` is what `text` gives when asked, for as long
// as `w` lives; it takes precedence over a fixed one.
void setzeName(QWidget* w, Textquelle text);
void setzeBeschreibung(QWidget* w, Textquelle text);

// The name the interface of `w` gives changes during play (a spin control's
// with its label): meldeÄnderungen announces it as it does attached ones.
void beobachteName(QWidget* w);

// A fixed name or description, set (and so announced) only if it differs.
void setzeFestenNamen(QWidget* w, const QString& name);
void setzeFesteBeschreibung(QWidget* w, const QString& beschreibung);

// "was: caption" while the label shows a caption, else "was".
void benenneMitText(QLabel* l, const QString& was);

// "wo: inhalt", with what the cell shows as its content (Zelleninhalt).
void benenneZelle(QLabel* zelle, const QString& wo);

// What a cell shows: its caption, the German name of its colour, "verdeckt"
// for a hidden solution cell ("?") or "leer".
QString Zelleninhalt(const QWidget* zelle);

// The children of `fläche` are read as a sighted player reads them: line by
// line from the top, left to right, the containers (the panel) after them.
// Call before anything else asks for the surface's interface.
void ordneNachLesefolge(QWidget* fläche);

// An item view's current cell tells screen readers it has the focus, whether
// the view has it or not: `liste` keeps a current cell only while it has the
// focus, and the focus comes to its (last) selected row. Without the focus,
// zeigeZeile selects and shows a row.
void fokusNurMitFokus(QAbstractItemView* liste);
void zeigeZeile(QAbstractItemView* liste, int zeile);

// Screen readers hear of each attached name or description that changed
// since the last call: one event carrying the new text each, none for the
// others. A window calls it once it has drawn a step.
void meldeÄnderungen();

// Says `text` once, politely (after what the screen reader is saying), as
// news of `fenster`'s window.
void sage(QWidget* fenster, const QString& text);

} // namespace ui
