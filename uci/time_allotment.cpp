// The clock of `go`, read for the side to move.

#include "uci/time_allotment.h"

namespace uci {

std::optional<TimeBudget> AllotTime(const GoRequest& request, int colour, std::chrono::milliseconds overhead)
{
    const engine::ClockReading clock { request.MoveTime, request.TimeLeft[colour], request.Increment[colour],
        request.MovesToGo };
    return engine::AllotTime(clock, overhead);
}

} // namespace uci
