#pragma once
// The fast evaluation of a strategy over a whole code space: for every code,
// in counting order, the number of moves its replayed game needs, without
// replaying every game candidate by candidate. Strategies with fixed
// opening rows split the code space by the answers (Teilung); strategy 4's
// games share nothing and are played one by one (Einzelspiele). Either engine
// runs on worker threads and gives the same moves for every code on any
// number of them.

#include "evaluation/engine/Buffer.h"
#include "evaluation/engine/Eroeffnung.h"
#include "evaluation/engine/Lauf.h"
#include "evaluation/engine/Zugliste.h"
#include "rules/Zufall.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

namespace quorbix {

class Teilung;
class Einzelspiele;

// A run over every code on worker threads. How a code's result reaches the
// list: a worker finishes the code's game and reports its moves (each code
// once, by one worker); the reading thread advances Bekannt() over the codes
// whose moves are known, in counting order, and hands them out one by one
// through NächsterCode().
class Auswertung {
public:
    // Prepares a run and starts `workers` workers (0: one per core).
    // Strategy 4 seeds `zufall` once from the time of day; the workers draw
    // each code's opening row from it, one at a time and in counting order,
    // so a source set with setzeQuelle is called on a worker thread. Takes
    // all the large working storage here and throws std::bad_alloc if there
    // is not enough; later steps take at most a few kilobytes more.
    Auswertung(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, std::int16_t Strategie,
               Zufall& zufall, unsigned workers = 0);
    // Stops the workers and waits for them.
    ~Auswertung();
    Auswertung(const Auswertung&) = delete;
    Auswertung& operator=(const Auswertung&) = delete;

    bool Fertig() const { return beendet_; }

    // How many codes from the first on have their moves known, without
    // waiting; at least the number handed out.
    std::uint32_t Bekannt();

    // Hands out the next code in counting order and returns its moves,
    // waiting for the workers if they have not finished it yet; not after
    // Fertig().
    int NächsterCode();

    // Hands out at most `höchstens` codes from the next one on, as many as
    // are known, at once into `bilanz`, without waiting; returns which
    // extremes changed.
    Bilanz::Extreme Übergib(std::uint32_t höchstens, Bilanz& bilanz);

    // Ends the run after the codes handed out so far: the workers stop and
    // what they did beyond is dropped, and the working storage is freed.
    // The move counts of the codes handed out stay.
    void Beenden();

    // Moves of the codes handed out (later entries may be filled too).
    const Zugliste& Züge() const { return lauf_.Züge(); }

private:
    Lauf lauf_;
    std::uint32_t erledigt_ = 0;
    std::uint32_t bekannt_ = 0;
    bool beendet_ = false;
    std::unique_ptr<Teilung> teilung_;
    std::unique_ptr<Einzelspiele> einzelspiele_;
    std::vector<std::thread> threads_;
};

} // namespace quorbix
