#include "evaluation/engine/Teilung.h"

#include "evaluation/engine/Symbolzahlen.h"

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
    : lauf(lauf), felder(AnzahlFelder), farben(static_cast<Kurz>(AnzahlFarben)),
      anzahlCodes(AnzahlCodes(AnzahlFelder, AnzahlFarben)), codes(anzahlCodes),
      spareEach(anzahlCodes / SpareDivisor / workers), spare(std::size_t{spareEach} * workers),
      workers(workers), wurzel(workers) {
    // Waiting parts are disjoint and larger than Klein, but for the first
    // split's: taken now, the heap never needs memory in the middle of a run.
    heap.reserve(anzahlCodes / (Klein + 1) + 1 + Antworten);
    for (const Reihe& r : e.Reihen) {
        Zug z;
        for (int k = felder; k >= 1; --k) {
            const bool symbol = r[k] >= 1 && r[k] <= MaxFarben;
            z.code = (z.code << 3) | (symbol ? static_cast<Kurz>(r[k] - 1) : 0);
            z.fremd = (z.fremd << 3) | (symbol ? 0 : 1);
        }
        z.anzahlen = Symbolzahlen(r, felder);
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

// The helpers of the splitting are inline: its inner loops run them once
// per code and move.

inline Teilung::Kurz Teilung::verdichtet(const Reihe& reihe) const {
    Kurz c = 0;
    for (int k = felder; k >= 1; --k) {
        c = (c << 3) | static_cast<Kurz>(reihe[k] - 1);
    }
    return c;
}

inline std::uint64_t Teilung::anzahlen(Kurz c) const {
    return hälften[0].anzahlen[c & 0xFFF] + hälften[1].anzahlen[(c >> 12) & 0xFFF];
}

inline std::uint32_t Teilung::nummer(Kurz c) const {
    return hälften[0].nummer[c & 0xFFF] + hälften[1].nummer[(c >> 12) & 0xFFF];
}

// The next code in counting order; not after the last.
inline Teilung::Kurz Teilung::weiter(Kurz c) const {
    for (int k = 0; k < felder; ++k) {
        const int stelle = 3 * k;
        if (((c >> stelle) & 7) + 1 < farben) {
            return c + (Kurz{1} << stelle);
        }
        c &= ~(Kurz{7} << stelle);
    }
    return c;
}

inline unsigned Teilung::antwort(Kurz c, const Zug& zug) const {
    const Kurz x = (c ^ zug.code) | zug.fremd;
    const unsigned schwarz = hälften[0].gleich[x & 0xFFF] + hälften[1].gleich[x >> 12];
    return antwortNummer(schwarz, gemeinsame(anzahlen(c), zug.anzahlen));
}

void Teilung::arbeite(unsigned w) {
    teileWurzel(w);
    Scratch scratch(&spare[std::size_t{spareEach} * w], spareEach);
    Teil t;
    const auto bereit = [&] { return !heap.empty() || active == 0; };
    const auto nimm = [&] {
        if (heap.empty()) {
            return false;
        }
        std::pop_heap(heap.begin(), heap.end(), später);
        t = heap.back();
        heap.pop_back();
        ++active;
        return true;
    };
    while (lauf.take(bereit, nimm)) {
        if (!erledige(t)) {
            teile(t, scratch);
        }
        lauf.put([&] {
            for (const Teil& n : scratch.neu) {
                heap.push_back(n);
                std::push_heap(heap.begin(), heap.end(), später);
            }
            --active;
        });
        scratch.neu.clear();
    }
    // The first split may have been all there was to do.
    lauf.notify();
}

// The whole space played against the first opening row: each worker counts
// the answers of its slice of the codes, then, once every slice is counted,
// answers them again and writes each to where its answer's group begins,
// after the groups of the slices before it. Groups keep counting order.
void Teilung::teileWurzel(unsigned w) {
    const auto von = static_cast<std::uint32_t>(std::uint64_t{anzahlCodes} * w / workers);
    const auto bis = static_cast<std::uint32_t>(std::uint64_t{anzahlCodes} * (w + 1) / workers);
    const Zug& zug = öffnung[0];
    const Kurz erster = verdichtet(
        CodeNummer(von, static_cast<std::int16_t>(felder), static_cast<std::int16_t>(farben)));
    std::array<std::uint32_t, Antworten>& ziel = wurzel[w];
    Kurz c = erster;
    for (std::uint32_t i = von; i < bis; ++i) {
        if ((i & StopInterval) == 0 && lauf.stopped()) {
            break;
        }
        ++ziel[antwort(c, zug)];
        c = weiter(c);
    }
    if (!lauf.barrier(workers, [this] { ordneWurzel(); })) {
        return;
    }
    c = erster;
    for (std::uint32_t i = von; i < bis && !lauf.stopped(); ++i) {
        codes[ziel[antwort(c, zug)]++] = c;
        c = weiter(c);
    }
    lauf.barrier(workers, [this] { gibWurzelteile(); });
}

// Between the first split's phases: the counts become places.
void Teilung::ordneWurzel() {
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
}

// After the first split: its groups become the first parts.
void Teilung::gibWurzelteile() {
    for (unsigned a = 0; a < Antworten; ++a) {
        if (wurzelAnzahl[a] == 0) {
            continue;
        }
        if (a == antwortNummer(static_cast<unsigned>(felder), static_cast<unsigned>(felder))) {
            lauf.melde(nummer(öffnung[0].code), 1);
        } else {
            heap.push_back(Teil{codes[wurzelAnfang[a]], wurzelAnfang[a], wurzelAnzahl[a], 1});
            std::push_heap(heap.begin(), heap.end(), später);
        }
    }
}

// Settles a part whose moves follow without playing: true if done.
inline bool Teilung::erledige(const Teil& t) {
    if (t.tiefe < static_cast<int>(öffnung.size()) || t.länge > 2) {
        return false;
    }
    // The first is guessed next; the other is all that is left.
    lauf.melde(nummer(t.erster), t.tiefe + 1);
    if (t.länge == 2) {
        const Kurz a = codes[t.anfang] & Maske;
        lauf.melde(nummer(a == t.erster ? codes[t.anfang + 1] & Maske : a), t.tiefe + 2);
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
    if (lauf.stopped()) {
        return;
    }
    auto& anzahl = scratch.anzahl;
    auto& nächster = scratch.nächster;
    auto& kleinster = scratch.kleinster;
    const auto räumen = [&] {
        anzahl.fill(0);
        kleinster.fill(Keiner);
    };
    const Zug zug = t.tiefe < static_cast<int>(öffnung.size())
                        ? öffnung[static_cast<std::size_t>(t.tiefe)]
                        : Zug{t.erster, 0, anzahlen(t.erster)};
    std::array<std::uint64_t, 2> vorhanden{};
    const std::uint32_t ende = t.anfang + t.länge;
    for (std::uint32_t i = t.anfang; i < ende; ++i) {
        if ((i & StopInterval) == 0 && lauf.stopped()) {
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
        !(t.länge <= scratch.room ? verteile(t, scratch) : gruppiere(liste, anfang, n, nächster))) {
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
            lauf.melde(nummer(zug.code), t.tiefe + 1);
        } else {
            neue[m++] = Teil{kleinster[a], anfang[k], anzahl[a], t.tiefe + 1};
        }
        anzahl[a] = 0;
        kleinster[a] = Keiner;
    }
    // The scratch is free again: small parts may be split right away.
    for (unsigned k = 0; k < m; ++k) {
        behandle(neue[k], scratch);
    }
}

// Moves the part's codes to their answers' groups in the worker's share
// of `spare`, and back. False if the run stopped meanwhile.
inline bool Teilung::verteile(const Teil& t, Scratch& scratch) {
    auto& nächster = scratch.nächster;
    for (std::uint32_t i = t.anfang; i < t.anfang + t.länge; ++i) {
        if ((i & StopInterval) == 0 && lauf.stopped()) {
            return false;
        }
        const Kurz c = codes[i];
        scratch.spare[nächster[c >> Antwortstelle]++ - t.anfang] = c;
    }
    std::copy(scratch.spare, scratch.spare + t.länge, &codes[t.anfang]);
    return true;
}

// Moves every code of the range to its answer's group, in place: a code
// out of place is carried to the next free place of its group, taking up
// the code found there, until one for the place it started from turns
// up. `nächster` holds where each group's free places begin. False if
// the run stopped meanwhile.
inline bool Teilung::gruppiere(const std::array<std::uint8_t, Antworten>& liste,
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
            if (++bewegt > StopInterval) {
                if (lauf.stopped()) {
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

} // namespace quorbix
