// Region fill and threshold rows of the vector builds, over a lane type. A row may start at any
// byte address: stores that land an odd number of bytes after the row start use the pattern with
// its two bytes exchanged.
#pragma once

#include "arith_entries.h"
#include "copy_access.h"

namespace {

template <class L> struct FillPattern {
    typename L::V even, odd;
    explicit FillPattern(int16_t value)
    {
        const uint16_t bits = static_cast<uint16_t>(value);
        even = L::splat(value);
        odd = L::splat(static_cast<int16_t>(static_cast<uint16_t>((bits >> 8) | (bits << 8))));
    }
    typename L::V at(const uint8_t* rowStart, const uint8_t* p) const
    {
        return ((p - rowStart) & 1) ? odd : even;
    }
};

// One row of `bytes` bytes (at least one vector): an unaligned head, aligned whole vectors from
// the next boundary (streamed when asked), and an unaligned vector ending at the row's end.
template <class L>
inline void fillRowBytes(uint8_t* row, int32_t bytes, const FillPattern<L>& pattern, bool streaming)
{
    constexpr int32_t width = sizeof(typename L::V);
    uint8_t* const end = row + bytes;
    L::store(row, pattern.even);
    uint8_t* p = row + (width - (reinterpret_cast<uintptr_t>(row) & (width - 1)));
    for (; p + width <= end; p += width) {
        if (streaming)
            L::stream(p, pattern.at(row, p));
        else
            L::storeAligned(p, pattern.at(row, p));
    }
    L::store(end - width, pattern.at(row, end - width));
}

template <class L>
inline void fillRow(int16_t* row, int32_t count, int16_t value, const FillPattern<L>& pattern, bool streaming)
{
    constexpr int32_t width = sizeof(typename L::V);
    if (2 * count < width) {
        for (int32_t i = 0; i < count; ++i)
            store16(row, i, value);
        return;
    }
    fillRowBytes<L>(reinterpret_cast<uint8_t*>(row), 2 * count, pattern, streaming);
}

template <class L>
inline ImagingStatus fillRegion(int16_t value, int16_t* pDst, int32_t dstStep, int32_t width, int32_t height,
                                bool streaming)
{
    const ImagingStatus status = checkFill(pDst, dstStep, width, height);
    if (status != StatusOk)
        return status;
    const FillPattern<L> pattern(value);
    for (int32_t y = 0; y < height; ++y) {
        fillRow<L>(rowAt(pDst, y, dstStep), width, value, pattern, streaming);
        if (streaming)
            L::fence();
    }
    L::finish();
    return StatusOk;
}

// Single values up to the alignment boundary (odd rows never reach one and keep unaligned
// stores), then whole vectors, streamed when `streamAligned` and the row is aligned.
template <class L>
inline void thresholdRow(int16_t* row, int32_t count, int16_t threshold, int16_t value, uintptr_t boundary,
                         bool streamAligned)
{
    auto single = [&](int32_t i) {
        if (load16(row, i) < threshold)
            store16(row, i, value);
    };
    int32_t i = 0;
    if (isAligned(row, 2))
        for (; i < count && !isAligned(row + i, boundary); ++i)
            single(i);
    const bool streaming = streamAligned && isAligned(row + i, sizeof(typename L::V));
    const typename L::V limit = L::splat(threshold), replacement = L::splat(value);
    for (; i + L::lanes <= count; i += L::lanes) {
        const typename L::V v = L::load(row + i);
        const typename L::V result = L::pick(L::lessThan(v, limit), replacement, v);
        if (streaming)
            L::stream(row + i, result);
        else
            L::store(row + i, result);
    }
    for (; i < count; ++i)
        single(i);
}

template <class L>
inline ImagingStatus thresholdImage(int16_t* pSrcDst, int32_t srcDstStep, RoiSize roi, int16_t threshold,
                                    int16_t value, uintptr_t boundary, bool streamAligned)
{
    const ImagingStatus status = checkThreshold(pSrcDst, srcDstStep, roi);
    if (status != StatusOk)
        return status;
    for (int32_t y = 0; y < roi.height; ++y)
        thresholdRow<L>(rowAt(pSrcDst, y, srcDstStep), roi.width, threshold, value, boundary, streamAligned);
    L::fence();
    L::finish();
    return StatusOk;
}

} // namespace
