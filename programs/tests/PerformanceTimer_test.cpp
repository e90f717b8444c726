#include "ManualClock.h"
#include "PerformanceTimer.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(PerformanceTimer, NeverStartedReadsZero)
{
    ManualClock clock;
    PerformanceTimer timer(clock);
    clock.advance(5s);
    EXPECT_EQ(timer.elapsed(), 0.0);
    EXPECT_EQ(timer.rate(), 0);
}

TEST(PerformanceTimer, ElapsedAndRate)
{
    struct Case
    {
        std::chrono::nanoseconds span;
        double milliseconds;
        int rate;
    };
    const Case cases[] = {
        {20ms, 20.0, 50},
        {25ms, 25.0, 40},
        {19999us, 19.999, 50},
        {20001us, 20.001, 49},
        {3ms, 3.0, 333},
        {0ns, 0.0, 0},
        {1ns, 1e-6, 1000000000},
        // Thirty days of run time keep their last microsecond.
        {24h * 30 + 1us, 2592000000.001, 0},
    };
    for (const Case& c : cases) {
        ManualClock clock(1000h);
        PerformanceTimer timer(clock);
        timer.start();
        clock.advance(c.span);
        EXPECT_DOUBLE_EQ(timer.elapsed(), c.milliseconds) << c.span.count();
        EXPECT_EQ(timer.rate(), c.rate) << c.span.count();
    }
}

TEST(PerformanceTimer, RestartMeasuresFromTheNewStart)
{
    ManualClock clock;
    PerformanceTimer timer(clock);
    timer.start();
    clock.advance(100ms);
    timer.start();
    clock.advance(10ms);
    EXPECT_DOUBLE_EQ(timer.elapsed(), 10.0);
}

TEST(PerformanceTimer, SleepsOnTheSystemClock)
{
    PerformanceTimer timer;
    timer.start();
    PerformanceTimer::sleep(2);
    EXPECT_GE(timer.elapsed(), 2.0);
}
