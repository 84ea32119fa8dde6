#pragma once
// The fast evaluation of a strategy over a whole code space: for every code,
// in counting order, the number of moves the plain replay (Nachspiel) needs,
// without replaying every game candidate by candidate.
//
// After the opening, every guess is the first code in counting order that
// agrees with all answers so far. The codes that received the same answers
// are exactly the codes that agree with them, so they form one part of the
// code space and share their next guess: the part's first member. Splitting
// parts by the answer to their guess, level by level, finds every game's
// moves with one count per code and move. Parts are split smallest first,
// so the codes come out in counting order and a run can show and stop after
// any code. Strategy 4 opens every game with a row of its own; those games
// share nothing and are searched one by one, pruning blocks of codes that
// cannot agree with the answers. Either way the work runs on worker threads
// and gives the same moves for every code on any number of them.

#include "evaluation/engine/Buffer.h"
#include "evaluation/engine/Eroeffnung.h"
#include "evaluation/engine/Zugliste.h"
#include "rules/Zufall.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace quorbix {

// A run over every code on worker threads. How a code's result reaches the
// list: a worker finishes the code's game and stores its moves in the
// Zugliste (each code is written once, by one worker); the reading thread
// advances Bekannt() over the codes whose moves are stored, in counting
// order, and hands them out one by one through NächsterCode(). The workers
// share only what the work needs: the parts still to be split (strategies
// 0 to 3) or the next code and the random generator (strategy 4), behind one
// lock, which the reader also waits on.
class Auswertung {
public:
    // Prepares a run and starts `arbeiter` workers (0: one per core).
    // Strategy 4 seeds `zufall` once from the time of day; the workers draw
    // each code's opening row from it, one at a time and in counting order,
    // so a source set with setzeQuelle is called on a worker thread. Takes
    // all the large working storage here and throws std::bad_alloc if there
    // is not enough; later steps take at most a few kilobytes more.
    Auswertung(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, std::int16_t Strategie,
               Zufall& zufall, unsigned arbeiter = 0);
    // Stops the workers and waits for them.
    ~Auswertung();
    Auswertung(const Auswertung&) = delete;
    Auswertung& operator=(const Auswertung&) = delete;

    // One worker per core the system reports, at least one.
    static unsigned Kerne();

    // Strategy 4's game of one code, opened with `öffnung`; returns its
    // moves. Lets a sample of a space too large to run whole be timed.
    static int Einzelspiel(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben,
                           std::uint32_t nummer, const Reihe& öffnung);

    bool Fertig() const { return beendet_; }

    // How many codes from the first on have their moves known, without
    // waiting; at least the number handed out.
    std::uint32_t Bekannt();

    // Hands out the next code in counting order and returns its moves,
    // waiting for the workers if they have not finished it yet; not after
    // Fertig().
    int NächsterCode();

    // Ends the run after the codes handed out so far: the workers stop and
    // what they did beyond is dropped, and the working storage is freed.
    // The move counts of the codes handed out stay.
    void Beenden();

    // The most bytes one block of a run's working storage may take.
    static inline std::size_t& Speichergrenze = quorbix::Speichergrenze;

    // Moves of the codes handed out (later entries may be filled too).
    const Zugliste& Züge() const { return züge_; }

private:
    struct Teile;
    struct Einzelspiele;
    struct Ziehung;

    // Workers call this when they stored codes: a waiting reader looks again.
    void gemeldet();

    Zugliste züge_;
    std::uint32_t erledigt_ = 0;
    std::uint32_t bekannt_ = 0;
    bool beendet_ = false;
    std::mutex sperre_;
    std::condition_variable fortschritt_;
    std::atomic<bool> stopp_{false};
    std::unique_ptr<Teile> teile_;
    std::unique_ptr<Ziehung> ziehung_;
    std::vector<std::thread> arbeiter_;
};

} // namespace quorbix
