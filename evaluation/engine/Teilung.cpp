#include "evaluation/engine/Teilung.h"

#include "evaluation/engine/Symbolzahlen.h"
#include "rules/Zaehlfolge.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <utility>

namespace quorbix {

namespace {

// Long loops look at the stop request once per this many codes.
constexpr std::uint32_t StopInterval = 0xFFFF;

inline unsigned antwortNummer(unsigned schwarz, unsigned gesamt) {
    return schwarz * 9 + gesamt;
}

} // namespace

Teilung::Teilung(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, const Eröffnung& e,
                 Lauf& lauf, unsigned workers)
    : lauf_(lauf), felder_(AnzahlFelder), farben_(static_cast<Kurz>(AnzahlFarben)),
      anzahlCodes_(AnzahlCodes(AnzahlFelder, AnzahlFarben)), codes_(anzahlCodes_),
      spareEach_(anzahlCodes_ / SpareDivisor / workers), spare_(std::size_t{spareEach_} * workers),
      workers_(workers), wurzel_(workers) {
    // Waiting parts are disjoint and larger than Klein, but for the first
    // split's: taken now, the heap never needs memory in the middle of a run.
    heap_.reserve(anzahlCodes_ / (Klein + 1) + 1 + Antworten);
    for (const Reihe& r : e.Reihen) {
        Tipp t;
        for (int k = felder_; k >= 1; --k) {
            const bool symbol = r[k] >= 1 && r[k] <= MaxFarben;
            t.code = (t.code << 3) | (symbol ? static_cast<Kurz>(r[k] - 1) : 0);
            t.fremd = (t.fremd << 3) | (symbol ? 0 : 1);
        }
        t.anzahlen = Symbolzahlen(r, felder_);
        öffnung_.push_back(t);
    }
    legeHälftenAn();
}

void Teilung::legeHälftenAn() {
    std::uint32_t stelle = 1;
    for (unsigned h = 0; h < 2; ++h) {
        Hälfte& hälfte = hälften_[h];
        const int da = std::clamp(felder_ - 4 * static_cast<int>(h), 0, 4); // fields in this half
        for (std::uint32_t x = 0; x < 4096; ++x) {
            std::uint32_t s = 1;
            for (int k = 0; k < da; ++k) {
                const std::uint32_t d = (x >> (3 * k)) & 7;
                hälfte.anzahlen[x] += std::uint64_t{1} << (8 * d);
                hälfte.nummer[x] += d * stelle * s;
                hälfte.gleich[x] += d == 0 ? 1 : 0;
                s *= farben_;
            }
        }
        Reihe r{};
        std::fill(r.begin() + 1, r.begin() + 1 + da, std::int16_t{1});
        std::uint32_t n = 0;
        do {
            Kurz c = 0;
            for (int k = da; k >= 1; --k) {
                c = (c << 3) | static_cast<Kurz>(r[k] - 1);
            }
            hälfte.folge[n++] = c << (12 * h);
        } while (Weiterzählen(r, da, static_cast<int>(farben_)));
        if (h == 0) {
            untereCodes_ = n;
        }
        stelle *= n;
    }
}

// The helpers of the splitting are inline: its inner loops run them once
// per code and move.

inline std::uint64_t Teilung::anzahlen(Kurz c) const {
    return hälften_[0].anzahlen[c & 0xFFF] + hälften_[1].anzahlen[(c >> 12) & 0xFFF];
}

inline std::uint32_t Teilung::nummer(Kurz c) const {
    return hälften_[0].nummer[c & 0xFFF] + hälften_[1].nummer[(c >> 12) & 0xFFF];
}

inline unsigned Teilung::antwort(Kurz c, const Tipp& tipp) const {
    const Kurz x = (c ^ tipp.code) | tipp.fremd;
    const unsigned schwarz = hälften_[0].gleich[x & 0xFFF] + hälften_[1].gleich[x >> 12];
    return antwortNummer(schwarz, gemeinsame(anzahlen(c), tipp.anzahlen));
}

// Codes number `von` to `bis` - 1 in counting order, packed: je(c) for each,
// until the run stops.
template <class Je>
inline void Teilung::durchlaufe(std::uint32_t von, std::uint32_t bis, Je je) const {
    std::uint32_t unten = von % untereCodes_;
    std::uint32_t oben = von / untereCodes_;
    for (std::uint32_t i = von; i < bis; ++i) {
        if ((i & StopInterval) == 0 && lauf_.stopped()) {
            return;
        }
        je(hälften_[0].folge[unten] | hälften_[1].folge[oben]);
        if (++unten == untereCodes_) {
            unten = 0;
            ++oben;
        }
    }
}

void Teilung::arbeite(unsigned w) {
    teileWurzel(w);
    Scratch scratch(&spare_[std::size_t{spareEach_} * w], spareEach_);
    Teil t;
    const auto bereit = [&] { return !heap_.empty() || active_ == 0; };
    const auto nimm = [&] {
        if (heap_.empty()) {
            return false;
        }
        std::pop_heap(heap_.begin(), heap_.end(), später);
        t = heap_.back();
        heap_.pop_back();
        ++active_;
        return true;
    };
    while (lauf_.take(bereit, nimm)) {
        if (!erledige(t)) {
            teile(t, scratch);
        }
        lauf_.put([&] {
            for (const Teil& n : scratch.neu) {
                heap_.push_back(n);
                std::push_heap(heap_.begin(), heap_.end(), später);
            }
            --active_;
        });
        scratch.neu.clear();
    }
    // The first split may have been all there was to do.
    lauf_.notify();
}

// The whole space played against the first opening row: each worker counts
// the answers of its slice of the codes, then, once every slice is counted,
// answers them again and writes each to where its answer's group begins,
// after the groups of the slices before it. Groups keep counting order.
void Teilung::teileWurzel(unsigned w) {
    const auto von = static_cast<std::uint32_t>(std::uint64_t{anzahlCodes_} * w / workers_);
    const auto bis = static_cast<std::uint32_t>(std::uint64_t{anzahlCodes_} * (w + 1) / workers_);
    const Tipp& tipp = öffnung_[0];
    std::array<std::uint32_t, Antworten>& ziel = wurzel_[w];
    durchlaufe(von, bis, [&](Kurz c) { ++ziel[antwort(c, tipp)]; });
    if (!lauf_.barrier(workers_, [this] { ordneWurzel(); })) {
        return;
    }
    durchlaufe(von, bis, [&](Kurz c) { codes_[ziel[antwort(c, tipp)]++] = c; });
    lauf_.barrier(workers_, [this] { gibWurzelteile(); });
}

// Between the first split's phases: the counts become places.
void Teilung::ordneWurzel() {
    std::uint32_t pos = 0;
    for (unsigned a = 0; a < Antworten; ++a) {
        wurzelAnfang_[a] = pos;
        for (auto& w : wurzel_) {
            const std::uint32_t n = w[a];
            w[a] = pos;
            pos += n;
        }
        wurzelAnzahl_[a] = pos - wurzelAnfang_[a];
    }
}

// After the first split: its groups become the first parts.
void Teilung::gibWurzelteile() {
    for (unsigned a = 0; a < Antworten; ++a) {
        if (wurzelAnzahl_[a] == 0) {
            continue;
        }
        if (a == antwortNummer(static_cast<unsigned>(felder_), static_cast<unsigned>(felder_))) {
            lauf_.melde(nummer(öffnung_[0].code), 1);
        } else {
            heap_.push_back(Teil{codes_[wurzelAnfang_[a]], wurzelAnfang_[a], wurzelAnzahl_[a], 1});
            std::push_heap(heap_.begin(), heap_.end(), später);
        }
    }
}

// Settles a part whose moves follow without playing: true if done.
inline bool Teilung::erledige(const Teil& t) {
    if (t.tiefe < static_cast<int>(öffnung_.size()) || t.länge > 2) {
        return false;
    }
    // The first is guessed next; the other is all that is left.
    lauf_.melde(nummer(t.erster), t.tiefe + 1);
    if (t.länge == 2) {
        const Kurz a = codes_[t.anfang] & Maske;
        lauf_.melde(nummer(a == t.erster ? codes_[t.anfang + 1] & Maske : a), t.tiefe + 2);
    }
    return true;
}

inline void Teilung::behandle(const Teil& t, Scratch& scratch) {
    if (erledige(t)) {
        return;
    }
    if (t.länge <= Klein) {
        teile(t, scratch);
    } else {
        scratch.neu.push_back(t);
    }
}

// Plays the part's next guess and splits the rest of it by the answers.
inline void Teilung::teile(const Teil& t, Scratch& scratch) {
    if (lauf_.stopped()) {
        return;
    }
    const Tipp tipp = t.tiefe < static_cast<int>(öffnung_.size())
                          ? öffnung_[static_cast<std::size_t>(t.tiefe)]
                          : Tipp{t.erster, 0, anzahlen(t.erster)};
    Gruppen g;
    if (!beantworte(t, tipp, scratch, g) ||
        (g.n > 1 &&
         !(t.länge <= scratch.room ? verteile(t, scratch) : gruppiere(g, scratch.nächster)))) {
        // Stopped: the scratch is left clean for nobody.
        scratch.anzahl.fill(0);
        scratch.kleinster.fill(Keiner);
        return;
    }
    const unsigned gefunden =
        antwortNummer(static_cast<unsigned>(felder_), static_cast<unsigned>(felder_));
    std::array<Teil, Antworten> neue;
    unsigned m = 0;
    for (unsigned k = 0; k < g.n; ++k) {
        const unsigned a = g.liste[k];
        if (a == gefunden) {
            lauf_.melde(nummer(tipp.code), t.tiefe + 1);
        } else {
            neue[m++] = Teil{scratch.kleinster[a], g.anfang[k], scratch.anzahl[a], t.tiefe + 1};
        }
        scratch.anzahl[a] = 0;
        scratch.kleinster[a] = Keiner;
    }
    // The scratch is free again: small parts may be split right away.
    for (unsigned k = 0; k < m; ++k) {
        behandle(neue[k], scratch);
    }
}

// Counts the answer of every code of the part to the guess, keeps it above
// the code, and finds the groups: which answers occurred, how often, their
// smallest code and where each group begins. False if the run stopped.
inline bool Teilung::beantworte(const Teil& t, const Tipp& tipp, Scratch& scratch, Gruppen& g) {
    std::array<std::uint64_t, 2> vorhanden{};
    const std::uint32_t ende = t.anfang + t.länge;
    for (std::uint32_t i = t.anfang; i < ende; ++i) {
        if ((i & StopInterval) == 0 && lauf_.stopped()) {
            return false;
        }
        const Kurz c = codes_[i] & Maske;
        const unsigned a = antwort(c, tipp);
        codes_[i] = c | (Kurz{a} << Antwortstelle);
        ++scratch.anzahl[a];
        scratch.kleinster[a] = std::min(scratch.kleinster[a], c);
        vorhanden[a >> 6] |= std::uint64_t{1} << (a & 63);
    }
    std::uint32_t pos = t.anfang;
    for (unsigned w = 0; w < 2; ++w) {
        for (std::uint64_t bits = vorhanden[w]; bits != 0; bits &= bits - 1) {
            const unsigned a = 64 * w + static_cast<unsigned>(std::countr_zero(bits));
            g.liste[g.n] = static_cast<std::uint8_t>(a);
            g.anfang[g.n] = pos;
            scratch.nächster[a] = pos;
            pos += scratch.anzahl[a];
            ++g.n;
        }
    }
    g.anfang[g.n] = ende;
    return true;
}

// Moves the part's codes to their answers' groups in the worker's share
// of `spare_`, and back. False if the run stopped meanwhile.
inline bool Teilung::verteile(const Teil& t, Scratch& scratch) {
    auto& nächster = scratch.nächster;
    for (std::uint32_t i = t.anfang; i < t.anfang + t.länge; ++i) {
        if ((i & StopInterval) == 0 && lauf_.stopped()) {
            return false;
        }
        const Kurz c = codes_[i];
        scratch.spare[nächster[c >> Antwortstelle]++ - t.anfang] = c;
    }
    std::copy(scratch.spare, scratch.spare + t.länge, &codes_[t.anfang]);
    return true;
}

// Moves every code of the part to its answer's group, in place: a code out
// of place is carried to the next free place of its group, taking up the
// code found there, until one for the place it started from turns up.
// `nächster` holds where each group's free places begin. False if the run
// stopped meanwhile.
inline bool Teilung::gruppiere(const Gruppen& g, std::array<std::uint32_t, Antworten>& nächster) {
    std::uint32_t bewegt = 0;
    // Once all groups but the last are filled, the last is too.
    for (unsigned k = 0; k + 1 < g.n; ++k) {
        const unsigned a = g.liste[k];
        while (nächster[a] < g.anfang[k + 1]) {
            const std::uint32_t i = nächster[a]++;
            Kurz c = codes_[i];
            unsigned b = c >> Antwortstelle;
            if (b == a) {
                continue;
            }
            if (++bewegt > StopInterval) {
                if (lauf_.stopped()) {
                    return false;
                }
                bewegt = 0;
            }
            do {
                std::uint32_t j = nächster[b]++;
                while ((codes_[j] >> Antwortstelle) == b) {
                    j = nächster[b]++;
                }
                std::swap(c, codes_[j]);
                b = c >> Antwortstelle;
            } while (b != a);
            codes_[i] = c;
        }
    }
    return true;
}

} // namespace quorbix
