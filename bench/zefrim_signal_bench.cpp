// zfmsCopy_8u in each build beside memcpy, over one 640x480 frame of 24-bit pixels.
#include "builds.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;
constexpr int32_t kFrameBytes = kWidth * kHeight * 3;

using CopyFunction = ImagingStatus (*)(const uint8_t*, uint8_t*, int32_t);

void reportFrames(benchmark::State& state)
{
    state.SetBytesProcessed(state.iterations() * int64_t {kFrameBytes});
    state.counters["Mpixel/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kWidth * kHeight / 1e6,
                                                    benchmark::Counter::kIsRate);
}

void copyFrame(benchmark::State& state, CopyFunction copy)
{
    uint8_t* src = static_cast<uint8_t*>(zfmsMalloc_8u_gn(kFrameBytes));
    uint8_t* dst = static_cast<uint8_t*>(zfmsMalloc_8u_gn(kFrameBytes));
    std::memset(src, 0x3C, kFrameBytes);
    for (auto _ : state) {
        benchmark::DoNotOptimize(copy(src, dst, kFrameBytes));
        benchmark::ClobberMemory();
    }
    reportFrames(state);
    zfmsFree_gn(src);
    zfmsFree_gn(dst);
}

ImagingStatus copyWithMemcpy(const uint8_t* src, uint8_t* dst, int32_t len)
{
    std::memcpy(dst, src, static_cast<size_t>(len));
    return StatusOk;
}

BENCHMARK_CAPTURE(copyFrame, memcpy, copyWithMemcpy);
BENCHMARK_CAPTURE(copyFrame, gn, zfmsCopy_8u_gn);
BENCHMARK_CAPTURE(copyFrame, s1, zfmsCopy_8u_s1);
BENCHMARK_CAPTURE(copyFrame, s2, zfmsCopy_8u_s2);
BENCHMARK_CAPTURE(copyFrame, s3, zfmsCopy_8u_s3);
BENCHMARK_CAPTURE(copyFrame, export, zfmsCopy_8u);

} // namespace
