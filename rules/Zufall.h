#pragma once
// The game's random numbers: uniform draws in [0, 1), seeded from the time of
// day. Tests replace the source with fixed draws.

#include <cstdint>
#include <functional>
#include <random>

namespace quorbix {

class Zufall {
public:
    using Quelle = std::function<double()>;

    Zufall();

    // Seeds afresh from the seconds since local midnight (with fractions).
    void Randomize();
    void Randomize(double startwert);

    // Uniform in [0, 1).
    double Rnd();

    // 1 + the integer part of r * n: a symbol 1..n.
    std::int16_t Symbol(int n) {
        return static_cast<std::int16_t>(1 + static_cast<int>(Rnd() * n));
    }

    // Integer 0..n-1 drawn the same way.
    int Bis(int n) { return static_cast<int>(Rnd() * n); }

    // Replaces the generator with fixed draws (tests); an empty source restores it.
    void setzeQuelle(Quelle quelle) { quelle_ = std::move(quelle); }

    static double SekundenSeitMitternacht();

private:
    std::mt19937_64 generator_;
    Quelle quelle_;
};

} // namespace quorbix
