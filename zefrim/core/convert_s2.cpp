// Bit-depth conversions, SSE2 build.
#include "arith_lanes_sse2.h"
#include "builds.h"
#include "convert_internal.h"
#include "convert_sse2.h"

void convertRow8u16s_s2(const uint8_t* src, int16_t* dst, int32_t count, bool streaming)
{
    widenRowSse<Sse2Lanes>(src, dst, count, streaming);
}

extern "C" {

ImagingStatus zfmiConvert_8u16s_C1R_s2(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                       RoiSize roiSize)
{
    return widenImageSse<convertRow8u16s_s2>(pSrc, srcStep, pDst, dstStep, roiSize);
}

// Single values until the source is 16-byte aligned, then 16 values per step, ordinary stores.
ImagingStatus zfmiConvert_16s8u_C1R_s2(const int16_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                       RoiSize roiSize)
{
    return narrowImage(pSrc, srcStep, pDst, dstStep, roiSize, true,
                       [](const int16_t* src, uint8_t* dst, int32_t count, RoiSize, bool) {
                           narrowRow<Sse2Lanes>(src, dst, count, false, 16, false, packUnsigned);
                       });
}

} // extern "C"
