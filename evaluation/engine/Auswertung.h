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
// cannot agree with the answers.

#include "evaluation/engine/Eroeffnung.h"
#include "rules/Zufall.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace quorbix {

// Move counts of a run, one byte per code; the rare count beyond a byte is
// kept aside. 0 means not yet known.
class Zugliste {
public:
    explicit Zugliste(std::uint32_t anzahl = 0);

    std::uint32_t size() const { return static_cast<std::uint32_t>(werte_.size()); }
    int operator[](std::uint32_t nummer) const {
        const std::uint8_t w = werte_[nummer];
        return w == Groß ? groß_.at(nummer) : w;
    }
    bool bekannt(std::uint32_t nummer) const { return werte_[nummer] != 0; }
    void setze(std::uint32_t nummer, int züge);

private:
    static constexpr std::uint8_t Groß = 255;
    std::vector<std::uint8_t> werte_;
    std::unordered_map<std::uint32_t, int> groß_;
};

// Count, total, extremes and average of the codes evaluated so far.
struct Bilanz {
    std::uint32_t Codes = 0;
    std::int64_t Summe = 0;
    int Minimum = 0;
    int Maximum = 0;

    // Returns which extremes changed: bit 0 the minimum, bit 1 the maximum.
    unsigned zähle(int züge);
    // The average in tenths of a move, rounded half to even; 0 without codes.
    std::int64_t MittelZehntel() const;
};

class Auswertung {
public:
    // Prepares a run; strategy 4 seeds `zufall` once from the time of day and
    // draws each code's opening row from it in counting order. Takes all the
    // large working storage here and throws std::bad_alloc if there is not
    // enough; later steps take at most a few kilobytes more.
    Auswertung(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, std::int16_t Strategie,
               Zufall& zufall);
    ~Auswertung();
    Auswertung(const Auswertung&) = delete;
    Auswertung& operator=(const Auswertung&) = delete;

    std::uint32_t AnzahlCodes() const { return züge_.size(); }
    std::uint32_t Erledigt() const { return erledigt_; }
    bool Fertig() const { return beendet_; }

    // Evaluates code number Erledigt() and returns its moves; not after
    // Fertig().
    int NächsterCode();

    // Ends the run after the codes evaluated so far and frees the working
    // storage; their move counts stay.
    void Beenden();

    // The most bytes one block of a run's working storage may take; a larger
    // block fails with std::bad_alloc as on a system out of memory. No limit
    // unless lowered (tests fail a run this way without exhausting memory).
    static std::size_t Speichergrenze;

    // Moves of the codes 0..Erledigt()-1 (later entries may be filled too).
    const Zugliste& Züge() const { return züge_; }

private:
    struct Teile;
    struct Einzelspiele;

    Zugliste züge_;
    std::uint32_t erledigt_ = 0;
    bool beendet_ = false;
    std::unique_ptr<Teile> teile_;
    std::unique_ptr<Einzelspiele> einzeln_;
};

} // namespace quorbix
