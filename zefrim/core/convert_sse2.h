// Widening of the SSE2 and SSE3 builds, over their lane type, and their narrowing pack.
#pragma once

#include <emmintrin.h>

#include "copy_rows.h"
#include "convert_vector.h"

namespace {

// 8u to 16s, s2 and s3: single values up to a 16-byte destination boundary (an odd destination
// keeps unaligned stores), 32 values per step (streamed when asked, then fenced), one step of 16
// with ordinary stores, then single values.
template <class L> inline void widenRowSse(const uint8_t* src, int16_t* dst, int32_t count, bool streaming)
{
    int32_t i = 0;
    if (isAligned(dst, 2))
        for (; i < count && !isAligned(dst + i, 16); ++i)
            store16(dst, i, src[i]);
    const bool aligned = isAligned(dst + i, 16);
    const bool stream = streaming && aligned;
    for (; i + 32 <= count; i += 32)
        for (int32_t k = 0; k < 32; k += 16) {
            const typename L::V bytes = L::load(src + i + k);
            const typename L::V low = _mm_unpacklo_epi8(bytes, L::zero());
            const typename L::V high = _mm_unpackhi_epi8(bytes, L::zero());
            if (stream) {
                L::stream(dst + i + k, low);
                L::stream(dst + i + k + 8, high);
            } else {
                L::store(dst + i + k, low);
                L::store(dst + i + k + 8, high);
            }
        }
    if (stream)
        L::fence();
    if (i + 16 <= count) {
        const typename L::V bytes = L::load(src + i);
        L::store(dst + i, _mm_unpacklo_epi8(bytes, L::zero()));
        L::store(dst + i + 8, _mm_unpackhi_epi8(bytes, L::zero()));
        i += 16;
    }
    widenBytes(src, dst, i, count - i);
}

inline __m128i packUnsigned(__m128i low, __m128i high)
{
    return _mm_packus_epi16(low, high);
}

// The widening entry of s2 and s3 on the build's row: a merged region streams above 700000
// pixels, separate rows above 1000000 pixels when wider than 512.
template <void (*convertRow)(const uint8_t*, int16_t*, int32_t, bool)>
inline ImagingStatus widenImageSse(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                   RoiSize roiSize)
{
    constexpr int64_t kStreamingMergedPixels = 700000;
    constexpr int64_t kStreamingPixels = 1000000;
    constexpr int32_t kStreamingMinWidth = 512;
    return widenImage(pSrc, srcStep, pDst, dstStep, roiSize,
                      [](const uint8_t* src, int16_t* dst, RoiSize roi, bool merged) {
                          const bool streaming =
                              merged ? regionPixels(roi) > kStreamingMergedPixels
                                     : regionPixels(roi) > kStreamingPixels && roi.width > kStreamingMinWidth;
                          convertRow(src, dst, roi.width, streaming);
                      });
}

} // namespace
