#include "BinarySemaphore.h"

BinarySemaphore::BinarySemaphore(bool initiallyTaken) : taken(initiallyTaken)
{
}

void BinarySemaphore::acquire()
{
    std::unique_lock lock(mutex);
    freed.wait(lock, [this] { return !taken; });
    taken = true;
}

bool BinarySemaphore::tryAcquire()
{
    std::lock_guard lock(mutex);
    if (taken)
        return false;
    taken = true;
    return true;
}

void BinarySemaphore::release()
{
    std::lock_guard lock(mutex);
    if (!taken)
        return;
    taken = false;
    freed.notify_one();
}

bool BinarySemaphore::isTaken() const
{
    std::lock_guard lock(mutex);
    return taken;
}
