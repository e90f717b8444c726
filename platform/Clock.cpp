#include "Clock.h"

#include "SystemClock.h"

Clock::~Clock() = default;

void Clock::sleepFor(std::chrono::nanoseconds duration)
{
    sleepUntil(now() + duration);
}

Clock& systemClock()
{
    static SystemClock clock;
    return clock;
}
