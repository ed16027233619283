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
    // An infinite search knows no clock.
    Budget = infinite ? std::nullopt : budget;
    ClockStart.reset();
    if (!ponder)
        ClockStart = Clock::now();
    Held = infinite || ponder;
    Pondering = ponder;
    Finished = false;
    // The timer waits for the lock until Begin is done.
    if (Budget)
        Timer = std::thread([this] { RunTimer(); });
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
    ClockStart = Clock::now();
    Changed.notify_all();
}

void SearchControl::IterationCompleted(int depth)
{
    const std::lock_guard lock(Mutex);
    if (ClockRunning() && Clock::now() - *ClockStart >= Budget->SoftLimit)
        DepthLimit = depth;
}

void SearchControl::Finish()
{
    {
        std::unique_lock lock(Mutex);
        Changed.wait(lock, [this] { return !Held || StopRequested; });
        Finished = true;
        Changed.notify_all();
    }
    if (Timer.joinable())
        Timer.join();
}

void SearchControl::Reset()
{
    const std::lock_guard lock(Mutex);
    StopRequested = false;
}

void SearchControl::RunTimer()
{
    std::unique_lock lock(Mutex);
    while (!Finished && !StopRequested) {
        if (!ClockRunning()) {
            Changed.wait(lock);
            continue;
        }
        // Woken early by Stop, PonderHit or Finish; the loop looks again.
        const Clock::time_point deadline = *ClockStart + Budget->HardLimit;
        if (Changed.wait_until(lock, deadline) == std::cv_status::timeout && Clock::now() >= deadline)
            StopRequested = true;
    }
}

} // namespace uci
