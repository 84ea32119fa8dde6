#include "evaluation/engine/Zugliste.h"

#include "evaluation/engine/Buffer.h"

#include <algorithm>

namespace quorbix {

Zugliste::Zugliste(std::uint32_t anzahl) : werte_(allowed(anzahl)) {}

int Zugliste::großer(std::uint32_t nummer) const {
    const std::lock_guard lock(mutex_);
    return groß_.at(nummer);
}

void Zugliste::setze(std::uint32_t nummer, int züge) {
    if (züge >= Groß) {
        {
            const std::lock_guard lock(mutex_);
            groß_[nummer] = züge;
        }
        werte_[nummer].store(Groß, std::memory_order_release);
    } else {
        werte_[nummer].store(static_cast<std::uint8_t>(züge), std::memory_order_release);
    }
}

Bilanz::Extreme Bilanz::zähleBekannte(const Zugliste& züge, std::uint32_t von, std::uint32_t bis) {
    if (von >= bis || züge.wert(von) == 0) {
        return {};
    }
    const Extreme erstes = zähle(züge.wert(von));
    // One pass that only the rare count beyond a byte leaves.
    int min = Minimum;
    int max = Maximum;
    std::int64_t summe = 0;
    std::uint32_t i = von + 1;
    for (; i < bis; ++i) {
        const int z = züge.wert(i);
        if (z == 0) {
            break;
        }
        min = std::min(min, z);
        max = std::max(max, z);
        summe += z;
    }
    const Extreme neu{erstes.Minimum || min < Minimum, erstes.Maximum || max > Maximum};
    Minimum = min;
    Maximum = max;
    Summe += summe;
    Codes += i - von - 1;
    return neu;
}

std::int64_t Bilanz::MittelZehntel() const {
    if (Codes == 0) {
        return 0;
    }
    // Exact: 10 * Summe / Codes, halves to the even neighbour.
    const std::int64_t zähler = 10 * Summe;
    const std::int64_t nenner = Codes;
    std::int64_t q = zähler / nenner;
    const std::int64_t rest2 = 2 * (zähler % nenner);
    if (rest2 > nenner || (rest2 == nenner && q % 2 != 0)) {
        ++q;
    }
    return q;
}

} // namespace quorbix
