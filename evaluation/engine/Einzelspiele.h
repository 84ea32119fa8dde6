#pragma once
// The engine of strategy 4, whose every game opens with a row drawn for its
// code: those games share nothing and are played one by one. Each guess
// after the opening is found by a depth-first search over the fields, from
// the most significant one, that drops every block of codes whose fixed
// fields already rule out one of the answers.

#include "evaluation/engine/Lauf.h"
#include "rules/Spielstand.h"
#include "rules/Zufall.h"

#include <cstdint>
#include <memory>

namespace quorbix {

// Plays strategy 4's games one after another; each worker has its own.
class Spieler {
public:
    Spieler(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben);
    ~Spieler();
    Spieler(const Spieler&) = delete;
    Spieler& operator=(const Spieler&) = delete;

    // The moves of the game of code `nummer` (counting order) opened with
    // `öffnung`, whose fields hold symbols.
    int Züge(std::uint32_t nummer, const Reihe& öffnung);

private:
    class Suche;
    std::unique_ptr<Suche> suche_;
};

// Hands out the codes to the workers. A worker takes a few codes at a time
// and draws their openings while it holds the run's lock, so the draws
// follow the counting order whatever the number of workers; the games it
// then plays alone.
class Einzelspiele {
public:
    // Draws every code's opening from `zufall`, on the workers' threads;
    // the workers report to `lauf`.
    Einzelspiele(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, Zufall& zufall, Lauf& lauf);
    Einzelspiele(const Einzelspiele&) = delete;
    Einzelspiele& operator=(const Einzelspiele&) = delete;

    // One worker: plays codes until none is left or the run stops.
    void arbeite();

private:
    static constexpr std::uint32_t Block = 64;

    Lauf& lauf_;
    std::int16_t felder_;
    std::int16_t farben_;
    Zufall& zufall_;
    std::uint32_t anzahlCodes_;
    std::uint32_t nächster_ = 0; // under the run's lock
};

} // namespace quorbix
