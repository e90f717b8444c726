#pragma once

#include <chrono>

// Monotonic time source of the engine and of time-dependent blocks. Code takes a Clock
// instead of reading the system so that tests can drive time without sleeping.
class Clock
{
public:
    virtual ~Clock();

    // Time since an arbitrary fixed origin; never goes backwards.
    virtual std::chrono::nanoseconds now() const = 0;
    // Returns once now() has reached the deadline (at once when it already has).
    virtual void sleepUntil(std::chrono::nanoseconds deadline) = 0;

    void sleepFor(std::chrono::nanoseconds duration);
};

// The process's monotonic clock (a SystemClock).
Clock& systemClock();
