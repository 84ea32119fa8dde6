#pragma once
// The counting order of the codes: field 1 changes fastest, like the lowest
// digit of a counter whose digits run 1..AnzahlFarben. The game's candidate,
// the evaluation's engines and its list of codes step through it here.

#include "rules/Spielstand.h"

namespace quorbix {

// Steps `code` to the next code in counting order. False if `code` was the
// last code: fields 1..AnzahlFelder - 1 then stand at 1 again and field
// AnzahlFelder at AnzahlFarben + 1, one past the last symbol.
inline bool Weiterzählen(Reihe& code, int AnzahlFelder, int AnzahlFarben) {
    for (int p = 1; p <= AnzahlFelder; ++p) {
        if (++code[p] <= AnzahlFarben) {
            return true;
        }
        if (p == AnzahlFelder) {
            return false;
        }
        code[p] = 1;
    }
    return false; // without fields there is only one code
}

} // namespace quorbix
