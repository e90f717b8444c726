// Chroma down- and up-sampling: worked values, border reads, argument checks, and the
// agreement of the four builds.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "all_builds.h"
#include "builds.h"

namespace {

using SampleFn = decltype(&zfmiSampleDownH2V1_JPEG_8u_C1R_gn);

struct Builds {
    const char* function;
    SampleFn fn[4];
};

const Builds downH2V1 = {"down H2V1",
                         {zfmiSampleDownH2V1_JPEG_8u_C1R_gn, zfmiSampleDownH2V1_JPEG_8u_C1R_s1,
                          zfmiSampleDownH2V1_JPEG_8u_C1R_s2, zfmiSampleDownH2V1_JPEG_8u_C1R_s3}};
const Builds downH2V2 = {"down H2V2",
                         {zfmiSampleDownH2V2_JPEG_8u_C1R_gn, zfmiSampleDownH2V2_JPEG_8u_C1R_s1,
                          zfmiSampleDownH2V2_JPEG_8u_C1R_s2, zfmiSampleDownH2V2_JPEG_8u_C1R_s3}};
const Builds upH2V1 = {"up H2V1",
                       {zfmiSampleUpH2V1_JPEG_8u_C1R_gn, zfmiSampleUpH2V1_JPEG_8u_C1R_s1,
                        zfmiSampleUpH2V1_JPEG_8u_C1R_s2, zfmiSampleUpH2V1_JPEG_8u_C1R_s3}};
const Builds upH2V2 = {"up H2V2",
                       {zfmiSampleUpH2V2_JPEG_8u_C1R_gn, zfmiSampleUpH2V2_JPEG_8u_C1R_s1,
                        zfmiSampleUpH2V2_JPEG_8u_C1R_s2, zfmiSampleUpH2V2_JPEG_8u_C1R_s3}};
const Builds* const allFunctions[] = {&downH2V1, &downH2V2, &upH2V1, &upH2V2};

using Bytes = std::vector<uint8_t>;

// A source plane with a one-sample border on every side; origin() is sample (0, 0).
struct BorderedPlane {
    int32_t width, height, step;
    Bytes bytes;

    BorderedPlane(int32_t w, int32_t h, uint8_t fill = 0)
        : width(w), height(h), step(w + 2), bytes(static_cast<size_t>(step) * (h + 2), fill)
    {
    }
    uint8_t* origin() { return bytes.data() + step + 1; }
    uint8_t& at(int32_t x, int32_t y) { return origin()[y * step + x]; }
};

TEST(SampleDown, PairsRoundUp)
{
    struct Case {
        uint8_t a, b, expected;
    };
    const Case cases[] = {{1, 2, 2}, {1, 1, 1}, {254, 255, 255}, {0, 0, 0}, {255, 255, 255}};
    for (int b = 0; b < 4; ++b)
        for (const Case& c : cases) {
            const uint8_t in[2] = {c.a, c.b};
            uint8_t out = 0;
            ASSERT_EQ(downH2V1.fn[b](in, 2, {2, 1}, &out, 1, {1, 1}), StatusOk);
            EXPECT_EQ(out, c.expected) << zefrimtest::kBuildNames[b] << " " << int{c.a} << "," << int{c.b};
        }
}

TEST(SampleDown, BlocksRoundUp)
{
    struct Case {
        uint8_t block[4];
        uint8_t expected;
    };
    const Case cases[] = {{{1, 0, 0, 0}, 1},           {{0, 0, 0, 0}, 0}, {{2, 1, 1, 1}, 2},
                          {{255, 255, 255, 254}, 255}, {{4, 4, 4, 4}, 4}, {{1, 1, 1, 0}, 1}};
    for (int b = 0; b < 4; ++b)
        for (const Case& c : cases) {
            uint8_t out = 0;
            ASSERT_EQ(downH2V2.fn[b](c.block, 2, {2, 2}, &out, 1, {1, 1}), StatusOk);
            EXPECT_EQ(out, c.expected) << zefrimtest::kBuildNames[b];
        }
}

TEST(SampleUp, TriangularRowWithZeroBorders)
{
    for (int b = 0; b < 4; ++b) {
        BorderedPlane source(3, 1);
        source.at(1, 0) = 100;
        Bytes target(6, 9);
        ASSERT_EQ(upH2V1.fn[b](source.origin(), source.step, {3, 1}, target.data(), 6, {6, 1}), StatusOk);
        EXPECT_EQ(target, (Bytes{0, 25, 75, 75, 25, 0})) << zefrimtest::kBuildNames[b];
    }
}

TEST(SampleUp, TwoDimensionalWeightsNineThreeThreeOne)
{
    for (int b = 0; b < 4; ++b) {
        BorderedPlane source(2, 2);
        source.at(0, 0) = 160;
        Bytes target(16, 0);
        ASSERT_EQ(upH2V2.fn[b](source.origin(), source.step, {2, 2}, target.data(), 4, {4, 4}), StatusOk);
        // The outputs nearest the sample weigh it 9/16, the next ones 3/16, the diagonal 1/16.
        const uint8_t w9 = (9 * 160 + 8) / 16, w3 = (3 * 160 + 8) / 16, w1 = (160 + 8) / 16;
        const Bytes expected = {w9, w9, w3, 0, w9, w9, w3, 0, w3, w3, w1, 0, 0, 0, 0, 0};
        EXPECT_EQ(target, expected) << zefrimtest::kBuildNames[b];
    }
}

TEST(SampleUp, ConstantPlanesStayConstantAlsoAtTheEdges)
{
    for (const Builds* function : {&upH2V1, &upH2V2})
        for (int b = 0; b < 4; ++b)
            for (uint8_t level : {0, 1, 77, 254, 255})
                for (int32_t width : {1, 2, 7, 8}) {
                    // H2V1 maps source rows one to one, H2V2 doubles them.
                    const int32_t height = function == &upH2V1 ? 4 : 8;
                    BorderedPlane source(4, 4, level);
                    Bytes target(static_cast<size_t>(width) * height, 3);
                    ASSERT_EQ(function->fn[b](source.origin(), source.step, {4, 4}, target.data(), width,
                                              {width, height}),
                              StatusOk);
                    for (uint8_t v : target)
                        ASSERT_EQ(v, level) << function->function << " " << zefrimtest::kBuildNames[b];
                }
}

// Edge samples copied into the border: the outputs at the edges repeat the edge samples.
TEST(SampleUp, ReplicatedBordersRepeatTheEdgeSamples)
{
    std::mt19937 random(17);
    for (int b = 0; b < 4; ++b) {
        BorderedPlane source(5, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                source.at(x, y) = static_cast<uint8_t>(random());
        for (int y = -1; y <= 3; ++y) {
            source.at(-1, y) = source.at(0, y < 0 ? 0 : (y > 2 ? 2 : y));
            source.at(5, y) = source.at(4, y < 0 ? 0 : (y > 2 ? 2 : y));
        }
        for (int x = -1; x <= 5; ++x) {
            source.at(x, -1) = source.at(x, 0);
            source.at(x, 3) = source.at(x, 2);
        }
        Bytes row(10), plane(10 * 6);
        ASSERT_EQ(upH2V1.fn[b](source.origin(), source.step, {5, 3}, row.data(), 10, {10, 1}), StatusOk);
        EXPECT_EQ(row[0], source.at(0, 0)) << zefrimtest::kBuildNames[b];
        EXPECT_EQ(row[9], source.at(4, 0)) << zefrimtest::kBuildNames[b];
        ASSERT_EQ(upH2V2.fn[b](source.origin(), source.step, {5, 3}, plane.data(), 10, {10, 6}), StatusOk);
        EXPECT_EQ(plane[0], source.at(0, 0)) << zefrimtest::kBuildNames[b];
    }
}

// A target width of 1 reads source columns -1 and 0 only; the exact-size buffers let the
// address sanitizer catch any read beyond them.
TEST(SampleUp, WidthOneReadsOnlyTheFirstColumnAndItsLeftBorder)
{
    for (int b = 0; b < 4; ++b) {
        const Bytes row = {10, 50};
        uint8_t out = 0;
        ASSERT_EQ(upH2V1.fn[b](row.data() + 1, 2, {1, 1}, &out, 1, {1, 1}), StatusOk);
        EXPECT_EQ(out, (3 * 50 + 10 + 1) / 4) << zefrimtest::kBuildNames[b];
        const Bytes rows = {10, 50, 20, 60}; // row -1, then row 0, each with its left border
        ASSERT_EQ(upH2V2.fn[b](rows.data() + 3, 2, {1, 1}, &out, 1, {1, 1}), StatusOk);
        const int centre = 3 * 60 + 50, left = 3 * 20 + 10;
        EXPECT_EQ(out, (3 * centre + left + 8) / 16) << zefrimtest::kBuildNames[b];
    }
}

TEST(SampleBuilds, AllBuildsGiveTheGenericResultForEveryWidthAndOffset)
{
    std::mt19937 random(23);
    for (const Builds* function : allFunctions) {
        const bool up = function == &upH2V1 || function == &upH2V2;
        for (int32_t width = 1; width <= 70; ++width)
            for (int32_t offset = 0; offset < 3; ++offset) {
                const int32_t height = 5;
                const int32_t sourceWidth = up ? width / 2 + 2 : 2 * width;
                const int32_t sourceHeight = up ? height / 2 + 2 : 2 * height;
                const int32_t step = sourceWidth + 5;
                Bytes source(static_cast<size_t>(step) * (sourceHeight + 2));
                for (auto& v : source)
                    v = static_cast<uint8_t>(random());
                const uint8_t* origin = source.data() + step + 1 + offset;
                Bytes reference;
                for (int b = 0; b < 4; ++b) {
                    Bytes target(static_cast<size_t>(width + offset) * height, 0);
                    ASSERT_EQ(function->fn[b](origin, step, {sourceWidth, sourceHeight},
                                              target.data() + offset, width + offset, {width, height}),
                              StatusOk);
                    if (b == 0)
                        reference = target;
                    ASSERT_EQ(target, reference)
                        << function->function << " " << zefrimtest::kBuildNames[b] << " width " << width;
                }
            }
    }
}

TEST(SampleChecks, SourceChecksComeFirst)
{
    struct Case {
        bool sourceNull;
        int32_t sourceStep;
        RoiSize sourceSize;
        bool targetNull;
        int32_t targetStep;
        RoiSize targetSize;
        ImagingStatus expected;
    };
    const Case cases[] = {
        {true, 0, {0, 0}, true, 0, {0, 0}, StatusNullPointer},
        {false, 0, {4, 4}, true, 4, {4, 4}, StatusBadStep},
        {false, 4, {4, 0}, true, 4, {4, 4}, StatusBadSize},
        {false, 4, {-1, 4}, false, 4, {4, 4}, StatusBadSize},
        {false, 4, {4, 4}, true, 0, {0, 0}, StatusNullPointer},
        {false, 4, {4, 4}, false, -4, {0, 0}, StatusBadStep},
        {false, 4, {4, 4}, false, 4, {0, 4}, StatusBadSize},
        {false, 4, {4, 4}, false, 4, {4, -2}, StatusBadSize},
    };
    const Bytes source(64, 1);
    for (const Builds* function : allFunctions)
        for (int b = 0; b < 4; ++b)
            for (const Case& c : cases) {
                Bytes target(64, 9);
                EXPECT_EQ(function->fn[b](c.sourceNull ? nullptr : source.data() + 20, c.sourceStep,
                                          c.sourceSize, c.targetNull ? nullptr : target.data(), c.targetStep,
                                          c.targetSize),
                          c.expected)
                    << function->function << " " << zefrimtest::kBuildNames[b];
                EXPECT_EQ(target, Bytes(64, 9)) << "a failed call wrote";
            }
}

TEST(SampleExports, ReachTheLoadedBuild)
{
    const Bytes pair = {1, 2, 1, 1};
    uint8_t down[2] = {};
    ASSERT_EQ(zfmiSampleDownH2V1_JPEG_8u_C1R(pair.data(), 4, {4, 1}, down, 2, {2, 1}), StatusOk);
    EXPECT_EQ(down[0], 2);
    EXPECT_EQ(down[1], 1);
    ASSERT_EQ(zfmiSampleDownH2V2_JPEG_8u_C1R(pair.data(), 2, {2, 2}, down, 1, {1, 1}), StatusOk);
    EXPECT_EQ(down[0], 2);
    BorderedPlane source(3, 1);
    source.at(1, 0) = 100;
    Bytes target(6);
    ASSERT_EQ(zfmiSampleUpH2V1_JPEG_8u_C1R(source.origin(), source.step, {3, 1}, target.data(), 6, {6, 1}),
              StatusOk);
    EXPECT_EQ(target, (Bytes{0, 25, 75, 75, 25, 0}));
    BorderedPlane flat(2, 2, 90);
    Bytes full(16);
    ASSERT_EQ(zfmiSampleUpH2V2_JPEG_8u_C1R(flat.origin(), flat.step, {2, 2}, full.data(), 4, {4, 4}),
              StatusOk);
    EXPECT_EQ(full, Bytes(16, 90));
    EXPECT_EQ(zfmiSampleUpH2V2_JPEG_8u_C1R(flat.origin(), 0, {2, 2}, nullptr, 4, {4, 4}), StatusBadStep);
}

} // namespace
