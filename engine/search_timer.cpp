#include "engine/search_timer.h"

#include <cassert>

namespace engine {

SearchTimer::SearchTimer(std::atomic<bool>& stopRequested)
    : StopRequested(stopRequested)
{
}

SearchTimer::~SearchTimer() { Disarm(); }

void SearchTimer::Arm(TimeBudget budget, bool startNow)
{
    const std::lock_guard lock(Mutex);
    assert(!Thread.joinable() && "disarm the timer before arming it again");
    Budget = budget;
    ClockStart.reset();
    if (startNow)
        ClockStart = Clock::now();
    Armed = true;
    Expired = false;
    // The thread waits for the lock until Arm is done.
    Thread = std::thread([this] { Run(); });
}

void SearchTimer::StartClock()
{
    const std::lock_guard lock(Mutex);
    if (!Armed || ClockStart)
        return;
    ClockStart = Clock::now();
    Changed.notify_all();
}

bool SearchTimer::SoftLimitPassed() const
{
    const std::lock_guard lock(Mutex);
    return Armed && ClockStart && Clock::now() - *ClockStart >= Budget->SoftLimit;
}

bool SearchTimer::Disarm()
{
    {
        const std::lock_guard lock(Mutex);
        Armed = false;
        Changed.notify_all();
    }
    if (Thread.joinable())
        Thread.join();
    const std::lock_guard lock(Mutex);
    return Expired;
}

void SearchTimer::Run()
{
    std::unique_lock lock(Mutex);
    while (Armed && !Expired) {
        if (!ClockStart) {
            Changed.wait(lock);
            continue;
        }
        // Woken early by StartClock or Disarm; the loop looks again.
        const Clock::time_point deadline = *ClockStart + Budget->HardLimit;
        if (Changed.wait_until(lock, deadline) == std::cv_status::timeout && Clock::now() >= deadline) {
            StopRequested = true;
            Expired = true;
        }
    }
}

} // namespace engine
