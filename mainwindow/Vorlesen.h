#pragma once
// The main window's words for a screen reader where they depend on the game:
// each function attaches them to a control the window has just created.

#include <array>

namespace hauptfenster {
class Knopf;
}
class QLabel;

namespace quorbix {
class Spielstand;
}

namespace hauptfenster {

// Row number of move `zug`: "Zug 3", described by the answer the move got.
void Zeilennummer(QLabel* l, int zug, const quorbix::Spielstand& stand);

// Legend cell k (0-based): a colour or number of the game, or the field of
// the computer's guess while it guesses.
void Legende(QLabel* l, int k, const quorbix::Spielstand& stand);

// An answer peg of move `zug`, "Zug 1: schwarzer Stift" (0: not placed yet).
void Stift(QLabel* pin, bool schwarz, int zug);

// What the seven buttons do, where their tooltip does not say it.
void Knöpfe(const std::array<hauptfenster::Knopf*, 7>& knöpfe, const quorbix::Spielstand& stand);

} // namespace hauptfenster
