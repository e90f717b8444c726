// SSE2 integer groups of the s2 and s3 builds: eight pixels per register, one channel per
// register in 16-bit lanes. A weighted term floor(c x w / 2^n) is the high half of a 16 x 16-bit
// product with the channel shifted left by 16 - n; sums of two products come from pmaddwd.
#pragma once

#include <emmintrin.h>

#include "colour_vector.h"

namespace {

// Channel c of a group of 8 pixels, or of 4 (the upper lanes 0; nothing past the group is read).
inline __m128i channelOfGroup(const uint8_t* s, int c, int32_t count)
{
    if (count == 4)
        return _mm_setr_epi16(s[c], s[3 + c], s[6 + c], s[9 + c], 0, 0, 0, 0);
    return _mm_setr_epi16(s[c], s[3 + c], s[6 + c], s[9 + c], s[12 + c], s[15 + c], s[18 + c], s[21 + c]);
}

// floor(channel x weight / 256) for channel values 0..255.
inline __m128i weighted(__m128i channel, int16_t weight)
{
    return _mm_mulhi_epu16(_mm_slli_epi16(channel, 8), _mm_set1_epi16(weight));
}

inline __m128i grayOfGroup(const uint8_t* s, int32_t count)
{
    const __m128i red = weighted(channelOfGroup(s, 0, count), 1225);
    const __m128i green = weighted(channelOfGroup(s, 1, count), 2404);
    const __m128i blue = weighted(channelOfGroup(s, 2, count), 467);
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(red, green), blue), 4);
}

inline void grayGroupSse2(const uint8_t* src, uint8_t* dst, int32_t count)
{
    const __m128i gray = grayOfGroup(src, count);
    if (count == 8) {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst), _mm_packus_epi16(gray, gray));
        return;
    }
    alignas(16) uint16_t lanes[8];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes), gray);
    for (int32_t i = 0; i < count; ++i)
        dst[i] = static_cast<uint8_t>(lanes[i]);
}

// floor(x * weight / 2^(16 - preShift)) for signed lanes x whose shifted value fits 16 bits.
inline __m128i signedTerm(__m128i x, int preShift, int16_t weight)
{
    return _mm_mulhi_epi16(_mm_sll_epi16(x, _mm_cvtsi32_si128(preShift)), _mm_set1_epi16(weight));
}

inline __m128i unsignedTerm(__m128i x, int preShift, uint16_t weight)
{
    return _mm_mulhi_epu16(_mm_sll_epi16(x, _mm_cvtsi32_si128(preShift)),
                           _mm_set1_epi16(static_cast<int16_t>(weight)));
}

// floor((a x wa + b x wb) / 2^shift) over 32-bit sums, narrowed back to 16-bit lanes.
inline __m128i pairTerm(__m128i a, __m128i b, int16_t wa, int16_t wb, int shift)
{
    const __m128i weights = _mm_setr_epi16(wa, wb, wa, wb, wa, wb, wa, wb);
    const __m128i low = _mm_srai_epi32(_mm_madd_epi16(_mm_unpacklo_epi16(a, b), weights), shift);
    const __m128i high = _mm_srai_epi32(_mm_madd_epi16(_mm_unpackhi_epi16(a, b), weights), shift);
    return _mm_packs_epi32(low, high);
}

// Writes `count` pixels of three 16-bit channel registers, each clamped to 0..255.
inline void storeThreeChannels(uint8_t* dst, __m128i c0, __m128i c1, __m128i c2, int32_t count)
{
    alignas(16) uint8_t first[16], third[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(first), _mm_packus_epi16(c0, c1));
    _mm_store_si128(reinterpret_cast<__m128i*>(third), _mm_packus_epi16(c2, c2));
    for (int32_t i = 0; i < count; ++i) {
        dst[3 * i] = first[i];
        dst[3 * i + 1] = first[8 + i];
        dst[3 * i + 2] = third[i];
    }
}

inline void yCbCrGroupSse2(const uint8_t* src, uint8_t* dst, int32_t count)
{
    const __m128i r = channelOfGroup(src, 0, count), g = channelOfGroup(src, 1, count);
    const __m128i b = channelOfGroup(src, 2, count);
    auto finish = [](__m128i sum, int16_t offset) {
        return _mm_add_epi16(_mm_srai_epi16(sum, 4), _mm_set1_epi16(offset));
    };
    const __m128i y = finish(_mm_adds_epi16(pairTerm(r, g, 8421, 16515, 11), unsignedTerm(b, 5, 3211)), 16);
    const __m128i cb =
        finish(_mm_adds_epi16(pairTerm(r, g, -4850, -9535, 11), unsignedTerm(b, 5, 14385)), 128);
    const __m128i cr =
        finish(_mm_adds_epi16(pairTerm(r, g, 14385, -12059, 11), signedTerm(b, 5, -2327)), 128);
    storeThreeChannels(dst, y, cb, cr, count);
}

inline void yCbCrToRgbGroupSse2(const uint8_t* src, uint8_t* dst, int32_t count)
{
    const __m128i y = signedTerm(_mm_sub_epi16(channelOfGroup(src, 0, count), _mm_set1_epi16(16)), 7, 9536);
    const __m128i p = _mm_sub_epi16(channelOfGroup(src, 1, count), _mm_set1_epi16(128));
    const __m128i q = _mm_sub_epi16(channelOfGroup(src, 2, count), _mm_set1_epi16(128));
    const __m128i red = _mm_srai_epi16(_mm_adds_epi16(y, signedTerm(q, 7, 13074)), 4);
    const __m128i green = _mm_srai_epi16(
        _mm_adds_epi16(_mm_adds_epi16(y, signedTerm(q, 7, -6660)), signedTerm(p, 7, -3203)), 4);
    const __m128i blue = _mm_srai_epi16(_mm_adds_epi16(y, signedTerm(p, 7, 16523)), 4);
    storeThreeChannels(dst, red, green, blue, count);
}

inline void yuvHalfGroupSse2(const uint8_t* src, uint8_t* dst)
{
    const __m128i r = channelOfGroup(src, 0, 8), g = channelOfGroup(src, 1, 8), b = channelOfGroup(src, 2, 8);
    const __m128i luma =
        _mm_srli_epi16(_mm_adds_epu16(_mm_adds_epu16(unsignedTerm(r, 8, 19595), unsignedTerm(g, 8, 38469)),
                                      unsignedTerm(b, 8, 7471)),
                       8);
    auto chroma = [&](int16_t wr, int16_t wg, int16_t wb) {
        const __m128i sum =
            _mm_adds_epi16(_mm_adds_epi16(signedTerm(r, 7, wr), signedTerm(g, 7, wg)), signedTerm(b, 7, wb));
        return _mm_add_epi16(_mm_srai_epi16(sum, 6), _mm_set1_epi16(128));
    };
    storeThreeChannels(dst, luma, chroma(-4816, -9469, 14286), chroma(20152, -16875, -3276), 8);
}

// Groups of 16 pixels, converted as two registers of 8.
inline void yuvGroupSse2(const uint8_t* src, uint8_t* dst, int32_t)
{
    yuvHalfGroupSse2(src, dst);
    yuvHalfGroupSse2(src + 24, dst + 24);
}

// --- HSV and HLS groups with SSE2 conversions between bytes and single precision. ---

// Four interleaved pixels (12 bytes; nothing past them is read) as channel lanes.
inline ChannelLanes loadFourPixelsSse2(const uint8_t* s)
{
    int32_t lastFour;
    std::memcpy(&lastFour, s + 8, sizeof lastFour);
    const __m128i bytes =
        _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(s)), _mm_cvtsi32_si128(lastFour));
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = _mm_unpacklo_epi8(bytes, zero), high = _mm_unpackhi_epi8(bytes, zero);
    const __m128 a = _mm_cvtepi32_ps(_mm_unpacklo_epi16(low, zero));  // R0 G0 B0 R1
    const __m128 b = _mm_cvtepi32_ps(_mm_unpackhi_epi16(low, zero));  // G1 B1 R2 G2
    const __m128 c = _mm_cvtepi32_ps(_mm_unpacklo_epi16(high, zero)); // B2 R3 G3 B3
    const __m128 red =
        _mm_shuffle_ps(a, _mm_shuffle_ps(b, c, _MM_SHUFFLE(1, 1, 2, 2)), _MM_SHUFFLE(2, 0, 3, 0));
    const __m128 green =
        _mm_shuffle_ps(_mm_shuffle_ps(a, b, _MM_SHUFFLE(0, 0, 1, 1)),
                       _mm_shuffle_ps(b, c, _MM_SHUFFLE(2, 2, 3, 3)), _MM_SHUFFLE(2, 0, 2, 0));
    const __m128 blue =
        _mm_shuffle_ps(_mm_shuffle_ps(a, b, _MM_SHUFFLE(1, 1, 2, 2)),
                       _mm_shuffle_ps(c, c, _MM_SHUFFLE(3, 3, 0, 0)), _MM_SHUFFLE(2, 0, 2, 0));
    return {red, green, blue};
}

// Truncates three channel lanes (0..255.x) and writes them as four interleaved pixels.
inline void storeFourPixelsSse2(uint8_t* d, __m128 c0, __m128 c1, __m128 c2)
{
    const __m128i first = _mm_packs_epi32(_mm_cvttps_epi32(c0), _mm_cvttps_epi32(c1));
    const __m128i third = _mm_packs_epi32(_mm_cvttps_epi32(c2), _mm_setzero_si128());
    alignas(16) uint8_t bytes[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(bytes), _mm_packus_epi16(first, third));
    for (int i = 0; i < 4; ++i) {
        d[3 * i] = bytes[i];
        d[3 * i + 1] = bytes[4 + i];
        d[3 * i + 2] = bytes[8 + i];
    }
}

inline void hsvGroupSse2(const uint8_t* s, uint8_t* d, int32_t)
{
    const ChannelLanes c = loadFourPixelsSse2(s);
    const __m128 vmax = _mm_max_ps(_mm_max_ps(c.r, c.g), c.b);
    const HueSat hs = hsvGroup(c, vmax);
    storeFourPixelsSse2(d, hs.hue, hs.sat, vmax);
}

inline void hsvRowSse2(const uint8_t* src, uint8_t* dst, int32_t width)
{
    convertRowInGroups<4, 0, 3>(src, dst, width, hsvGroupSse2, hsvLeftOverPixel);
}

inline void hlsGroupSse2(const uint8_t* s, uint8_t* d, int32_t)
{
    for (int half = 0; half < 2; ++half) {
        const HlsLanes v = hlsGroup(loadFourPixelsSse2(s + 12 * half));
        storeFourPixelsSse2(d + 12 * half, v.hue, v.light, v.sat);
    }
}

inline void hlsRowSse2(const uint8_t* src, uint8_t* dst, int32_t width)
{
    convertRowInGroups<8, 0, 3>(src, dst, width, hlsGroupSse2, hlsLeftOverPixel);
}

} // namespace
