#pragma once

// How much of the clock one search of the UCI engine may take: the clock of the side to move, as
// `go` gives it, shared out by engine::AllotTime.

#include "engine/time_allotment.h"
#include "uci/go_command.h"

#include <chrono>
#include <optional>

namespace uci {

using engine::TimeBudget;

// The time a search may take for the side to move (colour 0 White, 1 Black), from `movetime` or
// from that side's clock; none when the request gives neither. `overhead` is kept back from the
// clock for what passes between the GUI's clock and ours (pipes, process switches).
std::optional<TimeBudget> AllotTime(const GoRequest& request, int colour, std::chrono::milliseconds overhead);

} // namespace uci
