#include "realtime.h"

#include <algorithm>
#include <atomic>
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>

namespace {

thread_local bool raisedHere = false;

// A process the system refused once is refused every time: no system call
// per tick to hear it again.
std::atomic<bool> refused{false};

} // namespace

bool RealTime::raise(int priority)
{
    if (raisedHere || refused.load(std::memory_order_relaxed))
        return false;
    int policy = 0;
    sched_param param{};
    pthread_getschedparam(pthread_self(), &policy, &param);
    policy &= ~SCHED_RESET_ON_FORK;
    if (policy == SCHED_RR || policy == SCHED_FIFO)
        return false;
    // Children the thread starts meanwhile are not given it.
    const auto set = [&param](rlim_t wanted) {
        param.sched_priority = int(wanted);
        return pthread_setschedparam(pthread_self(), SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0;
    };
    if (!set(rlim_t(priority))) {
        // Root may go above its real-time limit; anyone else only up to it.
        rlimit limit{};
        getrlimit(RLIMIT_RTPRIO, &limit);
        if (limit.rlim_cur < 1 || !set(std::min(limit.rlim_cur, rlim_t(priority)))) {
            refused.store(true, std::memory_order_relaxed);
            return false;
        }
    }
    raisedHere = true;
    return true;
}

void RealTime::lower()
{
    if (!raisedHere)
        return;
    const sched_param param{};
    pthread_setschedparam(pthread_self(), SCHED_OTHER, &param);
    raisedHere = false;
}
