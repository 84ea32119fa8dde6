#pragma once
// What a run finds out: the moves of every code, and the figures over the
// codes evaluated so far.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace quorbix {

// Move counts of a run, one byte per code; the rare count beyond a byte is
// kept aside. 0 means not yet known. Workers fill in the codes they finish,
// each code once; the thread that reads the counts learns which are known
// through bekannt(), whose acquire pairs with the release of setze(), so a
// known code's count is complete when it is read.
class Zugliste {
public:
    explicit Zugliste(std::uint32_t anzahl = 0);
    Zugliste(const Zugliste&) = delete;
    Zugliste& operator=(const Zugliste&) = delete;

    std::uint32_t size() const { return static_cast<std::uint32_t>(werte_.size()); }
    int operator[](std::uint32_t nummer) const { return wert(nummer); }
    bool bekannt(std::uint32_t nummer) const {
        return werte_[nummer].load(std::memory_order_acquire) != 0;
    }
    void setze(std::uint32_t nummer, int züge);

    // The moves of code `nummer`, 0 if not known yet.
    int wert(std::uint32_t nummer) const {
        const std::uint8_t w = werte_[nummer].load(std::memory_order_acquire);
        return w != Groß ? w : großer(nummer);
    }

private:
    static constexpr std::uint8_t Groß = 255;
    int großer(std::uint32_t nummer) const;
    std::vector<std::atomic<std::uint8_t>> werte_;
    mutable std::mutex mutex_; // guards groß_
    std::unordered_map<std::uint32_t, int> groß_;
};

// Count, total, extremes and average of the codes evaluated so far.
struct Bilanz {
    std::uint32_t Codes = 0;
    std::int64_t Summe = 0;
    int Minimum = 0;
    int Maximum = 0;

    // Which extremes a count changed.
    struct Extreme {
        bool Minimum = false;
        bool Maximum = false;
    };
    Extreme zähle(int züge) {
        const Extreme neu{Codes == 0 || züge < Minimum, Codes == 0 || züge > Maximum};
        Minimum = neu.Minimum ? züge : Minimum;
        Maximum = neu.Maximum ? züge : Maximum;
        Summe += züge;
        ++Codes;
        return neu;
    }
    // Counts the codes of `züge` from `von` on, up to `bis` - 1 or to the
    // first whose moves are not known yet.
    Extreme zähleBekannte(const Zugliste& züge, std::uint32_t von, std::uint32_t bis);
    // The average in tenths of a move, rounded half to even; 0 without codes.
    std::int64_t MittelZehntel() const;
};

} // namespace quorbix
