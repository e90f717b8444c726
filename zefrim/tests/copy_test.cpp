// Copies, plane splitting and joining, and channel reordering: the per-pixel effect, argument
// checks in order, merged and padded rows, and identical bytes from all four builds for widths
// 1 to 70 at odd offsets with every byte outside the region untouched.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "builds.h"
#include "copy_test_images.h"

using namespace imagetest;

namespace {

struct Geometry {
    int32_t width, height, srcPad, dstPad, srcOffset, dstOffset;
};

const Geometry kGeometries[] = {
    {0, 3, 5, 7, 1, 3}, // padded rows, odd offsets
    {0, 2, 0, 0, 0, 1}, // contiguous rows (merged where the function merges)
    {0, 1, 0, 0, 3, 5},
};

} // namespace

TEST(CopyC1R, EveryBuildCopiesTheRegion)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C1R);
    for (int b = 0; b < 4; ++b)
        for (Geometry g : kGeometries)
            for (g.width = 1; g.width <= 70; ++g.width) {
                ExactSource src(g.width, g.height, g.width + g.srcPad, 0, 77u + g.width);
                GuardedImage dst(g.width, g.height, g.width + g.dstPad, g.dstOffset, 5);
                ASSERT_EQ(builds[b](src.data(), src.step(), dst.data(), dst.step(), {g.width, g.height}),
                          StatusOk);
                for (int32_t y = 0; y < g.height; ++y)
                    ASSERT_EQ(
                        std::memcmp(dst.row(y), src.data() + y * src.step(), static_cast<size_t>(g.width)), 0)
                        << kBuildNames[b] << " width " << g.width;
                ASSERT_TRUE(dst.outsideUnchanged()) << kBuildNames[b] << " width " << g.width;
            }
}

TEST(CopyC1R, LargeRegionsStreamWithTheSameBytes)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C1R);
    for (int b = 0; b < 4; ++b)
        for (const Geometry& g : {Geometry{640, 480, 0, 0, 0, 0}, Geometry{641, 300, 3, 9, 1, 5}}) {
            ExactSource src(g.width, g.height, g.width + g.srcPad, 0, 3);
            GuardedImage dst(g.width, g.height, g.width + g.dstPad, g.dstOffset, 4);
            ASSERT_EQ(builds[b](src.data(), src.step(), dst.data(), dst.step(), {g.width, g.height}),
                      StatusOk);
            for (int32_t y = 0; y < g.height; ++y)
                ASSERT_EQ(std::memcmp(dst.row(y), src.data() + y * src.step(), static_cast<size_t>(g.width)),
                          0)
                    << kBuildNames[b] << " row " << y;
            EXPECT_TRUE(dst.outsideUnchanged());
        }
}

TEST(CopyC1R, DestinationJustAboveTheSourceIsCopiedToo)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C1R);
    for (int b = 0; b < 4; ++b) {
        // Two separate images in one block, the destination 3 x 64 KiB + 96 bytes after the source,
        // so (source - destination) mod 65536 falls in the ordinary-store window.
        std::vector<uint8_t> block(3 * 65536 + 96 + 400 * 400);
        const auto original = randomBytes(400 * 400, 1);
        std::memcpy(block.data(), original.data(), original.size());
        uint8_t* dst = block.data() + 3 * 65536 + 96;
        ASSERT_EQ(builds[b](block.data(), 400, dst, 400, {400, 400}), StatusOk);
        EXPECT_EQ(std::memcmp(dst, original.data(), original.size()), 0) << kBuildNames[b];
    }
}

TEST(CopyC1R, ZeroDestinationStepLeavesTheLastRowAndNegativeStepsWalkUp)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C1R);
    for (int b = 0; b < 4; ++b) {
        const uint8_t src[3][4] = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}};
        uint8_t row[4] = {};
        ASSERT_EQ(builds[b](&src[0][0], 4, row, 0, {4, 3}), StatusOk);
        EXPECT_EQ(std::vector<uint8_t>(row, row + 4), (std::vector<uint8_t>{9, 10, 11, 12}))
            << kBuildNames[b];

        uint8_t flipped[3][4] = {};
        ASSERT_EQ(builds[b](&src[2][0], -4, &flipped[0][0], 4, {4, 3}), StatusOk);
        EXPECT_EQ(flipped[0][0], 9);
        EXPECT_EQ(flipped[2][3], 4) << kBuildNames[b];
    }
}

TEST(CopyC1C3R, FillsOneChannelAndKeepsTheOthers)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C1C3R);
    for (int b = 0; b < 4; ++b)
        for (int32_t channel = 0; channel < 3; ++channel)
            for (Geometry g : kGeometries)
                for (g.width = 1; g.width <= 70; g.width += 3) {
                    ExactSource src(g.width, g.height, g.width + g.srcPad, 0, 9);
                    // The destination region spans from the chosen channel of the first pixel to the
                    // chosen channel of the last.
                    GuardedImage dst(3 * g.width - 2, g.height, 3 * g.width + g.dstPad, g.dstOffset + channel,
                                     8);
                    const auto before = dst.regionBytes();
                    ASSERT_EQ(builds[b](src.data(), src.step(), dst.data(), dst.step(), {g.width, g.height}),
                              StatusOk);
                    const auto after = dst.regionBytes();
                    for (int32_t y = 0; y < g.height; ++y)
                        for (int32_t i = 0; i < 3 * g.width - 2; ++i) {
                            const size_t at = static_cast<size_t>(y * (3 * g.width - 2) + i);
                            ASSERT_EQ(after[at], i % 3 == 0 ? src.at(i / 3, y) : before[at])
                                << kBuildNames[b] << " width " << g.width << " channel " << channel;
                        }
                    ASSERT_TRUE(dst.outsideUnchanged());
                }
}

TEST(CopyP3C3R, EveryBuildInterleavesThePlanes)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_P3C3R);
    for (int b = 0; b < 4; ++b)
        for (Geometry g : kGeometries)
            for (g.width = 1; g.width <= 70; ++g.width) {
                ExactSource p0(g.width, g.height, g.width + g.srcPad, 0, 1),
                    p1(g.width, g.height, g.width + g.srcPad, 0, 2),
                    p2(g.width, g.height, g.width + g.srcPad, 0, 3);
                const uint8_t* planes[3] = {p0.data(), p1.data(), p2.data()};
                GuardedImage dst(3 * g.width, g.height, 3 * g.width + g.dstPad, g.dstOffset, 4);
                ASSERT_EQ(builds[b](planes, p0.step(), dst.data(), dst.step(), {g.width, g.height}),
                          StatusOk);
                for (int32_t y = 0; y < g.height; ++y)
                    for (int32_t x = 0; x < g.width; ++x) {
                        ASSERT_EQ(dst.row(y)[3 * x], p0.at(x, y)) << kBuildNames[b] << " width " << g.width;
                        ASSERT_EQ(dst.row(y)[3 * x + 1], p1.at(x, y));
                        ASSERT_EQ(dst.row(y)[3 * x + 2], p2.at(x, y));
                    }
                ASSERT_TRUE(dst.outsideUnchanged()) << kBuildNames[b] << " width " << g.width;
            }
}

TEST(CopyP3C3R, LargeJoinStreamsWithTheSameBytes)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_P3C3R);
    std::vector<std::vector<uint8_t>> results;
    for (int b = 0; b < 4; ++b) {
        ExactSource p0(320, 240, 320, 0, 1), p1(320, 240, 320, 0, 2), p2(320, 240, 320, 0, 3);
        const uint8_t* planes[3] = {p0.data(), p1.data(), p2.data()};
        GuardedImage dst(960, 240, 960, 1, 4);
        ASSERT_EQ(builds[b](planes, 320, dst.data(), 960, {320, 240}), StatusOk);
        EXPECT_TRUE(dst.outsideUnchanged());
        results.push_back(dst.regionBytes());
    }
    for (int b = 1; b < 4; ++b)
        EXPECT_EQ(results[b], results[0]) << kBuildNames[b];
}

template <int channels, class Fn> void expectPlanesSplit(const std::array<Fn, 4>& builds)
{
    // Plane offsets cover the alignment classes of the one-pass and per-channel routines.
    const int32_t planeOffsets[][4] = {{0, 0, 0, 0}, {4, 0, 4, 0}, {1, 2, 3, 5}, {0, 8, 16, 4}};
    for (int b = 0; b < 4; ++b)
        for (const auto& offsets : planeOffsets)
            for (int32_t srcOffset : {0, 4, 3})
                for (Geometry g : kGeometries)
                    for (g.width = 1; g.width <= 70; g.width += (g.width < 20 ? 1 : 7)) {
                        const int32_t planeStep = g.width + g.dstPad;
                        GuardedImage src(channels * g.width, g.height, channels * planeStep, srcOffset, 6);
                        std::vector<GuardedImage> planes;
                        for (int c = 0; c < channels; ++c)
                            planes.emplace_back(g.width, g.height, planeStep, offsets[c], 10u + c);
                        uint8_t* pointers[channels];
                        for (int c = 0; c < channels; ++c)
                            pointers[c] = planes[c].data();
                        ASSERT_EQ(builds[b](src.data(), src.step(), pointers, planeStep, {g.width, g.height}),
                                  StatusOk);
                        for (int c = 0; c < channels; ++c) {
                            for (int32_t y = 0; y < g.height; ++y)
                                for (int32_t x = 0; x < g.width; ++x)
                                    ASSERT_EQ(planes[c].row(y)[x], src.row(y)[channels * x + c])
                                        << kBuildNames[b] << " width " << g.width << " plane " << c;
                            ASSERT_TRUE(planes[c].outsideUnchanged())
                                << kBuildNames[b] << " width " << g.width;
                        }
                    }
}

TEST(CopyC3P3R, EveryBuildSplitsIntoPlanesAtEveryAlignmentClass)
{
    expectPlanesSplit<3>(ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C3P3R));
}

TEST(CopyC4P4R, EveryBuildSplitsIntoPlanesAtEveryAlignmentClass)
{
    expectPlanesSplit<4>(ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C4P4R));
}

TEST(CopyPlanes, LargeMergedSplitsGiveTheSameBytes)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C3P3R);
    for (int b = 0; b < 4; ++b)
        for (int32_t offset : {0, 1}) {
            GuardedImage src(3 * 320, 240, 3 * 320, offset, 6);
            GuardedImage p0(320, 240, 320, offset, 1), p1(320, 240, 320, 0, 2), p2(320, 240, 320, 0, 3);
            uint8_t* planes[3] = {p0.data(), p1.data(), p2.data()};
            ASSERT_EQ(builds[b](src.data(), 960, planes, 320, {320, 240}), StatusOk);
            for (int32_t i = 0; i < 320 * 240; ++i)
                ASSERT_EQ(p2.data()[i], src.data()[3 * i + 2]) << kBuildNames[b];
            EXPECT_TRUE(p0.outsideUnchanged() && p1.outsideUnchanged() && p2.outsideUnchanged());
        }
}

TEST(CopyChecks, PointersThenSizesAndNothingWritten)
{
    const auto c1 = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C1R);
    const auto c1c3 = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C1C3R);
    const auto p3c3 = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_P3C3R);
    const auto c3p3 = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C3P3R);
    const auto c4p4 = ZEFRIM_ALL_BUILDS(zfmiCopy_8u_C4P4R);
    for (int b = 0; b < 4; ++b) {
        uint8_t src[64] = {1}, dst[64] = {};
        uint8_t plane0[16] = {}, plane1[16] = {}, plane2[16] = {}, plane3[16] = {};
        const uint8_t* in3[3] = {src, src, src};
        const uint8_t* in3Hole[3] = {src, nullptr, src};
        uint8_t* out3[3] = {plane0, plane1, plane2};
        uint8_t* out3Hole[3] = {plane0, plane1, nullptr};
        uint8_t* out4[4] = {plane0, plane1, plane2, plane3};
        uint8_t* out4Hole[4] = {plane0, plane1, plane2, nullptr};
        const RoiSize ok{4, 2}, noWidth{0, 2}, noHeight{4, -1};
        // A null pointer wins over a bad size; steps are not checked by the copies.
        EXPECT_EQ(c1[b](nullptr, 4, dst, 4, noWidth), StatusNullPointer);
        EXPECT_EQ(c1[b](src, 4, nullptr, 4, ok), StatusNullPointer);
        EXPECT_EQ(c1[b](src, 4, dst, 4, noWidth), StatusBadSize);
        EXPECT_EQ(c1[b](src, 4, dst, 4, noHeight), StatusBadSize);
        EXPECT_EQ(c1c3[b](src, 4, nullptr, 12, noWidth), StatusNullPointer);
        EXPECT_EQ(c1c3[b](src, 4, dst, 12, noHeight), StatusBadSize);
        EXPECT_EQ(p3c3[b](nullptr, 4, dst, 12, ok), StatusNullPointer);
        EXPECT_EQ(p3c3[b](in3, 4, nullptr, 12, ok), StatusNullPointer);
        EXPECT_EQ(p3c3[b](in3Hole, 4, dst, 12, noWidth), StatusNullPointer);
        EXPECT_EQ(p3c3[b](in3, 4, dst, 12, noWidth), StatusBadSize);
        EXPECT_EQ(c3p3[b](nullptr, 12, out3, 4, ok), StatusNullPointer);
        EXPECT_EQ(c3p3[b](src, 12, nullptr, 4, ok), StatusNullPointer);
        EXPECT_EQ(c3p3[b](src, 12, out3Hole, 4, noWidth), StatusNullPointer);
        EXPECT_EQ(c3p3[b](src, 12, out3, 4, noHeight), StatusBadSize);
        EXPECT_EQ(c4p4[b](src, 16, out4Hole, 4, ok), StatusNullPointer);
        EXPECT_EQ(c4p4[b](src, 16, out4, 4, noWidth), StatusBadSize);
        for (const uint8_t* written : {dst, plane0, plane1, plane2, plane3})
            EXPECT_EQ(std::count(written, written + 16, 0), 16) << kBuildNames[b];
    }
}

TEST(SwapChannels, ReordersIntoASecondImageInEveryBuild)
{
    const int32_t orders[][3] = {{2, 1, 0}, {0, 0, 0}, {1, 2, 0}, {0, 1, 2}, {2, 2, 1}};
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiSwapChannels_8u_C3R);
    for (int b = 0; b < 4; ++b)
        for (const auto& order : orders)
            for (Geometry g : kGeometries)
                for (g.width = 1; g.width <= 70; ++g.width) {
                    ExactSource src(3 * g.width, g.height, 3 * g.width + g.srcPad, 0, 12);
                    GuardedImage dst(3 * g.width, g.height, 3 * g.width + g.dstPad, g.dstOffset, 13);
                    ASSERT_EQ(
                        builds[b](src.data(), src.step(), dst.data(), dst.step(), {g.width, g.height}, order),
                        StatusOk);
                    for (int32_t y = 0; y < g.height; ++y)
                        for (int32_t x = 0; x < g.width; ++x)
                            for (int k = 0; k < 3; ++k)
                                ASSERT_EQ(dst.row(y)[3 * x + k], src.at(3 * x + order[k], y))
                                    << kBuildNames[b] << " width " << g.width;
                    ASSERT_TRUE(dst.outsideUnchanged()) << kBuildNames[b] << " width " << g.width;
                }
}

TEST(SwapChannels, InPlaceGivesTheSameResultsAlsoWithRepeats)
{
    const int32_t orders[][3] = {{2, 1, 0}, {0, 0, 0}, {1, 2, 0}, {2, 0, 0}};
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiSwapChannels_8u_C3IR);
    for (int b = 0; b < 4; ++b)
        for (const auto& order : orders)
            for (Geometry g : kGeometries)
                for (g.width = 1; g.width <= 70; ++g.width) {
                    GuardedImage img(3 * g.width, g.height, 3 * g.width + g.dstPad, g.dstOffset, 14);
                    const std::vector<uint8_t> before = img.regionBytes();
                    ASSERT_EQ(builds[b](img.data(), img.step(), {g.width, g.height}, order), StatusOk);
                    const std::vector<uint8_t> after = img.regionBytes();
                    for (size_t p = 0; p < before.size(); p += 3)
                        for (int k = 0; k < 3; ++k)
                            ASSERT_EQ(after[p + k], before[p + order[k]])
                                << kBuildNames[b] << " width " << g.width;
                    ASSERT_TRUE(img.outsideUnchanged());
                }
}

TEST(SwapChannels, ChecksPointersSizesStepsThenOrder)
{
    const auto copy = ZEFRIM_ALL_BUILDS(zfmiSwapChannels_8u_C3R);
    const auto inPlace = ZEFRIM_ALL_BUILDS(zfmiSwapChannels_8u_C3IR);
    const int32_t good[3] = {2, 1, 0}, three[3] = {0, 3, 1}, negative[3] = {-1, 0, 0};
    for (int b = 0; b < 4; ++b) {
        uint8_t src[24] = {1, 2, 3}, dst[24] = {};
        EXPECT_EQ(copy[b](nullptr, 12, dst, 12, {0, 1}, good), StatusNullPointer);
        EXPECT_EQ(copy[b](src, 12, dst, 12, {4, 1}, nullptr), StatusNullPointer);
        EXPECT_EQ(copy[b](src, 0, dst, 12, {0, 1}, three), StatusBadSize);
        EXPECT_EQ(copy[b](src, 0, dst, 12, {4, 1}, three), StatusBadStep);
        EXPECT_EQ(copy[b](src, 12, dst, -12, {4, 1}, good), StatusBadStep);
        EXPECT_EQ(copy[b](src, 12, dst, 12, {4, 1}, three), StatusBadChannelOrder);
        EXPECT_EQ(copy[b](src, 12, dst, 12, {4, 1}, negative), StatusBadChannelOrder);
        EXPECT_EQ(std::count(dst, dst + 24, 0), 24) << kBuildNames[b];

        EXPECT_EQ(inPlace[b](nullptr, 12, {4, 1}, good), StatusNullPointer);
        EXPECT_EQ(inPlace[b](src, 12, {4, 1}, nullptr), StatusNullPointer);
        EXPECT_EQ(inPlace[b](src, 12, {4, 0}, good), StatusBadSize);
        EXPECT_EQ(inPlace[b](src, 0, {4, 1}, negative), StatusBadStep);
        EXPECT_EQ(inPlace[b](src, 12, {4, 1}, three), StatusBadChannelOrder);
        EXPECT_EQ(src[0], 1);
        EXPECT_EQ(src[2], 3) << kBuildNames[b];
    }
}
