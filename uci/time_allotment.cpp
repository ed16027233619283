// Sharing out the clock.

#include "uci/time_allotment.h"

#include <algorithm>

namespace uci {

namespace {

    // A clock without a move count is shared as if this many moves were still to come; the share grows
    // as the game goes on because the remaining time is shared anew at every move.
    constexpr std::int64_t MovesLeftGuess = 35;
    // A move at a normal pace takes at most this many times its share, when an iteration runs long.
    constexpr std::int64_t OverrunFactor = 3;
    // No new iteration starts past this part of the share: the next one takes several times longer
    // than all before it and would rarely finish.
    constexpr std::int64_t SoftPercent = 35;
    // Even a nearly empty clock allows the first iterations, which take well under a millisecond each.
    constexpr std::int64_t MinimumThinkMs = 10;

} // namespace

std::optional<TimeBudget> AllotTime(const GoRequest& request, int colour, std::chrono::milliseconds overhead)
{
    using std::chrono::milliseconds;
    std::optional<TimeBudget> budget;
    // Never less than the minimum, unless there is not even that left.
    const auto atLeastMinimum
        = [](std::int64_t ms, std::int64_t available) { return std::max(ms, std::min(available, MinimumThinkMs)); };

    if (request.MoveTime) {
        // The GUI named the time: use all of it.
        const std::int64_t limit = atLeastMinimum(*request.MoveTime - overhead.count(), *request.MoveTime);
        budget = TimeBudget { milliseconds(limit), milliseconds(limit) };
    }
    if (request.TimeLeft[colour]) {
        const std::int64_t available = std::max<std::int64_t>(*request.TimeLeft[colour] - overhead.count(), 0);
        const std::int64_t increment = request.Increment[colour];
        const std::int64_t movesLeft
            = request.MovesToGo ? std::min<std::int64_t>(*request.MovesToGo, 50) : MovesLeftGuess;
        // The most one move may take: a fifth of the clock, more as the next time control comes
        // near (nearly all of it for its last move), and most of an increment; never the last tenth.
        const std::int64_t cap = std::min(
            available * 9 / 10, available * 4 / (5 * std::min<std::int64_t>(movesLeft, 4)) + increment * 3 / 4);
        const std::int64_t share = std::min(available / movesLeft + increment * 3 / 4, cap);
        const std::int64_t hard = atLeastMinimum(std::min(share * OverrunFactor, cap), available);
        const std::int64_t soft = std::min(share * SoftPercent / 100, hard);
        if (!budget || hard < budget->HardLimit.count())
            budget = TimeBudget { milliseconds(soft), milliseconds(hard) };
    }
    return budget;
}

} // namespace uci
