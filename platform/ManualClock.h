#pragma once

#include "Clock.h"

#include <condition_variable>
#include <mutex>
#include <set>

// A clock that tests move by hand. A sleeper blocks until the test advances the time
// past its deadline; waitForSleepers() lets a test wait until a thread has reached its
// sleep, so the engine can be run cycle by cycle in lockstep. With auto-advance on, a
// sleep jumps the time to its deadline and returns at once.
class ManualClock : public Clock
{
public:
    explicit ManualClock(std::chrono::nanoseconds start = std::chrono::seconds(1));

    std::chrono::nanoseconds now() const override;
    void sleepUntil(std::chrono::nanoseconds deadline) override;

    void advance(std::chrono::nanoseconds step);
    void advanceTo(std::chrono::nanoseconds time);
    void setAutoAdvance(bool on);

    // Time at which the oldest current sleeper wants to wake; now() when none sleeps.
    std::chrono::nanoseconds earliestDeadline() const;
    // Advances to the earliest deadline of the current sleepers.
    void wakeSleepers();

    // Threads asleep with a deadline still ahead (woken ones that have not yet left
    // their sleep do not count).
    int sleeperCount() const;
    // Waits until at least n threads sleep towards a deadline still ahead; false when
    // that did not happen within the safety limit (a test failure, not a timing
    // assertion).
    bool waitForSleepers(int n, std::chrono::milliseconds limit = std::chrono::seconds(20));
    // Waits until some thread sleeps towards exactly this deadline.
    bool waitForSleeperUntil(std::chrono::nanoseconds deadline,
                             std::chrono::milliseconds limit = std::chrono::seconds(20));

private:
    int pendingSleepers() const;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::chrono::nanoseconds m_time;
    std::multiset<std::chrono::nanoseconds> m_deadlines; // one per sleeping thread
    bool m_autoAdvance = false;
};
