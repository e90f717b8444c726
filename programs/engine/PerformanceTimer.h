#pragma once

#include <chrono>

class Clock;

// Stopwatch of the engine threads and of time-dependent blocks. Keeps its times in
// nanoseconds and computes in double precision, so long runs neither overflow nor
// lose resolution.
class PerformanceTimer
{
public:
    explicit PerformanceTimer(Clock& clock);
    PerformanceTimer();

    void start();
    // Milliseconds since start(); 0.0 when never started.
    double elapsed() const;
    // Cycles per second for a cycle of elapsed() milliseconds, truncated; 0 when never
    // started or when no time has passed.
    int rate() const;

    // Sleeps the calling thread for that many milliseconds.
    static void sleep(unsigned milliseconds);

private:
    Clock* m_clock;
    std::chrono::nanoseconds m_startTime {0};
    bool m_started = false;
};
