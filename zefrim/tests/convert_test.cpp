// Bit-depth conversions: widening 8u to 16s and saturating 16s to 8u in all four builds, the
// widening row kernels of the vector builds, row merging and the streaming paths.
#include <gtest/gtest.h>

#include <vector>

#include "builds.h"
#include "convert_internal.h"
#include "copy_test_images.h"

using namespace imagetest;

namespace {

struct Geometry {
    int32_t width, height, srcPad, dstPad, dstOffset;
};

const Geometry kGeometries[] = {
    {0, 3, 5, 6, 3}, // padded rows, odd destination
    {0, 2, 0, 0, 2}, // contiguous rows: merged
    {0, 2, 3, 0, 1}, // destination step twice the source step but padded source: row by row
};

} // namespace

TEST(Convert8u16s, EveryBuildWidensEveryWidth)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiConvert_8u16s_C1R);
    for (int b = 0; b < 4; ++b)
        for (Geometry g : kGeometries)
            for (g.width = 1; g.width <= 70; ++g.width) {
                ExactSource src(g.width, g.height, g.width + g.srcPad, 0, 3u + g.width);
                const int32_t dstStep = g.srcPad == 3 ? 2 * src.step() : 2 * g.width + g.dstPad;
                GuardedImage dst(2 * g.width, g.height, dstStep, g.dstOffset, 4);
                ASSERT_EQ(
                    builds[b](src.data(), src.step(), dst.as<int16_t>(), dst.step(), {g.width, g.height}),
                    StatusOk);
                for (int32_t y = 0; y < g.height; ++y)
                    for (int32_t x = 0; x < g.width; ++x)
                        ASSERT_EQ(dst.value16(y, x), src.at(x, y)) << kBuildNames[b] << " width " << g.width;
                ASSERT_TRUE(dst.outsideUnchanged()) << kBuildNames[b] << " width " << g.width;
            }
}

TEST(Convert8u16s, LargeRegionsStreamWithTheSameValues)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiConvert_8u16s_C1R);
    // Merged run above 700000 pixels; unmerged rows above 1000000 pixels and wider than 512.
    const Geometry large[] = {{1024, 700, 0, 0, 0}, {1030, 980, 2, 4, 0}};
    for (int b = 0; b < 4; ++b)
        for (const Geometry& g : large) {
            ExactSource src(g.width, g.height, g.width + g.srcPad, 0, 5);
            GuardedImage dst(2 * g.width, g.height, 2 * g.width + g.dstPad, g.dstOffset, 6);
            ASSERT_EQ(builds[b](src.data(), src.step(), dst.as<int16_t>(), dst.step(), {g.width, g.height}),
                      StatusOk);
            for (int32_t y = 0; y < g.height; y += 97)
                for (int32_t x = 0; x < g.width; ++x)
                    ASSERT_EQ(dst.value16(y, x), src.at(x, y)) << kBuildNames[b];
            EXPECT_TRUE(dst.outsideUnchanged());
        }
}

TEST(Convert8u16s, RowKernelsWidenEveryCountAtEveryAlignment)
{
    for (int32_t offset : {0, 2, 6, 1})
        for (int32_t count = 1; count <= 90; ++count)
            for (int kernel = 0; kernel < 5; ++kernel) {
                const auto src = randomBytes(static_cast<size_t>(count), 9u + count);
                GuardedImage dst(2 * count, 1, 2 * count, offset, 7);
                int16_t* out = dst.as<int16_t>();
                switch (kernel) {
                case 0:
                    convertRow8u16s_s1(src.data(), out, count);
                    break;
                case 1:
                    convertRow8u16s_s2(src.data(), out, count, false);
                    break;
                case 2:
                    convertRow8u16s_s2(src.data(), out, count, true);
                    break;
                case 3:
                    convertRow8u16s_s3(src.data(), out, count, false);
                    break;
                default:
                    convertRow8u16s_s3(src.data(), out, count, true);
                    break;
                }
                for (int32_t x = 0; x < count; ++x)
                    ASSERT_EQ(dst.value16(0, x), src[static_cast<size_t>(x)])
                        << "kernel " << kernel << " count " << count;
                ASSERT_TRUE(dst.outsideUnchanged()) << "kernel " << kernel << " count " << count;
            }
}

TEST(Convert8u16s, QuantisationTableShapes)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiConvert_8u16s_C1R);
    for (int b = 0; b < 4; ++b) {
        std::vector<uint8_t> table(64);
        for (int i = 0; i < 64; ++i)
            table[static_cast<size_t>(i)] = static_cast<uint8_t>(255 - i);
        std::vector<int16_t> out(64, -1);
        ASSERT_EQ(builds[b](table.data(), 8, out.data(), 16, {8, 8}), StatusOk);
        EXPECT_EQ(out[0], 255) << kBuildNames[b];
        EXPECT_EQ(out[63], 192);
        // Width 7: seven values per row, the eighth slot of every row untouched.
        std::vector<int16_t> seven(64, -1);
        ASSERT_EQ(builds[b](table.data(), 8, seven.data(), 16, {7, 8}), StatusOk);
        for (int y = 0; y < 8; ++y) {
            EXPECT_EQ(seven[static_cast<size_t>(8 * y + 6)], 255 - (8 * y + 6));
            EXPECT_EQ(seven[static_cast<size_t>(8 * y + 7)], -1) << kBuildNames[b];
        }
    }
}

TEST(Convert16s8u, EveryBuildSaturatesEveryWidth)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiConvert_16s8u_C1R);
    const int16_t special[] = {-32768, -1, 0, 1, 254, 255, 256, 32767, 128, -200};
    for (int b = 0; b < 4; ++b)
        for (Geometry g : kGeometries)
            for (g.width = 1; g.width <= 70; ++g.width) {
                const int32_t srcStep = 2 * g.width + 2 * g.srcPad + (b % 2);
                GuardedImage src(2 * g.width, g.height, srcStep, g.dstOffset, 8);
                const auto noise = randomBytes(static_cast<size_t>(g.width * g.height), 11u + g.width);
                for (int32_t y = 0; y < g.height; ++y)
                    for (int32_t x = 0; x < g.width; ++x) {
                        const uint8_t r = noise[static_cast<size_t>(y * g.width + x)];
                        src.setValue16(y, x,
                                       r % 2 ? special[r % std::size(special)]
                                             : static_cast<int16_t>(r * 300 - 30000));
                    }
                const int32_t dstStep = g.srcPad == 0 && b % 2 == 0 ? g.width : g.width + g.dstPad + 1;
                GuardedImage dst(g.width, g.height, dstStep, g.dstOffset ^ 1, 9);
                ASSERT_EQ(
                    builds[b](src.as<int16_t>(), src.step(), dst.data(), dst.step(), {g.width, g.height}),
                    StatusOk);
                for (int32_t y = 0; y < g.height; ++y)
                    for (int32_t x = 0; x < g.width; ++x) {
                        const int32_t v = src.value16(y, x);
                        ASSERT_EQ(dst.row(y)[x], v < 0 ? 0 : (v > 255 ? 255 : v))
                            << kBuildNames[b] << " width " << g.width;
                    }
                ASSERT_TRUE(dst.outsideUnchanged()) << kBuildNames[b] << " width " << g.width;
            }
}

TEST(Convert16s8u, LargeAndWideRegionsGiveTheSameBytes)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiConvert_16s8u_C1R);
    // Wide rows streaming (3wh above 2097152), a merged narrow region above 2097152 pixels, and
    // a wide contiguous region that the SSE3 build does not merge.
    const Geometry large[] = {{1024, 700, 0, 0, 0}, {500, 4200, 0, 0, 0}, {600, 10, 0, 0, 1}};
    for (const Geometry& g : large) {
        std::vector<std::vector<uint8_t>> results;
        for (int b = 0; b < 4; ++b) {
            GuardedImage src(2 * g.width, g.height, 2 * g.width, 0, 12);
            GuardedImage dst(g.width, g.height, g.width, g.dstOffset, 13);
            ASSERT_EQ(builds[b](src.as<int16_t>(), src.step(), dst.data(), dst.step(), {g.width, g.height}),
                      StatusOk);
            EXPECT_TRUE(dst.outsideUnchanged());
            for (int32_t x = 0; x < g.width; ++x) {
                const int32_t v = src.value16(g.height - 1, x);
                ASSERT_EQ(dst.row(g.height - 1)[x], v < 0 ? 0 : (v > 255 ? 255 : v)) << kBuildNames[b];
            }
            results.push_back(dst.regionBytes());
        }
        for (int b = 1; b < 4; ++b)
            EXPECT_EQ(results[b], results[0]) << kBuildNames[b] << " width " << g.width;
    }
}

TEST(ConvertChecks, PointersThenSizesThenSteps)
{
    const auto widen = ZEFRIM_ALL_BUILDS(zfmiConvert_8u16s_C1R);
    const auto narrow = ZEFRIM_ALL_BUILDS(zfmiConvert_16s8u_C1R);
    for (int b = 0; b < 4; ++b) {
        uint8_t bytes[16] = {7};
        int16_t values[16] = {7};
        EXPECT_EQ(widen[b](bytes, 8, nullptr, 16, {0, 1}), StatusNullPointer);
        EXPECT_EQ(widen[b](nullptr, 8, values, 16, {4, 1}), StatusNullPointer);
        EXPECT_EQ(widen[b](bytes, 8, values, 16, {4, 0}), StatusBadSize);
        EXPECT_EQ(widen[b](bytes, 0, values, 16, {4, 1}), StatusBadStep);
        EXPECT_EQ(widen[b](bytes, 8, values, -16, {4, 1}), StatusBadStep);
        EXPECT_EQ(values[0], 7) << kBuildNames[b];
        EXPECT_EQ(narrow[b](values, 16, nullptr, 8, {0, 1}), StatusNullPointer);
        EXPECT_EQ(narrow[b](values, 16, bytes, 8, {-1, 1}), StatusBadSize);
        EXPECT_EQ(narrow[b](values, 16, bytes, 0, {4, 1}), StatusBadStep);
        EXPECT_EQ(narrow[b](values, -16, bytes, 8, {4, 1}), StatusBadStep);
        EXPECT_EQ(bytes[0], 7) << kBuildNames[b];
    }
}
