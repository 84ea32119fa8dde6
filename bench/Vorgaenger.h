#pragma once
// The engine of strategy 4 that the product's Einzelspiele replaced, kept for
// the benchmark to time beside it and to check that both give the same moves:
// one child symbol at a time is tested against the answers, eight moves per
// 64-bit word.

#include "evaluation/engine/Lauf.h"
#include "rules/Spielstand.h"
#include "rules/Zufall.h"

#include <cstdint>

namespace quorbix::bisher {

// Hands out the codes to the workers. A worker takes a few codes at a time
// and draws their openings while it holds the run's lock, so the draws
// follow the counting order whatever the number of workers; the games it
// then plays alone.
class Ziehung {
public:
    // Draws every code's opening from `zufall`, on the workers' threads;
    // the workers report to `lauf`.
    Ziehung(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, Zufall& zufall, Lauf& lauf);
    Ziehung(const Ziehung&) = delete;
    Ziehung& operator=(const Ziehung&) = delete;

    // One worker: plays codes until none is left or the run stops.
    void arbeite();

private:
    static constexpr std::uint32_t Block = 64;

    Lauf& lauf;
    std::int16_t felder;
    std::int16_t farben;
    Zufall& zufall;
    std::uint32_t anzahlCodes;
    std::uint32_t nächster = 0; // under the run's lock
};

// The moves of the game of code `nummer` opened with `öffnung`. Lets a
// sample of a space too large to run whole be timed.
int Einzelspiel(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, std::uint32_t nummer,
                const Reihe& öffnung);

} // namespace quorbix::bisher
