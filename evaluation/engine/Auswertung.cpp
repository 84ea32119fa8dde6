#include "evaluation/engine/Auswertung.h"

#include <algorithm>
#include <array>
#include <barrier>
#include <bit>
#include <cassert>
#include <limits>
#include <new>
#include <system_error>

namespace quorbix {

namespace {

// Sum over the symbols of the smaller count: black plus white.
inline unsigned gemeinsame(std::uint64_t a, std::uint64_t b) {
    constexpr std::uint64_t H = 0x8080808080808080ULL;
    const std::uint64_t d = (a | H) - b;            // no byte borrows: counts are at most 8
    const std::uint64_t ab = ((d & H) >> 7) * 0xFF; // bytes where a >= b
    const std::uint64_t min = (b & ab) | (a & ~ab);
    return static_cast<unsigned>((min * 0x0101010101010101ULL) >> 56);
}

constexpr unsigned Antworten = 81; // black * 9 + (black + white)

inline unsigned antwortNummer(unsigned schwarz, unsigned gesamt) {
    return schwarz * 9 + gesamt;
}

// Long loops look at the stop request once per this many codes.
constexpr std::uint32_t Stoppabstand = 0xFFFF;

} // namespace

// Games with fixed opening rows: the code space split into parts of codes
// that received the same answers. Each part is a contiguous range of
// `codes`; the ranges still to be split wait in a heap, smallest first code
// on top, from which every worker takes the next. Parts are disjoint, so
// workers split theirs without sharing anything but the heap. The first
// split, of the whole space, is shared out in equal slices; it computes the
// codes from their numbers. Later splits regroup a part in place, so a run
// holds a single array of four bytes per code: the code in three bits per
// field, and above it the answer it got last. A regrouped part's order is
// arbitrary; its smallest member is found while its answers are counted.
struct Auswertung::Teile {
    // Field k (from 1) holds symbol - 1 in bits 3k-3..3k-1, so that comparing
    // codes compares them in counting order; unused fields are 0.
    using Kurz = std::uint32_t;
    static constexpr Kurz Maske = 0xFFFFFF;
    static constexpr unsigned Antwortstelle = 24;
    static constexpr Kurz Keiner = std::numeric_limits<Kurz>::max();

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
    struct Werkbank {
        Werkbank(Kurz* a, std::uint32_t p) : ablage(a), platz(p) { kleinster.fill(Keiner); }
        // The worker's share of `ablage`: a part that fits is regrouped
        // through it, which is faster than in place.
        Kurz* ablage;
        std::uint32_t platz;
        std::array<std::uint32_t, Antworten> anzahl{};
        std::array<std::uint32_t, Antworten> nächster{};
        std::array<Kurz, Antworten> kleinster{};
        std::vector<Teil> neu;
    };

    // The first split's barrier runs one step between the phases, on one
    // thread while the others wait.
    struct Zwischenschritt {
        Teile* teile;
        void operator()() noexcept { teile->zwischen(); }
    };

    // Per half of a code (four fields, twelve bits): its symbol counts (one
    // byte per symbol), its code number's share, and for the difference of
    // two codes the fields where they agree. Fields beyond the code's count
    // nothing.
    struct Hälfte {
        std::array<std::uint64_t, 4096> anzahlen{};
        std::array<std::uint32_t, 4096> nummer{};
        std::array<std::uint8_t, 4096> gleich{};
    };

    // A guess: an opening row may hold values that match no symbol; their
    // fields are marked in `fremd` and never agree.
    struct Zug {
        Kurz code = 0;
        Kurz fremd = 0;
        std::uint64_t anzahlen = 0;
    };

    Auswertung& lauf;
    int felder;
    Kurz farben;
    std::vector<Zug> öffnung;
    std::array<Hälfte, 2> hälften;
    Buffer<Kurz> codes;
    // Splitting moves a part out to here and back when it fits a worker's
    // share; parts beyond that are regrouped in place. A small share
    // suffices: few codes are in parts that large.
    static constexpr std::uint32_t Ablageteil = 8;
    std::uint32_t ablageJeArbeiter;
    Buffer<Kurz> ablage;
    Zugliste& züge;
    std::vector<Teil> haufen; // behind lauf.sperre_, like `aktiv`
    unsigned aktiv = 0;       // workers splitting a part taken from the heap
    // The first split: per worker, how many of its codes got each answer,
    // then where they go.
    unsigned arbeiter;
    std::vector<std::array<std::uint32_t, Antworten>> wurzel;
    std::array<std::uint32_t, Antworten> wurzelAnfang{}, wurzelAnzahl{};
    int phase = 0;
    std::barrier<Zwischenschritt> schranke;

    Teile(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, const Eröffnung& e, Auswertung& a,
          unsigned n)
        : lauf(a), felder(AnzahlFelder), farben(static_cast<Kurz>(AnzahlFarben)),
          codes(a.züge_.size()), ablageJeArbeiter(a.züge_.size() / Ablageteil / n),
          ablage(std::size_t{ablageJeArbeiter} * n), züge(a.züge_), arbeiter(n), wurzel(n),
          schranke(static_cast<std::ptrdiff_t>(n), Zwischenschritt{this}) {
        // Waiting parts are disjoint and larger than Klein, but for the
        // first split's: taken now, the heap never needs memory in the
        // middle of a run.
        haufen.reserve(züge.size() / (Klein + 1) + 1 + Antworten);
        for (const Reihe& r : e.Reihen) {
            Zug z;
            for (int k = felder; k >= 1; --k) {
                const bool symbol = r[k] >= 1 && r[k] <= MaxFarben;
                z.code = (z.code << 3) | (symbol ? static_cast<Kurz>(r[k] - 1) : 0);
                z.fremd = (z.fremd << 3) | (symbol ? 0 : 1);
                z.anzahlen += symbol ? std::uint64_t{1} << (8 * (r[k] - 1)) : 0;
            }
            öffnung.push_back(z);
        }
        std::uint32_t stelle = 1;
        for (int h = 0; h < 2; ++h) {
            Hälfte& hälfte = hälften[static_cast<std::size_t>(h)];
            const int da = std::clamp(felder - 4 * h, 0, 4); // fields in this half
            for (std::uint32_t x = 0; x < 4096; ++x) {
                std::uint32_t s = 1;
                for (int k = 0; k < da; ++k) {
                    const std::uint32_t d = (x >> (3 * k)) & 7;
                    hälfte.anzahlen[x] += std::uint64_t{1} << (8 * d);
                    hälfte.nummer[x] += d * stelle * s;
                    hälfte.gleich[x] += d == 0 ? 1 : 0;
                    s *= farben;
                }
            }
            for (int k = 0; k < da; ++k) {
                stelle *= farben;
            }
        }
    }

    Kurz kurz(const Reihe& reihe) const {
        Kurz c = 0;
        for (int k = felder; k >= 1; --k) {
            c = (c << 3) | static_cast<Kurz>(reihe[k] - 1);
        }
        return c;
    }

    std::uint64_t anzahlen(Kurz c) const {
        return hälften[0].anzahlen[c & 0xFFF] + hälften[1].anzahlen[(c >> 12) & 0xFFF];
    }

    std::uint32_t nummer(Kurz c) const {
        return hälften[0].nummer[c & 0xFFF] + hälften[1].nummer[(c >> 12) & 0xFFF];
    }

    // The next code in counting order; not after the last.
    Kurz weiter(Kurz c) const {
        for (int k = 0; k < felder; ++k) {
            const int stelle = 3 * k;
            if (((c >> stelle) & 7) + 1 < farben) {
                return c + (Kurz{1} << stelle);
            }
            c &= ~(Kurz{7} << stelle);
        }
        return c;
    }

    bool gestoppt() const { return lauf.stopp_.load(std::memory_order_relaxed); }

    static bool später(const Teil& a, const Teil& b) { return a.erster > b.erster; }

    Zug alsZug(Kurz c) const { return Zug{c, 0, anzahlen(c)}; }

    unsigned antwort(Kurz c, const Zug& zug) const {
        const Kurz x = (c ^ zug.code) | zug.fremd;
        const unsigned schwarz = hälften[0].gleich[x & 0xFFF] + hälften[1].gleich[x >> 12];
        return antwortNummer(schwarz, gemeinsame(anzahlen(c), zug.anzahlen));
    }

    // Worker `w` of `arbeiter`: its slice of the first split, then parts
    // from the heap until none is left or the run stops.
    void arbeite(unsigned w) {
        teileWurzel(w);
        Werkbank bank(&ablage[std::size_t{ablageJeArbeiter} * w], ablageJeArbeiter);
        for (;;) {
            Teil t;
            {
                std::unique_lock sperre(lauf.sperre_);
                lauf.fortschritt_.wait(
                    sperre, [&] { return lauf.stopp_.load() || !haufen.empty() || aktiv == 0; });
                if (lauf.stopp_.load() || haufen.empty()) {
                    break;
                }
                std::pop_heap(haufen.begin(), haufen.end(), später);
                t = haufen.back();
                haufen.pop_back();
                ++aktiv;
            }
            if (!erledige(t)) {
                teile(t, bank);
            }
            {
                const std::lock_guard sperre(lauf.sperre_);
                for (const Teil& n : bank.neu) {
                    haufen.push_back(n);
                    std::push_heap(haufen.begin(), haufen.end(), später);
                }
                --aktiv;
            }
            bank.neu.clear();
            // Wakes the reader and the workers waiting for parts or the end.
            lauf.fortschritt_.notify_all();
        }
        // The first split may have been all there was to do.
        lauf.gemeldet();
    }

    // The whole space played against the first opening row: each worker
    // counts the answers of its slice of the codes, then, once every slice
    // is counted, answers them again and writes each to where its answer's
    // group begins, after the groups of the slices before it. Groups keep
    // counting order.
    void teileWurzel(unsigned w) {
        const std::uint32_t von =
            static_cast<std::uint32_t>(std::uint64_t{züge.size()} * w / arbeiter);
        const std::uint32_t bis =
            static_cast<std::uint32_t>(std::uint64_t{züge.size()} * (w + 1) / arbeiter);
        const Zug& zug = öffnung[0];
        const Kurz erster = kurz(
            CodeNummer(von, static_cast<std::int16_t>(felder), static_cast<std::int16_t>(farben)));
        std::array<std::uint32_t, Antworten>& ziel = wurzel[w];
        Kurz c = erster;
        for (std::uint32_t i = von; i < bis; ++i) {
            if ((i & Stoppabstand) == 0 && gestoppt()) {
                break;
            }
            ++ziel[antwort(c, zug)];
            c = weiter(c);
        }
        schranke.arrive_and_wait();
        // A stop seen by any slice is seen by all after the barrier.
        c = erster;
        for (std::uint32_t i = von; i < bis && !gestoppt(); ++i) {
            codes[ziel[antwort(c, zug)]++] = c;
            c = weiter(c);
        }
        schranke.arrive_and_wait();
    }

    // Between the first split's phases: counts become places, then the
    // groups become parts.
    void zwischen() {
        if (phase++ == 0) {
            std::uint32_t pos = 0;
            for (unsigned a = 0; a < Antworten; ++a) {
                wurzelAnfang[a] = pos;
                for (auto& w : wurzel) {
                    const std::uint32_t n = w[a];
                    w[a] = pos;
                    pos += n;
                }
                wurzelAnzahl[a] = pos - wurzelAnfang[a];
            }
            return;
        }
        if (gestoppt()) {
            return;
        }
        for (unsigned a = 0; a < Antworten; ++a) {
            if (wurzelAnzahl[a] == 0) {
                continue;
            }
            if (a == antwortNummer(static_cast<unsigned>(felder), static_cast<unsigned>(felder))) {
                züge.setze(nummer(öffnung[0].code), 1);
            } else {
                haufen.push_back(Teil{codes[wurzelAnfang[a]], wurzelAnfang[a], wurzelAnzahl[a], 1});
                std::push_heap(haufen.begin(), haufen.end(), später);
            }
        }
    }

    // Settles a part whose moves follow without playing: true if done.
    bool erledige(const Teil& t) {
        if (t.tiefe < static_cast<int>(öffnung.size()) || t.länge > 2) {
            return false;
        }
        // The first is guessed next; the other is all that is left.
        züge.setze(nummer(t.erster), t.tiefe + 1);
        if (t.länge == 2) {
            const Kurz a = codes[t.anfang] & Maske;
            züge.setze(nummer(a == t.erster ? codes[t.anfang + 1] & Maske : a), t.tiefe + 2);
        }
        return true;
    }

    void behandle(const Teil& t, Werkbank& bank) {
        if (erledige(t)) {
            return;
        }
        if (t.länge <= Klein) {
            teile(t, bank);
        } else {
            bank.neu.push_back(t);
        }
    }

    // Plays the part's next guess and splits the rest of it by the answers.
    void teile(const Teil& t, Werkbank& bank) {
        if (gestoppt()) {
            return;
        }
        auto& anzahl = bank.anzahl;
        auto& nächster = bank.nächster;
        auto& kleinster = bank.kleinster;
        const auto räumen = [&] {
            anzahl.fill(0);
            kleinster.fill(Keiner);
        };
        const Zug zug = t.tiefe < static_cast<int>(öffnung.size())
                            ? öffnung[static_cast<std::size_t>(t.tiefe)]
                            : alsZug(t.erster);
        std::array<std::uint64_t, 2> vorhanden{};
        const std::uint32_t ende = t.anfang + t.länge;
        for (std::uint32_t i = t.anfang; i < ende; ++i) {
            if ((i & Stoppabstand) == 0 && gestoppt()) {
                räumen();
                return;
            }
            const Kurz c = codes[i] & Maske;
            const unsigned a = antwort(c, zug);
            codes[i] = c | (Kurz{a} << Antwortstelle);
            ++anzahl[a];
            kleinster[a] = std::min(kleinster[a], c);
            vorhanden[a >> 6] |= std::uint64_t{1} << (a & 63);
        }
        // The answers that occurred, in ascending order, and where their
        // groups begin.
        std::array<std::uint8_t, Antworten> liste;
        std::array<std::uint32_t, Antworten + 1> anfang;
        unsigned n = 0;
        std::uint32_t pos = 0;
        for (unsigned w = 0; w < 2; ++w) {
            for (std::uint64_t bits = vorhanden[w]; bits != 0; bits &= bits - 1) {
                const unsigned a = 64 * w + static_cast<unsigned>(std::countr_zero(bits));
                liste[n] = static_cast<std::uint8_t>(a);
                anfang[n] = t.anfang + pos;
                nächster[a] = t.anfang + pos;
                pos += anzahl[a];
                ++n;
            }
        }
        anfang[n] = ende;
        if (n > 1 &&
            !(t.länge <= bank.platz ? verteile(t, bank) : gruppiere(liste, anfang, n, nächster))) {
            räumen();
            return;
        }
        const unsigned gefunden =
            antwortNummer(static_cast<unsigned>(felder), static_cast<unsigned>(felder));
        std::array<Teil, Antworten> neue;
        unsigned m = 0;
        for (unsigned k = 0; k < n; ++k) {
            const unsigned a = liste[k];
            if (a == gefunden) {
                züge.setze(nummer(zug.code), t.tiefe + 1);
            } else {
                neue[m++] = Teil{kleinster[a], anfang[k], anzahl[a], t.tiefe + 1};
            }
            anzahl[a] = 0;
            kleinster[a] = Keiner;
        }
        // The scratch is free again: small parts may be split right away.
        for (unsigned k = 0; k < m; ++k) {
            behandle(neue[k], bank);
        }
    }

    // Moves the part's codes to their answers' groups in the worker's share
    // of `ablage`, and back. False if the run stopped meanwhile.
    bool verteile(const Teil& t, Werkbank& bank) {
        auto& nächster = bank.nächster;
        for (std::uint32_t i = t.anfang; i < t.anfang + t.länge; ++i) {
            if ((i & Stoppabstand) == 0 && gestoppt()) {
                return false;
            }
            const Kurz c = codes[i];
            bank.ablage[nächster[c >> Antwortstelle]++ - t.anfang] = c;
        }
        std::copy(bank.ablage, bank.ablage + t.länge, &codes[t.anfang]);
        return true;
    }

    // Moves every code of the range to its answer's group, in place: a code
    // out of place is carried to the next free place of its group, taking up
    // the code found there, until one for the place it started from turns
    // up. `nächster` holds where each group's free places begin. False if
    // the run stopped meanwhile.
    bool gruppiere(const std::array<std::uint8_t, Antworten>& liste,
                   const std::array<std::uint32_t, Antworten + 1>& anfang, unsigned n,
                   std::array<std::uint32_t, Antworten>& nächster) {
        std::uint32_t bewegt = 0;
        // Once all groups but the last are filled, the last is too.
        for (unsigned k = 0; k + 1 < n; ++k) {
            const unsigned a = liste[k];
            while (nächster[a] < anfang[k + 1]) {
                const std::uint32_t i = nächster[a]++;
                Kurz c = codes[i];
                unsigned b = c >> Antwortstelle;
                if (b == a) {
                    continue;
                }
                if (++bewegt > Stoppabstand) {
                    if (gestoppt()) {
                        return false;
                    }
                    bewegt = 0;
                }
                do {
                    std::uint32_t j = nächster[b]++;
                    while ((codes[j] >> Antwortstelle) == b) {
                        j = nächster[b]++;
                    }
                    std::swap(c, codes[j]);
                    b = c >> Antwortstelle;
                } while (b != a);
                codes[i] = c;
            }
        }
        return true;
    }
};

// Strategy 4: every code is a game of its own. The next guess is found by a
// depth-first search over the fields from the most significant one (the
// last), skipping every block of codes whose fixed fields already rule out
// one of the answers: too many or too few black pegs, or too many or too few
// pegs of the guess's symbols, for the fields still open. The moves are
// checked eight at a time, one byte each.
struct Auswertung::Einzelspiele {
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

    // A row's symbol counts, one byte per symbol 1..8.
    std::uint64_t symbolAnzahlen(const Reihe& reihe) const {
        std::uint64_t a = 0;
        for (int k = 1; k <= felder; ++k) {
            a += std::uint64_t{1} << (8 * (reihe[k] - 1));
        }
        return a;
    }

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
        const std::uint64_t geheimAnzahlen = symbolAnzahlen(geheim);
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
            merke(zug, schwarz, gemeinsame(symbolAnzahlen(zug), geheimAnzahlen));
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

// Strategy 4's shared state: the next code to hand out and the generator of
// its opening, behind the run's lock. A worker takes a few codes at a time
// and draws their openings while it holds the lock, so the draws follow the
// counting order whatever the number of workers; the games it then plays
// alone.
struct Auswertung::Ziehung {
    static constexpr std::uint32_t Block = 64;

    Auswertung& lauf;
    std::int16_t felder;
    std::int16_t farben;
    Zufall& zufall;
    std::uint32_t nächster = 0;

    void arbeite() {
        Einzelspiele spieler(felder, farben);
        std::array<Reihe, Block> öffnungen{};
        const std::uint32_t alle = lauf.züge_.size();
        for (;;) {
            std::uint32_t von = 0;
            std::uint32_t bis = 0;
            {
                const std::lock_guard sperre(lauf.sperre_);
                if (lauf.stopp_.load() || nächster == alle) {
                    return;
                }
                von = nächster;
                bis = std::min(alle, von + Block);
                nächster = bis;
                for (std::uint32_t i = von; i < bis; ++i) {
                    ZieheZufallsreihe(öffnungen[i - von], felder, farben, zufall);
                }
            }
            for (std::uint32_t i = von; i < bis; ++i) {
                if (lauf.stopp_.load(std::memory_order_relaxed)) {
                    return;
                }
                lauf.züge_.setze(i, spieler.spiele(i, öffnungen[i - von]));
            }
            lauf.gemeldet();
        }
    }
};

Auswertung::Auswertung(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, std::int16_t Strategie,
                       Zufall& zufall, unsigned arbeiter)
    : züge_(quorbix::AnzahlCodes(AnzahlFelder, AnzahlFarben)) {
    const unsigned n = arbeiter == 0 ? Kerne() : arbeiter;
    const Eröffnung e = Eröffnungsreihen(Strategie, AnzahlFelder, AnzahlFarben);
    if (e.zufällig) {
        zufall.Randomize();
        ziehung_.reset(new Ziehung{*this, AnzahlFelder, AnzahlFarben, zufall});
    } else {
        teile_ = std::make_unique<Teile>(AnzahlFelder, AnzahlFarben, e, *this, n);
    }
    try {
        for (unsigned w = 0; w < n; ++w) {
            arbeiter_.emplace_back(
                [this, w] { teile_ ? teile_->arbeite(w) : ziehung_->arbeite(); });
        }
    } catch (const std::system_error&) {
        // Too few resources for the workers: the ones started stop, without
        // waiting at the first split for those that never came.
        stopp_ = true;
        for (auto k = arbeiter_.size(); teile_ && k < n; ++k) {
            teile_->schranke.arrive_and_drop();
        }
        Beenden();
        throw std::bad_alloc();
    }
}

Auswertung::~Auswertung() {
    Beenden();
}

unsigned Auswertung::Kerne() {
    return std::max(1U, std::thread::hardware_concurrency());
}

int Auswertung::Einzelspiel(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben,
                            std::uint32_t nummer, const Reihe& öffnung) {
    return Einzelspiele(AnzahlFelder, AnzahlFarben).spiele(nummer, öffnung);
}

void Auswertung::gemeldet() {
    // Taking the lock orders the stored moves before a waiting reader's
    // look at them.
    { const std::lock_guard sperre(sperre_); }
    fortschritt_.notify_all();
}

std::uint32_t Auswertung::Bekannt() {
    while (bekannt_ < züge_.size() && züge_.bekannt(bekannt_)) {
        ++bekannt_;
    }
    return bekannt_;
}

int Auswertung::NächsterCode() {
    assert(!beendet_);
    const std::uint32_t nr = erledigt_;
    if (Bekannt() <= nr) {
        std::unique_lock sperre(sperre_);
        fortschritt_.wait(sperre, [&] { return züge_.bekannt(nr); });
    }
    ++erledigt_;
    const int züge = züge_[nr];
    if (erledigt_ == züge_.size()) {
        Beenden();
    }
    return züge;
}

void Auswertung::Beenden() {
    beendet_ = true;
    {
        const std::lock_guard sperre(sperre_);
        stopp_ = true;
    }
    fortschritt_.notify_all();
    for (std::thread& t : arbeiter_) {
        t.join();
    }
    arbeiter_.clear();
    teile_.reset();
    ziehung_.reset();
}

} // namespace quorbix
