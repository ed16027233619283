// Sharing out the clock.

#include "engine/time_allotment.h"

#include <algorithm>

namespace engine {

namespace {

    // A part of a time in whole milliseconds, rounded down: ms * Numerator / Denominator.
    struct Fraction {
        std::int64_t Numerator;
        std::int64_t Denominator;
    };
    constexpr std::int64_t PartOf(std::int64_t ms, Fraction part) { return ms * part.Numerator / part.Denominator; }

    // A clock without a move count is shared as if this many moves were still to come; the share grows
    // as the game goes on because the remaining time is shared anew at every move.
    constexpr std::int64_t MovesLeftGuess = 35;
    // More moves to go than this are shared as this many, so that a far-off time control does not make
    // every move a hurried one.
    constexpr std::int64_t MostMovesToGo = 50;
    // The part of each increment that a move may spend besides its share of the clock.
    constexpr Fraction SpentIncrement { 3, 4 };
    // The most one move may take of the clock: this part of it, shared among the moves up to the next
    // time control but among no more than CapMovesAhead of them (a fifth of the clock while the
    // control is far, four fifths for its last move).
    constexpr Fraction ClockCap { 4, 5 };
    constexpr std::int64_t CapMovesAhead = 4;
    // However large the increment, a move leaves the last tenth of the clock alone.
    constexpr Fraction MostOfClock { 9, 10 };
    // A move at a normal pace takes at most this many times its share, when an iteration runs long.
    constexpr std::int64_t OverrunFactor = 3;
    // No new iteration starts past this part of the share: the next one takes several times longer
    // than all before it and would rarely finish.
    constexpr Fraction SoftPart { 35, 100 };
    // Even a nearly empty clock allows the first iterations, which take well under a millisecond each.
    constexpr std::int64_t MinimumThinkMs = 10;

} // namespace

std::optional<TimeBudget> AllotTime(const ClockReading& clock, std::chrono::milliseconds overhead)
{
    using std::chrono::milliseconds;
    std::optional<TimeBudget> budget;
    // Never less than the minimum, unless there is not even that left.
    const auto atLeastMinimum
        = [](std::int64_t ms, std::int64_t available) { return std::max(ms, std::min(available, MinimumThinkMs)); };

    const auto withinRange = [](std::int64_t ms) { return std::clamp<std::int64_t>(ms, 0, MaxClockMs); };
    const std::int64_t increment = withinRange(clock.Increment);

    if (clock.MoveTime) {
        const std::int64_t moveTime = withinRange(*clock.MoveTime);
        // The caller named the time: use all of it.
        const std::int64_t limit = atLeastMinimum(moveTime - overhead.count(), moveTime);
        budget = TimeBudget { milliseconds(limit), milliseconds(limit) };
    }
    if (clock.TimeLeft) {
        const std::int64_t available = std::max<std::int64_t>(withinRange(*clock.TimeLeft) - overhead.count(), 0);
        const std::int64_t spentIncrement = PartOf(increment, SpentIncrement);
        const std::int64_t movesLeft
            = clock.MovesToGo ? std::clamp<std::int64_t>(*clock.MovesToGo, 1, MostMovesToGo) : MovesLeftGuess;
        // The most one move may take: its part of the clock and of the increment, never the last tenth.
        const Fraction clockCap { ClockCap.Numerator, ClockCap.Denominator * std::min(movesLeft, CapMovesAhead) };
        const std::int64_t cap = std::min(PartOf(available, MostOfClock), PartOf(available, clockCap) + spentIncrement);
        const std::int64_t share = std::min(available / movesLeft + spentIncrement, cap);
        const std::int64_t hard = atLeastMinimum(std::min(share * OverrunFactor, cap), available);
        const std::int64_t soft = std::min(PartOf(share, SoftPart), hard);
        if (!budget || hard < budget->HardLimit.count())
            budget = TimeBudget { milliseconds(soft), milliseconds(hard) };
    }
    return budget;
}

} // namespace engine
