#pragma once
// The engine of the strategies with fixed opening rows (0 to 3): every game
// of the code space at once.
//
// After the opening, every guess is the first code in counting order that
// agrees with all answers so far. The codes that received the same answers
// are exactly the codes that agree with them, so they form one part of the
// code space and share their next guess: the part's first member. Splitting
// parts by the answer to their guess, level by level, finds every game's
// moves with one count per code and move.
//
// Each part is a contiguous range of `codes`; the ranges still to be split
// wait in a heap, smallest first code on top, so the codes come out in
// counting order and a run can show and stop after any code. Every worker
// takes the next part from the heap; parts are disjoint, so workers split
// theirs without sharing anything but the heap. The first split, of the
// whole space, is shared out in equal slices; it computes the codes from
// their numbers. Later splits regroup a part in place, so a run holds a
// single array of four bytes per code: the code in three bits per field, and
// above it the answer it got last. A regrouped part's order is arbitrary;
// its smallest member is found while its answers are counted.

#include "evaluation/engine/Buffer.h"
#include "evaluation/engine/Eroeffnung.h"
#include "evaluation/engine/Lauf.h"

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace quorbix {

class Teilung {
public:
    // Prepares the run's parts for `workers` workers, who report to `lauf`.
    // Takes all the large working storage here and throws std::bad_alloc if
    // there is not enough.
    Teilung(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, const Eröffnung& e, Lauf& lauf,
            unsigned workers);
    Teilung(const Teilung&) = delete;
    Teilung& operator=(const Teilung&) = delete;

    // Worker `w` (from 0): its slice of the first split, then parts from the
    // heap until none is left or the run stops.
    void arbeite(unsigned w);

private:
    // Field k (from 1) holds symbol - 1 in bits 3k-3..3k-1, so that comparing
    // codes compares them in counting order; unused fields are 0.
    using Kurz = std::uint32_t;
    static constexpr Kurz Maske = 0xFFFFFF;
    static constexpr unsigned Antwortstelle = 24;
    static constexpr Kurz Keiner = std::numeric_limits<Kurz>::max();
    static constexpr unsigned Antworten = 81; // black * 9 + (black + white)

    struct Teil {
        Kurz erster; // smallest member
        std::uint32_t anfang;
        std::uint32_t länge;
        int tiefe; // moves played
    };
    // Parts this small are split to the end at once, while their codes are
    // still in the cache, instead of waiting in the heap.
    static constexpr std::uint32_t Klein = 1024;

    // A worker's scratch for splitting, per answer; only the answers that
    // occurred are touched and cleared again. Large parts wait in `neu`
    // until the worker hands them to the heap.
    struct Scratch {
        Scratch(Kurz* s, std::uint32_t r) : spare(s), room(r) { kleinster.fill(Keiner); }
        // The worker's share of `spare_`: a part that fits is regrouped
        // through it, which is faster than in place.
        Kurz* spare;
        std::uint32_t room;
        std::array<std::uint32_t, Antworten> anzahl{};
        std::array<std::uint32_t, Antworten> nächster{};
        std::array<Kurz, Antworten> kleinster{};
        std::vector<Teil> neu;
    };

    // The answers a part got, in ascending order, and where their groups
    // begin; anfang[n] is the part's end.
    struct Gruppen {
        std::array<std::uint8_t, Antworten> liste;
        std::array<std::uint32_t, Antworten + 1> anfang;
        unsigned n = 0;
    };

    // Per half of a code (four fields, twelve bits): its symbol counts (one
    // byte per symbol), its code number's share, and for the difference of
    // two codes the fields where they agree. Fields beyond the code's count
    // nothing. `folge` holds the half's values in counting order, packed and
    // in place: code number i is folge[i % n] of the lower half with
    // folge[i / n] of the upper one, n being the lower half's count.
    struct Hälfte {
        std::array<std::uint64_t, 4096> anzahlen{};
        std::array<std::uint32_t, 4096> nummer{};
        std::array<std::uint8_t, 4096> gleich{};
        std::array<Kurz, 4096> folge{};
    };

    // A guess: an opening row may hold values that match no symbol; their
    // fields are marked in `fremd` and never agree.
    struct Tipp {
        Kurz code = 0;
        Kurz fremd = 0;
        std::uint64_t anzahlen = 0;
    };

    void legeHälftenAn();
    std::uint64_t anzahlen(Kurz c) const;
    std::uint32_t nummer(Kurz c) const;
    unsigned antwort(Kurz c, const Tipp& tipp) const;
    template <class Je> void durchlaufe(std::uint32_t von, std::uint32_t bis, Je je) const;
    static bool später(const Teil& a, const Teil& b) { return a.erster > b.erster; }

    void teileWurzel(unsigned w);
    void ordneWurzel();
    void gibWurzelteile();
    bool erledige(const Teil& t);
    void behandle(const Teil& t, Scratch& scratch);
    void teile(const Teil& t, Scratch& scratch);
    bool beantworte(const Teil& t, const Tipp& tipp, Scratch& scratch, Gruppen& g);
    bool verteile(const Teil& t, Scratch& scratch);
    bool gruppiere(const Gruppen& g, std::array<std::uint32_t, Antworten>& nächster);

    Lauf& lauf_;
    int felder_;
    Kurz farben_;
    std::uint32_t anzahlCodes_;
    std::uint32_t untereCodes_ = 1; // values of the lower half
    std::vector<Tipp> öffnung_;
    std::array<Hälfte, 2> hälften_;
    Buffer<Kurz> codes_;
    // Splitting moves a part out to here and back when it fits a worker's
    // share; parts beyond that are regrouped in place. A small share
    // suffices: few codes are in parts that large.
    static constexpr std::uint32_t SpareDivisor = 8;
    std::uint32_t spareEach_;
    Buffer<Kurz> spare_;
    std::vector<Teil> heap_; // under the run's lock, like `active_`
    unsigned active_ = 0;    // workers splitting a part taken from the heap
    // The first split: per worker, how many of its codes got each answer,
    // then where they go.
    unsigned workers_;
    std::vector<std::array<std::uint32_t, Antworten>> wurzel_;
    std::array<std::uint32_t, Antworten> wurzelAnfang_{}, wurzelAnzahl_{};
};

} // namespace quorbix
