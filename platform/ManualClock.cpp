#include "ManualClock.h"

#include <iterator>

ManualClock::ManualClock(std::chrono::nanoseconds start) : m_time(start)
{
}

std::chrono::nanoseconds ManualClock::now() const
{
    std::lock_guard lock(m_mutex);
    return m_time;
}

void ManualClock::sleepUntil(std::chrono::nanoseconds deadline)
{
    std::unique_lock lock(m_mutex);
    if (m_autoAdvance) {
        if (deadline > m_time)
            m_time = deadline;
        return;
    }
    if (deadline <= m_time)
        return;
    const auto entry = m_deadlines.insert(deadline);
    m_changed.notify_all();
    m_changed.wait(lock, [&] { return m_time >= deadline || m_autoAdvance; });
    m_deadlines.erase(entry);
    m_changed.notify_all();
}

void ManualClock::advance(std::chrono::nanoseconds step)
{
    std::lock_guard lock(m_mutex);
    m_time += step;
    m_changed.notify_all();
}

void ManualClock::advanceTo(std::chrono::nanoseconds target)
{
    std::lock_guard lock(m_mutex);
    if (target > m_time)
        m_time = target;
    m_changed.notify_all();
}

void ManualClock::setAutoAdvance(bool on)
{
    std::lock_guard lock(m_mutex);
    m_autoAdvance = on;
    m_changed.notify_all();
}

std::chrono::nanoseconds ManualClock::earliestDeadline() const
{
    std::lock_guard lock(m_mutex);
    const auto pending = m_deadlines.upper_bound(m_time);
    return pending == m_deadlines.end() ? m_time : *pending;
}

void ManualClock::wakeSleepers()
{
    advanceTo(earliestDeadline());
}

int ManualClock::pendingSleepers() const
{
    return static_cast<int>(std::distance(m_deadlines.upper_bound(m_time), m_deadlines.end()));
}

int ManualClock::sleeperCount() const
{
    std::lock_guard lock(m_mutex);
    return pendingSleepers();
}

bool ManualClock::waitForSleepers(int n, std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, limit, [&] { return pendingSleepers() >= n; });
}

bool ManualClock::waitForSleeperUntil(std::chrono::nanoseconds deadline, std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, limit, [&] { return deadline > m_time && m_deadlines.count(deadline) > 0; });
}
