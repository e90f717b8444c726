// JPEG quantisation tables, SSE3 build.
#include "builds.h"
#include "convert_internal.h"
#include "quant.h"

ImagingStatus convert8u16sJpeg_s3(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                  RoiSize roiSize)
{
    return quant::widenForTables(pSrc, srcStep, pDst, dstStep, roiSize, convertRow8u16s_s3);
}

#define QUANT_WIDEN convert8u16sJpeg_s3
#include "quant_build.h"
