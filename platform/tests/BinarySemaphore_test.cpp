#include "BinarySemaphore.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

TEST(BinarySemaphore, ReleasingAFreeSemaphoreBuildsNoCount)
{
    BinarySemaphore semaphore;
    semaphore.release();
    semaphore.release();
    EXPECT_TRUE(semaphore.tryAcquire());
    EXPECT_FALSE(semaphore.tryAcquire()) << "two releases of a free semaphore must not admit two takers";
    EXPECT_TRUE(semaphore.isTaken());
}

TEST(BinarySemaphore, StartsTakenWhenAsked)
{
    BinarySemaphore gate(true);
    EXPECT_TRUE(gate.isTaken());
    EXPECT_FALSE(gate.tryAcquire());
    gate.release();
    EXPECT_FALSE(gate.isTaken());
}

TEST(BinarySemaphore, AcquireWaitsForTheRelease)
{
    BinarySemaphore semaphore(true);
    std::atomic<bool> passed {false};
    std::thread waiter([&] {
        semaphore.acquire();
        passed = true;
    });
    EXPECT_FALSE(passed.load());
    semaphore.release();
    waiter.join();
    EXPECT_TRUE(passed.load());
    EXPECT_TRUE(semaphore.isTaken()) << "the waiter holds it now";
}

TEST(BinarySemaphore, HandsOverBetweenThreadsWithoutLosingAWakeUp)
{
    BinarySemaphore ping(true);
    BinarySemaphore pong(true);
    constexpr int rounds = 2000;
    int counter = 0;
    std::thread partner([&] {
        for (int i = 0; i < rounds; ++i) {
            ping.acquire();
            ++counter;
            pong.release();
        }
    });
    for (int i = 0; i < rounds; ++i) {
        ping.release();
        pong.acquire();
    }
    partner.join();
    EXPECT_EQ(counter, rounds);
}
