#include "Vorgaenger.h"

#include "evaluation/engine/Eroeffnung.h"
#include "evaluation/engine/Symbolzahlen.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <vector>

namespace quorbix::bisher {

namespace {

// A worker's player of strategy 4's games. The next guess is found by a
// depth-first search over the fields from the most significant one (the
// last), skipping every block of codes whose fixed fields already rule out
// one of the answers: too many or too few black pegs, or too many or too few
// pegs of the guess's symbols, for the fields still open. The moves are
// checked eight at a time, one byte each.
struct Einzelspiele {
    static constexpr std::uint64_t Hoch = 0x8080808080808080ULL;
    static constexpr std::uint64_t Eins = 0x0101010101010101ULL;

    // Eight moves, one byte lane each.
    struct Achtzüge {
        std::uint64_t schwarz = 0; // the answers
        std::uint64_t gesamt = 0;  // black + white
        std::uint64_t belegt = 0;  // Hoch in the lanes in use
        // Lanes whose guess holds symbol v in field k.
        std::array<std::array<std::uint64_t, MaxFarben + 1>, MaxFelder + 1> gleich{};
        // Lanes whose guess holds symbol v more than c times.
        std::array<std::array<std::uint64_t, MaxFelder + 1>, MaxFarben + 1> mehr{};
    };

    std::int16_t felder;
    std::int16_t farben;
    std::vector<Achtzüge> züge;
    std::size_t anzahlZüge = 0;
    // Search state: the code being built and its symbol counts; per field,
    // the black and shared pegs of the fields fixed above it.
    Reihe start{};
    Reihe code{};
    std::array<int, MaxFarben + 1> anzahl{};
    std::vector<std::uint64_t> schwarzBisher, gesamtBisher; // (field, word)

    Einzelspiele(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben)
        : felder(AnzahlFelder), farben(AnzahlFarben) {}

    // Keeps move `zug` with its answer for the searches to come.
    void merke(const Reihe& zug, unsigned schwarz, unsigned gesamt) {
        const std::size_t wort = anzahlZüge / 8;
        const unsigned bahn = 8 * static_cast<unsigned>(anzahlZüge % 8);
        if (wort == züge.size()) {
            züge.emplace_back();
        }
        Achtzüge& a = züge[wort];
        std::array<int, MaxFarben + 1> zugAnzahl{};
        for (int k = 1; k <= felder; ++k) {
            // Random openings and candidates hold symbols only.
            assert(zug[k] >= 1 && zug[k] <= farben);
            const auto v = static_cast<std::size_t>(zug[k]);
            ++zugAnzahl[v];
            a.gleich[static_cast<std::size_t>(k)][v] |= std::uint64_t{1} << bahn;
        }
        for (std::size_t v = 1; v <= MaxFarben; ++v) {
            for (int c = 0; c < zugAnzahl[v]; ++c) {
                a.mehr[v][static_cast<std::size_t>(c)] |= std::uint64_t{1} << bahn;
            }
        }
        a.schwarz |= std::uint64_t{schwarz} << bahn;
        a.gesamt |= std::uint64_t{gesamt} << bahn;
        a.belegt |= std::uint64_t{0x80} << bahn;
        ++anzahlZüge;
    }

    int spiele(std::uint32_t nr, const Reihe& öffnung) {
        const Reihe geheim = CodeNummer(nr, felder, farben);
        const std::uint64_t geheimAnzahlen = Symbolzahlen(geheim, felder);
        züge.clear();
        anzahlZüge = 0;
        Reihe zug = öffnung;
        for (int r = 1;; ++r) {
            unsigned schwarz = 0;
            for (int k = 1; k <= felder; ++k) {
                schwarz += zug[k] == geheim[k] ? 1U : 0U;
            }
            if (schwarz == static_cast<unsigned>(felder)) {
                return r;
            }
            merke(zug, schwarz, gemeinsame(Symbolzahlen(zug, felder), geheimAnzahlen));
            // The search may start behind the last guess, except after the
            // opening, which is not a candidate. A guess that is not the
            // code comes before it, so it is never the last code.
            if (r == 1) {
                start = CodeNummer(0, felder, farben);
            } else {
                start = zug;
                [[maybe_unused]] const bool davor = Weiterzählen(start, felder, farben);
                assert(davor);
            }
            zug = ersteStimmige();
        }
    }

    Reihe ersteStimmige() {
        const std::size_t w = züge.size();
        anzahl.fill(0);
        schwarzBisher.assign(static_cast<std::size_t>(felder + 1) * w, 0);
        gesamtBisher.assign(static_cast<std::size_t>(felder + 1) * w, 0);
        code = Reihe{};
        // The code under evaluation agrees with every answer and comes at
        // or after the start, so the search cannot fail.
        [[maybe_unused]] const bool gefunden = suche(felder, true);
        assert(gefunden);
        return code;
    }

    // Fixes field k (fields above k are fixed); `eng`: the fields above equal
    // those of `start`, so field k may not go below start's.
    bool suche(int k, bool eng) {
        const std::size_t w = züge.size();
        const std::uint64_t rest = Eins * static_cast<std::uint64_t>(k - 1);
        const std::uint64_t* schwarzOben = &schwarzBisher[static_cast<std::size_t>(k) * w];
        const std::uint64_t* gesamtOben = &gesamtBisher[static_cast<std::size_t>(k) * w];
        std::uint64_t* schwarzHier = &schwarzBisher[static_cast<std::size_t>(k - 1) * w];
        std::uint64_t* gesamtHier = &gesamtBisher[static_cast<std::size_t>(k - 1) * w];
        const auto feld = static_cast<std::size_t>(k);
        for (int v = eng ? start[k] : 1; v <= farben; ++v) {
            const auto sym = static_cast<std::size_t>(v);
            const auto schon = static_cast<std::size_t>(anzahl[sym]);
            bool möglich = true;
            for (std::size_t i = 0; i < w && möglich; ++i) {
                const Achtzüge& a = züge[i];
                const std::uint64_t s = schwarzOben[i] + a.gleich[feld][sym];
                const std::uint64_t g = gesamtOben[i] + a.mehr[sym][schon];
                // Per lane: s <= answer <= s + rest, and the same for g.
                const std::uint64_t ok = ((a.schwarz | Hoch) - s) &
                                         (((s + rest) | Hoch) - a.schwarz) &
                                         ((a.gesamt | Hoch) - g) & (((g + rest) | Hoch) - a.gesamt);
                möglich = (ok & a.belegt) == a.belegt;
                schwarzHier[i] = s;
                gesamtHier[i] = g;
            }
            if (!möglich) {
                continue;
            }
            code[k] = static_cast<std::int16_t>(v);
            if (k == 1) {
                return true;
            }
            ++anzahl[sym];
            if (suche(k - 1, eng && v == start[k])) {
                return true;
            }
            --anzahl[sym];
        }
        return false;
    }
};

} // namespace

Ziehung::Ziehung(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, Zufall& zufall, Lauf& lauf)
    : lauf(lauf), felder(AnzahlFelder), farben(AnzahlFarben), zufall(zufall),
      anzahlCodes(AnzahlCodes(AnzahlFelder, AnzahlFarben)) {}

void Ziehung::arbeite() {
    Einzelspiele spieler(felder, farben);
    std::array<Reihe, Block> öffnungen{};
    std::uint32_t von = 0;
    std::uint32_t bis = 0;
    const auto nimm = [&] {
        if (nächster == anzahlCodes) {
            return false;
        }
        von = nächster;
        bis = std::min(anzahlCodes, von + Block);
        nächster = bis;
        for (std::uint32_t i = von; i < bis; ++i) {
            ZieheZufallsreihe(öffnungen[i - von], felder, farben, zufall);
        }
        return true;
    };
    while (lauf.take([] { return true; }, nimm)) {
        for (std::uint32_t i = von; i < bis; ++i) {
            if (lauf.stopped()) {
                return;
            }
            lauf.melde(i, spieler.spiele(i, öffnungen[i - von]));
        }
        lauf.notify();
    }
}

int Einzelspiel(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, std::uint32_t nummer,
                const Reihe& öffnung) {
    return Einzelspiele(AnzahlFelder, AnzahlFarben).spiele(nummer, öffnung);
}

} // namespace quorbix::bisher
