#include "rules/Zahlen.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quorbix {

double TextZahl(std::string_view text) {
    // Collect sign, digits and one decimal point, skipping blanks anywhere,
    // then convert exactly with the C locale's rules.
    std::string zahl;
    std::size_t i = 0;
    const auto istLeer = [&] { return text[i] == ' ' || text[i] == '\t'; };
    while (i < text.size() && istLeer()) {
        ++i;
    }
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') {
            zahl += '-';
        }
        ++i;
    }
    bool ziffern = false;
    bool punkt = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            continue;
        }
        if (c >= '0' && c <= '9') {
            zahl += c;
            ziffern = true;
        } else if (c == '.' && !punkt) {
            zahl += c;
            punkt = true;
        } else {
            break;
        }
    }
    if (!ziffern) {
        return 0;
    }
    double wert = 0;
    const char* anfang = zahl.data();
    if (*anfang == '-') {
        ++anfang;
    }
    std::from_chars(anfang, zahl.data() + zahl.size(), wert);
    return zahl.front() == '-' ? -wert : wert;
}

double RundeGerade(double wert) {
    const double unten = std::floor(wert);
    const double rest = wert - unten;
    if (rest > 0.5) {
        return unten + 1;
    }
    if (rest < 0.5) {
        return unten;
    }
    return std::fmod(unten, 2.0) == 0 ? unten : unten + 1;
}

std::int16_t TextGanzzahl(std::string_view text) {
    const double wert = RundeGerade(TextZahl(text));
    if (!(wert >= std::numeric_limits<std::int16_t>::min())) {
        return std::numeric_limits<std::int16_t>::min();
    }
    if (wert > std::numeric_limits<std::int16_t>::max()) {
        return std::numeric_limits<std::int16_t>::max();
    }
    return static_cast<std::int16_t>(wert);
}

} // namespace quorbix
