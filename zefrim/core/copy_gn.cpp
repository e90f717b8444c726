// Copies and channel reordering, generic build: byte by byte, ordinary stores.
#include <cstring>

#include "builds.h"
#include "copy_rows.h"

namespace {

template <int channels>
ImagingStatus splitIntoPlanes(const uint8_t* pSrc, int32_t srcStep, uint8_t* const* pDst, int32_t dstStep,
                              RoiSize roi)
{
    const ImagingStatus status = checkPlanes(pSrc, pDst, channels, roi);
    if (status != StatusOk)
        return status;
    if (planesFollowEachOther<channels>(srcStep, dstStep, roi))
        mergeIfFits(roi);
    uint8_t* planes[channels];
    forEachRow(roi, [&](int32_t y) {
        for (int c = 0; c < channels; ++c)
            planes[c] = rowAt(pDst[c], y, dstStep);
        splitPixelsByChannel<channels>(rowAt(pSrc, y, srcStep), planes, roi.width);
    });
    return StatusOk;
}

} // namespace

extern "C" {

ImagingStatus zfmiCopy_8u_C1R_gn(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                 RoiSize roiSize)
{
    const ImagingStatus status = checkPair(pSrc, pDst, roiSize);
    if (status != StatusOk)
        return status;
    // Rows that follow each other in both images are one run.
    if (srcStep == roiSize.width && dstStep == roiSize.width) {
        std::memcpy(pDst, pSrc, static_cast<size_t>(roiSize.width) * static_cast<size_t>(roiSize.height));
        return StatusOk;
    }
    forEachRow(roiSize, [&](int32_t y) {
        std::memcpy(rowAt(pDst, y, dstStep), rowAt(pSrc, y, srcStep), static_cast<size_t>(roiSize.width));
    });
    return StatusOk;
}

ImagingStatus zfmiCopy_8u_C1C3R_gn(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                   RoiSize roiSize)
{
    const ImagingStatus status = checkPair(pSrc, pDst, roiSize);
    if (status != StatusOk)
        return status;
    forEachRow(roiSize, [&](int32_t y) {
        copyChannelIntoPixels(rowAt(pSrc, y, srcStep), rowAt(pDst, y, dstStep), roiSize.width);
    });
    return StatusOk;
}

ImagingStatus zfmiCopy_8u_P3C3R_gn(const uint8_t* const pSrc[3], int32_t srcStep, uint8_t* pDst,
                                   int32_t dstStep, RoiSize roiSize)
{
    const ImagingStatus status = checkPlanes(pDst, pSrc, 3, roiSize);
    if (status != StatusOk)
        return status;
    if (dstStep == 3 * srcStep && srcStep == roiSize.width)
        mergeIfFits(roiSize);
    const uint8_t* planes[3];
    forEachRow(roiSize, [&](int32_t y) {
        for (int c = 0; c < 3; ++c)
            planes[c] = rowAt(pSrc[c], y, srcStep);
        interleavePlanes<3>(planes, rowAt(pDst, y, dstStep), 0, roiSize.width);
    });
    return StatusOk;
}

ImagingStatus zfmiCopy_8u_C3P3R_gn(const uint8_t* pSrc, int32_t srcStep, uint8_t* const pDst[3],
                                   int32_t dstStep, RoiSize roiSize)
{
    return splitIntoPlanes<3>(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus zfmiCopy_8u_C4P4R_gn(const uint8_t* pSrc, int32_t srcStep, uint8_t* const pDst[4],
                                   int32_t dstStep, RoiSize roiSize)
{
    return splitIntoPlanes<4>(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus zfmiSwapChannels_8u_C3R_gn(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                         RoiSize roiSize, const int32_t dstOrder[3])
{
    const ImagingStatus status = checkSwap(pSrc, srcStep, pDst, dstStep, roiSize, dstOrder);
    if (status != StatusOk)
        return status;
    if (srcStep == 3 * roiSize.width && dstStep == srcStep)
        mergeIfFits(roiSize);
    forEachRow(roiSize, [&](int32_t y) {
        swapPixels(rowAt(pSrc, y, srcStep), rowAt(pDst, y, dstStep), dstOrder, 0, roiSize.width);
    });
    return StatusOk;
}

ImagingStatus zfmiSwapChannels_8u_C3IR_gn(uint8_t* pSrcDst, int32_t srcDstStep, RoiSize roiSize,
                                          const int32_t dstOrder[3])
{
    const ImagingStatus status = checkSwap(pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize, dstOrder);
    if (status != StatusOk)
        return status;
    if (srcDstStep == 3 * roiSize.width)
        mergeIfFits(roiSize);
    forEachRow(roiSize, [&](int32_t y) {
        uint8_t* row = rowAt(pSrcDst, y, srcDstStep);
        swapPixels(row, row, dstOrder, 0, roiSize.width);
    });
    return StatusOk;
}

} // extern "C"
