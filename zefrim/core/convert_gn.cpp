// Bit-depth conversions, generic build.
#include "builds.h"
#include "copy_rows.h"

extern "C" {

ImagingStatus zfmiConvert_8u16s_C1R_gn(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                       RoiSize roiSize)
{
    const ImagingStatus status = checkPairWithSteps(pSrc, srcStep, pDst, dstStep, roiSize);
    if (status != StatusOk)
        return status;
    if (dstStep == 2 * srcStep && srcStep == roiSize.width)
        mergeIfFits(roiSize);
    forEachRow(roiSize, [&](int32_t y) {
        widenBytes(rowAt(pSrc, y, srcStep), rowAt(pDst, y, dstStep), 0, roiSize.width);
    });
    return StatusOk;
}

ImagingStatus zfmiConvert_16s8u_C1R_gn(const int16_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                       RoiSize roiSize)
{
    const ImagingStatus status = checkPairWithSteps(pSrc, srcStep, pDst, dstStep, roiSize);
    if (status != StatusOk)
        return status;
    if (srcStep == 2 * dstStep && dstStep == roiSize.width)
        mergeIfFits(roiSize);
    forEachRow(roiSize, [&](int32_t y) {
        narrowSaturated(rowAt(pSrc, y, srcStep), rowAt(pDst, y, dstStep), 0, roiSize.width);
    });
    return StatusOk;
}

} // extern "C"
