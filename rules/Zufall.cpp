#include "rules/Zufall.h"

#include <bit>
#include <chrono>
#include <ctime>

namespace quorbix {

Zufall::Zufall() {
    Randomize();
}

double Zufall::SekundenSeitMitternacht() {
    using namespace std::chrono;
    const auto jetzt = system_clock::now();
    const std::time_t t = system_clock::to_time_t(jetzt);
    std::tm lokal{};
    localtime_r(&t, &lokal);
    const auto bruchteil = duration_cast<microseconds>(jetzt.time_since_epoch()).count() % 1000000;
    return lokal.tm_hour * 3600.0 + lokal.tm_min * 60.0 + lokal.tm_sec + bruchteil / 1e6;
}

void Zufall::Randomize() {
    Randomize(SekundenSeitMitternacht());
}

void Zufall::Randomize(double startwert) {
    generator_.seed(std::bit_cast<std::uint64_t>(startwert));
}

double Zufall::Rnd() {
    if (quelle_) {
        return quelle_();
    }
    // 53 random bits: never reaches 1.0.
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

} // namespace quorbix
