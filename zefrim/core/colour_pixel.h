// Per-pixel arithmetic of the generic colour conversions. The vector builds use the same
// functions for the pixels left over after their groups.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "copy_access.h"
#include "zefrim/zefrim.h"

namespace {

// 0.499999 held in single precision; trunc(x + this) rounds an exact half down.
constexpr double kHalfDown = static_cast<double>(0.499999f);

inline int32_t truncHalfDown(double x)
{
    return static_cast<int32_t>(x + kHalfDown);
}

inline void grayPixel(const uint8_t* s, uint8_t* d)
{
    d[0] = static_cast<uint8_t>((1225 * s[0] + 2404 * s[1] + 467 * s[2]) >> 12);
}

inline void yCbCrPixel(const uint8_t* s, uint8_t* d)
{
    const int32_t r = s[0], g = s[1], b = s[2];
    d[0] = static_cast<uint8_t>((16843 * r + 33030 * g + 6423 * b + 1081344) >> 16);
    d[1] = static_cast<uint8_t>((-9699 * r - 19071 * g + 28770 * b + 8421376) >> 16);
    d[2] = static_cast<uint8_t>((28770 * r - 24117 * g - 4653 * b + 8421376) >> 16);
}

inline void yCbCrToRgbPixel(const uint8_t* s, uint8_t* d)
{
    const int32_t y = 76284 * (s[0] - 16);
    const int32_t cb = s[1] - 128, cr = s[2] - 128;
    d[0] = static_cast<uint8_t>(clampToByte((y + 104595 * cr) >> 16));
    d[1] = static_cast<uint8_t>(clampToByte((y - 25690 * cb - 53281 * cr) >> 16));
    d[2] = static_cast<uint8_t>(clampToByte((y + 132186 * cb) >> 16));
}

inline void yuvPixel(const uint8_t* s, uint8_t* d)
{
    const int32_t r = s[0], g = s[1], b = s[2];
    const int32_t yy = 19595 * r + 38470 * g + 7471 * b;
    const int32_t u = (b * 65536 - yy + 32767) >> 16;
    const int32_t v = (r * 65536 - yy + 32767) >> 16;
    d[0] = static_cast<uint8_t>(yy >> 16);
    d[1] = static_cast<uint8_t>(((u * 32244) >> 16) + 128);
    d[2] = static_cast<uint8_t>(clampToByte(((v * 57475) >> 16) + 128));
}

// 1 / i for i = 0..510 (entry 0 unused).
constexpr std::array<double, 511> kReciprocal = [] {
    std::array<double, 511> t{};
    for (int i = 1; i < 511; ++i)
        t[i] = 1.0 / i;
    return t;
}();

// Hue and saturation are ratios of small integers (denominators below 100000), so their exact
// values lie at least 1e-6 away from any point where trunc(x + c) changes. Double rounding
// errors are near 1e-13, so multiplying by tabled reciprocals gives the bytes of the plain
// divisions (d / Vmax x 255, (G - B) / d, h x 255 / 6 and the HLS equivalents) at a fraction of
// their cost.
// All ones when the condition holds, else 0: lets the per-pixel choices below be masks instead of
// branches, which neighbouring pixels of a camera image would mispredict.
inline int32_t maskOf(bool condition)
{
    return -static_cast<int32_t>(condition);
}

// The distance of the hue from its sextant (0, 2 or 4) is numerator / diff; 0 for grey pixels.
struct HueTerms {
    int32_t numerator, sextant;
};

inline HueTerms pickHueTerms(int32_t firstMask, int32_t secondMask, int32_t firstNumerator,
                             int32_t firstSextant, int32_t secondNumerator, int32_t secondSextant,
                             int32_t otherNumerator, int32_t otherSextant)
{
    const int32_t second = secondMask & ~firstMask, other = ~(firstMask | secondMask);
    return {(firstMask & firstNumerator) | (second & secondNumerator) | (other & otherNumerator),
            (firstMask & firstSextant) | (second & secondSextant) | (other & otherSextant)};
}

inline uint8_t hueByte(HueTerms terms, int32_t diff)
{
    double h = (terms.sextant + terms.numerator * kReciprocal[diff]) * 42.5; // 255 / 6 of a turn per sextant
    h += h < 0.0 ? 255.0 : 0.0;
    return static_cast<uint8_t>(truncHalfDown(h) & maskOf(diff != 0));
}

inline void hsvPixel(const uint8_t* s, uint8_t* d)
{
    const int32_t r = s[0], g = s[1], b = s[2];
    const int32_t vmax = std::max({r, g, b});
    const int32_t diff = vmax - std::min({r, g, b});
    // A later maximum wins a tie: blue over green over red. Grey pixels (diff 0, also every
    // pixel with Vmax 0) get H = S = 0.
    d[0] = hueByte(pickHueTerms(maskOf(b == vmax), maskOf(g == vmax), r - g, 4, b - r, 2, g - b, 0), diff);
    d[1] = static_cast<uint8_t>(truncHalfDown(diff * 255 * kReciprocal[vmax]));
    d[2] = static_cast<uint8_t>(vmax);
}

// On the 0..255 values: L = (Vmax + Vmin) / 2 and S = d / (Vmax + Vmin) or d / (510 - Vmax - Vmin),
// the same ratios as on r = R / 255 and so on.
inline void hlsPixel(const uint8_t* s, uint8_t* d)
{
    const int32_t r = s[0], g = s[1], b = s[2];
    const int32_t vmax = std::max({r, g, b}), vmin = std::min({r, g, b});
    const int32_t diff = vmax - vmin, sum = vmax + vmin;
    // The first maximum wins a tie: red over green over blue.
    const int32_t denominator = sum <= 255 ? sum : 510 - sum;
    d[0] = hueByte(pickHueTerms(maskOf(r == vmax), maskOf(g == vmax), g - b, 0, b - r, 2, r - g, 4), diff);
    d[1] = static_cast<uint8_t>(sum >> 1); // an exact half rounds down
    d[2] = static_cast<uint8_t>(truncHalfDown(diff * 255 * kReciprocal[denominator]));
}

using PixelFunction = void (*)(const uint8_t*, uint8_t*);

// Shared entry of the six conversions: checks (no step check), then one row routine per row.
template <class RowRoutine>
inline ImagingStatus convertColourRows(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                       RoiSize roi, RowRoutine convertRow)
{
    if (pSrc == nullptr || pDst == nullptr)
        return StatusNullPointer;
    if (roi.width <= 0 || roi.height <= 0)
        return StatusBadSize;
    for (int32_t y = 0; y < roi.height; ++y)
        convertRow(rowAt(pSrc, y, srcStep), rowAt(pDst, y, dstStep), roi.width);
    return StatusOk;
}

template <PixelFunction convertPixel, int dstBytes>
inline void convertPixels(const uint8_t* src, uint8_t* dst, int32_t count)
{
    for (int32_t i = 0; i < count; ++i)
        convertPixel(src + 3 * i, dst + dstBytes * i);
}

} // namespace
