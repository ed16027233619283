#pragma once

// TThread: a worker thread with a body, a terminate request, a scheduling priority and an end
// notification, over std::thread.
//
// The owner constructs it, sets it up, then calls Start(); Terminate() asks the body to end and
// WaitFor() joins the thread and then runs the end notification on the joining thread. The owner
// must call WaitFor() before destroying the object (the destructor joins as a last resort).
// Terminate, Terminated and SetPriority may be called from any thread.

#include <atomic>
#include <functional>
#include <thread>

// Scheduling levels, lowest first. tpLower and below run behind the user interface.
enum TThreadPriority : unsigned char { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TThread {
public:
    TThread();
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Start();
    // Sets the terminate request and wakes the body if it waits.
    void Terminate();
    bool Terminated() const { return FTerminated.load(); }
    // Joins the thread, then calls OnTerminate. Returns at once when the thread never started.
    void WaitFor();

    // Takes effect when the body next calls ApplyPriority (at start and before each piece of work).
    void SetPriority(TThreadPriority priority) { FPriority.store(priority); }
    TThreadPriority Priority() const { return FPriority.load(); }

    std::function<void(TThread* Sender)> OnTerminate;

protected:
    // The thread's work; it should return soon after Terminated() becomes true.
    virtual void Execute() = 0;
    // Called by Terminate after the request is set, so that a waiting body wakes up.
    virtual void WakeUp() { }
    // Gives the calling (worker) thread the scheduling level of Priority().
    void ApplyPriority();

private:
    std::thread FThread;
    std::atomic<bool> FTerminated { false };
    std::atomic<TThreadPriority> FPriority { tpNormal };
    // Worker-thread only: the level last applied, and the nice value the thread started with.
    TThreadPriority FAppliedPriority = tpNormal;
    int FBaseNice = 0;
};
