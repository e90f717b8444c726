// Bit-depth conversion rows of the vector builds, over a lane type; the entries decide row
// merging and streaming once per call.
#pragma once

#include "copy_rows.h"

namespace {

template <class Row>
inline ImagingStatus widenImage(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                RoiSize roi, Row widenRow)
{
    const ImagingStatus status = checkPairWithSteps(pSrc, srcStep, pDst, dstStep, roi);
    if (status != StatusOk)
        return status;
    const bool merged = dstStep == 2 * srcStep && srcStep == roi.width && mergeIfFits(roi);
    forEachRow(roi,
               [&](int32_t y) { widenRow(rowAt(pSrc, y, srcStep), rowAt(pDst, y, dstStep), roi, merged); });
    return StatusOk;
}

// 16s to 8u, saturated: single values until the destination (or, without alignOnDestination, the
// source) reaches `boundary`, whole vectors of 2 x lanes values, then single values.
template <class L, class Pack>
inline void narrowRow(const int16_t* src, uint8_t* dst, int32_t count, bool alignOnDestination,
                      uintptr_t boundary, bool streaming, Pack pack)
{
    int32_t i = 0;
    if (alignOnDestination)
        for (; i < count && !isAligned(dst + i, boundary); ++i)
            narrowSaturated(src, dst, i, 1);
    else if (isAligned(src, 2))
        for (; i < count && !isAligned(src + i, boundary); ++i)
            narrowSaturated(src, dst, i, 1);
    const bool stream = streaming && isAligned(dst + i, sizeof(typename L::V));
    constexpr int32_t perStep = 2 * L::lanes;
    for (; i + perStep <= count; i += perStep) {
        const typename L::V bytes = pack(L::load(src + i), L::load(src + i + L::lanes));
        if (stream)
            L::stream(dst + i, bytes);
        else
            L::store(dst + i, bytes);
    }
    narrowSaturated(src, dst, i, count - i);
}

template <class Row>
inline ImagingStatus narrowImage(const int16_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                 RoiSize roi, bool mayMerge, Row narrowRowFn)
{
    const ImagingStatus status = checkPairWithSteps(pSrc, srcStep, pDst, dstStep, roi);
    if (status != StatusOk)
        return status;
    const RoiSize region = roi;
    const bool merged = mayMerge && srcStep == 2 * dstStep && dstStep == roi.width && mergeIfFits(roi);
    forEachRow(roi, [&](int32_t y) {
        narrowRowFn(rowAt(pSrc, y, srcStep), rowAt(pDst, y, dstStep), roi.width, region, merged);
    });
    return StatusOk;
}

} // namespace
