// Sobel filters: the operator definitions, the pixels read around the region, argument checks in
// order, and identical destinations from all four builds with nothing written outside the region.
#include <gtest/gtest.h>

#include <vector>

#include "builds.h"
#include "copy_test_images.h"

using namespace imagetest;

namespace {

using Filter = ImagingStatus (*)(const uint8_t*, int32_t, int16_t*, int32_t, RoiSize, int32_t);

const std::array<Filter, 4> kVertical = ZEFRIM_ALL_BUILDS(zfmiFilterSobelVert_8u16s_C1R);
const std::array<Filter, 4> kHorizontal = ZEFRIM_ALL_BUILDS(zfmiFilterSobelHoriz_8u16s_C1R);

// The masks laid over the neighbourhood, rows top to bottom.
int32_t maskWeight(bool vertical, int32_t mask, int32_t dx, int32_t dy)
{
    static const int32_t smooth3[3] = {1, 2, 1}, derive3[3] = {1, 0, -1};
    static const int32_t smooth5[5] = {1, 4, 6, 4, 1}, derive5[5] = {1, 2, 0, -2, -1};
    const int32_t r = mask == MaskSize3x3 ? 1 : 2;
    const int32_t* smooth = r == 1 ? smooth3 : smooth5;
    const int32_t* derive = r == 1 ? derive3 : derive5;
    // Vertical-edge filter: left minus right; horizontal-edge filter: lower minus upper.
    return vertical ? smooth[dy + r] * derive[dx + r] : -derive[dy + r] * smooth[dx + r];
}

int32_t expectedValue(ExactSource& src, bool vertical, int32_t mask, int32_t x, int32_t y)
{
    const int32_t r = mask == MaskSize3x3 ? 1 : 2;
    int32_t sum = 0;
    for (int32_t dy = -r; dy <= r; ++dy)
        for (int32_t dx = -r; dx <= r; ++dx)
            sum += maskWeight(vertical, mask, dx, dy) * src.at(x + dx, y + dy);
    return sum;
}

struct Shape {
    int32_t srcPad, dstPad, dstOffset;
};

} // namespace

TEST(Sobel, EveryBuildComputesTheOperatorForEveryWidth)
{
    const Shape shapes[] = {{0, 0, 0}, {3, 1, 2}, {5, 3, 1}};
    for (int32_t mask : {MaskSize3x3, MaskSize5x5})
        for (bool vertical : {true, false})
            for (const Shape& shape : shapes)
                for (int32_t width = 1; width <= 70; ++width) {
                    const int32_t height = 1 + width % 4;
                    const int32_t r = mask == MaskSize3x3 ? 1 : 2;
                    ExactSource src(width, height, width + 2 * r + shape.srcPad, r, 3u + width);
                    for (int b = 0; b < 4; ++b) {
                        GuardedImage dst(2 * width, height, 2 * width + shape.dstPad, shape.dstOffset, 4);
                        const Filter filter = vertical ? kVertical[b] : kHorizontal[b];
                        ASSERT_EQ(filter(src.data(), src.step(), dst.as<int16_t>(), dst.step(),
                                         {width, height}, mask),
                                  StatusOk);
                        for (int32_t y = 0; y < height; ++y)
                            for (int32_t x = 0; x < width; ++x)
                                ASSERT_EQ(dst.value16(y, x), expectedValue(src, vertical, mask, x, y))
                                    << kBuildNames[b] << (vertical ? " vertical " : " horizontal ") << mask
                                    << " width " << width << " at " << x << "," << y;
                        ASSERT_TRUE(dst.outsideUnchanged()) << kBuildNames[b] << " width " << width;
                    }
                }
}

TEST(Sobel, LargeImagesAgreeInEveryBuild)
{
    for (int32_t mask : {MaskSize3x3, MaskSize5x5})
        for (bool vertical : {true, false}) {
            ExactSource src(640, 48, 644 + 1, 2, 9);
            std::vector<std::vector<uint8_t>> results;
            for (int b = 0; b < 4; ++b) {
                GuardedImage dst(2 * 640, 48, 2 * 640, 0, 4);
                const Filter filter = vertical ? kVertical[b] : kHorizontal[b];
                ASSERT_EQ(filter(src.data(), src.step(), dst.as<int16_t>(), dst.step(), {640, 48}, mask),
                          StatusOk);
                EXPECT_TRUE(dst.outsideUnchanged());
                results.push_back(dst.regionBytes());
            }
            for (int b = 1; b < 4; ++b)
                EXPECT_EQ(results[b], results[0]) << kBuildNames[b] << " mask " << mask;
        }
}

TEST(Sobel, StepEdgesGiveTheFullResponseNextToTheEdge)
{
    struct Case {
        int32_t mask;
        std::vector<int32_t> nearEdge; // values at offsets -r .. r-1 from the edge
    };
    const Case cases[] = {{MaskSize3x3, {1020, 1020}}, {MaskSize5x5, {4080, 12240, 12240, 4080}}};
    constexpr int32_t kSize = 12, kEdge = 6;
    for (const Case& c : cases)
        for (int b = 0; b < 4; ++b) {
            const int32_t r = c.mask == MaskSize3x3 ? 1 : 2;
            // Dark left / top, bright from column / row kEdge on, frame included.
            ExactSource columns(kSize, kSize, kSize + 2 * r, r, 1), rows(kSize, kSize, kSize + 2 * r, r, 1);
            for (int32_t y = -r; y < kSize + r; ++y)
                for (int32_t x = -r; x < kSize + r; ++x) {
                    columns.set(x, y, x < kEdge ? 0 : 255);
                    rows.set(x, y, y < kEdge ? 0 : 255);
                }
            std::vector<int16_t> vertical(kSize * kSize), across(kSize * kSize), horizontal(kSize * kSize),
                along(kSize * kSize);
            ASSERT_EQ(kVertical[b](columns.data(), columns.step(), vertical.data(), 2 * kSize, {kSize, kSize},
                                   c.mask),
                      StatusOk);
            ASSERT_EQ(kHorizontal[b](columns.data(), columns.step(), along.data(), 2 * kSize, {kSize, kSize},
                                     c.mask),
                      StatusOk);
            ASSERT_EQ(kHorizontal[b](rows.data(), rows.step(), horizontal.data(), 2 * kSize, {kSize, kSize},
                                     c.mask),
                      StatusOk);
            ASSERT_EQ(
                kVertical[b](rows.data(), rows.step(), across.data(), 2 * kSize, {kSize, kSize}, c.mask),
                StatusOk);
            for (int32_t y = 0; y < kSize; ++y)
                for (int32_t x = 0; x < kSize; ++x) {
                    auto response = [&](int32_t at) {
                        const int32_t k = at - (kEdge - r);
                        return k >= 0 && k < 2 * r ? c.nearEdge[static_cast<size_t>(k)] : 0;
                    };
                    const size_t i = static_cast<size_t>(y * kSize + x);
                    // Darker towards the left: left minus right is negative.
                    ASSERT_EQ(vertical[i], -response(x))
                        << kBuildNames[b] << " mask " << c.mask << " x " << x;
                    ASSERT_EQ(along[i], 0);
                    // Brighter downwards: lower minus upper is positive.
                    ASSERT_EQ(horizontal[i], response(y))
                        << kBuildNames[b] << " mask " << c.mask << " y " << y;
                    ASSERT_EQ(across[i], 0);
                }
        }
}

TEST(Sobel, UniformImageGivesZero)
{
    for (int b = 0; b < 4; ++b)
        for (int32_t mask : {MaskSize3x3, MaskSize5x5}) {
            std::vector<uint8_t> src(30 * 30, 173);
            std::vector<int16_t> dst(20 * 20, 99);
            ASSERT_EQ(kVertical[b](src.data() + 2 * 30 + 2, 30, dst.data(), 40, {20, 20}, mask), StatusOk);
            EXPECT_EQ(std::count(dst.begin(), dst.end(), 0), 400) << kBuildNames[b];
            ASSERT_EQ(kHorizontal[b](src.data() + 2 * 30 + 2, 30, dst.data(), 40, {20, 20}, mask), StatusOk);
            EXPECT_EQ(std::count(dst.begin(), dst.end(), 0), 400) << kBuildNames[b];
        }
}

TEST(Sobel, ChecksInOrderAndWritesNothingOnFailure)
{
    struct Case {
        bool nullSrc, nullDst;
        RoiSize roi;
        int32_t srcStep, dstStep, mask;
        ImagingStatus expected;
    };
    const Case cases[] = {
        {true, false, {4, 4}, 8, 8, 34, StatusNullPointer},
        {false, true, {4, 4}, 8, 8, 33, StatusNullPointer},
        {false, false, {0, 4}, 0, 8, 34, StatusBadSize},
        {false, false, {4, -1}, 8, 8, 33, StatusBadSize},
        {false, false, {4, 4}, 0, 8, 33, StatusBadStep},
        {false, false, {4, 4}, 8, -8, 55, StatusBadStep},
        {false, false, {4, 4}, 8, 8, 34, StatusBadMaskSize},
        {false, false, {4, 4}, 8, 8, 0, StatusBadMaskSize},
    };
    for (int b = 0; b < 4; ++b)
        for (const Case& c : cases)
            for (const Filter filter : {kVertical[b], kHorizontal[b]}) {
                std::vector<uint8_t> src(64, 1);
                GuardedImage dst(8, 4, 8, 0, 2);
                EXPECT_EQ(filter(c.nullSrc ? nullptr : src.data() + 18, c.srcStep,
                                 c.nullDst ? nullptr : dst.as<int16_t>(), c.dstStep, c.roi, c.mask),
                          c.expected)
                    << kBuildNames[b];
                EXPECT_TRUE(dst.allUnchanged());
            }
}

TEST(Sobel, WorkingBufferTooLargeGivesNoMemoryAndWritesNothing)
{
    // No working buffer of this width can be described, let alone allocated; nothing is read.
    const uint8_t src[1] = {0};
    for (int b = 0; b < 4; ++b)
        for (int32_t mask : {MaskSize3x3, MaskSize5x5}) {
            int16_t dst[4] = {5, 5, 5, 5};
            EXPECT_EQ(kVertical[b](src, 1 << 30, dst, 1 << 30, {1 << 30, 1}, mask), StatusNoMemory)
                << kBuildNames[b];
            EXPECT_EQ(kHorizontal[b](src, 1 << 30, dst, 1 << 30, {1 << 30, 1}, mask), StatusNoMemory)
                << kBuildNames[b];
            EXPECT_EQ(dst[0], 5);
        }
}
