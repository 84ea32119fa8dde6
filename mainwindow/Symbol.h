#pragma once
// How the main window shows a symbol in a cell of the board or the panel: in
// its colour from the game's colour table, or as its digits on white.

#include <QColor>

class QLabel;

namespace quorbix {
class Spielstand;
}
namespace hauptfenster {

// The colour a cell shows for a symbol (white outside 1..8).
QColor Symbolfarbe(int symbol, const quorbix::Spielstand& stand);
// A symbol in a cell: its colour, or its digits on white.
void zeigeSymbol(QLabel* zelle, int symbol, const quorbix::Spielstand& stand);

} // namespace hauptfenster
