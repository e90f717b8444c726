// Byte copy, zero and word fill in every build: checks in order, identical contents for every
// length and alignment, nothing written outside the run.
#include "builds.h"
#include "signal_cache.h"
#include "signal_internal.h"
#include "signal_sse2_kernels.h"
#include "signal_test_buffers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct MemoryBuild {
    const char* tag;
    ImagingStatus (*copy)(const uint8_t*, uint8_t*, int32_t);
    ImagingStatus (*zero)(uint8_t*, int32_t);
};

const MemoryBuild kMemoryBuilds[] = {
    {"gn", zfmsCopy_8u_gn, zfmsZero_8u_gn}, {"s1", zfmsCopy_8u_s1, zfmsZero_8u_s1},
    {"s2", zfmsCopy_8u_s2, zfmsZero_8u_s2}, {"s3", zfmsCopy_8u_s3, zfmsZero_8u_s3},
    {"export", zfmsCopy_8u, zfmsZero_8u},
};

struct KernelBuild {
    const char* tag;
    void* (*copyBytes)(const void*, void*, int32_t);
    void* (*zeroBytes)(void*, int32_t);
    void* (*fillWords)(int32_t, void*, int32_t);
    ImagingStatus (*zeroShorts)(int16_t*, int32_t);
};

const KernelBuild kKernelBuilds[] = {
    {"gn", copyBytes_gn, zeroBytes_gn, fillWords_gn, zeroShorts_gn},
    {"s1", copyBytes_s1, zeroBytes_s1, fillWords_s1, zeroShorts_s1},
    {"s2", copyBytes_s2, zeroBytes_s2, fillWords_s2, zeroShorts_s2},
    {"s3", copyBytes_s3, zeroBytes_s3, fillWords_s3, zeroShorts_s3},
};

constexpr int32_t kMaxSmallLength = 70;

void expectCopied(ImagingStatus (*copy)(const uint8_t*, uint8_t*, int32_t), int32_t srcOffset,
                  int32_t dstOffset, int32_t len)
{
    ExactSource src(srcOffset, len, static_cast<uint8_t>(len + srcOffset));
    GuardedDestination dst(dstOffset, len);
    ASSERT_EQ(copy(src.data(), dst.data(), len), StatusOk);
    ASSERT_EQ(std::memcmp(src.data(), dst.data(), static_cast<size_t>(len)), 0)
        << "len " << len << " offsets " << srcOffset << "/" << dstOffset;
    ASSERT_TRUE(dst.guardsIntact()) << "len " << len << " offsets " << srcOffset << "/" << dstOffset;
}

void expectZeroed(ImagingStatus (*zero)(uint8_t*, int32_t), int32_t dstOffset, int32_t len)
{
    GuardedDestination dst(dstOffset, len);
    ASSERT_EQ(zero(dst.data(), len), StatusOk);
    for (int32_t i = 0; i < len; ++i)
        ASSERT_EQ(dst.data()[i], 0) << "len " << len << " offset " << dstOffset << " at " << i;
    ASSERT_TRUE(dst.guardsIntact()) << "len " << len << " offset " << dstOffset;
}

TEST(SignalCopy, ChecksPointersBeforeLength)
{
    uint8_t src[4] = {1, 2, 3, 4};
    for (const MemoryBuild& build : kMemoryBuilds) {
        SCOPED_TRACE(build.tag);
        uint8_t dst[4] = {9, 9, 9, 9};
        struct Case {
            const uint8_t* src;
            uint8_t* dst;
            int32_t len;
            ImagingStatus status;
        };
        const Case cases[] = {
            {nullptr, dst, 4, StatusNullPointer}, {src, nullptr, 4, StatusNullPointer},
            {nullptr, dst, 0, StatusNullPointer}, {nullptr, nullptr, -1, StatusNullPointer},
            {src, dst, 0, StatusBadSize},         {src, dst, -1, StatusBadSize},
            {src, dst, INT32_MIN, StatusBadSize},
        };
        for (const Case& c : cases)
            EXPECT_EQ(build.copy(c.src, c.dst, c.len), c.status) << "len " << c.len;
        for (uint8_t b : dst)
            EXPECT_EQ(b, 9);
    }
}

TEST(SignalZero, ChecksPointerBeforeLength)
{
    for (const MemoryBuild& build : kMemoryBuilds) {
        SCOPED_TRACE(build.tag);
        uint8_t dst[4] = {9, 9, 9, 9};
        EXPECT_EQ(build.zero(nullptr, 4), StatusNullPointer);
        EXPECT_EQ(build.zero(nullptr, 0), StatusNullPointer);
        EXPECT_EQ(build.zero(dst, 0), StatusBadSize);
        EXPECT_EQ(build.zero(dst, -5), StatusBadSize);
        for (uint8_t b : dst)
            EXPECT_EQ(b, 9);
    }
}

TEST(SignalCopy, EveryShortLengthAtEveryAlignment)
{
    for (const MemoryBuild& build : kMemoryBuilds) {
        SCOPED_TRACE(build.tag);
        for (int32_t len = 1; len <= kMaxSmallLength; ++len) {
            for (int32_t srcOffset = 0; srcOffset < 16; ++srcOffset) {
                for (int32_t dstOffset = 0; dstOffset < 16; ++dstOffset)
                    expectCopied(build.copy, srcOffset, dstOffset, len);
            }
        }
    }
}

TEST(SignalCopy, LengthsAroundEachBuildsThresholds)
{
    const int32_t lengths[] = {63,    64,     65,     511,    512,    513,         4095,
                               4097,  8191,   8192,   16383,  16384,  20479,       20480,
                               20481, 131072, 131073, 524287, 524288, 1048576 + 77};
    const std::pair<int32_t, int32_t> offsets[] = {{0, 0}, {1, 0}, {0, 1},  {5, 11},
                                                   {8, 0}, {4, 0}, {12, 4}, {15, 15}};
    for (const MemoryBuild& build : kMemoryBuilds) {
        SCOPED_TRACE(build.tag);
        for (int32_t len : lengths) {
            for (auto [srcOffset, dstOffset] : offsets)
                expectCopied(build.copy, srcOffset, dstOffset, len);
        }
    }
}

TEST(SignalCopy, SourcesAtDifferentPageOffsetsCopyInEitherDirection)
{
    // The page-offset difference decides the direction of large aligned copies.
    for (const MemoryBuild& build : kMemoryBuilds) {
        SCOPED_TRACE(build.tag);
        for (int32_t srcOffset : {0, 16, 160, 176, 4000, 4080}) {
            for (int32_t len : {512, 1000, 5000})
                expectCopied(build.copy, srcOffset, 0, len);
        }
    }
}

TEST(SignalZero, EveryShortLengthAtEveryAlignmentAndTheThresholds)
{
    for (const MemoryBuild& build : kMemoryBuilds) {
        SCOPED_TRACE(build.tag);
        for (int32_t len = 1; len <= kMaxSmallLength; ++len) {
            for (int32_t offset = 0; offset < 16; ++offset)
                expectZeroed(build.zero, offset, len);
        }
        for (int32_t len : {20479, 20480, 262144, 262145, 1048576 + 3}) {
            for (int32_t offset : {0, 1, 6, 8})
                expectZeroed(build.zero, offset, len);
        }
    }
}

TEST(SignalKernels, CopyAndZeroKernelsWriteExactlyTheRunAndReturnItsStart)
{
    for (const KernelBuild& build : kKernelBuilds) {
        SCOPED_TRACE(build.tag);
        for (int32_t len : {1, 15, 16, 17, 63, 64, 65, 1000, 20480 + 5}) {
            for (int32_t offset : {0, 1, 7, 8}) {
                ExactSource src(offset ^ 3, len, static_cast<uint8_t>(len + offset));
                GuardedDestination copied(offset, len);
                ASSERT_EQ(build.copyBytes(src.data(), copied.data(), len), copied.data())
                    << len << "/" << offset;
                ASSERT_EQ(std::memcmp(src.data(), copied.data(), static_cast<size_t>(len)), 0)
                    << len << "/" << offset;
                ASSERT_TRUE(copied.guardsIntact()) << len << "/" << offset;

                GuardedDestination zeroed(offset, len);
                ASSERT_EQ(build.zeroBytes(zeroed.data(), len), zeroed.data()) << len << "/" << offset;
                for (int32_t i = 0; i < len; ++i)
                    ASSERT_EQ(zeroed.data()[i], 0) << len << "/" << offset << " at " << i;
                ASSERT_TRUE(zeroed.guardsIntact()) << len << "/" << offset;
            }
        }
    }
}

// The expected bytes of a fill: the value's bytes repeated from the start of the run.
void expectFilled(void* (*fill)(int32_t, void*, int32_t), int32_t offset, int32_t count)
{
    constexpr int32_t kValue = static_cast<int32_t>(0x89ABCDEFu);
    const int32_t bytes = count > 0 ? 4 * count : 0;
    GuardedDestination dst(offset, bytes);
    ASSERT_EQ(fill(kValue, dst.data(), count), dst.data());
    uint8_t pattern[4];
    std::memcpy(pattern, &kValue, 4);
    for (int32_t i = 0; i < bytes; ++i)
        ASSERT_EQ(dst.data()[i], pattern[i % 4]) << "count " << count << " offset " << offset << " at " << i;
    ASSERT_TRUE(dst.guardsIntact()) << "count " << count << " offset " << offset;
}

TEST(SignalFill, EveryCountAtEveryAlignment)
{
    for (const KernelBuild& build : kKernelBuilds) {
        SCOPED_TRACE(build.tag);
        for (int32_t count = -1; count <= kMaxSmallLength; ++count) {
            for (int32_t offset = 0; offset < 16; ++offset)
                expectFilled(build.fillWords, offset, count);
        }
        for (int32_t count : {257, 65536, 65537, 300000}) {
            for (int32_t offset : {0, 1, 2, 3, 4, 12})
                expectFilled(build.fillWords, offset, count);
        }
    }
}

TEST(SignalZeroShorts, ChecksThenClearsExactlyTheElements)
{
    for (const KernelBuild& build : kKernelBuilds) {
        SCOPED_TRACE(build.tag);
        EXPECT_EQ(build.zeroShorts(nullptr, 0), StatusNullPointer);
        int16_t one = 5;
        EXPECT_EQ(build.zeroShorts(&one, 0), StatusBadSize);
        EXPECT_EQ(build.zeroShorts(&one, -1), StatusBadSize);
        EXPECT_EQ(one, 5);
        for (int32_t count : {1, 2, 3, 7, 8, 9, 33, 64, 70, 10239, 10240, 10241}) {
            for (int32_t offset : {0, 2, 6}) {
                GuardedDestination dst(offset, 2 * count);
                ASSERT_EQ(build.zeroShorts(reinterpret_cast<int16_t*>(dst.data()), count), StatusOk);
                for (int32_t i = 0; i < 2 * count; ++i)
                    ASSERT_EQ(dst.data()[i], 0) << "count " << count << " at " << i;
                ASSERT_TRUE(dst.guardsIntact()) << "count " << count;
            }
        }
    }
}

TEST(SignalStreaming, StreamedCopyMatchesForBothReadAheadStrides)
{
    for (int32_t stride : {32, 64}) {
        for (int32_t len : {0x40000 - 16, 0x40000, 0x40000 + 15, 0x80000 + 100}) {
            ExactSource src(3, len, 11);
            GuardedDestination dst(0, len);
            copyStreaming(src.data(), dst.data(), len, stride);
            ASSERT_EQ(std::memcmp(src.data(), dst.data(), static_cast<size_t>(len)), 0) << len;
            ASSERT_TRUE(dst.guardsIntact());
        }
    }
}

CpuidRegisters leaf2(uint32_t eax, uint32_t ebx = 0, uint32_t ecx = 0, uint32_t edx = 0)
{
    CpuidRegisters r;
    r.eax = eax;
    r.ebx = ebx;
    r.ecx = ecx;
    r.edx = edx;
    return r;
}

TEST(SignalCacheQuery, DescriptorBytesGiveTheCacheSize)
{
    struct Case {
        const char* what;
        CpuidRegisters registers;
        uint32_t size;
    };
    const Case cases[] = {
        {"8 MiB in EAX", leaf2(0x00004701), 8u << 20},
        {"4 MiB in EDX", leaf2(0x00000001, 0, 0, 0x00290000), 4u << 20},
        {"256 KiB in ECX", leaf2(0x00000001, 0, 0x42000000), 256u << 10},
        {"first table row wins", leaf2(0x00420001, 0x00000023), 1u << 20},
        {"larger cache wins over order in registers", leaf2(0x47420001), 8u << 20},
        {"iteration count other than 1", leaf2(0x00004702), 0},
        {"register with bit 31 set is ignored", leaf2(0x00000001, 0x80000047), 0},
        {"unknown descriptors", leaf2(0x0B0A0901, 0x0C0D0E0F), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cacheSizeFromLeaf2(c.registers), c.size) << c.what;
}

TEST(SignalCacheQuery, OnlyTheReferenceVendorsCacheIsKnownAndSharedPerCore)
{
    const CpuidRegisters twoMiB = leaf2(0x00000001, 0x00250000);
    const uint32_t fourCores = 3u << 26;
    struct Case {
        const char* what;
        CacheIdentity id;
        bool perCore;
        uint32_t size;
    };
    const Case cases[] = {
        {"whole cache", {true, 4, twoMiB, fourCores}, false, 2u << 20},
        {"per core", {true, 4, twoMiB, fourCores}, true, 512u << 10},
        {"no core count below leaf 4", {true, 3, twoMiB, fourCores}, true, 2u << 20},
        {"other vendor", {false, 4, twoMiB, fourCores}, false, 0},
        {"other vendor per core", {false, 4, twoMiB, fourCores}, true, 0},
        {"no leaf 2", {true, 1, twoMiB, 0}, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cacheSizeOf(c.id, c.perCore), c.size) << c.what;
}

} // namespace
