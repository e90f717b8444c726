// Processor classes, the class-to-level table, the waterfall over made-up dispatch tables, and
// the load failure.
#include "frame/frame.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Features {
    int32_t family;
    int32_t mmx;
    int32_t sse;
    int32_t sse2;
    int32_t multiThreaded;
    int32_t sse3;
    int32_t longMode;
    int32_t ssse3;
};

CpuFeatureRecord recordOf(const Features& f)
{
    CpuFeatureRecord cpu;
    cpu.family = f.family;
    cpu.mmx = f.mmx;
    cpu.sse = f.sse;
    cpu.sse2 = f.sse2;
    cpu.multiThreaded = f.multiThreaded;
    cpu.sse3 = f.sse3;
    cpu.longMode = f.longMode;
    cpu.ssse3 = f.ssse3;
    return cpu;
}

struct ClassCase {
    const char* what;
    bool referenceVendor;
    Features features;
    CpuTypeCode type;
    CpuBuildLevel level;
};

// family, mmx, sse, sse2, multiThreaded, sse3, longMode, ssse3
const ClassCase kClassCases[] = {
    {"nothing at all", true, {0, 0, 0, 0, 0, 0, 0, 0}, 0, 0},
    {"family 5 without MMX", true, {5, 0, 0, 0, 0, 0, 0, 0}, 1, 0},
    {"family 5 with MMX", true, {5, 1, 0, 0, 0, 0, 0, 0}, 2, 0},
    {"family 6 bare", true, {6, 0, 0, 0, 0, 0, 0, 0}, 3, 0},
    {"family 6 MMX", true, {6, 1, 0, 0, 0, 0, 0, 0}, 4, 0},
    {"family 6 SSE", true, {6, 1, 1, 0, 0, 0, 0, 0}, 5, 1},
    {"family 6 SSE2", true, {6, 1, 1, 1, 0, 0, 0, 0}, 9, 2},
    {"family 6 SSE2 multithreaded", true, {6, 1, 1, 1, 1, 0, 0, 0}, 9, 2},
    {"family 6 SSE3", true, {6, 1, 1, 1, 0, 1, 1, 0}, 10, 0},
    {"family 6 SSSE3", true, {6, 1, 1, 1, 1, 1, 1, 1}, 10, 0},
    {"family 7", true, {7, 1, 1, 0, 0, 0, 0, 0}, 16, 1},
    {"family 15 without SSE2", true, {15, 1, 1, 0, 0, 0, 0, 0}, 17, 1},
    {"family 15 SSE2", true, {15, 1, 1, 1, 0, 0, 0, 0}, 6, 2},
    {"family 15 SSE2 multithreaded", true, {15, 1, 1, 1, 1, 0, 0, 0}, 7, 2},
    {"family 15 SSE3 32-bit", true, {15, 1, 1, 1, 1, 1, 0, 0}, 8, 3},
    {"family 15 SSE3 64-bit", true, {15, 1, 1, 1, 0, 1, 1, 0}, 32, 3},
    {"family 15 SSSE3 64-bit", true, {15, 1, 1, 1, 0, 1, 1, 1}, 33, 0},
    {"unlisted family SSSE3", true, {16, 1, 1, 1, 0, 1, 1, 1}, 33, 0},
    {"unlisted family SSE3", true, {4, 1, 1, 1, 0, 1, 0, 0}, 66, 0},
    {"unlisted family SSE2", true, {4, 1, 1, 1, 0, 0, 0, 0}, 65, 0},
    {"unlisted family SSE", true, {4, 1, 1, 0, 0, 0, 0, 0}, 64, 0},
    {"unlisted family MMX only", true, {4, 1, 0, 0, 0, 0, 0, 0}, 0, 0},
    {"other vendor family 15 SSE3", false, {15, 1, 1, 1, 0, 1, 0, 0}, 66, 0},
    {"other vendor family 6 SSE2", false, {6, 1, 1, 1, 0, 0, 0, 0}, 65, 0},
    {"other vendor family 6 SSE", false, {6, 1, 1, 0, 0, 0, 0, 0}, 64, 0},
    {"other vendor family 5 MMX", false, {5, 1, 0, 0, 0, 0, 0, 0}, 0, 0},
    {"other vendor SSSE3", false, {6, 1, 1, 1, 0, 1, 1, 1}, 33, 0},
};

TEST(CpuClass, ClassAndLevelOfEachProcessorRecord)
{
    for (const ClassCase& c : kClassCases) {
        SCOPED_TRACE(c.what);
        const CpuTypeCode type = classifyCpu(recordOf(c.features), c.referenceVendor);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(selectCpuBuildLevel(type), c.level);
    }
}

TEST(CpuClass, LevelTableCoversEveryCode)
{
    std::vector<CpuBuildLevel> expected(100, 0);
    for (CpuTypeCode code : {5, 16, 17})
        expected[code] = 1;
    for (CpuTypeCode code : {6, 7, 9})
        expected[code] = 2;
    for (CpuTypeCode code : {8, 32})
        expected[code] = 3;
    for (CpuTypeCode code = 0; code < 100; ++code)
        EXPECT_EQ(selectCpuBuildLevel(code), expected[code]) << "class " << code;
    EXPECT_EQ(selectCpuBuildLevel(-1), 0);
}

TEST(CpuClass, ThisProcessorIsReadConsistently)
{
    // Every 64-bit processor has the identification instruction and at least SSE2.
    ASSERT_TRUE(hasCpuidInstruction());
    const CpuFeatureRecord cpu = readCpuFeatures();
    EXPECT_EQ(cpu.mmx, 1);
    EXPECT_EQ(cpu.sse, 1);
    EXPECT_EQ(cpu.sse2, 1);
    EXPECT_EQ(cpu.longMode, 1);
    EXPECT_GE(cpu.cores, 1);
    EXPECT_EQ(cpu.mmx, (cpu.features >> 23) & 1);
    EXPECT_EQ(detectCpuType(), classifyCpu(cpu, isLibraryMakerCpu()));
}

TEST(CpuClass, PreferenceRowsFallBackToOlderBuilds)
{
    const std::vector<std::vector<int32_t>> expected = {{0, 4}, {1, 0, 4}, {2, 1, 0, 4}, {3, 2, 1, 0, 4}};
    for (CpuBuildLevel level = 0; level < 4; ++level) {
        const int32_t* row = preferenceRow(level);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(std::vector<int32_t>(row, row + expected[level].size()), expected[level]);
    }
    EXPECT_EQ(preferenceRow(4), nullptr);
    EXPECT_EQ(preferenceRow(-1), nullptr);
}

// A made-up table of three exports; entry (record, build) is a distinct function.
volatile int lastFakeEntry = -1;

template <int Record, int Build> void fakeEntry()
{
    // Distinct bodies keep the entries at distinct addresses.
    lastFakeEntry = Record * kBuildCount + Build;
}

class Waterfall : public ::testing::Test {
protected:
    static constexpr int kRecords = 3;
    CodeAddress slots[kRecords] = {};
    DispatchRecord records[kRecords] = {};
    DispatchTable table{kRecords, records};

    void SetUp() override { restoreCompleteTable(); }

    void restoreCompleteTable()
    {
        records[0] = {&slots[0], {&fakeEntry<0, 0>, &fakeEntry<0, 1>, &fakeEntry<0, 2>, &fakeEntry<0, 3>}};
        records[1] = {&slots[1], {&fakeEntry<1, 0>, &fakeEntry<1, 1>, &fakeEntry<1, 2>, &fakeEntry<1, 3>}};
        records[2] = {&slots[2], {&fakeEntry<2, 0>, &fakeEntry<2, 1>, &fakeEntry<2, 2>, &fakeEntry<2, 3>}};
        for (CodeAddress& slot : slots)
            slot = nullptr;
    }

    void punchHole(int record, int build) { records[record].entries[build] = nullptr; }

    // The build whose entries every slot holds, or -1 when the slots mix builds.
    int installedBuild() const
    {
        for (int build = 0; build < kBuildCount; ++build) {
            bool all = true;
            for (int r = 0; r < kRecords; ++r)
                all = all && slots[r] == records[r].entries[build] && slots[r] != nullptr;
            if (all)
                return build;
        }
        return -1;
    }
};

TEST_F(Waterfall, CompleteTableInstallsTheLevelsOwnBuild)
{
    for (CpuBuildLevel level = 0; level < 4; ++level) {
        ASSERT_TRUE(runWaterfall(table, level));
        EXPECT_EQ(installedBuild(), level);
    }
}

TEST_F(Waterfall, HoleMakesItTakeTheNextCompleteBuild)
{
    struct Case {
        std::vector<std::pair<int, int>> holes;
        CpuBuildLevel level;
        int installed;
    };
    const Case cases[] = {
        {{{2, 3}}, 3, 2}, {{{0, 3}, {1, 2}}, 3, 1}, {{{2, 3}, {0, 2}, {1, 1}}, 3, 0},
        {{{1, 2}}, 2, 1}, {{{1, 2}}, 3, 3},         {{{0, 1}}, 1, 0},
    };
    for (const Case& c : cases) {
        restoreCompleteTable();
        for (auto [record, build] : c.holes)
            punchHole(record, build);
        ASSERT_TRUE(runWaterfall(table, c.level));
        EXPECT_EQ(installedBuild(), c.installed) << "level " << c.level;
    }
}

TEST_F(Waterfall, SlotsBeforeAHoleHoldThatColumn)
{
    punchHole(2, 3);
    EXPECT_FALSE(fillDispatchSlots(table, 3));
    EXPECT_EQ(slots[0], records[0].entries[3]);
    EXPECT_EQ(slots[1], records[1].entries[3]);
    EXPECT_EQ(slots[2], nullptr);
}

TEST_F(Waterfall, FailsWhenEveryBuildOfTheRowHasAHole)
{
    punchHole(0, 0);
    punchHole(1, 1);
    EXPECT_FALSE(runWaterfall(table, 0));
    EXPECT_FALSE(runWaterfall(table, 1));
    // s2 is complete, but level 1 never looks at it.
    EXPECT_TRUE(runWaterfall(table, 2));
    EXPECT_EQ(installedBuild(), 2);
}

TEST_F(Waterfall, FailsForAnEmptyTableOrAnUnknownLevel)
{
    EXPECT_FALSE(runWaterfall(DispatchTable{0, records}, 0));
    EXPECT_FALSE(runWaterfall(DispatchTable{-1, records}, 0));
    EXPECT_FALSE(runWaterfall(table, 4));
    EXPECT_FALSE(runWaterfall(table, -1));
    EXPECT_EQ(installedBuild(), -1);
}

TEST_F(Waterfall, LoadFailureWritesBothTextsAndExitsNonZero)
{
    for (int build = 0; build < kBuildCount; ++build)
        punchHole(build % kRecords, build);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(installBuildOrExit(table, 3), ::testing::ExitedWithCode(1),
                "^Set zfm library error\n No zfm matching to CPU was found during the Waterfall\n$");
    EXPECT_EXIT(installBuildOrExit(DispatchTable{0, records}, 0), ::testing::ExitedWithCode(1),
                "Set zfm library error");
}

TEST_F(Waterfall, LoadSucceedsQuietlyWithACompleteBuild)
{
    punchHole(0, 3);
    installBuildOrExit(table, 3);
    EXPECT_EQ(installedBuild(), 2);
}

} // namespace
