#include "RealtimeScheduling.h"

#include "LogCategories.h"

#include <QtGlobal>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>

namespace {

std::atomic<int> warnings {0};

} // namespace

bool RealtimeScheduling::raiseProcessPriority()
{
    if (setpriority(PRIO_PROCESS, 0, processNice) == 0)
        return true;
    warnOnce("raised process priority", errno);
    return false;
}

bool RealtimeScheduling::makeCurrentThreadRealtime(int priority)
{
    sched_param parameters {};
    parameters.sched_priority =
        qBound(sched_get_priority_min(SCHED_FIFO), priority, sched_get_priority_max(SCHED_FIFO));
    const int result = pthread_setschedparam(pthread_self(), SCHED_FIFO, &parameters);
    if (result == 0)
        return true;
    warnOnce("real-time scheduling (SCHED_FIFO)", result);
    return false;
}

int RealtimeScheduling::warningCount()
{
    return warnings.load();
}

void RealtimeScheduling::warnOnce(const char* what, int errorNumber)
{
    if (warnings.exchange(1) != 0)
        return;
    qCWarning(lcPlatform, "%s refused (%s); running with normal scheduling", what, std::strerror(errorNumber));
}
