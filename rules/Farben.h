#pragma once
// The fixed 16-colour palette of the board and the panel, and the symbols'
// colour table. The windows' own fixed colours (the green window, the row
// numbers, the solution's title) and the desktop's colours are not here.

#include <array>
#include <cstdint>

namespace quorbix {

struct Rgb {
    std::uint8_t r, g, b;
};

// Palette colour n, n = 0..15.
inline constexpr std::array<Rgb, 16> Palette{{
    {0, 0, 0},       // 0 black
    {0, 0, 128},     // 1 blue
    {0, 128, 0},     // 2 green
    {0, 128, 128},   // 3 cyan
    {128, 0, 0},     // 4 red
    {128, 0, 128},   // 5 magenta
    {128, 128, 0},   // 6 dark yellow
    {192, 192, 192}, // 7 light grey
    {128, 128, 128}, // 8 grey
    {0, 0, 255},     // 9 light blue
    {0, 255, 0},     // 10 light green
    {0, 255, 255},   // 11 light cyan
    {255, 0, 0},     // 12 light red
    {255, 0, 255},   // 13 light magenta
    {255, 255, 0},   // 14 yellow
    {255, 255, 255}, // 15 white
}};

// What a screen reader calls palette colour n.
inline constexpr std::array<const char*, 16> Farbnamen{
    "Schwarz",    "Blau",        "Grün", "Türkis",   "Dunkelrot", "Magenta",
    "Dunkelgelb", "Hellgrau",    "Grau", "Hellblau", "Hellgrün",  "Helltürkis",
    "Hellrot",    "Hellmagenta", "Gelb", "Weiß"};

// Palette index of symbols 1..8 (element 0 is symbol 1).
inline constexpr std::array<std::int16_t, 8> SymbolFarben{15, 12, 1, 10, 0, 14, 6, 5};

inline constexpr int PaletteWeiß = 15;
inline constexpr int PaletteHellrot = 12;
inline constexpr int PaletteHellgrau = 7;
inline constexpr int PaletteDunkelgelb = 6;

} // namespace quorbix
