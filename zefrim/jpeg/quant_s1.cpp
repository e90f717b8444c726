// JPEG quantisation tables, MMX/SSE build.
#include "builds.h"
#include "convert_internal.h"
#include "quant.h"

// This build's row never streams.
ImagingStatus convert8u16sJpeg_s1(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                  RoiSize roiSize)
{
    return quant::widenForTables(
        pSrc, srcStep, pDst, dstStep, roiSize,
        [](const uint8_t* src, int16_t* dst, int32_t count, bool) { convertRow8u16s_s1(src, dst, count); });
}

#define QUANT_WIDEN convert8u16sJpeg_s1
#include "quant_build.h"
