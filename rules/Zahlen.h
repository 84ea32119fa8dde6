#pragma once
// Numbers read back from texts: the leading number of a text, as the
// evaluation window reads its strategy box.

#include <cstdint>
#include <string_view>

namespace quorbix {

// The number a text begins with: blanks are skipped, "." is the decimal
// point whatever the locale, reading stops at the first character that
// cannot continue the number; a text that does not begin with one reads 0.
double TextZahl(std::string_view text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RundeGerade(double wert);

// TextZahl rounded half to even, clamped into the 16-bit range.
std::int16_t TextGanzzahl(std::string_view text);

} // namespace quorbix
