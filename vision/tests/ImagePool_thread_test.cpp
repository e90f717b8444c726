// Two threads lend, copy and give back pool images at once, as the image thread and the GUI
// thread do; run under ThreadSanitizer too.
#include "ImagePool.h"
#include "XKDImage.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

void lendCopyAndGiveBack(ImagePool& pool, unsigned sizeIndex, std::uint8_t mark, int rounds, std::atomic<int>& faults)
{
    for (int round = 0; round < rounds; ++round) {
        ImageHandle held[6];
        for (ImageHandle& h : held) {
            h = pool.acquire(sizeIndex);
            XKDImage* image = pool.image(h);
            std::memset(image->data(), mark, 16);
            image->setTag(mark);
        }
        ImageHandle copy = pool.copy(held[1]);
        const XKDImage* copied = pool.image(copy);
        if (copied->tag() != mark || copied->data()[15] != mark)
            faults.fetch_add(1);
        for (ImageHandle& h : held)
            pool.release(h);
        pool.release(copy);
    }
}

TEST(ImagePoolSoak, TwoThreadsAcquireCopyAndReleaseSoundly)
{
    ImagePool pool;
    std::atomic<int> faults {0};
    // Both threads share class 0 so that it grows while the other thread gives images back.
    std::thread imageThread(lendCopyAndGiveBack, std::ref(pool), 0u, std::uint8_t {0x11}, 400, std::ref(faults));
    std::thread guiThread(lendCopyAndGiveBack, std::ref(pool), 0u, std::uint8_t {0x22}, 400, std::ref(faults));
    imageThread.join();
    guiThread.join();
    EXPECT_EQ(faults.load(), 0);
    EXPECT_EQ(pool.inUseCount(0), 0);
    EXPECT_LE(pool.imageCount(0), 14); // 7 per thread at most
}

} // namespace
