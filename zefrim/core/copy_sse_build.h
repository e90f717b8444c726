// The copies and channel reordering of the SSE2 and SSE3 builds. Included once by each of
// copy_s2.cpp and copy_s3.cpp after it has defined CopyLanes (its 16-byte lanes); the builds differ
// only in their unaligned load.

#include "build_token.h"
#include "builds.h"
#include "copy_vector.h"

namespace {

constexpr int64_t kStreamingCopyBytes = 131072;
constexpr int64_t kStreamingJoinBytes = 140000;

} // namespace

extern "C" {

ImagingStatus ZEFRIM_BUILD_NAME(zfmiCopy_8u_C1R)(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst,
                                                 int32_t dstStep, RoiSize roiSize)
{
    const ImagingStatus status = checkPair(pSrc, pDst, roiSize);
    if (status != StatusOk)
        return status;
    if (srcStep == roiSize.width && dstStep == roiSize.width)
        mergeIfFits(roiSize);
    const bool streaming = regionPixels(roiSize) > kStreamingCopyBytes;
    forEachRow(roiSize, [&](int32_t y) {
        const uint8_t* src = rowAt(pSrc, y, srcStep);
        uint8_t* dst = rowAt(pDst, y, dstStep);
        copyRowBytes<CopyLanes>(src, dst, roiSize.width, streaming && !destinationJustAboveSource(src, dst));
    });
    if (streaming)
        CopyLanes::fence();
    CopyLanes::finish();
    return StatusOk;
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiCopy_8u_C1C3R)(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst,
                                                   int32_t dstStep, RoiSize roiSize)
{
    return copyChannelIntoPixelsImage(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiCopy_8u_P3C3R)(const uint8_t* const pSrc[3], int32_t srcStep,
                                                   uint8_t* pDst, int32_t dstStep, RoiSize roiSize)
{
    const ImagingStatus status = checkPlanes(pDst, pSrc, 3, roiSize);
    if (status != StatusOk)
        return status;
    if (dstStep == 3 * srcStep && srcStep == roiSize.width)
        mergeIfFits(roiSize);
    const bool streaming = 3 * regionPixels(roiSize) > kStreamingJoinBytes;
    const uint8_t* planes[3];
    forEachRow(roiSize, [&](int32_t y) {
        for (int c = 0; c < 3; ++c)
            planes[c] = rowAt(pSrc[c], y, srcStep);
        interleaveThreePlanesByWords(
            planes, rowAt(pDst, y, dstStep), roiSize.width, [&](uint8_t* p, uint32_t word) {
                if (streaming)
                    _mm_stream_si32(reinterpret_cast<int*>(p), static_cast<int>(word));
                else
                    std::memcpy(p, &word, sizeof word);
            });
    });
    if (streaming)
        _mm_sfence();
    return StatusOk;
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiCopy_8u_C3P3R)(const uint8_t* pSrc, int32_t srcStep,
                                                   uint8_t* const pDst[3], int32_t dstStep, RoiSize roiSize)
{
    return splitIntoPlanesVector<3>(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiCopy_8u_C4P4R)(const uint8_t* pSrc, int32_t srcStep,
                                                   uint8_t* const pDst[4], int32_t dstStep, RoiSize roiSize)
{
    return splitIntoPlanesVector<4>(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiSwapChannels_8u_C3R)(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst,
                                                         int32_t dstStep, RoiSize roiSize,
                                                         const int32_t dstOrder[3])
{
    return swapChannelsVector(pSrc, srcStep, pDst, dstStep, roiSize, dstOrder);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiSwapChannels_8u_C3IR)(uint8_t* pSrcDst, int32_t srcDstStep,
                                                          RoiSize roiSize, const int32_t dstOrder[3])
{
    return swapChannelsInPlaceVector(pSrcDst, srcDstStep, roiSize, dstOrder);
}

} // extern "C"
