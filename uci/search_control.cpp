#include "uci/search_control.h"

namespace uci {

SearchControl::~SearchControl()
{
    Stop();
    Finish();
}

void SearchControl::Begin(int depth, std::optional<TimeBudget> budget, bool infinite, bool ponder)
{
    const std::lock_guard lock(Mutex);
    DepthLimit = depth;
    Held = infinite || ponder;
    Pondering = ponder;
    // An infinite search knows no clock; a pondering one starts it at PonderHit.
    if (budget && !infinite)
        Timer.Arm(*budget, !ponder);
}

void SearchControl::Stop()
{
    const std::lock_guard lock(Mutex);
    StopRequested = true;
    Changed.notify_all();
}

void SearchControl::PonderHit()
{
    const std::lock_guard lock(Mutex);
    if (!Pondering)
        return;
    Pondering = false;
    Held = false;
    Timer.StartClock();
    Changed.notify_all();
}

void SearchControl::IterationCompleted(int depth)
{
    if (Timer.SoftLimitPassed())
        DepthLimit = depth;
}

void SearchControl::Finish()
{
    {
        std::unique_lock lock(Mutex);
        Changed.wait(lock, [this] { return !Held || StopRequested; });
    }
    Timer.Disarm();
}

void SearchControl::Reset()
{
    const std::lock_guard lock(Mutex);
    StopRequested = false;
}

} // namespace uci
