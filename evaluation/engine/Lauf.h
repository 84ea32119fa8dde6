#pragma once
// The part of a run that its engines see, and the only way they reach it:
// whether the run stopped, the moves of a code to report, and what is left
// to do, which the workers take and hand back under the run's one lock. The
// reader waits here for a code's moves and stops the run here. Workers and
// reader wait and lock only in this file (the move list guards its rare
// large counts itself).

#include "evaluation/engine/Zugliste.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace quorbix {

class Lauf {
public:
    explicit Lauf(std::uint32_t anzahl) : züge_(anzahl) {}
    Lauf(const Lauf&) = delete;
    Lauf& operator=(const Lauf&) = delete;

    const Zugliste& Züge() const { return züge_; }

    // The workers' side.

    // Whether the run is to end; cheap enough to ask between two codes. A
    // worker that sees it drops its work.
    bool stopped() const { return stop_.load(std::memory_order_relaxed); }

    // Stores the moves of code `nummer`: each code once, by one worker.
    void melde(std::uint32_t nummer, int züge) { züge_.setze(nummer, züge); }

    // After codes were reported: a waiting reader looks again. Taking the
    // lock orders the stored moves before the reader's look at them.
    void notify() {
        put([] {});
    }

    // Takes shared work: waits until `ready()` holds, then returns what
    // `taking()` returns; both run under the lock. False, without taking(),
    // once the run stopped.
    template <class Ready, class Taking> bool take(Ready ready, Taking taking) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stop_.load() || ready(); });
        return !stop_.load() && taking();
    }

    // Hands work back: runs `putting()` under the lock, then wakes everyone
    // who waits, workers for work and the reader for codes.
    template <class Putting> void put(Putting putting) {
        {
            const std::lock_guard lock(mutex_);
            putting();
        }
        changed_.notify_all();
    }

    // Waits until `workers` workers arrived; the last runs `last()` under the
    // lock before any of them goes on. False once the run stopped: nobody
    // passes a barrier whose last() did not run, and nobody waits for
    // workers that will never come.
    template <class Last> bool barrier(unsigned workers, Last last) {
        std::unique_lock lock(mutex_);
        if (stop_.load()) {
            return false;
        }
        const unsigned generation = generation_;
        if (++arrived_ < workers) {
            changed_.wait(lock, [&] { return generation_ != generation || stop_.load(); });
            return generation_ != generation;
        }
        arrived_ = 0;
        ++generation_;
        last();
        lock.unlock();
        changed_.notify_all();
        return true;
    }

    // The reader's side.

    // Waits until the moves of code `nummer` are known.
    void waitFor(std::uint32_t nummer) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return züge_.bekannt(nummer); });
    }

    // Ends the run: the workers drop their work, and waiting ones give up.
    void stop() {
        put([this] { stop_ = true; });
    }

private:
    Zugliste züge_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::atomic<bool> stop_{false};
    unsigned arrived_ = 0; // at the barrier of this generation
    unsigned generation_ = 0;
};

} // namespace quorbix
