#pragma once

// How a search of the UCI engine ends: at its depth, at its time, on `stop`, and when its answer may
// be given (`go infinite` and `go ponder` hold it back).

#include "engine/search_timer.h"
#include "uci/time_allotment.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace uci {

// The stop request and depth limit that the engine reads, and the clock that drives them. The timer,
// armed from Begin to Finish of a timed search, sets StopRequested at the hard limit.
//
// Threads: Begin, Stop, PonderHit and Reset come from the command thread (Begin and Reset only
// while no search runs); IterationCompleted and Finish from the searching worker. Held and Pondering
// are guarded by Mutex; the timer guards its own.
class SearchControl {
public:
    SearchControl() = default;
    ~SearchControl();
    SearchControl(const SearchControl&) = delete;
    SearchControl& operator=(const SearchControl&) = delete;

    // Read by the engine. StopRequested also ends perft and bench.
    std::atomic<bool> StopRequested { false };
    std::atomic<int> DepthLimit { 1 };

    // Prepares a search to `depth`. The clock starts now, or at PonderHit when `ponder`. The answer
    // is held back until `stop` when `infinite`, and until `ponderhit` or `stop` when `ponder`.
    void Begin(int depth, std::optional<TimeBudget> budget, bool infinite, bool ponder);
    // Ends whatever runs: the search, a held answer, perft, bench.
    void Stop();
    // The opponent played the expected move: the clock starts, and a finished search may answer.
    void PonderHit();
    // After an iteration of `depth`: when another would overrun the soft limit, make this the last.
    void IterationCompleted(int depth);
    // After the search: waits while the answer is held back, then ends the timer.
    void Finish();
    // After the worker has ended: clears the stop request for the next job.
    void Reset();

private:
    std::mutex Mutex;
    std::condition_variable Changed;
    engine::SearchTimer Timer { StopRequested };
    bool Held = false;
    bool Pondering = false;
};

} // namespace uci
