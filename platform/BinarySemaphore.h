#pragma once

#include <condition_variable>
#include <mutex>

// A semaphore of capacity one: acquire blocks while it is taken, release frees it.
// Releasing a free semaphore leaves it free, so no count builds up (the engine's start
// gate may be released several times before its thread gets to it).
// Built on the standard mutex and condition variable rather than QMutex and
// QWaitCondition: ThreadSanitizer follows a QMutex but not QWaitCondition's unlocking
// of it, and reports every wait as a double lock.
class BinarySemaphore
{
public:
    explicit BinarySemaphore(bool taken = false);
    BinarySemaphore(const BinarySemaphore&) = delete;
    BinarySemaphore& operator=(const BinarySemaphore&) = delete;

    void acquire();
    // Takes the semaphore only when it is free; never blocks.
    bool tryAcquire();
    void release();
    bool isTaken() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_freed;
    bool m_taken;
};
