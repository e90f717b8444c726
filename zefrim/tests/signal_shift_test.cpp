// Constant shifts of 16-bit arrays in every build: checks in order, the results of the edge
// values, and identical results for every length and alignment with nothing touched outside.
#include "builds.h"
#include "signal_test_buffers.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ShiftFunction = ImagingStatus (*)(int32_t, int16_t*, int32_t);

struct ShiftBuild {
    const char* tag;
    ShiftFunction left;
    ShiftFunction right;
};

const ShiftBuild kShiftBuilds[] = {
    {"gn", zfmsLShiftC_16s_I_gn, zfmsRShiftC_16s_I_gn}, {"s1", zfmsLShiftC_16s_I_s1, zfmsRShiftC_16s_I_s1},
    {"s2", zfmsLShiftC_16s_I_s2, zfmsRShiftC_16s_I_s2}, {"s3", zfmsLShiftC_16s_I_s3, zfmsRShiftC_16s_I_s3},
    {"export", zfmsLShiftC_16s_I, zfmsRShiftC_16s_I},
};

int16_t expectedLeft(int16_t x, int32_t shift)
{
    if (shift > 15)
        return 0;
    return static_cast<int16_t>(static_cast<uint32_t>(static_cast<uint16_t>(x)) << shift);
}

int16_t expectedRight(int16_t x, int32_t shift)
{
    if (shift > 15)
        return x < 0 ? -1 : 0;
    // Arithmetic: rounds toward minus infinity.
    int32_t v = x;
    for (int32_t i = 0; i < shift; ++i)
        v = (v - (v & 1)) / 2;
    return static_cast<int16_t>(v);
}

TEST(SignalShift, ChecksPointerThenCountThenShift)
{
    struct Case {
        int32_t shift;
        bool nullArray;
        int32_t len;
        ImagingStatus status;
    };
    const Case cases[] = {
        {3, true, 0, StatusNullPointer},  {-1, true, -1, StatusNullPointer},
        {20, true, 4, StatusNullPointer}, {3, false, 0, StatusBadSize},
        {-1, false, 0, StatusBadSize},    {20, false, -2, StatusBadSize},
        {-1, false, 4, StatusBadShift},   {INT32_MIN, false, 4, StatusBadShift},
        {0, false, 4, StatusOk},
    };
    for (const ShiftBuild& build : kShiftBuilds) {
        SCOPED_TRACE(build.tag);
        for (const Case& c : cases) {
            for (ShiftFunction shift : {build.left, build.right}) {
                int16_t data[4] = {1, -2, 3, -4};
                EXPECT_EQ(shift(c.shift, c.nullArray ? nullptr : data, c.len), c.status)
                    << "shift " << c.shift << " len " << c.len;
                EXPECT_EQ(std::vector<int16_t>(data, data + 4), (std::vector<int16_t>{1, -2, 3, -4}));
            }
        }
    }
}

TEST(SignalShift, EdgeValues)
{
    struct Case {
        bool left;
        int32_t shift;
        int16_t in;
        int16_t out;
    };
    const Case cases[] = {
        {true, 1, 0x7FFF, -2},     {true, 1, 0x4000, -32768}, {true, 1, -32768, 0},  {true, 15, 1, -32768},
        {true, 16, 0x7FFF, 0},     {true, 1000, -1, 0},       {false, 1, -1, -1},    {false, 1, -3, -2},
        {false, 15, -32768, -1},   {false, 15, 32767, 0},     {false, 16, -5, -1},   {false, 17, 5, 0},
        {false, 1000, -32768, -1}, {false, 3, 100, 12},       {false, 3, -100, -13},
    };
    for (const ShiftBuild& build : kShiftBuilds) {
        SCOPED_TRACE(build.tag);
        for (const Case& c : cases) {
            int16_t data[1] = {c.in};
            EXPECT_EQ((c.left ? build.left : build.right)(c.shift, data, 1), StatusOk);
            EXPECT_EQ(data[0], c.out) << (c.left ? "left " : "right ") << c.shift << " of " << c.in;
        }
    }
}

void expectShifted(ShiftFunction shift, bool left, int32_t count, int32_t byteOffset, int32_t len)
{
    GuardedDestination buffer(byteOffset, 2 * len);
    std::vector<int16_t> before(static_cast<size_t>(len));
    for (int32_t i = 0; i < len; ++i)
        before[i] = static_cast<int16_t>(i * 2741 - 30000 + count);
    std::memcpy(buffer.data(), before.data(), 2 * static_cast<size_t>(len));
    ASSERT_EQ(shift(count, reinterpret_cast<int16_t*>(buffer.data()), len), StatusOk);
    for (int32_t i = 0; i < len; ++i) {
        int16_t after;
        std::memcpy(&after, buffer.data() + 2 * i, 2);
        const int16_t expected = left ? expectedLeft(before[i], count) : expectedRight(before[i], count);
        ASSERT_EQ(after, expected) << "shift " << count << " len " << len << " offset " << byteOffset
                                   << " at " << i;
    }
    ASSERT_TRUE(buffer.guardsIntact()) << "shift " << count << " len " << len << " offset " << byteOffset;
}

TEST(SignalShift, EveryLengthAtEveryAlignmentInEveryBuild)
{
    for (const ShiftBuild& build : kShiftBuilds) {
        SCOPED_TRACE(build.tag);
        for (int32_t count : {0, 1, 5, 15, 16, 40}) {
            for (int32_t len = 1; len <= 70; ++len) {
                for (int32_t offset = 0; offset < 16; ++offset) {
                    expectShifted(build.left, true, count, offset, len);
                    expectShifted(build.right, false, count, offset, len);
                }
            }
        }
        for (int32_t len : {1000, 10239, 10240, 10241}) {
            expectShifted(build.left, true, 3, 2, len);
            expectShifted(build.left, true, 16, 2, len);
            expectShifted(build.right, false, 7, 1, len);
        }
    }
}

} // namespace
