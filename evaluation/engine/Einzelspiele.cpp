#include "evaluation/engine/Einzelspiele.h"

#include "evaluation/engine/Eroeffnung.h"
#include "evaluation/engine/Symbolzahlen.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quorbix {

namespace {

// Sixteen byte lanes, one per move: SSE2 where the processor has it (every
// x86-64 does), plain bytes elsewhere.
class Bahnen {
public:
    static constexpr unsigned Anzahl = 16;

    Bahnen() = default;
    static Bahnen alle(std::uint8_t b) {
        Bahnen r;
        std::array<std::uint8_t, Anzahl> a;
        a.fill(b);
        r.lade(a);
        return r;
    }
    static Bahnen aus(const std::array<std::uint8_t, Anzahl>& a) {
        Bahnen r;
        r.lade(a);
        return r;
    }

#if defined(__SSE2__)
    friend Bahnen operator&(Bahnen a, Bahnen b) {
        return Bahnen(_mm_and_si128(a.v_, b.v_));
    }
    friend Bahnen operator|(Bahnen a, Bahnen b) {
        return Bahnen(_mm_or_si128(a.v_, b.v_));
    }
    friend Bahnen operator+(Bahnen a, Bahnen b) {
        return Bahnen(_mm_add_epi8(a.v_, b.v_));
    }
    // a without the bits of b.
    friend Bahnen ohne(Bahnen a, Bahnen b) {
        return Bahnen(_mm_andnot_si128(b.v_, a.v_));
    }
    // 0xFF in the lanes where a and b are equal, 0 elsewhere.
    friend Bahnen gleich(Bahnen a, Bahnen b) {
        return Bahnen(_mm_cmpeq_epi8(a.v_, b.v_));
    }
    // Each lane's low four bits, lane i at bits 4i..4i+3.
    std::uint64_t halbbytes() const {
        const __m128i x = _mm_and_si128(v_, _mm_set1_epi8(0x0F));
        const __m128i paare =
            _mm_and_si128(_mm_or_si128(x, _mm_srli_epi16(x, 4)), _mm_set1_epi16(0xFF));
        const __m128i gepackt = _mm_packus_epi16(paare, paare);
        std::uint64_t r = 0;
        std::memcpy(&r, &gepackt, sizeof r);
        return r;
    }
    // The bits set in any lane.
    std::uint8_t oder() const {
        const __m128i hälften = _mm_or_si128(v_, _mm_unpackhi_epi64(v_, v_));
        std::uint64_t x = 0;
        std::memcpy(&x, &hälften, sizeof x);
        x |= x >> 32;
        x |= x >> 16;
        return static_cast<std::uint8_t>(x | x >> 8);
    }

private:
    explicit Bahnen(__m128i v) : v_(v) {}
    void lade(const std::array<std::uint8_t, Anzahl>& a) {
        std::memcpy(&v_, a.data(), Anzahl);
    }
    __m128i v_ = _mm_setzero_si128();
#else
    template <class F> static Bahnen je(Bahnen a, Bahnen b, F f) {
        Bahnen r;
        for (unsigned i = 0; i < Anzahl; ++i) {
            r.v_[i] = static_cast<std::uint8_t>(f(a.v_[i], b.v_[i]));
        }
        return r;
    }
    friend Bahnen operator&(Bahnen a, Bahnen b) {
        return je(a, b, [](unsigned x, unsigned y) { return x & y; });
    }
    friend Bahnen operator|(Bahnen a, Bahnen b) {
        return je(a, b, [](unsigned x, unsigned y) { return x | y; });
    }
    friend Bahnen operator+(Bahnen a, Bahnen b) {
        return je(a, b, [](unsigned x, unsigned y) { return x + y; });
    }
    friend Bahnen ohne(Bahnen a, Bahnen b) {
        return je(a, b, [](unsigned x, unsigned y) { return x & ~y; });
    }
    friend Bahnen gleich(Bahnen a, Bahnen b) {
        return je(a, b, [](unsigned x, unsigned y) { return x == y ? 0xFFU : 0U; });
    }
    std::uint64_t halbbytes() const {
        std::uint64_t r = 0;
        for (unsigned i = 0; i < Anzahl; ++i) {
            r |= std::uint64_t{v_[i] & 0x0FU} << (4 * i);
        }
        return r;
    }
    std::uint8_t oder() const {
        std::uint8_t r = 0;
        for (const std::uint8_t b : v_) {
            r |= b;
        }
        return r;
    }

private:
    void lade(const std::array<std::uint8_t, Anzahl>& a) {
        v_ = a;
    }
    std::array<std::uint8_t, Anzahl> v_{};
#endif
};

} // namespace

// The search for a game's next guess. Each node fixes the fields above some
// field k and leaves fields 1..k open; per earlier move its lane holds
//   schwarz: the black pegs the open fields must still earn,
//   gesamt:  the black and white pegs they must still earn,
//   fehlend: the symbols the fixed fields hold fewer times than the guess
//            (one more of these earns a peg of `gesamt`).
// Both counts must lie within 0..k. So where a lane needs all k blacks,
// field k must take the guess's symbol there; where it needs none, any
// other; likewise a `gesamt` of k needs a symbol of `fehlend` and one of 0
// none of them. The symbols field k may take are found for all moves in one
// pass, and at the last open field the bounds are the exact test.
//
// On 7 and 8 fields a small table remembers the nodes found dead for the rest
// of the search: the open fields, the lanes' `schwarz` and the symbol counts
// of the fixed fields (capped at the most any guess holds) decide all of a
// node's lanes. On fewer fields it costs about what it saves. More than 16
// moves take several groups of lanes, without the table.
class Spieler::Suche {
public:
    Suche(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben)
        : felder_(AnzahlFelder), farben_(AnzahlFarben),
          farbMaske_(static_cast<unsigned>((1U << AnzahlFarben) - 1)),
          gedächtnis_(AnzahlFelder >= 7) {
        for (unsigned v = 1; v <= MaxFarben; ++v) {
            bit_[v] = Bahnen::alle(static_cast<std::uint8_t>(1U << (v - 1)));
        }
        for (unsigned k = 0; k <= MaxFelder; ++k) {
            zahl_[k] = Bahnen::alle(static_cast<std::uint8_t>(k));
        }
        if (gedächtnis_) {
            tabelle_.resize(std::size_t{1} << Tabellenbits);
        }
    }

    int spiele(std::uint32_t nummer, const Reihe& öffnung) {
        const Reihe geheim = CodeNummer(nummer, felder_, farben_);
        const std::uint64_t geheimAnzahlen = Symbolzahlen(geheim, felder_);
        gruppen_.clear();
        anzahlZüge_ = 0;
        kappe_.fill(0);
        Reihe zug = öffnung;
        for (int r = 1;; ++r) {
            unsigned schwarz = 0;
            for (int k = 1; k <= felder_; ++k) {
                schwarz += zug[k] == geheim[k] ? 1U : 0U;
            }
            if (schwarz == static_cast<unsigned>(felder_)) {
                return r;
            }
            merke(zug, schwarz, gemeinsame(Symbolzahlen(zug, felder_), geheimAnzahlen));
            // The search may start behind the last guess, except after the
            // opening, which is not a candidate. A guess that is not the
            // code comes before it, so it is never the last code.
            if (r == 1) {
                start_ = CodeNummer(0, felder_, farben_);
            } else {
                start_ = zug;
                [[maybe_unused]] const bool davor = Weiterzählen(start_, felder_, farben_);
                assert(davor);
            }
            zug = ersteStimmige();
        }
    }

private:
    // Sixteen moves, one byte lane each, kept as bytes so that a move is
    // written lane by lane; lanes not in use never rule anything out.
    using Bytes = std::array<std::uint8_t, Bahnen::Anzahl>;
    struct Gruppe {
        Gruppe() {
            schwarz.fill(Unbenutzt);
            gesamt.fill(Unbenutzt);
        }
        // The guess's symbol in field k, as a bit.
        alignas(16) std::array<Bytes, MaxFelder + 1> symbol{};
        // 0xFF where the guess holds symbol v in field k.
        alignas(16) std::array<std::array<Bytes, MaxFarben + 1>, MaxFelder + 1> gleich{};
        // 0xFF where the guess holds symbol v more than c times.
        alignas(16) std::array<std::array<Bytes, MaxFelder + 2>, MaxFarben + 1> mehr{};
        alignas(16) Bytes schwarz{};
        alignas(16) Bytes gesamt{};
        alignas(16) Bytes fehlend{};
    };
    struct Stand {
        Bahnen schwarz, gesamt, fehlend;
    };
    // A dead node: its lanes' black pegs still needed, four bits each, and
    // its open fields above the capped symbol counts, with the search it
    // belongs to above them.
    struct Eintrag {
        std::uint64_t schwarz;
        std::uint64_t rest;
    };
    static constexpr unsigned Stempelstelle = 35;
    static constexpr std::uint32_t Stempelgrenze = 1U << (64 - Stempelstelle);
    static constexpr std::uint8_t Unbenutzt = 0x40;
    static constexpr unsigned Tabellenbits = 12; // 4,096 slots
    // Nodes with this many open fields are looked up; fewer cost more to
    // look up than to search.
    static constexpr int GedächtnisVon = 3;
    static constexpr int GedächtnisBis = 5;

    void merke(const Reihe& zug, unsigned schwarz, unsigned gesamt) {
        const unsigned bahn = anzahlZüge_ % Bahnen::Anzahl;
        if (bahn == 0) {
            gruppen_.emplace_back();
        }
        Gruppe& g = gruppen_.back();
        std::array<unsigned, MaxFarben + 1> zugAnzahl{};
        for (int k = 1; k <= felder_; ++k) {
            // Random openings and candidates hold symbols only.
            assert(zug[k] >= 1 && zug[k] <= farben_);
            const auto v = static_cast<std::size_t>(zug[k]);
            ++zugAnzahl[v];
            g.symbol[static_cast<std::size_t>(k)][bahn] = static_cast<std::uint8_t>(1U << (v - 1));
            g.gleich[static_cast<std::size_t>(k)][v][bahn] = 0xFF;
        }
        std::uint8_t symbole = 0;
        for (std::size_t v = 1; v <= MaxFarben; ++v) {
            for (unsigned c = 0; c < zugAnzahl[v]; ++c) {
                g.mehr[v][c][bahn] = 0xFF;
            }
            if (zugAnzahl[v] > 0) {
                symbole = static_cast<std::uint8_t>(symbole | (1U << (v - 1)));
            }
            kappe_[v] = std::max(kappe_[v], zugAnzahl[v]);
        }
        g.schwarz[bahn] = static_cast<std::uint8_t>(schwarz);
        g.gesamt[bahn] = static_cast<std::uint8_t>(gesamt);
        g.fehlend[bahn] = symbole;
        ++anzahlZüge_;
    }

    Reihe ersteStimmige() {
        const std::size_t n = gruppen_.size();
        stand_.resize(static_cast<std::size_t>(felder_ + 1) * n);
        for (std::size_t i = 0; i < n; ++i) {
            stand_[static_cast<std::size_t>(felder_) * n + i] =
                Stand{Bahnen::aus(gruppen_[i].schwarz), Bahnen::aus(gruppen_[i].gesamt),
                      Bahnen::aus(gruppen_[i].fehlend)};
        }
        anzahl_.fill(0);
        gekappt_ = 0;
        if (++stempel_ == Stempelgrenze) {
            std::fill(tabelle_.begin(), tabelle_.end(), Eintrag{});
            stempel_ = 1;
        }
        code_ = Reihe{};
        // The code under evaluation agrees with every answer and comes at
        // or after the start, so the search cannot fail: if it does, the
        // engine is wrong, and says so as the plain replay does.
        const bool gefunden = n > 1         ? beginne<false, 0>()
                              : gedächtnis_ ? beginne<true, 1>()
                                            : beginne<false, 1>();
        if (!gefunden) {
            throw std::logic_error("STOP");
        }
        return code_;
    }

    template <bool Gedächtnis, std::size_t G> bool beginne() {
        switch (felder_) {
        case 1:
            return wurzel<1, Gedächtnis, G>();
        case 2:
            return wurzel<2, Gedächtnis, G>();
        case 3:
            return wurzel<3, Gedächtnis, G>();
        case 4:
            return wurzel<4, Gedächtnis, G>();
        case 5:
            return wurzel<5, Gedächtnis, G>();
        case 6:
            return wurzel<6, Gedächtnis, G>();
        case 7:
            return wurzel<7, Gedächtnis, G>();
        default:
            return wurzel<8, Gedächtnis, G>();
        }
    }

    // The search's root, whose symbols no parent has found.
    template <int K, bool Gedächtnis, std::size_t G> bool wurzel() {
        const std::size_t n = G != 0 ? G : gruppen_.size();
        const unsigned erlaubt = erlaubteSymbole<K, G, true>(&stand_[K * n]);
        return erlaubt != 0 && suche<K, Gedächtnis, G, true>(erlaubt);
    }

    Eintrag* platz(std::uint64_t schwarz, std::uint64_t rest) {
        std::uint64_t h = (schwarz * 0x9E3779B97F4A7C15ULL) ^ (rest * 0xC2B2AE3D27D4EB4FULL);
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ULL;
        return &tabelle_[h >> (64 - Tabellenbits)];
    }

    // The symbols field K may take, for every earlier move at once.
    template <int K, std::size_t G, bool Eng> unsigned erlaubteSymbole(const Stand* hier) const {
        const std::size_t n = G != 0 ? G : gruppen_.size();
        constexpr auto feld = static_cast<std::size_t>(K);
        const Bahnen offen = zahl_[feld];
        const Bahnen null = zahl_[0];
        Bahnen verboten;
        for (std::size_t i = 0; i < n; ++i) {
            const Stand& s = hier[i];
            const Bahnen symbol = Bahnen::aus(gruppen_[i].symbol[feld]);
            verboten = verboten | ohne(gleich(s.schwarz, offen), symbol) |
                       (gleich(s.schwarz, null) & symbol) |
                       ohne(gleich(s.gesamt, offen), s.fehlend) |
                       (gleich(s.gesamt, null) & s.fehlend);
        }
        unsigned erlaubt = ~unsigned{verboten.oder()} & farbMaske_;
        if constexpr (Eng) {
            erlaubt &= ~0U << (start_[feld] - 1);
        }
        return erlaubt;
    }

    // The table's slot for the node with K open fields; nothing where the
    // table is not asked. `schlüssel` is what a dead node there would hold.
    template <int K, bool Gedächtnis, bool Eng>
    Eintrag* platzFür(const Stand* hier, Eintrag& schlüssel) {
        if constexpr (Gedächtnis && !Eng && K >= GedächtnisVon && K <= GedächtnisBis) {
            // Four bits a lane: the counts are at most 8, and a lane not in
            // use keeps its value for the whole search.
            schlüssel = {hier[0].schwarz.halbbytes(),
                         gekappt_ | std::uint64_t{static_cast<unsigned>(K)} << 32 |
                             std::uint64_t{stempel_} << Stempelstelle};
            return platz(schlüssel.schwarz, schlüssel.rest);
        } else {
            (void)hier;
            (void)schlüssel;
            return nullptr;
        }
    }

    // The lanes of the child that puts symbol v into field `feld`.
    template <std::size_t G>
    void setzeKind(std::size_t feld, std::size_t v, const Stand* hier, Stand* unten) const {
        const std::size_t n = G != 0 ? G : gruppen_.size();
        const Bahnen bit = bit_[v];
        const auto c = static_cast<std::size_t>(anzahl_[v]);
        for (std::size_t i = 0; i < n; ++i) {
            const Gruppe& g = gruppen_[i];
            unten[i].schwarz = hier[i].schwarz + Bahnen::aus(g.gleich[feld][v]);
            unten[i].gesamt = hier[i].gesamt + Bahnen::aus(g.mehr[v][c]);
            unten[i].fehlend = ohne(hier[i].fehlend, bit) | (Bahnen::aus(g.mehr[v][c + 1]) & bit);
        }
    }

    // The node with fields 1..K open, whose field K may take the symbols
    // `erlaubt` (none is empty); `Eng`: the fields above equal those of the
    // start, so field K may not go below the start's. Each child's own
    // symbols are found here, so that a dead child costs no call.
    template <int K, bool Gedächtnis, std::size_t G, bool Eng> bool suche(unsigned erlaubt) {
        const std::size_t n = G != 0 ? G : gruppen_.size();
        constexpr auto feld = static_cast<std::size_t>(K);
        const Stand* hier = &stand_[feld * n];
        if constexpr (K == 1) {
            code_[1] = static_cast<std::int16_t>(std::countr_zero(erlaubt) + 1);
            return true;
        } else {
            Eintrag schlüssel{};
            Eintrag* eintrag = platzFür<K, Gedächtnis, Eng>(hier, schlüssel);
            if (eintrag != nullptr && eintrag->schwarz == schlüssel.schwarz &&
                eintrag->rest == schlüssel.rest) {
                return false;
            }
            Stand* unten = &stand_[(feld - 1) * n];
            while (erlaubt != 0) {
                const auto v = static_cast<std::size_t>(std::countr_zero(erlaubt) + 1);
                erlaubt &= erlaubt - 1;
                setzeKind<G>(feld, v, hier, unten);
                const bool eng = Eng && static_cast<int>(v) == start_[feld];
                const unsigned kind = eng ? erlaubteSymbole<K - 1, G, Eng>(unten)
                                          : erlaubteSymbole<K - 1, G, false>(unten);
                if (kind == 0) {
                    continue;
                }
                code_[feld] = static_cast<std::int16_t>(v);
                const std::uint64_t schritt =
                    anzahl_[v] < kappe_[v] ? std::uint64_t{1} << (4 * (v - 1)) : 0;
                ++anzahl_[v];
                gekappt_ += schritt;
                if (eng ? suche<K - 1, Gedächtnis, G, Eng>(kind)
                        : suche<K - 1, Gedächtnis, G, false>(kind)) {
                    return true;
                }
                --anzahl_[v];
                gekappt_ -= schritt;
            }
            if (eintrag != nullptr) {
                *eintrag = schlüssel;
            }
            return false;
        }
    }

    std::int16_t felder_;
    std::int16_t farben_;
    unsigned farbMaske_;
    bool gedächtnis_;
    std::array<Bahnen, MaxFarben + 1> bit_{};
    std::array<Bahnen, MaxFelder + 1> zahl_{};
    std::vector<Gruppe> gruppen_;
    unsigned anzahlZüge_ = 0;
    // The most times any guess so far holds each symbol.
    std::array<unsigned, MaxFarben + 1> kappe_{};
    // Search state: the start, the code being built, its symbol counts
    // (also capped by kappe_, four bits per symbol), and per open fields and
    // group the lanes.
    Reihe start_{};
    Reihe code_{};
    std::array<unsigned, MaxFarben + 1> anzahl_{};
    std::uint64_t gekappt_ = 0;
    std::vector<Stand> stand_;
    std::vector<Eintrag> tabelle_;
    std::uint32_t stempel_ = 0;
};

Spieler::Spieler(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben)
    : suche_(std::make_unique<Suche>(AnzahlFelder, AnzahlFarben)) {}

Spieler::~Spieler() = default;

int Spieler::Züge(std::uint32_t nummer, const Reihe& öffnung) {
    return suche_->spiele(nummer, öffnung);
}

Einzelspiele::Einzelspiele(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, Zufall& zufall,
                           Lauf& lauf)
    : lauf_(lauf), felder_(AnzahlFelder), farben_(AnzahlFarben), zufall_(zufall),
      anzahlCodes_(AnzahlCodes(AnzahlFelder, AnzahlFarben)) {}

void Einzelspiele::arbeite() {
    Spieler spieler(felder_, farben_);
    std::array<Reihe, Block> öffnungen{};
    std::uint32_t von = 0;
    std::uint32_t bis = 0;
    const auto nimm = [&] {
        if (nächster_ == anzahlCodes_) {
            return false;
        }
        von = nächster_;
        bis = std::min(anzahlCodes_, von + Block);
        nächster_ = bis;
        for (std::uint32_t i = von; i < bis; ++i) {
            ZieheZufallsreihe(öffnungen[i - von], felder_, farben_, zufall_);
        }
        return true;
    };
    while (lauf_.take([] { return true; }, nimm)) {
        for (std::uint32_t i = von; i < bis; ++i) {
            if (lauf_.stopped()) {
                return;
            }
            lauf_.melde(i, spieler.Züge(i, öffnungen[i - von]));
        }
        lauf_.notify();
    }
}

} // namespace quorbix
