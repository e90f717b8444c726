#pragma once

#include "Clock.h"

// CLOCK_MONOTONIC; sleeps to absolute deadlines with clock_nanosleep so that a sleep
// interrupted by a signal, or started late, never stretches the period.
class SystemClock : public Clock
{
public:
    std::chrono::nanoseconds now() const override;
    void sleepUntil(std::chrono::nanoseconds deadline) override;
};
