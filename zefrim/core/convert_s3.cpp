// Bit-depth conversions, SSE3 build: SSE3 unaligned loads; the narrowing aligns on the destination
// and streams large regions.
#include <pmmintrin.h>

#include "arith_lanes_sse2.h"
#include "builds.h"
#include "convert_internal.h"
#include "convert_sse2.h"

namespace {

constexpr int64_t kStreamingNarrowPixels = 2097152;
constexpr int32_t kWideRow = 512;

struct Sse3Lanes : Sse2Lanes {
    static V load(const void* p) { return _mm_lddqu_si128(static_cast<const __m128i*>(p)); }
};

// Wide rows never merge; they stream when three times their pixel count is large.
bool narrowingStreams(RoiSize region, bool merged)
{
    if (region.width >= kWideRow)
        return 3 * regionPixels(region) > kStreamingNarrowPixels;
    return merged && regionPixels(region) > kStreamingNarrowPixels;
}

} // namespace

void convertRow8u16s_s3(const uint8_t* src, int16_t* dst, int32_t count, bool streaming)
{
    widenRowSse<Sse3Lanes>(src, dst, count, streaming);
}

extern "C" {

ImagingStatus zfmiConvert_8u16s_C1R_s3(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                       RoiSize roiSize)
{
    return widenImageSse<convertRow8u16s_s3>(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus zfmiConvert_16s8u_C1R_s3(const int16_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                       RoiSize roiSize)
{
    const bool mayMerge = roiSize.width < kWideRow;
    const ImagingStatus status = narrowImage(
        pSrc, srcStep, pDst, dstStep, roiSize, mayMerge,
        [](const int16_t* src, uint8_t* dst, int32_t count, RoiSize region, bool merged) {
            narrowRow<Sse3Lanes>(src, dst, count, true, 16, narrowingStreams(region, merged), packUnsigned);
        });
    if (status == StatusOk)
        _mm_sfence();
    return status;
}

} // extern "C"
