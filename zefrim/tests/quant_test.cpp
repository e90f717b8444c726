// Quantisation tables: quality scaling, the inverse and forward tables, the reciprocal routine,
// and the agreement of the four builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <random>

#include "builds.h"
#include "huffman_types.h"
#include "jpeg_standard_tables.h"
#include "quant.h"

namespace {

using RawInitFn = decltype(&zfmiQuantFwdRawTableInit_JPEG_8u_gn);
using TableInitFn = decltype(&zfmiQuantInvTableInit_JPEG_8u16u_gn);
using ReciprocalFn = decltype(&reciprocal16u_gn);

struct Build {
    const char* name;
    RawInitFn rawInit;
    TableInitFn invInit;
    TableInitFn fwdInit;
    ReciprocalFn reciprocal;
};

const Build builds[] = {
    {"gn", zfmiQuantFwdRawTableInit_JPEG_8u_gn, zfmiQuantInvTableInit_JPEG_8u16u_gn,
     zfmiQuantFwdTableInit_JPEG_8u16u_gn, reciprocal16u_gn},
    {"s1", zfmiQuantFwdRawTableInit_JPEG_8u_s1, zfmiQuantInvTableInit_JPEG_8u16u_s1,
     zfmiQuantFwdTableInit_JPEG_8u16u_s1, reciprocal16u_s1},
    {"s2", zfmiQuantFwdRawTableInit_JPEG_8u_s2, zfmiQuantInvTableInit_JPEG_8u16u_s2,
     zfmiQuantFwdTableInit_JPEG_8u16u_s2, reciprocal16u_s2},
    {"s3", zfmiQuantFwdRawTableInit_JPEG_8u_s3, zfmiQuantInvTableInit_JPEG_8u16u_s3,
     zfmiQuantFwdTableInit_JPEG_8u16u_s3, reciprocal16u_s3},
};

using RawTable = std::array<uint8_t, 64>;
using Table16 = std::array<uint16_t, 64>;

// The example luminance table of JPEG's Annex K, in zigzag order as a DQT segment holds it.
constexpr RawTable standardLuminance = {
    16, 11,  12, 14, 12, 10, 16,  14,  13,  14, 18, 17,  16,  19,  24,  40,  26, 24,  22,  22, 24, 49,
    35, 37,  29, 40, 58, 51, 61,  60,  57,  51, 56, 55,  64,  72,  92,  78,  64, 68,  87,  69, 55, 56,
    80, 109, 81, 87, 95, 98, 103, 104, 103, 62, 77, 113, 121, 112, 100, 120, 92, 101, 103, 99};

RawTable filledRaw(uint8_t v)
{
    RawTable t;
    t.fill(v);
    return t;
}

RawTable scaled(RawInitFn fn, RawTable table, int32_t quality)
{
    EXPECT_EQ(fn(table.data(), quality), StatusOk) << "quality " << quality;
    return table;
}

TEST(QuantRawTable, QualityScalesEveryStep)
{
    for (const Build& build : builds) {
        EXPECT_EQ(scaled(build.rawInit, standardLuminance, 50), standardLuminance) << build.name;
        const RawTable q75 = scaled(build.rawInit, standardLuminance, 75);
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(q75[i], (50 * standardLuminance[i] + 50) / 100) << build.name << " " << i;
        for (int32_t quality : {100, 150, INT_MAX, -1, INT_MIN})
            EXPECT_EQ(scaled(build.rawInit, standardLuminance, quality), filledRaw(1))
                << build.name << " quality " << quality;
    }
}

TEST(QuantRawTable, SingleStepsByQuality)
{
    struct Case {
        int32_t quality;
        uint8_t step;
        uint8_t expected;
    };
    const Case cases[] = {
        {1, 1, 50},   {1, 5, 250},  {1, 6, 255},    {1, 0, 1},  {1, 255, 255},
        {10, 1, 5},   {10, 3, 15},  {3, 1, 17},     {50, 0, 1}, {99, 1, 1},
        {99, 255, 5}, {51, 99, 97}, {49, 100, 102}, {75, 1, 1}, {75, 3, 2},
    };
    for (const Build& build : builds)
        for (const Case& c : cases) {
            uint8_t table[64] = {};
            std::fill(table, table + 64, c.step);
            ASSERT_EQ(build.rawInit(table, c.quality), StatusOk);
            EXPECT_EQ(table[17], c.expected)
                << build.name << " quality " << c.quality << " step " << int{c.step};
        }
}

// Quality 0 would divide by zero: it is refused and the table stays as it was.
TEST(QuantRawTable, QualityZeroAndNullAreRefused)
{
    for (const Build& build : builds) {
        RawTable table = standardLuminance;
        EXPECT_EQ(build.rawInit(table.data(), 0), StatusBadArgument) << build.name;
        EXPECT_EQ(table, standardLuminance) << build.name;
        EXPECT_EQ(build.rawInit(nullptr, 0), StatusNullPointer) << build.name;
        EXPECT_EQ(build.rawInit(nullptr, 50), StatusNullPointer) << build.name;
    }
}

TEST(QuantTables, InverseTableIsTheRawTableInNaturalOrder)
{
    RawTable positions;
    for (int i = 0; i < 64; ++i)
        positions[i] = static_cast<uint8_t>(i);
    for (const Build& build : builds) {
        Table16 inv{};
        ASSERT_EQ(build.invInit(positions.data(), inv.data()), StatusOk);
        EXPECT_EQ(inv[1], 1);
        EXPECT_EQ(inv[8], 2);
        EXPECT_EQ(inv[9], 4);
        EXPECT_EQ(inv[63], 63);
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(inv[i], jpegstandard::kZigzagOfNatural[i]) << build.name << " " << i;
        // Every step 0..255 widens unchanged.
        Table16 high{};
        ASSERT_EQ(build.invInit(filledRaw(255).data(), high.data()), StatusOk);
        EXPECT_EQ(high[40], 255) << build.name;
    }
}

TEST(QuantTables, ScanTablesAreTheStandardZigzag)
{
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(zigzagIndex[i], jpegstandard::kZigzagOfNatural[i]) << i;
        EXPECT_EQ(huffman::kNaturalOrder[i], jpegstandard::kNaturalOfZigzag[i]) << i;
        EXPECT_EQ(jpegstandard::kNaturalOfZigzag[jpegstandard::kZigzagOfNatural[i]], i) << i;
    }
    // Runs that overshoot the last position land on it.
    for (int i = 64; i < 72; ++i)
        EXPECT_EQ(huffman::kNaturalOrder[i], 63) << i;
}

TEST(QuantTables, ForwardTableHoldsRoundedQ15Reciprocals)
{
    struct Case {
        uint8_t step;
        uint16_t expected;
    };
    const Case cases[] = {{16, 2048}, {1, 32768}, {3, 10923}, {255, 129}, {7, 4681}, {2, 16384}};
    for (const Build& build : builds)
        for (const Case& c : cases) {
            Table16 fwd{};
            ASSERT_EQ(build.fwdInit(filledRaw(c.step).data(), fwd.data()), StatusOk);
            for (uint16_t v : fwd)
                ASSERT_EQ(v, c.expected) << build.name << " step " << int{c.step};
        }
}

TEST(QuantTables, ZeroStepWarnsInTheForwardTableOnly)
{
    RawTable raw = standardLuminance;
    raw[2] = 0; // zigzag position 2 is natural index 8
    for (const Build& build : builds) {
        Table16 fwd{}, inv{};
        EXPECT_EQ(build.fwdInit(raw.data(), fwd.data()), StatusDivisionByZero) << build.name;
        EXPECT_EQ(fwd[8], 0xFFFF);
        EXPECT_EQ(fwd[0], 2048) << "the rest is still computed";
        EXPECT_EQ(build.invInit(raw.data(), inv.data()), StatusOk);
        EXPECT_EQ(inv[8], 0);
    }
}

TEST(QuantTables, NullPointersAreRefusedUntouched)
{
    for (const Build& build : builds) {
        Table16 out;
        out.fill(9);
        const RawTable raw = filledRaw(1);
        EXPECT_EQ(build.invInit(nullptr, out.data()), StatusNullPointer) << build.name;
        EXPECT_EQ(build.invInit(raw.data(), nullptr), StatusNullPointer);
        EXPECT_EQ(build.fwdInit(nullptr, out.data()), StatusNullPointer);
        EXPECT_EQ(build.fwdInit(raw.data(), nullptr), StatusNullPointer);
        for (uint16_t v : out)
            ASSERT_EQ(v, 9);
    }
}

TEST(QuantReciprocal, EveryDivisorRoundsToNearest)
{
    for (const Build& build : builds) {
        std::array<uint16_t, 256> divisors, out;
        for (int q = 0; q < 256; ++q)
            divisors[q] = static_cast<uint16_t>(q);
        EXPECT_EQ(build.reciprocal(32768, divisors.data(), out.data(), 256), StatusDivisionByZero);
        EXPECT_EQ(out[0], 0xFFFF);
        for (int q = 1; q < 256; ++q)
            ASSERT_EQ(out[q], (2 * 32768 + q) / (2 * q)) << build.name << " q " << q;
        // In place, and with another numerator.
        ASSERT_EQ(build.reciprocal(1000, divisors.data() + 1, divisors.data() + 1, 255), StatusOk);
        EXPECT_EQ(divisors[3], 333);
        EXPECT_EQ(divisors[6], 167);
    }
}

TEST(QuantReciprocal, ZeroNumeratorClearsAndStillReportsZeroDivisors)
{
    for (const Build& build : builds) {
        uint16_t table[4] = {5, 0, 7, 9};
        EXPECT_EQ(build.reciprocal(0, table, table, 4), StatusDivisionByZero) << build.name;
        for (uint16_t v : table)
            EXPECT_EQ(v, 0);
        uint16_t nonzero[2] = {5, 7};
        uint16_t out[2] = {1, 1};
        EXPECT_EQ(build.reciprocal(0, nonzero, out, 2), StatusOk);
        EXPECT_EQ(out[0] | out[1], 0);
        EXPECT_EQ(build.reciprocal(1, nullptr, out, 2), StatusNullPointer);
        EXPECT_EQ(build.reciprocal(1, nonzero, out, 0), StatusBadSize);
    }
    uint16_t t[1] = {1};
    EXPECT_EQ(reciprocal16uInPlace_gn(1, nullptr, 0), StatusNullPointer);
    EXPECT_EQ(reciprocal16uInPlace_gn(1, t, 0), StatusBadSize);
    EXPECT_EQ(reciprocal16uInPlace_s2(2, t, 1), StatusOk);
    EXPECT_EQ(t[0], 2);
}

// The vector builds' own widening of the table bytes.
TEST(QuantWidening, ChecksThenWidensRowsOrOneMergedRun)
{
    using WidenFn = decltype(&convert8u16sJpeg_s1);
    const WidenFn widenings[] = {convert8u16sJpeg_s1, convert8u16sJpeg_s2, convert8u16sJpeg_s3};
    uint8_t source[64];
    for (int i = 0; i < 64; ++i)
        source[i] = static_cast<uint8_t>(200 + i);
    for (WidenFn widen : widenings) {
        int16_t out[64];
        std::fill(out, out + 64, int16_t{-7});
        EXPECT_EQ(widen(source, 8, nullptr, 16, {0, 8}), StatusNullPointer);
        EXPECT_EQ(widen(source, 8, out, 16, {8, 0}), StatusBadSize);
        EXPECT_EQ(widen(source, 0, out, 16, {8, 8}), StatusBadStep);
        EXPECT_EQ(out[0], -7) << "a failed call wrote";
        ASSERT_EQ(widen(source, 8, out, 16, {8, 8}), StatusOk);
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(out[i], (200 + i) & 0xFF) << i;
        std::fill(out, out + 64, int16_t{-7});
        ASSERT_EQ(widen(source, 8, out, 16, {7, 8}), StatusOk); // row by row
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(out[i], i % 8 == 7 ? -7 : (200 + i) & 0xFF) << i;
    }
}

TEST(QuantBuilds, AllBuildsGiveTheSameTables)
{
    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        RawTable raw;
        for (auto& v : raw)
            v = static_cast<uint8_t>(random());
        const int32_t quality = static_cast<int32_t>(random() % 120) - 10;
        Table16 inv[4], fwd[4];
        RawTable scaledTables[4];
        for (int b = 0; b < 4; ++b) {
            scaledTables[b] = raw;
            builds[b].rawInit(scaledTables[b].data(), quality);
            builds[b].invInit(raw.data(), inv[b].data());
            builds[b].fwdInit(raw.data(), fwd[b].data());
        }
        for (int b = 1; b < 4; ++b) {
            ASSERT_EQ(scaledTables[b], scaledTables[0]) << builds[b].name;
            ASSERT_EQ(inv[b], inv[0]) << builds[b].name;
            ASSERT_EQ(fwd[b], fwd[0]) << builds[b].name;
        }
    }
}

TEST(QuantExports, ReachTheLoadedBuild)
{
    RawTable raw = standardLuminance;
    EXPECT_EQ(zfmiQuantFwdRawTableInit_JPEG_8u(raw.data(), 0), StatusBadArgument);
    ASSERT_EQ(zfmiQuantFwdRawTableInit_JPEG_8u(raw.data(), 75), StatusOk);
    EXPECT_EQ(raw, scaled(zfmiQuantFwdRawTableInit_JPEG_8u_gn, standardLuminance, 75));
    Table16 inv{}, fwd{};
    ASSERT_EQ(zfmiQuantInvTableInit_JPEG_8u16u(raw.data(), inv.data()), StatusOk);
    EXPECT_EQ(inv[8], raw[2]);
    ASSERT_EQ(zfmiQuantFwdTableInit_JPEG_8u16u(filledRaw(16).data(), fwd.data()), StatusOk);
    EXPECT_EQ(fwd[63], 2048);
}

} // namespace
