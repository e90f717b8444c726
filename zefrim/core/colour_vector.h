// Group arithmetic of the vector colour conversions shared by the builds (single-precision HSV
// and HLS, the s1 integer groups) and the row walk. Each vector build includes this header and
// instantiates it with its own instruction set; the pixels left over at the end of a row use the
// generic formula (colour_pixel.h) unless a conversion says otherwise.
#pragma once

#include <xmmintrin.h>

#include "colour_pixel.h"

namespace {

inline int32_t floorDiv(int32_t product, int shift)
{
    return product >> shift;
}

// s1 group of RGB to YCbCr (the s2 and s3 groups are in colour_sse2.h).
inline void yCbCrGroupPixel(const uint8_t* s, uint8_t* d)
{
    const int32_t r = s[0], g = s[1], b = s[2];
    const int32_t y = ((floorDiv(8421 * r + 16515 * g, 11) + floorDiv(3211 * b, 11)) >> 4) + 16;
    const int32_t cb = ((floorDiv(-4850 * r - 9535 * g, 11) + floorDiv(14385 * b, 11)) >> 4) + 128;
    const int32_t cr = ((floorDiv(14385 * r - 12059 * g, 11) + floorDiv(-2327 * b, 11)) >> 4) + 128;
    d[0] = static_cast<uint8_t>(clampToByte(y));
    d[1] = static_cast<uint8_t>(clampToByte(cb));
    d[2] = static_cast<uint8_t>(clampToByte(cr));
}

// s1 group of YCbCr to RGB (the s2 and s3 groups are in colour_sse2.h); sums saturate at 16
// bits before the shift.
inline void yCbCrToRgbGroupPixelNarrow(const uint8_t* s, uint8_t* d)
{
    const int32_t y = floorDiv(std::max(s[0] - 16, 0) * 19069, 8);
    const int32_t p = s[1] - 128, q = s[2] - 128;
    d[0] = static_cast<uint8_t>(clampToByte(saturateTo16(y + floorDiv(q * 26146, 8)) >> 6));
    d[1] = static_cast<uint8_t>(
        clampToByte(saturateTo16(y - floorDiv(q * 13318, 8) - floorDiv(p * 6421, 8)) >> 6));
    d[2] = static_cast<uint8_t>(clampToByte(saturateTo16(y + 2 * floorDiv(p * 16520, 8)) >> 6));
}

// s1 group of RGB to YUV, 32-bit sums.
inline void yuvGroupPixelNarrow(const uint8_t* s, uint8_t* d)
{
    const int32_t r = s[0], g = s[1], b = s[2];
    d[0] = static_cast<uint8_t>(clampToByte((9798 * r + 19235 * g + 3736 * b) >> 15));
    d[1] = static_cast<uint8_t>(clampToByte(((-4817 * r - 9470 * g + 14287 * b) >> 15) + 128));
    d[2] = static_cast<uint8_t>(clampToByte(((20152 * r - 16876 * g - 3277 * b) >> 15) + 128));
}

// Left-over YUV pixels of every vector build.
inline void yuvLeftOverPixel(const uint8_t* s, uint8_t* d)
{
    const int32_t r2 = 2 * s[0], g2 = 2 * s[1], b2 = 2 * s[2];
    const int32_t y2 = floorDiv(r2 * 9798 + g2 * 19235, 15) + floorDiv(b2 * 3736, 15);
    d[0] = static_cast<uint8_t>(clampToByte(y2 >> 1));
    d[1] = static_cast<uint8_t>(clampToByte(floorDiv((b2 - y2) * 16121, 16) + 128));
    d[2] = static_cast<uint8_t>(clampToByte(floorDiv((r2 - y2) * 28737, 16) + 128));
}

// Row walk: whole groups of `group` pixels, then at most one group of `tailGroup` pixels
// (0: none), then the left-over pixels one by one.
template <int group, int tailGroup, int dstBytes, class GroupFn, class PixelFn>
inline void convertRowInGroups(const uint8_t* src, uint8_t* dst, int32_t width, GroupFn convertGroup,
                               PixelFn convertLeftOver)
{
    int32_t i = 0;
    for (; i + group <= width; i += group)
        convertGroup(src + 3 * i, dst + dstBytes * i, group);
    if (tailGroup > 0 && i + tailGroup <= width) {
        convertGroup(src + 3 * i, dst + dstBytes * i, tailGroup);
        i += tailGroup;
    }
    for (; i < width; ++i)
        convertLeftOver(src + 3 * i, dst + dstBytes * i);
}

// --- HSV and HLS in single precision with the approximate reciprocal. ---

struct ChannelLanes {
    __m128 r, g, b;
};

inline ChannelLanes loadFourPixels(const uint8_t* s)
{
    return {_mm_setr_ps(s[0], s[3], s[6], s[9]), _mm_setr_ps(s[1], s[4], s[7], s[10]),
            _mm_setr_ps(s[2], s[5], s[8], s[11])};
}

inline __m128 select(__m128 mask, __m128 a)
{
    return _mm_and_ps(mask, a);
}

// H and S of four pixels; pixels with d = 0 or Vmax = 0 get 0.
struct HueSat {
    __m128 hue, sat;
};

inline HueSat hsvGroup(const ChannelLanes& c, __m128 vmax)
{
    const __m128 vmin = _mm_min_ps(_mm_min_ps(c.r, c.g), c.b);
    const __m128 diff = _mm_sub_ps(vmax, vmin);
    const __m128 zero = _mm_setzero_ps();
    const __m128 valid = _mm_and_ps(_mm_cmpneq_ps(diff, zero), _mm_cmpneq_ps(vmax, zero));
    const __m128 rd = _mm_rcp_ps(diff);
    const __m128 sat = _mm_mul_ps(_mm_mul_ps(_mm_rcp_ps(vmax), diff), _mm_set1_ps(255.0f));
    const __m128 isR = _mm_cmpeq_ps(c.r, vmax), isG = _mm_cmpeq_ps(c.g, vmax), isB = _mm_cmpeq_ps(c.b, vmax);
    // Ties: red over green, blue over red, green over blue.
    const __m128 redMax = _mm_andnot_ps(isB, isR);
    const __m128 greenMax = _mm_andnot_ps(isR, isG);
    const __m128 blueMax = _mm_andnot_ps(isG, isB);
    const __m128 toR = _mm_mul_ps(_mm_sub_ps(vmax, c.r), rd);
    const __m128 toG = _mm_mul_ps(_mm_sub_ps(vmax, c.g), rd);
    const __m128 toB = _mm_mul_ps(_mm_sub_ps(vmax, c.b), rd);
    const __m128 hRed = _mm_sub_ps(toB, toG);
    const __m128 hGreen = _mm_add_ps(_mm_sub_ps(toR, toB), _mm_set1_ps(2.0f));
    const __m128 hBlue = _mm_add_ps(_mm_sub_ps(toG, toR), _mm_set1_ps(4.0f));
    __m128 h = _mm_or_ps(_mm_or_ps(select(redMax, hRed), select(greenMax, hGreen)), select(blueMax, hBlue));
    h = _mm_mul_ps(h, _mm_set1_ps(42.5f));
    h = _mm_add_ps(h, select(_mm_cmplt_ps(h, zero), _mm_set1_ps(255.0f)));
    return {select(valid, h), select(valid, sat)};
}

// Left-over HSV pixel: gn test order with the approximate reciprocals, rounded to nearest.
inline void hsvLeftOverPixel(const uint8_t* s, uint8_t* d)
{
    const int32_t r = s[0], g = s[1], b = s[2];
    const int32_t vmax = std::max({r, g, b});
    const int32_t diff = vmax - std::min({r, g, b});
    d[2] = static_cast<uint8_t>(vmax);
    if (vmax == 0 || diff == 0) {
        d[0] = d[1] = 0;
        return;
    }
    const float a = _mm_cvtss_f32(_mm_rcp_ss(_mm_set_ss(static_cast<float>(diff))));
    const float rv = _mm_cvtss_f32(_mm_rcp_ss(_mm_set_ss(static_cast<float>(vmax))));
    const float sat = rv * static_cast<float>(diff) * 255.0f;
    float h = 0.0f;
    if (r == vmax)
        h = static_cast<float>(g - b) * a;
    if (g == vmax)
        h = 2.0f + static_cast<float>(vmax - r) * a - static_cast<float>(vmax - b) * a;
    if (b == vmax)
        h = static_cast<float>(vmax - g) * a + (4.0f - static_cast<float>(vmax - r) * a);
    h *= 42.5f;
    if (h < 0.0f)
        h += 255.0f;
    d[0] = static_cast<uint8_t>(_mm_cvtss_si32(_mm_set_ss(h)));
    d[1] = static_cast<uint8_t>(_mm_cvtss_si32(_mm_set_ss(sat)));
}

inline int32_t truncateLane(float v)
{
    return _mm_cvttss_si32(_mm_set_ss(v));
}

inline int32_t roundLane(float v)
{
    return _mm_cvtss_si32(_mm_set_ss(v));
}

// HSV row of the s1 build: groups of 4 with H and S rounded to nearest (s2 and s3 truncate, in
// colour_sse2.h).
inline void hsvRowRounded(const uint8_t* src, uint8_t* dst, int32_t width)
{
    auto group = [](const uint8_t* s, uint8_t* d, int32_t) {
        const ChannelLanes c = loadFourPixels(s);
        const __m128 vmax = _mm_max_ps(_mm_max_ps(c.r, c.g), c.b);
        const HueSat hs = hsvGroup(c, vmax);
        alignas(16) float hue[4], sat[4], val[4];
        _mm_store_ps(hue, hs.hue);
        _mm_store_ps(sat, hs.sat);
        _mm_store_ps(val, vmax);
        for (int i = 0; i < 4; ++i) {
            d[3 * i] = static_cast<uint8_t>(roundLane(hue[i]));
            d[3 * i + 1] = static_cast<uint8_t>(roundLane(sat[i]));
            d[3 * i + 2] = static_cast<uint8_t>(val[i]);
        }
    };
    convertRowInGroups<4, 0, 3>(src, dst, width, group, hsvLeftOverPixel);
}

// HLS of four pixels on the 0..255 values: hue in degrees, lightness and saturation.
struct HlsLanes {
    __m128 hue, light, sat;
};

inline HlsLanes hlsGroup(const ChannelLanes& c)
{
    const __m128 vmax = _mm_max_ps(_mm_max_ps(c.r, c.g), c.b);
    const __m128 vmin = _mm_min_ps(_mm_min_ps(c.r, c.g), c.b);
    const __m128 diff = _mm_sub_ps(vmax, vmin);
    const __m128 sum = _mm_add_ps(vmax, vmin);
    const __m128 zero = _mm_setzero_ps();
    const __m128 valid = _mm_cmpneq_ps(diff, zero);
    const __m128 lowHalf = _mm_cmple_ps(sum, _mm_set1_ps(255.0f));
    const __m128 denominator =
        _mm_or_ps(select(lowHalf, sum), _mm_andnot_ps(lowHalf, _mm_sub_ps(_mm_set1_ps(510.0f), sum)));
    const __m128 sat = _mm_mul_ps(_mm_mul_ps(_mm_set1_ps(255.0f), diff), _mm_rcp_ps(denominator));
    const __m128 degreesPerUnit = _mm_mul_ps(_mm_set1_ps(60.0f), _mm_rcp_ps(diff));
    const __m128 redMax = _mm_cmpeq_ps(c.r, vmax);
    const __m128 greenMax = _mm_andnot_ps(redMax, _mm_cmpeq_ps(c.g, vmax));
    const __m128 blueMax = _mm_andnot_ps(_mm_or_ps(redMax, greenMax), valid);
    const __m128 hRed = _mm_mul_ps(_mm_sub_ps(c.g, c.b), degreesPerUnit);
    const __m128 hGreen = _mm_add_ps(_mm_mul_ps(_mm_sub_ps(c.b, c.r), degreesPerUnit), _mm_set1_ps(120.0f));
    const __m128 hBlue = _mm_add_ps(_mm_mul_ps(_mm_sub_ps(c.r, c.g), degreesPerUnit), _mm_set1_ps(240.0f));
    __m128 hue = _mm_or_ps(_mm_or_ps(select(redMax, hRed), select(greenMax, hGreen)), select(blueMax, hBlue));
    hue = _mm_add_ps(hue, select(_mm_cmplt_ps(hue, zero), _mm_set1_ps(360.0f)));
    hue = _mm_mul_ps(hue, _mm_set1_ps(255.0f / 360.0f));
    return {select(valid, hue), _mm_mul_ps(sum, _mm_set1_ps(0.5f)), select(valid, sat)};
}

inline void storeHlsLanes(const HlsLanes& v, uint8_t* d)
{
    alignas(16) float hue[4], light[4], sat[4];
    _mm_store_ps(hue, v.hue);
    _mm_store_ps(light, v.light);
    _mm_store_ps(sat, v.sat);
    for (int i = 0; i < 4; ++i) {
        d[3 * i] = static_cast<uint8_t>(truncateLane(hue[i]));
        d[3 * i + 1] = static_cast<uint8_t>(truncateLane(light[i]));
        d[3 * i + 2] = static_cast<uint8_t>(truncateLane(sat[i]));
    }
}

inline void hlsGroupOfEight(const uint8_t* s, uint8_t* d)
{
    storeHlsLanes(hlsGroup(loadFourPixels(s)), d);
    storeHlsLanes(hlsGroup(loadFourPixels(s + 12)), d + 12);
}

inline float refinedReciprocal(float x)
{
    const float r = _mm_cvtss_f32(_mm_rcp_ss(_mm_set_ss(x)));
    return 2.0f * r - x * r * r;
}

// Left-over HLS pixel: single precision, reciprocal refined by one Newton step, truncation.
inline void hlsLeftOverPixel(const uint8_t* s, uint8_t* d)
{
    const float r = s[0], g = s[1], b = s[2];
    const float vmax = std::max({r, g, b}), vmin = std::min({r, g, b});
    const float diff = vmax - vmin, sum = vmax + vmin;
    d[1] = static_cast<uint8_t>(truncateLane(sum * 0.5f));
    if (diff == 0.0f) {
        d[0] = d[2] = 0;
        return;
    }
    const float denominator = sum <= 255.0f ? sum : 510.0f - sum;
    const float degreesPerUnit = 60.0f * refinedReciprocal(diff);
    float hue;
    if (r == vmax)
        hue = (g - b) * degreesPerUnit;
    else if (g == vmax)
        hue = (b - r) * degreesPerUnit + 120.0f;
    else
        hue = (r - g) * degreesPerUnit + 240.0f;
    if (hue < 0.0f)
        hue += 360.0f;
    d[0] = static_cast<uint8_t>(truncateLane(hue * (255.0f / 360.0f)));
    d[2] = static_cast<uint8_t>(truncateLane(255.0f * diff * refinedReciprocal(denominator)));
}

} // namespace
