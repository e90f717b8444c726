// Copies and channel reordering, SSE2 build: 16-byte units, streamed on large regions.
#include "arith_lanes_sse2.h"
#include "builds.h"
#include "copy_vector.h"

namespace {

constexpr int64_t kStreamingCopyBytes = 131072;
constexpr int64_t kStreamingJoinBytes = 140000;

} // namespace

extern "C" {

ImagingStatus zfmiCopy_8u_C1R_s2(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                 RoiSize roiSize)
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
        copyRowBytes<Sse2Lanes>(src, dst, roiSize.width, streaming && !destinationJustAboveSource(src, dst));
    });
    if (streaming)
        Sse2Lanes::fence();
    Sse2Lanes::finish();
    return StatusOk;
}

ImagingStatus zfmiCopy_8u_C1C3R_s2(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                   RoiSize roiSize)
{
    return copyChannelIntoPixelsImage(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus zfmiCopy_8u_P3C3R_s2(const uint8_t* const pSrc[3], int32_t srcStep, uint8_t* pDst,
                                   int32_t dstStep, RoiSize roiSize)
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
        interleaveThreePlanesByWords(planes, rowAt(pDst, y, dstStep), roiSize.width, [&](uint8_t* p, uint32_t word) {
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

ImagingStatus zfmiCopy_8u_C3P3R_s2(const uint8_t* pSrc, int32_t srcStep, uint8_t* const pDst[3],
                                   int32_t dstStep, RoiSize roiSize)
{
    return splitIntoPlanesVector<3>(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus zfmiCopy_8u_C4P4R_s2(const uint8_t* pSrc, int32_t srcStep, uint8_t* const pDst[4],
                                   int32_t dstStep, RoiSize roiSize)
{
    return splitIntoPlanesVector<4>(pSrc, srcStep, pDst, dstStep, roiSize);
}

ImagingStatus zfmiSwapChannels_8u_C3R_s2(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst,
                                         int32_t dstStep, RoiSize roiSize, const int32_t dstOrder[3])
{
    return swapChannelsVector(pSrc, srcStep, pDst, dstStep, roiSize, dstOrder);
}

ImagingStatus zfmiSwapChannels_8u_C3IR_s2(uint8_t* pSrcDst, int32_t srcDstStep, RoiSize roiSize,
                                          const int32_t dstOrder[3])
{
    return swapChannelsInPlaceVector(pSrcDst, srcDstStep, roiSize, dstOrder);
}

} // extern "C"
