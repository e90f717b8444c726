// The shipped dispatch table and the state the load-time entry leaves: every slot holds the
// entry of one build, the one the processor's level asks for, and the exports reach it.
#include "all_builds.h"
#include "builds.h"
#include "frame/frame.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr int32_t kExportCount = 0
#define ZEFRIM_EXPORT(ret, name, params, args) +1
#include "zefrim/exports_signal.def"
#include "zefrim/exports_image.def"
#include "zefrim/exports_jpeg_huffman.def"
#include "zefrim/exports_jpeg_transform.def"
#undef ZEFRIM_EXPORT
    ;

// Every processor with SSSE3 gets the generic build, whatever its vendor and family; older ones
// are not expected on the machines that run these tests.
CpuBuildLevel expectedLevelOfThisProcessor()
{
    return 0;
}

bool processorHasSsse3()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("ssse3");
}

TEST(ShippedTable, HoldsEveryExportWithAllFourBuilds)
{
    const DispatchTable& table = shippedDispatchTable();
    ASSERT_EQ(table.recordCount, kExportCount);
    for (int32_t i = 0; i < table.recordCount; ++i) {
        ASSERT_NE(table.records[i].slot, nullptr);
        for (int build = 0; build < kBuildCount; ++build)
            EXPECT_NE(table.records[i].entries[build], nullptr) << "record " << i << " build " << build;
        for (int32_t j = 0; j < i; ++j)
            EXPECT_NE(table.records[i].slot, table.records[j].slot);
    }
}

TEST(ShippedTable, EverySlotHoldsTheGenericBuildOnAProcessorWithSsse3)
{
    if (!processorHasSsse3())
        GTEST_SKIP() << "this processor has no SSSE3; the class tests cover its level";
    const DispatchTable& table = shippedDispatchTable();
    for (int32_t i = 0; i < table.recordCount; ++i)
        EXPECT_EQ(*table.records[i].slot, table.records[i].entries[expectedLevelOfThisProcessor()])
            << "record " << i;
}

TEST(ShippedTable, ExportsReachTheInstalledBuild)
{
    if (!processorHasSsse3())
        GTEST_SKIP() << "this processor has no SSSE3; the class tests cover its level";
    const std::string tag = zefrimtest::kBuildNames[expectedLevelOfThisProcessor()];
    for (const LibVersion* record : {zfmiGetLibVersion(), zfmjGetLibVersion(), zfmsGetLibVersion()}) {
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(std::string(record->cpuTag, 2), tag);
    }
    EXPECT_EQ(zfmsGetLibVersion()->build, 219);

    // Arguments pass through the stub unchanged.
    const uint8_t src[5] = {1, 2, 3, 4, 5};
    uint8_t dst[5] = {};
    EXPECT_EQ(zfmsCopy_8u(src, dst, 5), StatusOk);
    EXPECT_EQ(std::memcmp(src, dst, 5), 0);
    EXPECT_EQ(zfmsCopy_8u(src, nullptr, 5), StatusNullPointer);
    EXPECT_EQ(zfmsZero_8u(dst, -3), StatusBadSize);
}

} // namespace
