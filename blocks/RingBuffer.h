#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QVector>

#include <cstdint>

// A fixed-size ring of the newest values, shared between the cycle thread (which
// pushes) and a dialog (which reads). Every operation holds the ring's own lock.
// Readers get copies, so nothing they hold can change under them.
template <typename T>
class RingBuffer
{
public:
    explicit RingBuffer(unsigned n = 1) : data(static_cast<int>(n == 0 ? 1 : n)), writeIndex(0) {}

    RingBuffer(const RingBuffer&) = delete;
    RingBuffer& operator=(const RingBuffer&) = delete;

    void resize(unsigned n)
    {
        QMutexLocker locker(&mutex);
        writeIndex = 0;
        data.resize(static_cast<int>(n == 0 ? 1 : n));
    }

    void push(const T& value)
    {
        QMutexLocker locker(&mutex);
        data[writeIndex] = value;
        if (++writeIndex >= data.size())
            writeIndex = 0;
    }

    // The newest entry.
    T last() const { return at(0); }

    // The entry k places before the newest; k of the size or more wraps around again.
    T at(std::int64_t k) const
    {
        QMutexLocker locker(&mutex);
        return data[wrap(static_cast<std::int64_t>(writeIndex) - 1 - k)];
    }

    // Calls f with the count newest entries, newest first, wrapping around the ring
    // when count exceeds its size, under one lock.
    template <typename F>
    void forNewest(std::int64_t count, F f) const
    {
        QMutexLocker locker(&mutex);
        for (std::int64_t k = 0; k < count; ++k)
            f(data[wrap(static_cast<std::int64_t>(writeIndex) - 1 - k)]);
    }

    // The entry at storage position i, counted from the start of the storage.
    T atIndex(std::int64_t i) const
    {
        QMutexLocker locker(&mutex);
        return data[wrap(i)];
    }

    void fill(const T& value)
    {
        QMutexLocker locker(&mutex);
        data.fill(value);
        writeIndex = 0;
    }

    int size() const
    {
        QMutexLocker locker(&mutex);
        return data.size();
    }

    int nextWriteIndex() const
    {
        QMutexLocker locker(&mutex);
        return writeIndex;
    }

private:
    int wrap(std::int64_t i) const
    {
        const std::int64_t n = data.size();
        return static_cast<int>(((i % n) + n) % n);
    }

    QVector<T> data;
    int writeIndex;
    mutable QMutex mutex;
};
