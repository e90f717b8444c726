#include "BinarySemaphore.h"

BinarySemaphore::BinarySemaphore(bool initiallyTaken) : m_taken(initiallyTaken)
{
}

void BinarySemaphore::acquire()
{
    std::unique_lock lock(m_mutex);
    m_freed.wait(lock, [this] { return !m_taken; });
    m_taken = true;
}

bool BinarySemaphore::tryAcquire()
{
    std::lock_guard lock(m_mutex);
    if (m_taken)
        return false;
    m_taken = true;
    return true;
}

void BinarySemaphore::release()
{
    std::lock_guard lock(m_mutex);
    if (!m_taken)
        return;
    m_taken = false;
    m_freed.notify_one();
}

bool BinarySemaphore::isTaken() const
{
    std::lock_guard lock(m_mutex);
    return m_taken;
}
