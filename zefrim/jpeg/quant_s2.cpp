// JPEG quantisation tables, SSE2 build.
#include "builds.h"
#include "convert_internal.h"
#include "quant.h"

ImagingStatus convert8u16sJpeg_s2(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                  RoiSize roiSize)
{
    return quant::widenForTables(pSrc, srcStep, pDst, dstStep, roiSize, convertRow8u16s_s2);
}

#define QUANT_WIDEN convert8u16sJpeg_s2
#include "quant_build.h"
