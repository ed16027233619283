#pragma once

// SearchTimer: the clock of one timed search. A thread of its own sets the search's stop request at
// the hard limit; after each iteration the searcher asks whether another may start. The UCI engine
// and the board's engine thread both end their timed searches with it.

#include "engine/time_allotment.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace engine {

// Threads: Arm, StartClock, SoftLimitPassed and Disarm may come from any thread, one at a time or
// not; the timer thread only waits and writes the stop request. Arm again only after Disarm.
class SearchTimer {
public:
    using Clock = std::chrono::steady_clock;

    // The stop request the timer sets; it must outlive the timer.
    explicit SearchTimer(std::atomic<bool>& stopRequested);
    ~SearchTimer();
    SearchTimer(const SearchTimer&) = delete;
    SearchTimer& operator=(const SearchTimer&) = delete;

    // Starts the timer thread for a search with `budget`. The clock starts now, or with StartClock
    // when `startNow` is false (a search that ponders).
    void Arm(TimeBudget budget, bool startNow = true);
    // Starts the clock of an armed timer that was waiting for it; nothing otherwise.
    void StartClock();
    // Whether the clock has passed the soft limit: no further iteration should start.
    bool SoftLimitPassed() const;
    // Ends the timer thread and waits for it. True when it set the stop request since Arm.
    bool Disarm();

private:
    void Run();

    std::atomic<bool>& StopRequested;
    mutable std::mutex Mutex;
    std::condition_variable Changed;
    std::thread Thread;
    // Guarded by Mutex.
    std::optional<TimeBudget> Budget;
    std::optional<Clock::time_point> ClockStart;
    bool Armed = false;
    bool Expired = false;
};

} // namespace engine
