// Copies and channel reordering, MMX/SSE build: 8-byte non-temporal copies.
#include "arith_lanes_mmx.h"
#include "builds.h"
#include "copy_vector.h"

extern "C" {

ImagingStatus zfmiCopy_8u_C1R_s1(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                 RoiSize roiSize)
{
    const ImagingStatus status = checkPair(pSrc, pDst, roiSize);
    if (status != StatusOk)
        return status;
    if (srcStep == roiSize.width && dstStep == roiSize.width)
        mergeIfFits(roiSize);
    const bool streaming = true;
    forEachRow(roiSize, [&](int32_t y) {
        const uint8_t* src = rowAt(pSrc, y, srcStep);
        uint8_t* dst = rowAt(pDst, y, dstStep);
        copyRowBytes<MmxLanes>(src, dst, roiSize.width, streaming);
    });
    if (streaming)
        MmxLanes::fence();
    MmxLanes::finish();
    return StatusOk;
}

ImagingStatus zfmiCopy_8u_C1C3R_s1(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                   RoiSize roiSize)
{
    return copyChannelIntoPixelsImage(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus zfmiCopy_8u_P3C3R_s1(const uint8_t* const pSrc[3], int32_t srcStep, uint8_t* pDst,
                                   int32_t dstStep, RoiSize roiSize)
{
    // The join of planes runs the generic code in this build.
    return zfmiCopy_8u_P3C3R_gn(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus zfmiCopy_8u_C3P3R_s1(const uint8_t* pSrc, int32_t srcStep, uint8_t* const pDst[3],
                                   int32_t dstStep, RoiSize roiSize)
{
    return splitIntoPlanesVector<3>(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus zfmiCopy_8u_C4P4R_s1(const uint8_t* pSrc, int32_t srcStep, uint8_t* const pDst[4],
                                   int32_t dstStep, RoiSize roiSize)
{
    return splitIntoPlanesVector<4>(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus zfmiSwapChannels_8u_C3R_s1(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                         RoiSize roiSize, const int32_t dstOrder[3])
{
    return swapChannelsVector(pSrc, srcStep, pDst, dstStep, roiSize, dstOrder);
}

ImagingStatus zfmiSwapChannels_8u_C3IR_s1(uint8_t* pSrcDst, int32_t srcDstStep, RoiSize roiSize,
                                          const int32_t dstOrder[3])
{
    return swapChannelsInPlaceVector(pSrcDst, srcDstStep, roiSize, dstOrder);
}

} // extern "C"
