#include "evaluation/engine/Auswertung.h"

#include "evaluation/engine/Einzelspiele.h"
#include "evaluation/engine/Teilung.h"

#include <algorithm>
#include <cassert>
#include <new>
#include <system_error>

namespace quorbix {

Auswertung::Auswertung(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben, std::int16_t Strategie,
                       Zufall& zufall, unsigned workers)
    : lauf_(AnzahlCodes(AnzahlFelder, AnzahlFarben)) {
    const unsigned n = workers != 0 ? workers : std::max(1U, std::thread::hardware_concurrency());
    const Eröffnung e = Eröffnungsreihen(Strategie, AnzahlFelder, AnzahlFarben);
    if (e.zufällig) {
        zufall.Randomize();
        einzelspiele_ = std::make_unique<Einzelspiele>(AnzahlFelder, AnzahlFarben, zufall, lauf_);
    } else {
        teilung_ = std::make_unique<Teilung>(AnzahlFelder, AnzahlFarben, e, lauf_, n);
    }
    threads_.reserve(n);
    try {
        for (unsigned w = 0; w < n; ++w) {
            threads_.emplace_back(
                [this, w] { teilung_ ? teilung_->arbeite(w) : einzelspiele_->arbeite(); });
        }
    } catch (const std::system_error&) {
        // Too few resources for the workers: the ones started stop, without
        // waiting at the first split for those that never came.
        Beenden();
        throw std::bad_alloc();
    }
}

Auswertung::~Auswertung() {
    Beenden();
}

std::uint32_t Auswertung::Bekannt() {
    const Zugliste& züge = lauf_.Züge();
    while (bekannt_ < züge.size() && züge.bekannt(bekannt_)) {
        ++bekannt_;
    }
    return bekannt_;
}

int Auswertung::NächsterCode() {
    assert(!beendet_);
    const std::uint32_t nr = erledigt_;
    if (Bekannt() <= nr) {
        lauf_.waitFor(nr);
    }
    ++erledigt_;
    const int züge = lauf_.Züge()[nr];
    if (erledigt_ == lauf_.Züge().size()) {
        Beenden();
    }
    return züge;
}

Bilanz::Extreme Auswertung::Übergib(std::uint32_t höchstens, Bilanz& bilanz) {
    assert(!beendet_);
    const Zugliste& züge = lauf_.Züge();
    const std::uint32_t bis = erledigt_ + std::min(höchstens, züge.size() - erledigt_);
    const std::uint32_t vorher = bilanz.Codes;
    const Bilanz::Extreme neu = bilanz.zähleBekannte(züge, erledigt_, bis);
    erledigt_ += bilanz.Codes - vorher;
    bekannt_ = std::max(bekannt_, erledigt_);
    if (erledigt_ == lauf_.Züge().size()) {
        Beenden();
    }
    return neu;
}

void Auswertung::Beenden() {
    beendet_ = true;
    lauf_.stop();
    for (std::thread& t : threads_) {
        t.join();
    }
    threads_.clear();
    teilung_.reset();
    einzelspiele_.reset();
}

} // namespace quorbix
