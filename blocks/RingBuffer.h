#pragma once

#include <QVector>

#include <cstdint>
#include <mutex>

// A fixed-size ring of the newest values, shared between the cycle thread (which
// pushes) and a dialog (which reads). Every operation holds the ring's own lock.
// Readers get copies, so nothing they hold can change under them.
template <typename T>
class RingBuffer
{
public:
    explicit RingBuffer(unsigned n = 1) : m_data(static_cast<int>(n == 0 ? 1 : n)), m_writeIndex(0) { }

    RingBuffer(const RingBuffer&) = delete;
    RingBuffer& operator=(const RingBuffer&) = delete;

    void resize(unsigned n)
    {
        const std::lock_guard locker(m_mutex);
        m_writeIndex = 0;
        m_data.resize(static_cast<int>(n == 0 ? 1 : n));
    }

    void push(const T& value)
    {
        const std::lock_guard locker(m_mutex);
        m_data[m_writeIndex] = value;
        if (++m_writeIndex >= m_data.size())
            m_writeIndex = 0;
    }

    // The newest entry.
    T last() const { return at(0); }

    // The entry k places before the newest; k of the size or more wraps around again.
    T at(std::int64_t k) const
    {
        const std::lock_guard locker(m_mutex);
        return m_data[wrap(static_cast<std::int64_t>(m_writeIndex) - 1 - k)];
    }

    // Calls f with the count newest entries, newest first, wrapping around the ring
    // when count exceeds its size, under one lock.
    template <typename F>
    void forNewest(std::int64_t count, F f) const
    {
        const std::lock_guard locker(m_mutex);
        for (std::int64_t k = 0; k < count; ++k)
            f(m_data[wrap(static_cast<std::int64_t>(m_writeIndex) - 1 - k)]);
    }

    // The entry at storage position i, counted from the start of the storage.
    T atIndex(std::int64_t i) const
    {
        const std::lock_guard locker(m_mutex);
        return m_data[wrap(i)];
    }

    // The whole storage and the next write position, taken under one lock, so that a
    // drawing shows one consistent record.
    QVector<T> storage(int* nextWrite) const
    {
        const std::lock_guard locker(m_mutex);
        *nextWrite = m_writeIndex;
        // A deep copy, so the next push never detaches storage a reader still shares.
        return QVector<T>(m_data.cbegin(), m_data.cend());
    }
    void fill(const T& value)
    {
        const std::lock_guard locker(m_mutex);
        m_data.fill(value);
        m_writeIndex = 0;
    }

    int size() const
    {
        const std::lock_guard locker(m_mutex);
        return m_data.size();
    }

    int nextWriteIndex() const
    {
        const std::lock_guard locker(m_mutex);
        return m_writeIndex;
    }

private:
    int wrap(std::int64_t i) const
    {
        const std::int64_t n = m_data.size();
        return static_cast<int>(((i % n) + n) % n);
    }

    QVector<T> m_data;
    int m_writeIndex;
    mutable std::mutex m_mutex;
};
