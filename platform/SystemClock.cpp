#include "SystemClock.h"

#include <cerrno>
#include <ctime>

namespace {

constexpr long nanosecondsPerSecond = 1000000000L;

timespec toTimespec(std::chrono::nanoseconds t)
{
    const long long count = t.count();
    timespec ts;
    ts.tv_sec = static_cast<time_t>(count / nanosecondsPerSecond);
    ts.tv_nsec = static_cast<long>(count % nanosecondsPerSecond);
    return ts;
}

} // namespace

std::chrono::nanoseconds SystemClock::now() const
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}

void SystemClock::sleepUntil(std::chrono::nanoseconds deadline)
{
    if (deadline.count() <= 0)
        return;
    const timespec ts = toTimespec(deadline);
    // clock_nanosleep returns the error number itself; EINTR means "sleep again" and,
    // the deadline being absolute, the retry loses nothing.
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}
