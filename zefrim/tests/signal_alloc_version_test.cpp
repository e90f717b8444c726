// Aligned allocation and the version records.
#include "builds.h"
#include "aligned_blocks.h"
#include "memory_layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using Allocator = void* (*)(int32_t);

struct AllocatorCase {
    const char* what;
    Allocator allocate;
    int32_t elementSize;
};

const AllocatorCase kAllocators[] = {
    {"8u gn", zfmsMalloc_8u_gn, 1},    {"8u s1", zfmsMalloc_8u_s1, 1},   {"8u s2", zfmsMalloc_8u_s2, 1},
    {"8u s3", zfmsMalloc_8u_s3, 1},    {"8u export", zfmsMalloc_8u, 1},  {"16s gn", zfmsMalloc_16s_gn, 2},
    {"16s s1", zfmsMalloc_16s_s1, 2},  {"16s s2", zfmsMalloc_16s_s2, 2}, {"16s s3", zfmsMalloc_16s_s3, 2},
    {"16s export", zfmsMalloc_16s, 2}, {"32s", alignedMalloc_32s_gn, 4},
};

const decltype(&zfmsFree) kFrees[] = {zfmsFree_gn, zfmsFree_s1, zfmsFree_s2, zfmsFree_s3, zfmsFree};

TEST(Allocation, BlocksAreAlignedUsableAndKeepTheHeapAddress)
{
    for (const AllocatorCase& a : kAllocators) {
        SCOPED_TRACE(a.what);
        for (int32_t count = 1; count <= 100; ++count) {
            auto* block = static_cast<uint8_t*>(a.allocate(count));
            ASSERT_NE(block, nullptr);
            EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % 32, 0u);
            void* raw;
            std::memcpy(&raw, block - sizeof(void*), sizeof(void*));
            const uintptr_t gap = reinterpret_cast<uintptr_t>(block) - reinterpret_cast<uintptr_t>(raw);
            EXPECT_GE(gap, sizeof(void*));
            EXPECT_LT(gap, sizeof(void*) + 32);
            // The sanitizer reports any byte of the usable area outside the heap block.
            std::memset(block, 0xCD, static_cast<size_t>(count) * a.elementSize);
            kFrees[count % 5](block);
        }
    }
    // A null block has no header in front of it: reading one would fault.
    for (auto free : kFrees)
        free(nullptr);
}

TEST(Allocation, RefusesCountsNotAboveZeroOrTooLargeFor32Bits)
{
    for (const AllocatorCase& a : kAllocators) {
        SCOPED_TRACE(a.what);
        for (int32_t count : {0, -1, INT32_MIN})
            EXPECT_EQ(a.allocate(count), nullptr) << count;
    }
    EXPECT_EQ(zfmsMalloc_16s(INT32_MAX), nullptr);
    EXPECT_EQ(zfmsMalloc_16s_s3(INT32_MAX - 8), nullptr);
    EXPECT_EQ(alignedMalloc_32s_gn(0x40000000), nullptr);
    EXPECT_EQ(alignedMalloc_32s_gn(INT32_MAX), nullptr);
}

TEST(Allocation, RequestSizeIsRefusedExactlyWhereItStopsFittingIn32Bits)
{
    constexpr uint64_t header = kBlockHeaderBytes;
    struct Case {
        int32_t count;
        uint64_t elementSize;
        uint64_t request;
    };
    const uint32_t largestFitting16s = static_cast<uint32_t>((UINT32_MAX - header) / 2);
    const uint32_t largestFitting32s = static_cast<uint32_t>((UINT32_MAX - header) / 4);
    const Case cases[] = {
        {1, 1, 1 + header},
        {INT32_MAX, 1, INT32_MAX + header},
        {static_cast<int32_t>(largestFitting16s), 2, 2ull * largestFitting16s + header},
        {static_cast<int32_t>(largestFitting16s + 1), 2, 0},
        {static_cast<int32_t>(largestFitting32s), 4, 4ull * largestFitting32s + header},
        {static_cast<int32_t>(largestFitting32s + 1), 4, 0},
        {0, 4, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(blockRequestBytes(c.count, c.elementSize), c.request) << c.count << " x " << c.elementSize;
}

struct VersionCase {
    const LibVersion* (*get)();
    int32_t build;
    const char* tag;
    const char* name;
};

const VersionCase kVersions[] = {
    {zfmiGetLibVersion_gn, 217, "gn", "zfmignl.lib"}, {zfmiGetLibVersion_s1, 217, "s1", "zfmis1l.lib"},
    {zfmiGetLibVersion_s2, 217, "s2", "zfmis2l.lib"}, {zfmiGetLibVersion_s3, 217, "s3", "zfmis3l.lib"},
    {zfmjGetLibVersion_gn, 195, "gn", "zfmjgnl.lib"}, {zfmjGetLibVersion_s1, 195, "s1", "zfmjs1l.lib"},
    {zfmjGetLibVersion_s2, 195, "s2", "zfmjs2l.lib"}, {zfmjGetLibVersion_s3, 195, "s3", "zfmjs3l.lib"},
    {zfmsGetLibVersion_gn, 219, "gn", "zfmsgnl.lib"}, {zfmsGetLibVersion_s1, 219, "s1", "zfmss1l.lib"},
    {zfmsGetLibVersion_s2, 219, "s2", "zfmss2l.lib"}, {zfmsGetLibVersion_s3, 219, "s3", "zfmss3l.lib"},
};

TEST(Version, EachBuildReturnsItsOwnRecord)
{
    const LibVersion* first = kVersions[0].get();
    for (const VersionCase& v : kVersions) {
        SCOPED_TRACE(v.name);
        const LibVersion* record = v.get();
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record, v.get());
        EXPECT_EQ(record->major, 5);
        EXPECT_EQ(record->minor, 1);
        EXPECT_EQ(record->majorBuild, 80);
        EXPECT_EQ(record->build, v.build);
        const char tagBytes[4] = {v.tag[0], v.tag[1], 0, 0};
        EXPECT_EQ(std::memcmp(record->cpuTag, tagBytes, 4), 0);
        EXPECT_STREQ(record->name, v.name);
        EXPECT_STREQ(record->version, "v5.1");
        EXPECT_STREQ(record->buildDate, "Mar  1 2006");
        // One version text and one date text for every record.
        EXPECT_EQ(record->version, first->version);
        EXPECT_EQ(record->buildDate, first->buildDate);
    }
}

TEST(Version, ExportsReportOneAndTheSameInstalledBuild)
{
    const LibVersion* image = zfmiGetLibVersion();
    const LibVersion* jpeg = zfmjGetLibVersion();
    const LibVersion* signal = zfmsGetLibVersion();
    EXPECT_EQ(signal, zfmsGetLibVersion());
    EXPECT_EQ(std::memcmp(image->cpuTag, jpeg->cpuTag, 4), 0);
    EXPECT_EQ(std::memcmp(image->cpuTag, signal->cpuTag, 4), 0);
    EXPECT_EQ(image->build, 217);
    EXPECT_EQ(jpeg->build, 195);
    EXPECT_EQ(signal->build, 219);
    const std::string tag(signal->cpuTag, 2);
    EXPECT_EQ(std::string(signal->name), "zfms" + tag + "l.lib");
}

} // namespace
