#pragma once

// How much of the clock one search may take: shared by the UCI engine (from `go`) and the board's
// engine thread (from the game's clock).

#include <chrono>
#include <cstdint>
#include <optional>

namespace engine {

// When a timed search ends: no iteration starts after SoftLimit, and the search is stopped at
// HardLimit, both counted from the moment the clock starts.
struct TimeBudget {
    std::chrono::milliseconds SoftLimit;
    std::chrono::milliseconds HardLimit;
};

// What the clock says for the side to move, in milliseconds; absent values are unknown. Times are
// read within 0..MaxClockMs, so that no sum or product of them can overflow.
struct ClockReading {
    std::optional<std::int64_t> MoveTime; // a fixed time for this move
    std::optional<std::int64_t> TimeLeft; // the side's remaining time
    std::int64_t Increment = 0; // added to the side's clock after each move
    std::optional<int> MovesToGo; // moves until the next time control, 1 or more
};
inline constexpr std::int64_t MaxClockMs = 1'000'000'000;

// The time a search may take from `movetime` or from the side's clock; none when the reading gives
// neither. `overhead` is kept back from the clock for what passes between the clock that counts and
// ours (pipes, process switches, the window's event loop).
std::optional<TimeBudget> AllotTime(const ClockReading& clock, std::chrono::milliseconds overhead);

} // namespace engine
