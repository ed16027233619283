#pragma once

// Bounded waits on other threads for the tests that stop searches: for a state another thread
// brings about, for how long the other threads have worked, and a watchdog that fails a test whose
// call hangs instead of holding up the whole run.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include <time.h>

// Processor time used by all threads of this process except the calling one.
inline std::chrono::nanoseconds OtherThreadsCpuTime()
{
    const auto read = [](clockid_t clock) {
        timespec t {};
        clock_gettime(clock, &t);
        return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
    };
    return read(CLOCK_PROCESS_CPUTIME_ID) - read(CLOCK_THREAD_CPUTIME_ID);
}

// Waits, without running any event loop, until the condition holds (another thread makes it
// true); false when it has not within `timeout`.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(30))
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Waits until the other threads have used `work` more processor time than at the call. A search on
// another thread, the only busy one, has then searched that long. False when that has not happened
// within `timeout`.
inline bool WaitForOtherThreadsToWork(
    std::chrono::milliseconds work, std::chrono::milliseconds timeout = std::chrono::seconds(30))
{
    const auto start = OtherThreadsCpuTime();
    return WaitUntil([&] { return OtherThreadsCpuTime() - start >= work; }, timeout);
}

// Ends the test program with a failure when it is still in scope after `limit`: the calling thread
// is then stuck in a call that should have returned, and nothing else could end the test.
class Watchdog {
public:
    Watchdog(std::chrono::milliseconds limit, const char* what)
        : Thread([this, limit, what] {
            std::unique_lock lock(Mutex);
            if (!Disarmed.wait_for(lock, limit, [this] { return Done; })) {
                std::fprintf(stderr, "Watchdog: %s did not return within %lld ms\n", what,
                    static_cast<long long>(limit.count()));
                std::_Exit(EXIT_FAILURE);
            }
        })
    {
    }
    ~Watchdog()
    {
        {
            const std::lock_guard lock(Mutex);
            Done = true;
        }
        Disarmed.notify_all();
        Thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex Mutex;
    std::condition_variable Disarmed;
    bool Done = false;
    std::thread Thread; // last: it starts only once the others are set up
};
