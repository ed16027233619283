#pragma once

// How much of the clock one search may take.

#include "uci/go_command.h"

#include <chrono>
#include <optional>

namespace uci {

// When a timed search ends: no iteration starts after SoftLimit, and the search is stopped at
// HardLimit, both counted from the moment the clock starts.
struct TimeBudget {
    std::chrono::milliseconds SoftLimit;
    std::chrono::milliseconds HardLimit;
};

// The time a search may take for the side to move (colour 0 White, 1 Black), from `movetime` or
// from that side's clock; none when the request gives neither. `overhead` is kept back from the
// clock for what passes between the GUI's clock and ours (pipes, process switches).
std::optional<TimeBudget> AllotTime(const GoRequest& request, int colour, std::chrono::milliseconds overhead);

} // namespace uci
