// 8x8 DCTs with quantisation: worked examples, argument checks, the internal routines, and the
// agreement of the four builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "builds.h"
#include "dct.h"

namespace {

using InverseFn = decltype(&zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn);
using ForwardFn = decltype(&zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R_gn);

struct InverseBuild {
    const char* name;
    InverseFn fn;
};
struct ForwardBuild {
    const char* name;
    ForwardFn fn;
};

const InverseBuild inverseBuilds[] = {{"gn", zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn},
                                      {"s1", zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_s1},
                                      {"s2", zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_s2},
                                      {"s3", zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_s3}};
const ForwardBuild forwardBuilds[] = {{"gn", zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R_gn},
                                      {"s1", zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R_s1},
                                      {"s2", zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R_s2},
                                      {"s3", zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R_s3}};

using Coefficients = std::array<int16_t, 64>;
using Table = std::array<uint16_t, 64>;
using Pixels = std::array<uint8_t, 64>;

Table filledTable(uint16_t value)
{
    Table t;
    t.fill(value);
    return t;
}

Pixels inverse(InverseFn fn, const Coefficients& c, const Table& steps)
{
    Pixels out{};
    EXPECT_EQ(fn(c.data(), out.data(), 8, steps.data()), StatusOk);
    return out;
}

Coefficients forward(ForwardFn fn, const Pixels& p, const Table& reciprocals)
{
    Coefficients out{};
    EXPECT_EQ(fn(p.data(), 8, out.data(), reciprocals.data()), StatusOk);
    return out;
}

Pixels uniformPixels(uint8_t v)
{
    Pixels p;
    p.fill(v);
    return p;
}

// ---- Inverse ------------------------------------------------------------------------------

TEST(DctQuantInv, ZeroBlockGivesMidGreyInEveryBuild)
{
    for (const auto& build : inverseBuilds) {
        const Pixels out = inverse(build.fn, Coefficients{}, filledTable(1));
        for (uint8_t v : out)
            ASSERT_EQ(v, 128) << build.name;
    }
}

// Generic build: D / 8 rounded half up everywhere. The vector builds' row rounding constants
// may move an exact half by one.
TEST(DctQuantInv, DcOnlyBlockIsDcOverEightRoundedHalfUp)
{
    struct Case {
        int16_t dc;
        uint8_t expected;
    };
    const Case cases[] = {{4, 129}, {-4, 128}, {12, 130}, {-8, 127}, {-1024, 0}, {1016, 255}};
    for (const auto& build : inverseBuilds) {
        const int tolerance = build.fn == zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn ? 0 : 1;
        for (const Case& c : cases) {
            Coefficients block{};
            block[0] = c.dc;
            const Pixels out = inverse(build.fn, block, filledTable(1));
            for (uint8_t v : out)
                ASSERT_LE(std::abs(v - c.expected), tolerance) << build.name << " dc " << c.dc;
        }
    }
}

TEST(DctQuantInv, FirstHorizontalFrequencyGivesTheCosineRow)
{
    Coefficients block{};
    block[1] = 100;
    const uint8_t expectedRow[8] = {145, 143, 138, 131, 125, 118, 113, 111};
    const Pixels generic = inverse(zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn, block, filledTable(1));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(generic[8 * y + x], expectedRow[x]) << y << "," << x;
    uint8_t vectorFirstRow[8];
    std::copy(expectedRow, expectedRow + 8, vectorFirstRow);
    vectorFirstRow[3] = 132;
    for (const auto& build : inverseBuilds) {
        if (build.fn == zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn)
            continue;
        const Pixels out = inverse(build.fn, block, filledTable(1));
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(out[x], vectorFirstRow[x]) << build.name << " at " << x;
        for (int i = 0; i < 64; ++i)
            EXPECT_LE(std::abs(out[i] - generic[i]), 1) << build.name << " at " << i;
    }
}

TEST(DctQuantInv, DequantisesByTheTableInNaturalOrder)
{
    Coefficients unit{};
    unit[0] = 1;
    Table steps = filledTable(1);
    steps[0] = 80; // 80 / 8 = 10 above mid grey
    for (const auto& build : inverseBuilds) {
        const Pixels out = inverse(build.fn, unit, steps);
        for (uint8_t v : out)
            ASSERT_EQ(v, 138) << build.name;
    }
}

TEST(DctQuantInv, ChecksPointersThenStepThenTable)
{
    const Coefficients block{};
    const Table steps = filledTable(1);
    for (const auto& build : inverseBuilds) {
        Pixels out;
        out.fill(7);
        EXPECT_EQ(build.fn(nullptr, out.data(), 0, nullptr), StatusNullPointer) << build.name;
        EXPECT_EQ(build.fn(block.data(), nullptr, 8, steps.data()), StatusNullPointer);
        EXPECT_EQ(build.fn(block.data(), out.data(), 0, nullptr), StatusBadStep);
        EXPECT_EQ(build.fn(block.data(), out.data(), -1, steps.data()), StatusBadStep);
        EXPECT_EQ(build.fn(block.data(), out.data(), 8, nullptr), StatusNullPointer);
        for (uint8_t v : out)
            ASSERT_EQ(v, 7) << build.name << ": a failed call wrote";
    }
}

TEST(DctQuantInv, WritesOnlyTheBlockInsideAWiderPlane)
{
    Coefficients block{};
    block[0] = 80;
    for (const auto& build : inverseBuilds) {
        std::vector<uint8_t> plane(20 * 9, 3);
        ASSERT_EQ(build.fn(block.data(), plane.data() + 21, 20, filledTable(1).data()), StatusOk);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool inside = y >= 1 && x >= 1 && x < 9;
                ASSERT_EQ(plane[20 * y + x], inside ? 138 : 3) << build.name << " " << x << "," << y;
            }
    }
}

TEST(DctInternals, DequantiseSaturates)
{
    const int16_t coefficients[] = {1000, -1000, -3};
    const int16_t steps[] = {100, 100, 7};
    int16_t out[3];
    ASSERT_EQ(dequantize16s_gn(coefficients, steps, out, 3), StatusOk);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[1], -32768);
    EXPECT_EQ(out[2], -21);
    EXPECT_EQ(dequantize16s_gn(coefficients, nullptr, out, 3), StatusNullPointer);
    EXPECT_EQ(dequantize16s_gn(coefficients, steps, out, 0), StatusBadSize);
}

TEST(DctInternals, StoreLevelShiftClamps)
{
    const int16_t values[] = {-129, -128, 127, 128, -1, 0};
    const uint8_t expected[] = {0, 0, 255, 255, 127, 128};
    uint8_t out[6];
    storeLevelShift16s8u_gn(values, sizeof values, out, 6, 6, 1);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(out[i], expected[i]) << values[i];
}

TEST(DctInternals, NullBlockIsRefused)
{
    EXPECT_EQ(idct8x8_gn(nullptr), StatusNullPointer);
    EXPECT_EQ(fdct8x8_gn(nullptr), StatusNullPointer);
}

// Extreme coefficients wrap inside the transform; the call still succeeds with bytes.
TEST(DctQuantInv, ExtremeCoefficientsStillGiveABlock)
{
    std::mt19937 random(7);
    for (const auto& build : inverseBuilds)
        for (int round = 0; round < 200; ++round) {
            Coefficients block;
            Table steps;
            for (int i = 0; i < 64; ++i) {
                block[i] = static_cast<int16_t>(random());
                steps[i] = static_cast<uint16_t>(random());
            }
            Pixels out;
            ASSERT_EQ(build.fn(block.data(), out.data(), 8, steps.data()), StatusOk) << build.name;
        }
}

// The entry folds its three steps together; it must give exactly what they give in turn. Every
// fourth block keeps its coefficients to the first four rows, columns or both, as most blocks of
// a photograph do (the entry has shorter sums for those).
TEST(DctQuantInv, GenericEntryEqualsItsRoutinesInTurn)
{
    std::mt19937 random(13);
    for (int round = 0; round < 4000; ++round) {
        Coefficients block{};
        Table steps;
        const bool extreme = round % 3 == 0;
        const int rows = round % 4 == 1 || round % 4 == 3 ? 4 : 8;
        const int columns = round % 4 == 2 || round % 4 == 3 ? 4 : 8;
        const int nonZero = static_cast<int>(random() % 65);
        for (int n = 0; n < nonZero; ++n)
            block[8 * (random() % rows) + random() % columns] =
                static_cast<int16_t>(extreme ? random() : random() % 200 - 100);
        for (auto& q : steps)
            q = static_cast<uint16_t>(extreme ? random() : random() % 100 + 1);
        int16_t work[64];
        Pixels expected;
        ASSERT_EQ(dequantize16s_gn(block.data(), reinterpret_cast<const int16_t*>(steps.data()), work, 64),
                  StatusOk);
        ASSERT_EQ(idct8x8_gn(work), StatusOk);
        storeLevelShift16s8u_gn(work, 16, expected.data(), 8, 8, 8);
        // Written as into a plane: at an odd address, with an odd step.
        constexpr int step = 11;
        uint8_t plane[3 + 7 * step + 8];
        ASSERT_EQ(zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn(block.data(), plane + 3, step, steps.data()),
                  StatusOk);
        Pixels written;
        for (int y = 0; y < 8; ++y)
            std::copy_n(plane + 3 + step * y, 8, written.begin() + 8 * y);
        ASSERT_EQ(written, expected) << "round " << round;
    }
}

// ---- Forward ------------------------------------------------------------------------------

TEST(DctQuantFwd, UniformBlocksGiveOnlyADcCoefficient)
{
    struct Case {
        uint8_t level;
        uint16_t reciprocal;
        int16_t dc;
    };
    const Case cases[] = {{200, 2048, 36}, {0, 32768, -1024}, {255, 32768, 1016}};
    for (const auto& build : forwardBuilds)
        for (const Case& c : cases) {
            const Coefficients out = forward(build.fn, uniformPixels(c.level), filledTable(c.reciprocal));
            EXPECT_EQ(out[0], c.dc) << build.name << " level " << int{c.level};
            for (int i = 1; i < 64; ++i)
                ASSERT_EQ(out[i], 0) << build.name << " level " << int{c.level} << " at " << i;
        }
}

TEST(DctQuantFwd, ReciprocalOfAZeroStepIsUsedAsIs)
{
    Table reciprocals = filledTable(2048);
    reciprocals[0] = 0xFFFF;
    for (const auto& build : forwardBuilds)
        EXPECT_EQ(forward(build.fn, uniformPixels(200), reciprocals)[0], 1152) << build.name;
}

Coefficients sparse(std::initializer_list<std::pair<int, int16_t>> entries)
{
    Coefficients c{};
    for (const auto& [index, value] : entries)
        c[index] = value;
    return c;
}

TEST(DctQuantFwd, VerticalBarsAndRamp)
{
    Pixels bars{}, ramp{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            bars[8 * y + x] = x < 4 ? 255 : 0;
            ramp[8 * y + x] = static_cast<uint8_t>(16 + 32 * x);
        }
    const Table unitSteps = filledTable(32768);
    EXPECT_EQ(forward(zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R_gn, bars, unitSteps),
              sparse({{0, -4}, {1, 924}, {3, -324}, {5, 217}, {7, -184}}));
    for (const auto& build : forwardBuilds) {
        if (build.fn == zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R_gn)
            continue;
        EXPECT_EQ(forward(build.fn, bars, unitSteps),
                  sparse({{0, -4}, {1, 924}, {3, -325}, {5, 217}, {7, -184}}))
            << build.name;
    }
    for (const auto& build : forwardBuilds)
        EXPECT_EQ(forward(build.fn, ramp, unitSteps), sparse({{1, -583}, {3, -61}, {5, -18}, {7, -5}}))
            << build.name;
}

TEST(DctQuantFwd, ChecksPointersThenStepThenTable)
{
    const Pixels pixels = uniformPixels(9);
    const Table reciprocals = filledTable(1);
    for (const auto& build : forwardBuilds) {
        Coefficients out;
        out.fill(5);
        EXPECT_EQ(build.fn(nullptr, 0, out.data(), nullptr), StatusNullPointer) << build.name;
        EXPECT_EQ(build.fn(pixels.data(), 8, nullptr, reciprocals.data()), StatusNullPointer);
        EXPECT_EQ(build.fn(pixels.data(), 0, out.data(), nullptr), StatusBadStep);
        EXPECT_EQ(build.fn(pixels.data(), 8, out.data(), nullptr), StatusNullPointer);
        for (int16_t v : out)
            ASSERT_EQ(v, 5) << build.name << ": a failed call wrote";
    }
}

TEST(DctInternals, QuantisationRoundsHalvesToEven)
{
    struct Case {
        int16_t value;
        uint16_t reciprocal;
        int32_t scale;
        int16_t expected;
    };
    const Case cases[] = {
        {1, 16384, 15, 0},
        {3, 16384, 15, 2},
        {-1, 16384, 15, 0},
        {-3, 16384, 15, -2},
        {5, 16384, 15, 2},
        {32767, 65535, 15, 32767},
        {-32768, 65535, 15, -32768},
        {300, 300, 0, 32767},
        {-3, 7, 0, -21},
        {3, 1, -2, 12},
        {1, 1, -40, 32767},
        {-1, 1, -40, -32768},
        {6, 1, 2, 2},
    };
    for (const Case& c : cases) {
        int16_t out = 0;
        ASSERT_EQ(quantizeMulScale16s_gn(&c.reciprocal, &c.value, &out, 1, c.scale), StatusOk);
        EXPECT_EQ(out, c.expected) << c.value << " * " << c.reciprocal << " >> " << c.scale;
    }
    int16_t values[3] = {1, 2, 3};
    const uint16_t table[3] = {1, 1, 1};
    EXPECT_EQ(quantizeMulScale16s_gn(table, values, values, 3, 32), StatusOk);
    EXPECT_EQ(values[0] | values[1] | values[2], 0);
    EXPECT_EQ(quantizeMulScale16s_gn(table, values, nullptr, 3, 15), StatusNullPointer);
    EXPECT_EQ(quantizeMulScale16s_gn(table, values, values, 0, 15), StatusBadSize);
}

TEST(DctInternals, LoadLevelShiftSubtracts128)
{
    const uint8_t in[4] = {0, 127, 128, 255};
    int16_t out[4];
    ASSERT_EQ(loadLevelShift8u16s_gn(in, 4, out, 8, 4, 1), StatusOk);
    EXPECT_EQ(out[0], -128);
    EXPECT_EQ(out[1], -1);
    EXPECT_EQ(out[2], 0);
    EXPECT_EQ(out[3], 127);
}

// ---- Builds against each other, and the round trip -----------------------------------------

// Smooth content like camera blocks: a gradient plus a little noise.
Pixels naturalBlock(std::mt19937& random)
{
    std::uniform_int_distribution<int> base(30, 220), slope(-12, 12), noise(-4, 4);
    const int b = base(random), sx = slope(random), sy = slope(random);
    Pixels p;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const int v = b + sx * (x - 4) + sy * (y - 4) + noise(random);
            p[8 * y + x] = static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
        }
    return p;
}

TEST(DctBuilds, VectorBuildsStayWithinOneOfGenericAndAgreeWithEachOther)
{
    std::mt19937 random(11);
    const Table unitReciprocals = filledTable(32768);
    const Table unitSteps = filledTable(1);
    int forwardDifferences = 0, inverseDifferences = 0, total = 0;
    for (int round = 0; round < 2000; ++round) {
        const Pixels pixels = naturalBlock(random);
        const Coefficients generic = forward(forwardBuilds[0].fn, pixels, unitReciprocals);
        const Coefficients vector = forward(forwardBuilds[1].fn, pixels, unitReciprocals);
        const Pixels genericOut = inverse(inverseBuilds[0].fn, generic, unitSteps);
        const Pixels vectorOut = inverse(inverseBuilds[1].fn, generic, unitSteps);
        for (int b = 2; b < 4; ++b) {
            ASSERT_EQ(forward(forwardBuilds[b].fn, pixels, unitReciprocals), vector);
            ASSERT_EQ(inverse(inverseBuilds[b].fn, generic, unitSteps), vectorOut);
        }
        for (int i = 0; i < 64; ++i) {
            ASSERT_LE(std::abs(generic[i] - vector[i]), 1);
            ASSERT_LE(std::abs(genericOut[i] - vectorOut[i]), 1);
            // Without quantisation the round trip returns the block, give or take one.
            ASSERT_LE(std::abs(genericOut[i] - pixels[i]), 1);
            forwardDifferences += generic[i] != vector[i];
            inverseDifferences += genericOut[i] != vectorOut[i];
            ++total;
        }
    }
    EXPECT_LT(forwardDifferences * 100, total * 5);
    EXPECT_LT(inverseDifferences * 100, total * 5);
}

// Any coefficients, steps and alignment: the vector builds give the same samples.
TEST(DctBuilds, VectorBuildsAgreeOnAnyBlockAndAlignment)
{
    std::mt19937 random(19);
    std::vector<int16_t> coefficientStore(64 + 8);
    std::vector<uint16_t> tableStore(64 + 8);
    for (int round = 0; round < 4000; ++round) {
        const int offset = round % 8;
        int16_t* block = coefficientStore.data() + offset;
        uint16_t* steps = tableStore.data() + (7 - offset);
        const bool extreme = round % 2 == 0;
        for (int i = 0; i < 64; ++i) {
            block[i] = static_cast<int16_t>(extreme ? random() : random() % 512 - 256);
            steps[i] = static_cast<uint16_t>(extreme ? random() : random() % 64 + 1);
        }
        uint8_t reference[64 + 3];
        ASSERT_EQ(inverseBuilds[1].fn(block, reference + 3, 8, steps), StatusOk);
        for (int b = 2; b < 4; ++b) {
            uint8_t out[64 + 3];
            ASSERT_EQ(inverseBuilds[b].fn(block, out + 3, 8, steps), StatusOk);
            ASSERT_TRUE(std::equal(out + 3, out + 67, reference + 3))
                << inverseBuilds[b].name << " round " << round;
        }
    }
}

TEST(DctBuilds, VectorForwardBuildsAgreeOnAnyBlockAndAlignment)
{
    std::mt19937 random(29);
    std::vector<uint8_t> pixelStore(8 * 11 + 8);
    std::vector<int16_t> outStore(64 + 8);
    for (int round = 0; round < 4000; ++round) {
        const int offset = round % 8;
        uint8_t* pixels = pixelStore.data() + offset;
        for (auto& v : pixelStore)
            v = static_cast<uint8_t>(round % 3 == 0 ? (random() % 2) * 255 : random());
        Table reciprocals;
        for (auto& q : reciprocals)
            q = static_cast<uint16_t>(round % 2 == 0 ? random() : 32768 / (random() % 64 + 1));
        Coefficients reference;
        ASSERT_EQ(forwardBuilds[1].fn(pixels, 11, reference.data(), reciprocals.data()), StatusOk);
        for (int b = 2; b < 4; ++b) {
            int16_t* out = outStore.data() + (7 - offset);
            ASSERT_EQ(forwardBuilds[b].fn(pixels, 11, out, reciprocals.data()), StatusOk);
            ASSERT_TRUE(std::equal(out, out + 64, reference.begin()))
                << forwardBuilds[b].name << " round " << round;
        }
    }
}

// ---- Through the library's exports -------------------------------------------------------

const InverseBuild& loadedInverseBuild()
{
    const std::string tag = zfmjGetLibVersion()->cpuTag;
    for (const auto& build : inverseBuilds)
        if (tag == build.name)
            return build;
    ADD_FAILURE() << "unknown build tag " << tag;
    return inverseBuilds[0];
}

// The block whose fourth sample tells the generic build from the vector ones.
TEST(DctExports, RunTheBuildTheLibraryLoaded)
{
    Coefficients block{};
    block[1] = 100;
    const Table steps = filledTable(1);
    EXPECT_EQ(inverse(zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R, block, steps),
              inverse(loadedInverseBuild().fn, block, steps));
    Pixels bars{};
    for (int i = 0; i < 64; ++i)
        bars[i] = i % 8 < 4 ? 255 : 0;
    const ForwardFn loadedForward = forwardBuilds[&loadedInverseBuild() - inverseBuilds].fn;
    EXPECT_EQ(forward(zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R, bars, filledTable(32768)),
              forward(loadedForward, bars, filledTable(32768)));
    EXPECT_EQ(zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R(block.data(), nullptr, 8, steps.data()), StatusNullPointer);
}

} // namespace
