// Load-time choice of one build for the whole library: processor detection and class, the
// class-to-level table, the waterfall over the dispatch table and the filling of the jump slots.
// Everything here is a plain function, so tests can feed made-up processor records and tables.
#pragma once

#include <array>
#include <cstdint>

// Filled from CPUID; only family and the feature flags take part in the choice.
struct CpuFeatureRecord {
    int32_t family = 0;
    int32_t stepping = 0;
    int32_t model = 0;
    int32_t features = 0;
    int32_t cacheDescriptors[2] = {0, 0};
    int32_t mmx = 0;
    int32_t sse = 0;
    int32_t sse2 = 0;
    int32_t multiThreaded = 0;
    int32_t sse3 = 0;
    int32_t longMode = 0;
    int32_t ssse3 = 0;
    int32_t cores = 1;
};

using CpuTypeCode = int32_t;

// 0 gn, 1 s1, 2 s2, 3 s3: also the column of a build in a DispatchRecord.
using CpuBuildLevel = int32_t;
inline constexpr int32_t kBuildCount = 4;
inline constexpr int32_t kPreferenceEnd = 4;

using CodeAddress = void (*)();

struct DispatchRecord {
    CodeAddress* slot;
    CodeAddress entries[kBuildCount]; // gn, s1, s2, s3; null where a build lacks the function
};

struct DispatchTable {
    int32_t recordCount;
    const DispatchRecord* records;
};

bool hasCpuidInstruction();
CpuFeatureRecord readCpuFeatures();
bool isLibraryMakerCpu();
CpuTypeCode classifyCpu(const CpuFeatureRecord& cpu, bool referenceVendor);
CpuTypeCode detectCpuType();
CpuBuildLevel selectCpuBuildLevel(CpuTypeCode type);

// The builds to try for a level, in order, ended by kPreferenceEnd; null for a level outside 0..3.
const int32_t* preferenceRow(CpuBuildLevel level);

// Stores one column into the jump slots; false when the column has a hole (the slots written
// before the hole keep this column's entries).
bool fillDispatchSlots(const DispatchTable& table, int32_t column);

// Installs the first complete build of the level's preference row; false when none is complete,
// when the table is empty or when the level is unknown.
bool runWaterfall(const DispatchTable& table, CpuBuildLevel level);

// The table of every export of the library, with its jump slot and its four builds.
const DispatchTable& shippedDispatchTable();

inline constexpr const char* kLoadFailureCaption = "Set zfm library error";
inline constexpr const char* kLoadFailureText = " No zfm matching to CPU was found during the Waterfall";

// The load-time step: runs the waterfall for the level; when no build fits, writes both texts
// to stderr and ends the process with a non-zero status.
void installBuildOrExit(const DispatchTable& table, CpuBuildLevel level);
