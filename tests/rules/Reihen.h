#pragma once
// Rows for the rules tests: written out, numbered in counting order, scored.

#include "rules/Spielstand.h"

#include <initializer_list>
#include <utility>

namespace quorbix::test {

inline Reihe reihe(std::initializer_list<int> symbole) {
    Reihe r{};
    int p = 1;
    for (int s : symbole) {
        r[static_cast<std::size_t>(p++)] = static_cast<std::int16_t>(s);
    }
    return r;
}

// Code number i (0-based) in counting order, position 1 fastest.
inline Reihe codeNr(long i, int felder, int farben) {
    Reihe r{};
    for (int p = 1; p <= felder; ++p) {
        r[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(1 + i % farben);
        i /= farben;
    }
    return r;
}

// Black and white of `zug` against `code`, through the game state as the
// window scores (row `zug` compared with row 0).
inline std::pair<int, int> bewerte(const Reihe& code, const Reihe& zug, int felder) {
    Spielstand s;
    s.AnzahlFelder = static_cast<std::int16_t>(felder);
    s.Kombination[0] = code;
    s.Kombination[3] = zug;
    s.Prüfzug = 3;
    s.Anzahlschwarze();
    s.Anzahlweiße();
    return {s.Schwarze, s.Weiße};
}

} // namespace quorbix::test
