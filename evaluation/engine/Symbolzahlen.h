#pragma once
// A row's symbol counts packed one byte per symbol, and the pegs two rows
// share: the black and white count of both fast engines together.

#include "rules/Spielstand.h"

#include <cstdint>

namespace quorbix {

// Byte v - 1 counts symbol v in fields 1..AnzahlFelder; values that match no
// symbol are not counted.
inline std::uint64_t Symbolzahlen(const Reihe& reihe, int AnzahlFelder) {
    std::uint64_t a = 0;
    for (int k = 1; k <= AnzahlFelder; ++k) {
        if (reihe[k] >= 1 && reihe[k] <= MaxFarben) {
            a += std::uint64_t{1} << (8 * (reihe[k] - 1));
        }
    }
    return a;
}

// Sum over the symbols of the smaller count: black plus white.
inline unsigned gemeinsame(std::uint64_t a, std::uint64_t b) {
    constexpr std::uint64_t H = 0x8080808080808080ULL;
    const std::uint64_t d = (a | H) - b;            // no byte borrows: counts are at most 8
    const std::uint64_t ab = ((d & H) >> 7) * 0xFF; // bytes where a >= b
    const std::uint64_t min = (b & ab) | (a & ~ab);
    return static_cast<unsigned>((min * 0x0101010101010101ULL) >> 56);
}

} // namespace quorbix
