// The waterfall: the first complete build of the level's preference row fills the jump slots.
#include "frame/frame.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Each level falls back to the older builds, down to the generic one.
constexpr int32_t kPreferenceRows[kBuildCount][kBuildCount + 1] = {
    {0, kPreferenceEnd},
    {1, 0, kPreferenceEnd},
    {2, 1, 0, kPreferenceEnd},
    {3, 2, 1, 0, kPreferenceEnd},
};

} // namespace

const int32_t* preferenceRow(CpuBuildLevel level)
{
    if (level < 0 || level >= kBuildCount)
        return nullptr;
    return kPreferenceRows[level];
}

bool fillDispatchSlots(const DispatchTable& table, int32_t column)
{
    for (int32_t i = 0; i < table.recordCount; ++i) {
        const DispatchRecord& record = table.records[i];
        const CodeAddress entry = record.entries[column];
        if (entry == nullptr)
            return false;
        *record.slot = entry;
    }
    return true;
}

bool runWaterfall(const DispatchTable& table, CpuBuildLevel level)
{
    const int32_t* row = preferenceRow(level);
    if (table.recordCount <= 0 || table.records == nullptr || row == nullptr)
        return false;
    for (; *row != kPreferenceEnd; ++row) {
        if (fillDispatchSlots(table, *row))
            return true;
    }
    return false;
}

void installBuildOrExit(const DispatchTable& table, CpuBuildLevel level)
{
    if (runWaterfall(table, level))
        return;
    std::fprintf(stderr, "%s\n%s\n", kLoadFailureCaption, kLoadFailureText);
    std::fflush(stderr);
    // The library cannot run without a build: the process must not go on to call an export.
    std::_Exit(EXIT_FAILURE);
}
