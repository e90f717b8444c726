// The vector rule of the YCbCr to RGB conversion in 128-bit registers (s2, s3): chroma pairs
// through pairwise multiply-add, luma added in 16-bit lanes, clamped by packing.
#pragma once

#include <emmintrin.h>

#include <cstdint>
#include <cstring>

#include "build_token.h"
#include "jpeg_colour.h"

namespace jpeg_colour_sse2::inline ZEFRIM_BUILD_NAMESPACE {

using jpeg_colour::PixelLayout;

// Offsets of one channel for four pixels: (cCb * Cb + cCr * Cr + addend) >> 14.
static inline __m128i channelOffsets(__m128i chromaPairs, int16_t cCb, int16_t cCr, int32_t addend)
{
    const __m128i coefficients =
        _mm_set1_epi32(static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint16_t>(cCb)) |
                                            (static_cast<uint32_t>(static_cast<uint16_t>(cCr)) << 16)));
    return _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(chromaPairs, coefficients), _mm_set1_epi32(addend)),
                          14);
}

// One channel of eight pixels: luma plus the offsets, clamped to 0..255.
static inline __m128i channel(__m128i luma16, __m128i pairsLow, __m128i pairsHigh, int16_t cCb, int16_t cCr,
                              int32_t addend)
{
    const __m128i offsets = _mm_packs_epi32(channelOffsets(pairsLow, cCb, cCr, addend),
                                            channelOffsets(pairsHigh, cCb, cCr, addend));
    return _mm_packus_epi16(_mm_add_epi16(luma16, offsets), offsets);
}

// Converts eight pixels from the planes' bytes (only `count` of them, 4 or 8, are stored).
static inline void convertGroup(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out,
                                int count, PixelLayout layout)
{
    const __m128i zero = _mm_setzero_si128();
    const auto load8 = [&](const uint8_t* p) {
        if (count == 8)
            return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
        int32_t four;
        std::memcpy(&four, p, sizeof four);
        return _mm_cvtsi32_si128(four);
    };
    const __m128i luma16 = _mm_unpacklo_epi8(load8(y), zero);
    const __m128i chroma = _mm_unpacklo_epi8(load8(cb), load8(cr)); // Cb0 Cr0 Cb1 Cr1 ...
    const __m128i pairsLow = _mm_unpacklo_epi8(chroma, zero);
    const __m128i pairsHigh = _mm_unpackhi_epi8(chroma, zero);
    alignas(16) uint8_t red[16], green[16], blue[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(red),
                    channel(luma16, pairsLow, pairsHigh, 0, 22970, -2932015));
    _mm_store_si128(reinterpret_cast<__m128i*>(green),
                    channel(luma16, pairsLow, pairsHigh, -5638, -11700, 2227566));
    _mm_store_si128(reinterpret_cast<__m128i*>(blue),
                    channel(luma16, pairsLow, pairsHigh, 29032, 0, -3707961));
    for (int i = 0; i < count; ++i) {
        out[3 * i + layout.r] = red[i];
        out[3 * i + layout.g] = green[i];
        out[3 * i + layout.b] = blue[i];
    }
}

// Leading pixels in groups of `groupWidth` (8, then one group of 4 when 4 remain, or 4 only),
// the last width mod 4 by the generic rule.
template <int groupWidth>
static inline void convertRow(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out,
                              int32_t width, PixelLayout layout)
{
    const int32_t leading = width - width % 4;
    ptrdiff_t x = 0;
    for (; groupWidth == 8 && x + 8 <= leading; x += 8)
        convertGroup(y + x, cb + x, cr + x, out + 3 * x, 8, layout);
    for (; x < leading; x += 4)
        convertGroup(y + x, cb + x, cr + x, out + 3 * x, 4, layout);
    jpeg_colour::rowGeneric(y, cb, cr, out, leading, width, layout);
}

} // namespace jpeg_colour_sse2::inline ZEFRIM_BUILD_NAMESPACE
