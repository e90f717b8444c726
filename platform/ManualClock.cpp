#include "ManualClock.h"

#include <iterator>

ManualClock::ManualClock(std::chrono::nanoseconds start) : time(start)
{
}

std::chrono::nanoseconds ManualClock::now() const
{
    std::lock_guard lock(mutex);
    return time;
}

void ManualClock::sleepUntil(std::chrono::nanoseconds deadline)
{
    std::unique_lock lock(mutex);
    if (autoAdvance) {
        if (deadline > time)
            time = deadline;
        return;
    }
    if (deadline <= time)
        return;
    const auto entry = deadlines.insert(deadline);
    changed.notify_all();
    changed.wait(lock, [&] { return time >= deadline || autoAdvance; });
    deadlines.erase(entry);
    changed.notify_all();
}

void ManualClock::advance(std::chrono::nanoseconds step)
{
    std::lock_guard lock(mutex);
    time += step;
    changed.notify_all();
}

void ManualClock::advanceTo(std::chrono::nanoseconds target)
{
    std::lock_guard lock(mutex);
    if (target > time)
        time = target;
    changed.notify_all();
}

void ManualClock::setAutoAdvance(bool on)
{
    std::lock_guard lock(mutex);
    autoAdvance = on;
    changed.notify_all();
}

std::chrono::nanoseconds ManualClock::earliestDeadline() const
{
    std::lock_guard lock(mutex);
    const auto pending = deadlines.upper_bound(time);
    return pending == deadlines.end() ? time : *pending;
}

void ManualClock::wakeSleepers()
{
    advanceTo(earliestDeadline());
}

int ManualClock::pendingSleepers() const
{
    return static_cast<int>(std::distance(deadlines.upper_bound(time), deadlines.end()));
}

int ManualClock::sleeperCount() const
{
    std::lock_guard lock(mutex);
    return pendingSleepers();
}

bool ManualClock::waitForSleepers(int n, std::chrono::milliseconds limit)
{
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, limit, [&] { return pendingSleepers() >= n; });
}

bool ManualClock::waitForSleeperUntil(std::chrono::nanoseconds deadline, std::chrono::milliseconds limit)
{
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, limit, [&] { return deadline > time && deadlines.count(deadline) > 0; });
}
