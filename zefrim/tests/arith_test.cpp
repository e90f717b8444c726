// 16-bit sums, square, threshold and region fill: the rounding and saturation rules for every
// scale-factor case in all four builds, argument checks in order, and untouched guard bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "arith_internal.h"
#include "builds.h"
#include "copy_test_images.h"

using namespace imagetest;

namespace {

// The exact value times 2^-scaleFactor, rounded half to even, saturated to 16 bits.
int32_t expectedScaled(int64_t exact, int32_t scaleFactor)
{
    int64_t v;
    if (scaleFactor <= 0) {
        v = exact * (int64_t(1) << std::min(-scaleFactor, 20));
    } else {
        const int64_t divisor = int64_t(1) << std::min(scaleFactor, 60);
        int64_t q = exact >= 0 ? exact / divisor : -((-exact + divisor - 1) / divisor);
        const int64_t r = exact - q * divisor;
        if (2 * r > divisor || (2 * r == divisor && (q & 1)))
            ++q;
        v = q;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(v, -32768, 32767));
}

std::vector<int16_t> testValues(size_t n, uint32_t seed)
{
    static const int16_t kSpecial[] = {-32768, 32767, 0,   1,   -1,    2,      -2, 3, -3,
                                       181,    182,   255, 256, 16384, -16385, 6,  10};
    std::mt19937 gen(seed);
    std::vector<int16_t> out(n);
    for (auto& v : out)
        v = gen() % 3 == 0 ? kSpecial[gen() % std::size(kSpecial)] : static_cast<int16_t>(gen());
    return out;
}

void fillValues(GuardedImage& image, int32_t width, int32_t height, uint32_t seed)
{
    const auto values = testValues(static_cast<size_t>(width) * height, seed);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            image.setValue16(y, x, values[static_cast<size_t>(y) * width + x]);
}

const int32_t kSumScaleFactors[] = {-40, -20, -16, -15, -14, -8, -2, -1, 0, 1, 2, 3, 8, 15, 16};
const int32_t kSquareScaleFactors[] = {-40, -16, -15, -14, -13, -7, -1, 0,  1, 2,
                                       5,   14,  15,  16,  17,  29, 30, 31, 40};

// Byte offsets of the three operands: even and odd addresses, 16-bit aligned or not.
struct Offsets {
    int32_t a, b, d;
};
const Offsets kOffsets[] = {{0, 0, 0}, {2, 6, 10}, {1, 3, 5}, {6, 1, 2}};

} // namespace

TEST(Add, EdgeValuesOfEveryScaleFactorCase)
{
    struct Case {
        int16_t a, b;
        int32_t scaleFactor;
        int16_t expected;
    };
    const Case cases[] = {
        {32767, 1, 0, 32767},
        {-32768, -1, 0, -32768},
        {1, 0, 1, 0},
        {1, 2, 1, 2},
        {3, 0, 1, 2},
        {-1, 0, 1, 0},
        {-3, 0, 1, -2},
        {32767, 32767, 1, 32767},
        {-32768, -32768, 1, -32768},
        {2, 0, 2, 0},
        {6, 0, 2, 2},
        {10, 0, 2, 2},
        {32767, 32767, 16, 1},
        {-32768, -32768, 16, -1},
        {16384, 0, -1, 32767},
        {-16385, 0, -1, -32768},
        {100, 1, -1, 202},
        {1, 0, -15, 32767},
        {-1, 0, -15, -32768},
        {1, 0, -16, 32767},
        {-1, 0, -16, -32768},
        {5, -5, -16, 0},
        {0, 0, -16, 0},
        {1, 0, -20, 32767},
    };
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiAdd_16s_C1RSfs);
    const auto inPlaceBuilds = ZEFRIM_ALL_BUILDS(zfmiAdd_16s_C1IRSfs);
    for (int b = 0; b < 4; ++b)
        for (const Case& c : cases) {
            // A row long enough for the vector steps, every value the same case.
            std::vector<int16_t> a(40, c.a), s(40, c.b), d(40, 0);
            ASSERT_EQ(builds[b](a.data(), 80, s.data(), 80, d.data(), 80, {40, 1}, c.scaleFactor), StatusOk);
            EXPECT_EQ(std::count(d.begin(), d.end(), c.expected), 40)
                << kBuildNames[b] << " " << c.a << "+" << c.b << " sf " << c.scaleFactor;
            ASSERT_EQ(inPlaceBuilds[b](a.data(), 80, s.data(), 80, {40, 1}, c.scaleFactor), StatusOk);
            EXPECT_EQ(std::count(s.begin(), s.end(), c.expected), 40) << kBuildNames[b] << " in place";
        }
}

TEST(Add, EveryBuildRoundsAndSaturatesEveryWidthAndAlignment)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiAdd_16s_C1RSfs);
    constexpr int32_t kHeight = 2;
    for (int b = 0; b < 4; ++b)
        for (const Offsets& off : kOffsets)
            for (int32_t width = 1; width <= 70; ++width) {
                const int32_t step = 2 * width + 6 + off.a % 2;
                GuardedImage a(2 * width, kHeight, step, off.a, 1), s(2 * width, kHeight, step + 2, off.b, 2);
                fillValues(a, width, kHeight, 10u + width);
                fillValues(s, width, kHeight, 20u + width);
                for (int32_t sf : kSumScaleFactors) {
                    GuardedImage d(2 * width, kHeight, step + 4, off.d, 3);
                    ASSERT_EQ(builds[b](a.as<int16_t>(), a.step(), s.as<int16_t>(), s.step(), d.as<int16_t>(),
                                        d.step(), {width, kHeight}, sf),
                              StatusOk);
                    for (int32_t y = 0; y < kHeight; ++y)
                        for (int32_t x = 0; x < width; ++x)
                            ASSERT_EQ(d.value16(y, x),
                                      expectedScaled(int64_t(a.value16(y, x)) + s.value16(y, x), sf))
                                << kBuildNames[b] << " width " << width << " sf " << sf << " at " << x << ","
                                << y;
                    ASSERT_TRUE(d.outsideUnchanged()) << kBuildNames[b] << " width " << width << " sf " << sf;
                    ASSERT_TRUE(a.allUnchanged() && s.allUnchanged());
                }
            }
}

TEST(Add, InPlaceMatchesTheTwoOperandSumInEveryBuild)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiAdd_16s_C1IRSfs);
    for (int b = 0; b < 4; ++b)
        for (const Offsets& off : kOffsets)
            for (int32_t width = 1; width <= 70; width += 3)
                for (int32_t sf : kSumScaleFactors) {
                    GuardedImage s(2 * width, 2, 2 * width + 2, off.a, 4),
                        d(2 * width, 2, 2 * width + 8, off.d, 5);
                    fillValues(s, width, 2, 30u + width);
                    fillValues(d, width, 2, 40u + width);
                    std::vector<int32_t> expected;
                    for (int32_t y = 0; y < 2; ++y)
                        for (int32_t x = 0; x < width; ++x)
                            expected.push_back(
                                expectedScaled(int64_t(s.value16(y, x)) + d.value16(y, x), sf));
                    ASSERT_EQ(builds[b](s.as<int16_t>(), s.step(), d.as<int16_t>(), d.step(), {width, 2}, sf),
                              StatusOk);
                    for (int32_t y = 0; y < 2; ++y)
                        for (int32_t x = 0; x < width; ++x)
                            ASSERT_EQ(d.value16(y, x), expected[static_cast<size_t>(y * width + x)])
                                << kBuildNames[b] << " width " << width << " sf " << sf;
                    ASSERT_TRUE(d.outsideUnchanged());
                }
}

TEST(Add, InPlaceWithTheSameOperandTwiceDoublesEachValue)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiAdd_16s_C1IRSfs);
    for (int b = 0; b < 4; ++b) {
        std::vector<int16_t> v = testValues(37, 7);
        std::vector<int16_t> original = v;
        ASSERT_EQ(builds[b](v.data(), 74, v.data(), 74, {37, 1}, 0), StatusOk);
        for (size_t i = 0; i < v.size(); ++i)
            EXPECT_EQ(v[i], expectedScaled(2 * int64_t(original[i]), 0)) << kBuildNames[b];
    }
}

TEST(Add, ScaleFactorAbove16FillsTheDestinationWithZero)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiAdd_16s_C1RSfs);
    const auto inPlaceBuilds = ZEFRIM_ALL_BUILDS(zfmiAdd_16s_C1IRSfs);
    for (int b = 0; b < 4; ++b)
        for (int32_t sf : {17, 31, 1000}) {
            GuardedImage d(2 * 33, 3, 2 * 33 + 3, 1, 9);
            std::vector<int16_t> src(33 * 3, 1234);
            ASSERT_EQ(builds[b](src.data(), 66, src.data(), 66, d.as<int16_t>(), d.step(), {33, 3}, sf),
                      StatusOk);
            EXPECT_EQ(d.regionBytes(), std::vector<uint8_t>(66 * 3, 0)) << kBuildNames[b];
            EXPECT_TRUE(d.outsideUnchanged());

            GuardedImage e(2 * 33, 3, 2 * 33 + 3, 1, 9);
            ASSERT_EQ(inPlaceBuilds[b](src.data(), 66, e.as<int16_t>(), e.step(), {33, 3}, sf), StatusOk);
            EXPECT_EQ(e.regionBytes(), std::vector<uint8_t>(66 * 3, 0)) << kBuildNames[b];
        }
}

TEST(Add, ChecksInOrderAndWritesNothingOnFailure)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiAdd_16s_C1RSfs);
    const auto inPlaceBuilds = ZEFRIM_ALL_BUILDS(zfmiAdd_16s_C1IRSfs);
    struct Case {
        bool nullSrc1, nullSrc2, nullDst;
        RoiSize roi;
        int32_t dstStep, scaleFactor;
        ImagingStatus expected;
    };
    const Case cases[] = {
        {true, false, false, {0, 1}, 16, 0, StatusNullPointer},
        {false, true, false, {4, 1}, 16, 0, StatusNullPointer},
        {false, false, true, {4, 1}, 16, 17, StatusNullPointer},
        {false, false, false, {0, 1}, 16, 0, StatusBadSize},
        {false, false, false, {4, -1}, 16, 0, StatusBadSize},
        {false, false, false, {4, 2}, 0, 17, StatusBadStep},
        {false, false, false, {4, 2}, -16, 20, StatusBadStep},
        // Without a fill the steps are not checked: a zero step repeats the one row.
        {false, false, false, {4, 2}, 0, 0, StatusOk},
    };
    for (int b = 0; b < 4; ++b)
        for (const Case& c : cases) {
            std::vector<int16_t> src(16, 5);
            GuardedImage d(8, 1, 8, 0, 11);
            const ImagingStatus status =
                builds[b](c.nullSrc1 ? nullptr : src.data(), 8, c.nullSrc2 ? nullptr : src.data(), 8,
                          c.nullDst ? nullptr : d.as<int16_t>(), c.dstStep, c.roi, c.scaleFactor);
            EXPECT_EQ(status, c.expected) << kBuildNames[b];
            if (status != StatusOk) {
                EXPECT_TRUE(d.allUnchanged()) << kBuildNames[b];
            }

            GuardedImage e(8, 1, 8, 0, 11);
            const ImagingStatus inPlace =
                inPlaceBuilds[b](c.nullSrc1 || c.nullSrc2 ? nullptr : src.data(), 8,
                                 c.nullDst ? nullptr : e.as<int16_t>(), c.dstStep, c.roi, c.scaleFactor);
            EXPECT_EQ(inPlace, c.expected) << kBuildNames[b] << " in place";
            if (inPlace != StatusOk) {
                EXPECT_TRUE(e.allUnchanged());
            }
        }
}

TEST(Sqr, EdgeValuesOfEveryScaleFactorCase)
{
    struct Case {
        int16_t x;
        int32_t scaleFactor;
        int16_t expected;
    };
    const Case cases[] = {
        {181, 0, 32761}, {182, 0, 32767}, {-32768, 0, 32767}, {3, 1, 4},
        {5, 1, 12},      {255, 1, 32512}, {256, 1, 32767},    {-32768, 16, 16384},
        {-32768, 30, 1}, {-32768, 31, 0}, {1, 31, 0},         {1, -14, 16384},
        {2, -14, 32767}, {1, -15, 32767}, {0, -15, 0},        {-1, -40, 32767},
    };
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiSqr_16s_C1RSfs);
    for (int b = 0; b < 4; ++b)
        for (const Case& c : cases) {
            std::vector<int16_t> s(40, c.x), d(40, 7);
            ASSERT_EQ(builds[b](s.data(), 80, d.data(), 80, {40, 1}, c.scaleFactor), StatusOk);
            EXPECT_EQ(std::count(d.begin(), d.end(), c.expected), 40)
                << kBuildNames[b] << " " << c.x << " sf " << c.scaleFactor;
        }
}

TEST(Sqr, EveryBuildRoundsAndSaturatesEveryWidthAndAlignment)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiSqr_16s_C1RSfs);
    for (int b = 0; b < 4; ++b)
        for (const Offsets& off : kOffsets)
            for (int32_t width = 1; width <= 70; ++width) {
                GuardedImage s(2 * width, 2, 2 * width + 4, off.a, 1);
                fillValues(s, width, 2, 50u + width);
                for (int32_t sf : kSquareScaleFactors) {
                    GuardedImage d(2 * width, 2, 2 * width + 10, off.d, 3);
                    ASSERT_EQ(builds[b](s.as<int16_t>(), s.step(), d.as<int16_t>(), d.step(), {width, 2}, sf),
                              StatusOk);
                    for (int32_t y = 0; y < 2; ++y)
                        for (int32_t x = 0; x < width; ++x) {
                            const int64_t v = s.value16(y, x);
                            ASSERT_EQ(d.value16(y, x), expectedScaled(v * v, sf))
                                << kBuildNames[b] << " width " << width << " sf " << sf << " x " << v;
                        }
                    ASSERT_TRUE(d.outsideUnchanged()) << kBuildNames[b] << " width " << width << " sf " << sf;
                }
            }
}

TEST(Sqr, StepsAreUsedWithTheirLowestBitCleared)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiSqr_16s_C1RSfs);
    for (int b = 0; b < 4; ++b) {
        // Rows of 3 values: source step 7 reads rows 6 bytes apart, destination step 9 writes
        // them 8 bytes apart.
        std::vector<int16_t> s = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        std::vector<int16_t> d(12, -1);
        ASSERT_EQ(builds[b](s.data(), 7, d.data(), 9, {3, 3}, 0), StatusOk);
        EXPECT_EQ(d, (std::vector<int16_t>{1, 4, 9, -1, 16, 25, 36, -1, 49, 64, 81, -1})) << kBuildNames[b];
    }
}

TEST(Sqr, ChecksInOrderAndWritesNothingOnFailure)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiSqr_16s_C1RSfs);
    struct Case {
        bool nullSrc, nullDst;
        RoiSize roi;
        int32_t srcStep, dstStep;
        ImagingStatus expected;
    };
    const Case cases[] = {
        {true, false, {0, 1}, 0, 8, StatusNullPointer}, {false, true, {4, 1}, 8, 8, StatusNullPointer},
        {false, false, {0, 1}, 0, 8, StatusBadSize},    {false, false, {4, 0}, 8, 8, StatusBadSize},
        {false, false, {4, 1}, 0, 8, StatusBadStep},    {false, false, {4, 1}, 8, -8, StatusBadStep},
    };
    for (int b = 0; b < 4; ++b)
        for (const Case& c : cases) {
            std::vector<int16_t> src(8, 5);
            GuardedImage d(8, 1, 8, 0, 11);
            EXPECT_EQ(builds[b](c.nullSrc ? nullptr : src.data(), c.srcStep,
                                c.nullDst ? nullptr : d.as<int16_t>(), c.dstStep, c.roi, 1),
                      c.expected)
                << kBuildNames[b];
            EXPECT_TRUE(d.allUnchanged());
        }
}

TEST(Sqr, RowFunctionsCheckTheirRow)
{
    const std::array rows = {sqrRow_gn, sqrRow_s1, sqrRow_s2, sqrRow_s3};
    int16_t s[4] = {1, 2, 3, 4}, d[4] = {};
    for (int b = 0; b < 4; ++b) {
        EXPECT_EQ(rows[b](nullptr, d, 4, 0), StatusNullPointer);
        EXPECT_EQ(rows[b](s, nullptr, 4, 0), StatusNullPointer);
        EXPECT_EQ(rows[b](s, d, 0, 0), StatusBadSize);
        EXPECT_EQ(rows[b](s, d, 4, 0), StatusOk);
        EXPECT_EQ(d[3], 16);
    }
}

TEST(Threshold, ReplacesOnlyValuesStrictlyBelow)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiThreshold_LTVal_16s_C1IR);
    for (int b = 0; b < 4; ++b) {
        std::vector<int16_t> v = {9, 10, -5, 11, -32768, 32767, 0, 9};
        ASSERT_EQ(builds[b](v.data(), 16, {8, 1}, 10, 0), StatusOk);
        EXPECT_EQ(v, (std::vector<int16_t>{0, 10, 0, 11, 0, 32767, 0, 0})) << kBuildNames[b];
        std::vector<int16_t> w = {-32768, 5, -1};
        ASSERT_EQ(builds[b](w.data(), 6, {3, 1}, -32768, 7), StatusOk);
        EXPECT_EQ(w, (std::vector<int16_t>{-32768, 5, -1})) << kBuildNames[b];
    }
}

TEST(Threshold, EveryBuildAgreesForEveryWidthAndAlignment)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiThreshold_LTVal_16s_C1IR);
    // Replacing by 0 is the usual case, and rows without a gap between them a frequent one: some
    // builds treat them apart.
    for (const int16_t value : {int16_t(-7), int16_t(0)})
        for (const int32_t gap : {6, 0})
            for (int32_t offset : {0, 2, 6, 1, 3})
                for (int32_t width = 1; width <= 70; ++width)
                    for (int b = 0; b < 4; ++b) {
                        GuardedImage img(2 * width, 3, 2 * width + gap, offset, 5);
                        fillValues(img, width, 3, 70u + width);
                        std::vector<int16_t> expected;
                        for (int32_t y = 0; y < 3; ++y)
                            for (int32_t x = 0; x < width; ++x)
                                expected.push_back(img.value16(y, x) < 100 ? value : img.value16(y, x));
                        ASSERT_EQ(builds[b](img.as<int16_t>(), img.step(), {width, 3}, 100, value), StatusOk);
                        for (int32_t y = 0; y < 3; ++y)
                            for (int32_t x = 0; x < width; ++x)
                                ASSERT_EQ(img.value16(y, x), expected[static_cast<size_t>(y * width + x)])
                                    << kBuildNames[b] << " value " << value << " gap " << gap << " width "
                                    << width << " offset " << offset;
                        ASSERT_TRUE(img.outsideUnchanged()) << kBuildNames[b] << " width " << width;
                    }
}

TEST(Threshold, OddStepIsRoundedDownOnlyInTheGenericBuild)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiThreshold_LTVal_16s_C1IR);
    for (int b = 0; b < 4; ++b) {
        // Two rows of one value, step 5: gn takes the second row from byte 4 (255, kept), the
        // others from byte 5 (0, replaced).
        alignas(2) uint8_t bytes[8] = {1, 0, 0, 0, 0xFF, 0, 0, 0};
        ASSERT_EQ(builds[b](reinterpret_cast<int16_t*>(bytes), 5, {1, 2}, 10, 0x2222), StatusOk);
        const bool generic = b == 0;
        EXPECT_EQ(bytes[0], 0x22) << kBuildNames[b];
        EXPECT_EQ(bytes[4], 0xFF) << kBuildNames[b];
        EXPECT_EQ(bytes[5], generic ? 0x00 : 0x22) << kBuildNames[b];
        EXPECT_EQ(bytes[6], generic ? 0x00 : 0x22) << kBuildNames[b];
    }
}

TEST(Threshold, ChecksInOrderAndWritesNothingOnFailure)
{
    const auto builds = ZEFRIM_ALL_BUILDS(zfmiThreshold_LTVal_16s_C1IR);
    for (int b = 0; b < 4; ++b) {
        GuardedImage img(8, 1, 8, 0, 3);
        EXPECT_EQ(builds[b](nullptr, 0, {0, 0}, 0, 0), StatusNullPointer);
        EXPECT_EQ(builds[b](img.as<int16_t>(), 0, {0, 1}, 0, 0), StatusBadSize);
        EXPECT_EQ(builds[b](img.as<int16_t>(), 8, {4, -2}, 0, 0), StatusBadSize);
        EXPECT_EQ(builds[b](img.as<int16_t>(), 0, {4, 1}, 32767, 0), StatusBadStep);
        EXPECT_EQ(builds[b](img.as<int16_t>(), -8, {4, 1}, 32767, 0), StatusBadStep);
        EXPECT_TRUE(img.allUnchanged()) << kBuildNames[b];
    }
}

TEST(RegionFill, FillsExactlyTheRegionInEveryBuild)
{
    const std::array fills = {setImage16s_gn, setImage16s_s1, setImage16s_s2, setImage16s_s3};
    for (int b = 0; b < 4; ++b)
        for (int32_t offset : {0, 2, 1, 7, 14})
            for (int32_t width = 1; width <= 70; ++width) {
                GuardedImage img(2 * width, 3, 2 * width + 5, offset, 8);
                ASSERT_EQ(fills[b](int16_t(0x1234), img.as<int16_t>(), img.step(), width, 3), StatusOk);
                for (int32_t y = 0; y < 3; ++y)
                    for (int32_t x = 0; x < width; ++x)
                        ASSERT_EQ(img.value16(y, x), 0x1234) << kBuildNames[b] << " width " << width;
                ASSERT_TRUE(img.outsideUnchanged())
                    << kBuildNames[b] << " width " << width << " offset " << offset;
            }
}

TEST(RegionFill, LargeRegionsTakeTheStreamingPathWithTheSameResult)
{
    const std::array fills = {setImage16s_gn, setImage16s_s1, setImage16s_s2, setImage16s_s3};
    for (int b = 0; b < 4; ++b)
        for (int32_t offset : {0, 1}) {
            GuardedImage img(2 * 301, 301, 2 * 301 + 3, offset, 8);
            ASSERT_EQ(fills[b](int16_t(-1), img.as<int16_t>(), img.step(), 301, 301), StatusOk);
            EXPECT_EQ(img.regionBytes(), std::vector<uint8_t>(2 * 301 * 301, 0xFF)) << kBuildNames[b];
            EXPECT_TRUE(img.outsideUnchanged());
        }
}

TEST(RegionFill, ChecksInOrder)
{
    const std::array fills = {setImage16s_gn, setImage16s_s1, setImage16s_s2, setImage16s_s3};
    for (int b = 0; b < 4; ++b) {
        GuardedImage img(2, 1, 2, 0, 8);
        EXPECT_EQ(fills[b](1, nullptr, 0, 0, 1), StatusNullPointer);
        EXPECT_EQ(fills[b](1, img.as<int16_t>(), 0, 0, 1), StatusBadSize);
        EXPECT_EQ(fills[b](1, img.as<int16_t>(), 2, 1, -1), StatusBadSize);
        EXPECT_EQ(fills[b](1, img.as<int16_t>(), 0, 1, 1), StatusBadStep);
        EXPECT_TRUE(img.allUnchanged());
        EXPECT_EQ(fills[b](1, img.as<int16_t>(), 2, 1, 1), StatusOk);
        EXPECT_EQ(img.value16(0, 0), 1);
    }
}
