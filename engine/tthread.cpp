#include "engine/tthread.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>

TThread::TThread() = default;

TThread::~TThread()
{
    if (FThread.joinable()) {
        Terminate();
        FThread.join();
    }
}

void TThread::Start()
{
    if (FThread.joinable())
        return;
    FThread = std::thread([this] {
        errno = 0;
        const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
        FBaseNice = errno == 0 ? nice : 0;
        FAppliedPriority = tpNormal;
        ApplyPriority();
        Execute();
    });
}

void TThread::Terminate()
{
    FTerminated.store(true);
    WakeUp();
}

void TThread::WaitFor()
{
    if (!FThread.joinable())
        return;
    FThread.join();
    if (OnTerminate)
        OnTerminate(this);
}

// Linux gives each thread its own nice value. Idle uses the idle scheduling class; the other levels
// are nice steps below the level the thread started with. Anything above normal is normal: the
// worker never runs ahead of the user interface. Lowering the nice value again may need a privilege
// the user lacks; the thread then keeps its lower level, which is harmless.
void TThread::ApplyPriority()
{
    const TThreadPriority wanted = FPriority.load();
    if (wanted == FAppliedPriority)
        return;
    sched_param param {};
    if (wanted == tpIdle) {
        pthread_setschedparam(pthread_self(), SCHED_IDLE, &param);
    } else {
        pthread_setschedparam(pthread_self(), SCHED_OTHER, &param);
        const int step = wanted == tpLowest ? 10 : wanted == tpLower ? 5 : 0;
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), FBaseNice + step);
    }
    FAppliedPriority = wanted;
}
