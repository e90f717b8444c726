// Image pool: lending by handle, growth, copies and the holder's handle convention.
#include "ImagePool.h"
#include "XKDConMultiPoints.h"
#include "XKDImage.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(ImagePool, TenImagesPerClassThenGrowsByOne)
{
    ImagePool pool;
    for (unsigned i = 0; i < ImageSizes::classCount; ++i)
        EXPECT_EQ(pool.imageCount(i), 10);
    for (std::uint32_t slot = 0; slot < 10; ++slot)
        EXPECT_EQ(pool.acquire(0).slot, slot);
    const ImageHandle eleventh = pool.acquire(0);
    EXPECT_EQ(eleventh.slot, 10u);
    EXPECT_EQ(pool.imageCount(0), 11);
    EXPECT_EQ(pool.inUseCount(0), 11);
    EXPECT_EQ(pool.image(eleventh)->width(), 320);
}

TEST(ImagePool, LowestFreeSlotFirst)
{
    ImagePool pool;
    ImageHandle handles[10];
    for (ImageHandle& h : handles)
        h = pool.acquire(1);
    pool.release(handles[7]);
    pool.release(handles[3]);
    EXPECT_EQ(pool.acquire(1).slot, 3u);
    EXPECT_EQ(pool.acquire(1).slot, 7u);
}

TEST(ImagePool, ReleaseMakesTheHandleNoneAndKeepsItsSlot)
{
    ImagePool pool;
    ImageHandle handle = pool.acquire(2);
    pool.acquire(2);
    ImageHandle second = pool.acquire(2);
    pool.image(second)->setTag(5);
    pool.release(second);
    EXPECT_EQ(second.sizeIndex, 4u);
    EXPECT_EQ(second.slot, 2u);
    pool.release(second); // again: nothing
    EXPECT_EQ(pool.inUseCount(2), 2);
    EXPECT_EQ(pool.image(second), nullptr);
    EXPECT_EQ(pool.image(ImageHandle {2, 2})->tag(), 0u);
    (void)handle;
}

TEST(ImagePool, NoSizeClassIsRefused)
{
    ImagePool pool;
    for (unsigned index : {3u, 4u, 99u}) {
        const ImageHandle handle = pool.acquire(index);
        EXPECT_TRUE(handle.isNone()) << index;
    }
    const ImageHandle none {4, 6};
    EXPECT_EQ(pool.copy(none), (ImageHandle {4, 6}));
    EXPECT_EQ(pool.image(none), nullptr);
}

TEST(ImagePool, CopyOfAFullClassGrowsAndCopiesEverything)
{
    ImagePool pool;
    ImageHandle handles[10];
    for (ImageHandle& h : handles)
        h = pool.acquire(0);
    XKDImage* source = pool.image(handles[4]);
    std::memset(source->data(), 0x5A, 320 * 240 * 3);
    source->setTag(77);
    source->setColorFormat(ColorFormat_t::HSV);
    static_cast<XKDConMultiPoints*>(source->container(XKDContainer::MultiPoints, "line"))->points.push_back(3);
    const ImageHandle copy = pool.copy(handles[4]);
    EXPECT_EQ(copy, (ImageHandle {0, 10}));
    XKDImage* target = pool.image(copy);
    EXPECT_EQ(target->tag(), 77u);
    EXPECT_EQ(target->colorFormat(), ColorFormat_t::HSV);
    EXPECT_EQ(std::memcmp(target->data(), source->data(), 320 * 240 * 3), 0);
    auto* points = static_cast<XKDConMultiPoints*>(target->findContainer(XKDContainer::MultiPoints, "line"));
    ASSERT_NE(points, nullptr);
    EXPECT_EQ(points->points, std::vector<std::uint32_t> {3});
}

TEST(ImagePool, ImagesStayPutWhileTheClassGrows)
{
    ImagePool pool;
    const ImageHandle first = pool.acquire(1);
    XKDImage* image = pool.image(first);
    for (int i = 0; i < 40; ++i)
        pool.acquire(1);
    EXPECT_EQ(pool.image(first), image);
}

} // namespace
