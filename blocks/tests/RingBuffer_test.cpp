#include "PlotPoint.h"
#include "RingBuffer.h"

#include <gtest/gtest.h>

TEST(RingBuffer, NewestFirstAndWrapsBothWays)
{
    RingBuffer<float> ring(3);
    for (float v : {1.0f, 2.0f, 3.0f, 4.0f})
        ring.push(v);

    EXPECT_EQ(ring.nextWriteIndex(), 1);
    EXPECT_EQ(ring.last(), 4.0f);
    const float newestFirst[] = {4.0f, 3.0f, 2.0f, 4.0f, 3.0f};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(ring.at(k), newestFirst[k]) << "k=" << k;
    EXPECT_EQ(ring.atIndex(0), 4.0f);
    EXPECT_EQ(ring.atIndex(4), 2.0f);
    // Far-off and negative offsets stay inside the ring.
    EXPECT_EQ(ring.at(3000000000LL), ring.at(3000000000LL % 3));
    EXPECT_EQ(ring.at(-1), 2.0f);
    EXPECT_EQ(ring.atIndex(-1), 3.0f);
}

TEST(RingBuffer, NewestEntriesInOneWalk)
{
    RingBuffer<float> ring(3);
    for (float v : {1.0f, 2.0f, 3.0f, 4.0f})
        ring.push(v);
    QVector<float> seen;
    ring.forNewest(5, [&seen](float v) { seen.append(v); });
    EXPECT_EQ(seen, (QVector<float> {4, 3, 2, 4, 3}));
}

TEST(RingBuffer, SizeZeroMeansOneEntry)
{
    RingBuffer<float> ring(0);
    EXPECT_EQ(ring.size(), 1);
    ring.push(5.0f);
    EXPECT_EQ(ring.nextWriteIndex(), 0);
    EXPECT_EQ(ring.last(), 5.0f);
    ring.resize(0);
    EXPECT_EQ(ring.size(), 1);
}

TEST(RingBuffer, ResizeKeepsEntriesAndRestartsWriting)
{
    RingBuffer<float> ring(2);
    ring.push(1.0f);
    ring.push(2.0f);
    ring.resize(4);
    EXPECT_EQ(ring.size(), 4);
    EXPECT_EQ(ring.nextWriteIndex(), 0);
    EXPECT_EQ(ring.atIndex(0), 1.0f);
    EXPECT_EQ(ring.atIndex(1), 2.0f);
    EXPECT_EQ(ring.atIndex(2), 0.0f);
}

TEST(RingBuffer, FillEmptiesThePlotRecord)
{
    RingBuffer<PlotPoint> ring(200);
    ring.push({1.5f, 20, true});
    ring.fill(PlotPoint());
    EXPECT_EQ(ring.nextWriteIndex(), 0);
    const PlotPoint newest = ring.last();
    EXPECT_FALSE(newest.valid);
    EXPECT_EQ(newest.interval, -1);
    EXPECT_EQ(newest.value, 0.0f);
}
