// Lossless JPEG prediction and reconstruction: every predictor, the first-row constant, the
// 16-bit wrap-around, argument checks, and the agreement of the four builds.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "builds.h"

namespace {

using FirstRowFn = decltype(&zfmiDiffPredFirstRow_JPEG_16s_C1_gn);
using RowFn = decltype(&zfmiDiffPredRow_JPEG_16s_C1_gn);

struct Build {
    const char* name;
    FirstRowFn diffFirst;
    RowFn diffRow;
    FirstRowFn reconstructFirst;
    RowFn reconstructRow;
};

const Build builds[] = {
    {"gn", zfmiDiffPredFirstRow_JPEG_16s_C1_gn, zfmiDiffPredRow_JPEG_16s_C1_gn,
     zfmiReconstructPredFirstRow_JPEG_16s_C1_gn, zfmiReconstructPredRow_JPEG_16s_C1_gn},
    {"s1", zfmiDiffPredFirstRow_JPEG_16s_C1_s1, zfmiDiffPredRow_JPEG_16s_C1_s1,
     zfmiReconstructPredFirstRow_JPEG_16s_C1_s1, zfmiReconstructPredRow_JPEG_16s_C1_s1},
    {"s2", zfmiDiffPredFirstRow_JPEG_16s_C1_s2, zfmiDiffPredRow_JPEG_16s_C1_s2,
     zfmiReconstructPredFirstRow_JPEG_16s_C1_s2, zfmiReconstructPredRow_JPEG_16s_C1_s2},
    {"s3", zfmiDiffPredFirstRow_JPEG_16s_C1_s3, zfmiDiffPredRow_JPEG_16s_C1_s3,
     zfmiReconstructPredFirstRow_JPEG_16s_C1_s3, zfmiReconstructPredRow_JPEG_16s_C1_s3},
};

using Row = std::vector<int16_t>;

int16_t s16(int32_t v)
{
    return static_cast<int16_t>(v);
}

TEST(LosslessFirstRow, FirstSampleIsPredictedFromPrecisionAndPointTransform)
{
    struct Case {
        int32_t precision, pointTransform;
        uint16_t prediction;
    };
    const Case cases[] = {{8, 0, 128},  {16, 0, 32768}, {2, 1, 1}, {8, 8, 0},
                          {12, 2, 512}, {2, 0, 2},      {8, 20, 0}};
    for (const Build& build : builds)
        for (const Case& c : cases) {
            const int16_t zero = 0;
            int16_t sample = 0;
            ASSERT_EQ(build.reconstructFirst(&zero, &sample, 1, c.precision, c.pointTransform), StatusOk);
            EXPECT_EQ(static_cast<uint16_t>(sample), c.prediction)
                << build.name << " P " << c.precision << " Pt " << c.pointTransform;
            const int16_t value = s16(c.prediction);
            int16_t difference = 1;
            ASSERT_EQ(build.diffFirst(&value, &difference, 1, c.precision, c.pointTransform), StatusOk);
            EXPECT_EQ(difference, 0) << build.name;
        }
}

TEST(LosslessFirstRow, LaterSamplesArePredictedFromTheLeft)
{
    const Row samples = {100, 103, 99, -5, 32767};
    for (const Build& build : builds) {
        Row differences(samples.size());
        ASSERT_EQ(build.diffFirst(samples.data(), differences.data(), 5, 8, 0), StatusOk);
        EXPECT_EQ(differences, (Row{-28, 3, -4, -104, s16(32772)})) << build.name;
        Row back(samples.size());
        ASSERT_EQ(build.reconstructFirst(differences.data(), back.data(), 5, 8, 0), StatusOk);
        EXPECT_EQ(back, samples) << build.name;
    }
}

// One sample at position 1 with Ra, Rb, Rc given; position 0 is predicted from above.
int16_t reconstructAt1(const Build& build, int predictor, int32_t ra, int32_t rb, int32_t rc)
{
    const Row previous = {s16(rc), s16(rb)};
    const Row differences = {s16(ra - rc), 0}; // position 0 reconstructs to ra
    Row samples(2);
    EXPECT_EQ(build.reconstructRow(differences.data(), previous.data(), samples.data(), 2, predictor),
              StatusOk);
    EXPECT_EQ(samples[0], s16(ra));
    return samples[1];
}

TEST(LosslessRow, EveryPredictor)
{
    struct Case {
        int predictor;
        int32_t ra, rb, rc;
        uint16_t prediction;
    };
    const Case cases[] = {
        {1, 10, 4, 7, 10},
        {2, 10, 4, 7, 4},
        {3, 10, 4, 7, 7},
        {4, 10, 4, 7, 7},
        {5, 10, 4, 7, 8},
        {5, 10, 7, 4, 11},
        {6, 10, 4, 7, 5},
        {6, 4, 10, 7, 8},
        {7, 10, 5, 0, 7},
        {7, 40000, 100, 0, 52818},
        {4, 30000, 30000, 0, 60000},
        {7, -3, 0, 0, 65534},
    };
    for (const Build& build : builds)
        for (const Case& c : cases)
            EXPECT_EQ(static_cast<uint16_t>(reconstructAt1(build, c.predictor, c.ra, c.rb, c.rc)),
                      c.prediction)
                << build.name << " predictor " << c.predictor << " Ra " << c.ra << " Rb " << c.rb << " Rc "
                << c.rc;
}

TEST(LosslessRow, WidthOneUsesOnlyTheSampleAbove)
{
    for (const Build& build : builds)
        for (int predictor = 1; predictor <= 7; ++predictor) {
            const int16_t above = 1234, difference = 5, sample = 1300;
            int16_t out = 0;
            ASSERT_EQ(build.reconstructRow(&difference, &above, &out, 1, predictor), StatusOk);
            EXPECT_EQ(out, 1239) << build.name;
            ASSERT_EQ(build.diffRow(&sample, &above, &out, 1, predictor), StatusOk);
            EXPECT_EQ(out, 66) << build.name;
        }
}

Row randomRow(std::mt19937& random, int width)
{
    Row row(width);
    for (auto& v : row)
        v = static_cast<int16_t>(random());
    return row;
}

TEST(LosslessRow, DifferencesReconstructToTheSameRowInEveryBuild)
{
    std::mt19937 random(3);
    for (int width : {1, 2, 3, 8, 9, 17, 40, 101})
        for (int predictor = 1; predictor <= 7; ++predictor) {
            const Row previous = randomRow(random, width), samples = randomRow(random, width);
            Row reference;
            for (const Build& build : builds) {
                Row differences(width), back(width), firstDifferences(width), firstBack(width);
                ASSERT_EQ(
                    build.diffRow(samples.data(), previous.data(), differences.data(), width, predictor),
                    StatusOk);
                ASSERT_EQ(
                    build.reconstructRow(differences.data(), previous.data(), back.data(), width, predictor),
                    StatusOk);
                EXPECT_EQ(back, samples) << build.name << " predictor " << predictor;
                ASSERT_EQ(build.diffFirst(samples.data(), firstDifferences.data(), width, 16, 3), StatusOk);
                ASSERT_EQ(build.reconstructFirst(firstDifferences.data(), firstBack.data(), width, 16, 3),
                          StatusOk);
                EXPECT_EQ(firstBack, samples) << build.name;
                if (reference.empty())
                    reference = differences;
                EXPECT_EQ(differences, reference) << build.name << " predictor " << predictor;
            }
        }
}

TEST(LosslessChecks, PointersThenWidthThenRange)
{
    const int16_t in[2] = {1, 2};
    for (const Build& build : builds) {
        int16_t out[2] = {7, 7};
        EXPECT_EQ(build.diffFirst(nullptr, out, 0, 0, -1), StatusNullPointer) << build.name;
        EXPECT_EQ(build.reconstructFirst(in, nullptr, 2, 8, 0), StatusNullPointer);
        EXPECT_EQ(build.diffRow(in, nullptr, out, 0, 0), StatusNullPointer);
        EXPECT_EQ(build.reconstructRow(in, in, nullptr, 2, 1), StatusNullPointer);
        EXPECT_EQ(build.diffFirst(in, out, 0, 1, -1), StatusBadSize);
        EXPECT_EQ(build.reconstructRow(in, in, out, 0, 9), StatusBadSize);
        for (int predictor : {0, 8, -1})
            EXPECT_EQ(build.diffRow(in, in, out, 2, predictor), StatusBadArgument);
        EXPECT_EQ(build.reconstructRow(in, in, out, 2, 0), StatusBadArgument);
        for (auto [precision, pointTransform] : {std::pair{1, 0}, {17, 0}, {8, -1}}) {
            EXPECT_EQ(build.diffFirst(in, out, 2, precision, pointTransform), StatusBadArgument);
            EXPECT_EQ(build.reconstructFirst(in, out, 2, precision, pointTransform), StatusBadArgument);
        }
        EXPECT_EQ(out[0], 7) << build.name << ": a failed call wrote";
        EXPECT_EQ(out[1], 7);
    }
}

TEST(LosslessExports, ReachTheLoadedBuild)
{
    const Row samples = {128, 130, 127}, previous = {120, 125, 126};
    Row differences(3), back(3);
    ASSERT_EQ(zfmiDiffPredFirstRow_JPEG_16s_C1(samples.data(), differences.data(), 3, 8, 0), StatusOk);
    EXPECT_EQ(differences, (Row{0, 2, -3}));
    ASSERT_EQ(zfmiReconstructPredFirstRow_JPEG_16s_C1(differences.data(), back.data(), 3, 8, 0), StatusOk);
    EXPECT_EQ(back, samples);
    ASSERT_EQ(zfmiDiffPredRow_JPEG_16s_C1(samples.data(), previous.data(), differences.data(), 3, 4),
              StatusOk);
    ASSERT_EQ(zfmiReconstructPredRow_JPEG_16s_C1(differences.data(), previous.data(), back.data(), 3, 4),
              StatusOk);
    EXPECT_EQ(back, samples);
    EXPECT_EQ(zfmiDiffPredRow_JPEG_16s_C1(samples.data(), previous.data(), back.data(), 3, 8),
              StatusBadArgument);
}

} // namespace
