// Checks and row merging shared by every build of the copy, channel-order and bit-depth
// functions. All builds check in the same order and merge rows by the same tests, so the
// results never depend on the build.
#pragma once

#include <cstdint>

#include "copy_access.h"
#include "zefrim/zefrim.h"

namespace {

inline bool hasEmptySide(RoiSize roi)
{
    return roi.width <= 0 || roi.height <= 0;
}

inline bool anyPlaneNull(const uint8_t* const* planes, int count)
{
    for (int c = 0; c < count; ++c)
        if (planes[c] == nullptr)
            return true;
    return false;
}

inline bool isBadChannelOrder(const int32_t* order)
{
    for (int k = 0; k < 3; ++k)
        if (order[k] < 0 || order[k] > 2)
            return true;
    return false;
}

// The whole region as one row, when its pixel count fits the 32-bit count of a row.
inline bool mergeIfFits(RoiSize& roi)
{
    const int64_t pixels = int64_t(roi.width) * roi.height;
    if (pixels > INT32_MAX)
        return false;
    roi = {static_cast<int32_t>(pixels), 1};
    return true;
}

inline int64_t regionPixels(RoiSize roi)
{
    return int64_t(roi.width) * roi.height;
}

template <int channels> inline bool planesFollowEachOther(int32_t srcStep, int32_t dstStep, RoiSize roi)
{
    return srcStep == channels * dstStep && dstStep == roi.width && int64_t(srcStep) * roi.height < 160000;
}

inline ImagingStatus checkPair(const void* pSrc, const void* pDst, RoiSize roi)
{
    if (pSrc == nullptr || pDst == nullptr)
        return StatusNullPointer;
    return hasEmptySide(roi) ? StatusBadSize : StatusOk;
}

inline ImagingStatus checkPairWithSteps(const void* pSrc, int32_t srcStep, const void* pDst, int32_t dstStep,
                                        RoiSize roi)
{
    const ImagingStatus status = checkPair(pSrc, pDst, roi);
    if (status != StatusOk)
        return status;
    return srcStep <= 0 || dstStep <= 0 ? StatusBadStep : StatusOk;
}

// The plane array is looked into only once it is known to exist.
inline ImagingStatus checkPlanes(const void* pInterleaved, const uint8_t* const* planes, int count,
                                 RoiSize roi)
{
    if (pInterleaved == nullptr || planes == nullptr || anyPlaneNull(planes, count))
        return StatusNullPointer;
    return hasEmptySide(roi) ? StatusBadSize : StatusOk;
}

inline ImagingStatus checkSwap(const void* pSrc, int32_t srcStep, const void* pDst, int32_t dstStep,
                               RoiSize roi, const int32_t* dstOrder)
{
    if (pSrc == nullptr || pDst == nullptr || dstOrder == nullptr)
        return StatusNullPointer;
    if (hasEmptySide(roi))
        return StatusBadSize;
    if (srcStep <= 0 || dstStep <= 0)
        return StatusBadStep;
    return isBadChannelOrder(dstOrder) ? StatusBadChannelOrder : StatusOk;
}

// --- Scalar row bodies, the reference for every build. ---

inline void copyChannelIntoPixels(const uint8_t* src, uint8_t* dst, int32_t count)
{
    for (int32_t j = 0; j < count; ++j)
        dst[3 * j] = src[j];
}

template <int channels>
inline void interleavePlanes(const uint8_t* const* planes, uint8_t* dst, int32_t first, int32_t count)
{
    for (int32_t j = first; j < first + count; ++j)
        for (int c = 0; c < channels; ++c)
            dst[channels * j + c] = planes[c][j];
}

// One pass per channel, byte by byte.
template <int channels>
inline void splitPixelsByChannel(const uint8_t* src, uint8_t* const* planes, int32_t count)
{
    for (int c = 0; c < channels; ++c)
        for (int32_t j = 0; j < count; ++j)
            planes[c][j] = src[channels * j + c];
}

inline void swapPixels(const uint8_t* src, uint8_t* dst, const int32_t* order, int32_t first, int32_t count)
{
    const int32_t o0 = order[0], o1 = order[1], o2 = order[2];
    for (int32_t j = first; j < first + count; ++j) {
        const uint8_t* s = src + 3 * j;
        const uint8_t p0 = s[o0], p1 = s[o1], p2 = s[o2];
        uint8_t* d = dst + 3 * j;
        d[0] = p0;
        d[1] = p1;
        d[2] = p2;
    }
}

inline void widenBytes(const uint8_t* src, int16_t* dst, int32_t first, int32_t count)
{
    for (int32_t j = first; j < first + count; ++j)
        store16(dst, j, src[j]);
}

inline void narrowSaturated(const int16_t* src, uint8_t* dst, int32_t first, int32_t count)
{
    for (int32_t j = first; j < first + count; ++j)
        dst[j] = static_cast<uint8_t>(clampToByte(load16(src, j)));
}

template <class RowFn> inline void forEachRow(RoiSize roi, RowFn processRow)
{
    for (int32_t y = 0; y < roi.height; ++y)
        processRow(y);
}

} // namespace
