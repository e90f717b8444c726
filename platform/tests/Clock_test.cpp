#include "ManualClock.h"
#include "SystemClock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

TEST(SystemClock, NeverGoesBackwards)
{
    SystemClock clock;
    auto previous = clock.now();
    for (int i = 0; i < 10000; ++i) {
        const auto current = clock.now();
        ASSERT_GE(current, previous);
        previous = current;
    }
}

TEST(SystemClock, SleepsUntilTheAbsoluteDeadlineHasPassed)
{
    SystemClock clock;
    const auto deadline = clock.now() + 2ms;
    clock.sleepUntil(deadline);
    EXPECT_GE(clock.now(), deadline);
}

TEST(SystemClock, DeadlinesInThePastReturnWithoutWaitingForThem)
{
    // Shared with the sleeper, which outlives the test should it never return.
    auto clock = std::make_shared<SystemClock>();
    auto returned = std::make_shared<std::promise<void>>();
    std::future<void> done = returned->get_future();
    std::thread sleeper([clock, returned] {
        clock->sleepUntil(clock->now() - 1s);
        clock->sleepUntil(clock->now() - 1ns);
        clock->sleepUntil(std::chrono::nanoseconds(0));
        clock->sleepUntil(std::chrono::nanoseconds(-5));
        clock->sleepUntil(std::chrono::nanoseconds::min());
        returned->set_value();
    });
    // A safety limit, not a timing assertion: a past deadline misread as one ahead (or
    // as a duration from now) sleeps for hours or days.
    const bool finished = done.wait_for(60s) == std::future_status::ready;
    if (finished)
        sleeper.join();
    else
        sleeper.detach();
    EXPECT_TRUE(finished) << "a deadline in the past was waited for";
}

TEST(ManualClock, SleeperWakesOnlyWhenTimeReachesItsDeadline)
{
    ManualClock clock(100ms);
    std::atomic<bool> woke {false};
    std::thread sleeper([&] {
        clock.sleepUntil(120ms);
        woke = true;
    });
    ASSERT_TRUE(clock.waitForSleepers(1));
    EXPECT_EQ(clock.earliestDeadline(), 120ms);
    clock.advance(10ms);
    EXPECT_FALSE(woke.load());
    EXPECT_EQ(clock.sleeperCount(), 1);
    clock.advance(10ms);
    sleeper.join();
    EXPECT_TRUE(woke.load());
    EXPECT_EQ(clock.sleeperCount(), 0);
    EXPECT_EQ(clock.now(), 120ms);
}

TEST(ManualClock, WakeSleepersAdvancesToTheEarliestDeadline)
{
    ManualClock clock(0ns);
    std::thread late([&] { clock.sleepUntil(50ms); });
    std::thread early([&] { clock.sleepUntil(30ms); });
    ASSERT_TRUE(clock.waitForSleepers(2));
    clock.wakeSleepers();
    early.join();
    EXPECT_EQ(clock.now(), 30ms);
    EXPECT_EQ(clock.earliestDeadline(), 50ms) << "the earlier sleeper's deadline must not linger";
    clock.wakeSleepers();
    late.join();
    EXPECT_EQ(clock.now(), 50ms);
}

TEST(ManualClock, AutoAdvanceJumpsToTheDeadline)
{
    ManualClock clock(1s);
    clock.setAutoAdvance(true);
    clock.sleepFor(20ms);
    EXPECT_EQ(clock.now(), 1s + 20ms);
    clock.sleepUntil(500ms);
    EXPECT_EQ(clock.now(), 1s + 20ms) << "time never goes backwards";
}

TEST(ManualClock, AdvanceToTheFutureOnly)
{
    ManualClock clock(10ms);
    clock.advanceTo(5ms);
    EXPECT_EQ(clock.now(), 10ms);
    clock.advanceTo(15ms);
    EXPECT_EQ(clock.now(), 15ms);
}

TEST(ManualClock, WokenSleepersNoLongerCountAsSleeping)
{
    ManualClock clock(0ns);
    std::thread sleeper([&] { clock.sleepUntil(20ms); });
    ASSERT_TRUE(clock.waitForSleepers(1));
    clock.wakeSleepers();
    // The woken thread may not have left its sleep yet; it must not count any more,
    // or a test waiting for the next sleep would go on too early.
    EXPECT_EQ(clock.sleeperCount(), 0);
    EXPECT_EQ(clock.earliestDeadline(), 20ms);
    sleeper.join();
    std::thread again([&] { clock.sleepUntil(40ms); });
    ASSERT_TRUE(clock.waitForSleeperUntil(40ms));
    clock.advance(20ms);
    again.join();
}
