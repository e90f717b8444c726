#include "PerformanceTimer.h"

#include "Clock.h"

#include <climits>

PerformanceTimer::PerformanceTimer(Clock& sourceClock) : m_clock(&sourceClock)
{
}

PerformanceTimer::PerformanceTimer() : PerformanceTimer(systemClock())
{
}

void PerformanceTimer::start()
{
    m_startTime = m_clock->now();
    m_started = true;
}

double PerformanceTimer::elapsed() const
{
    if (!m_started)
        return 0.0;
    const std::chrono::duration<double, std::milli> span = m_clock->now() - m_startTime;
    return span.count();
}

int PerformanceTimer::rate() const
{
    const double milliseconds = elapsed();
    if (milliseconds <= 0.0)
        return 0;
    const double perSecond = 1000.0 / milliseconds;
    return perSecond >= double(INT_MAX) ? INT_MAX : static_cast<int>(perSecond);
}

void PerformanceTimer::sleep(unsigned milliseconds)
{
    systemClock().sleepFor(std::chrono::milliseconds(milliseconds));
}
