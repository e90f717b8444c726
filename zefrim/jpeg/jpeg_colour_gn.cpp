// JPEG colour conversions, generic build: table look-ups in 16-bit fixed point. YCbCr to RGB runs
// eight pixels a step in SSE2 (part of the x86-64 base set), each table entry computed exactly as
// the table holds it.
#include <emmintrin.h>

#include "jpeg_colour.h"

using namespace jpeg_colour;

namespace {

// (low * a + high * b) of the 16-bit lane pairs, as four 32-bit sums each half.
struct PairSums {
    __m128i low, high;
};

inline PairSums multiplyAddPairs(__m128i first, __m128i second, int16_t a, int16_t b)
{
    const __m128i weights = _mm_set1_epi32(static_cast<uint16_t>(a) | (static_cast<int32_t>(b) << 16));
    return {_mm_madd_epi16(_mm_unpacklo_epi16(first, second), weights),
            _mm_madd_epi16(_mm_unpackhi_epi16(first, second), weights)};
}

// (x * w + 32768) >> 16 of each 16-bit lane: the high half of the product, plus one when the low
// half reaches 32768.
inline __m128i roundedProductHigh(__m128i x, int16_t w)
{
    const __m128i weight = _mm_set1_epi16(w);
    return _mm_add_epi16(_mm_mulhi_epi16(x, weight), _mm_srli_epi16(_mm_mullo_epi16(x, weight), 15));
}

// (sums + 32768) >> 16 of both halves, back in 16-bit lanes (every value is small).
inline __m128i roundedHigh(PairSums sums)
{
    const __m128i half = _mm_set1_epi32(32768);
    return _mm_packs_epi32(_mm_srai_epi32(_mm_add_epi32(sums.low, half), 16),
                           _mm_srai_epi32(_mm_add_epi32(sums.high, half), 16));
}

// Writes the bytes of eight pixels (first, second, third byte of each in the low eight bytes of
// its register), 24 bytes and two more that the next pixel overwrites.
inline void storeEightPixels(uint8_t* out, __m128i first, __m128i second, __m128i thirdBytes)
{
    const __m128i firstSecond = _mm_unpacklo_epi8(first, second); // byte pairs
    const __m128i third = _mm_unpacklo_epi8(thirdBytes, _mm_setzero_si128());
    for (int half = 0; half < 2; ++half) {
        // Four pixels of four bytes, the fourth zero.
        const __m128i pixels =
            half == 0 ? _mm_unpacklo_epi16(firstSecond, third) : _mm_unpackhi_epi16(firstSecond, third);
        const __m128i lowPixel = _mm_and_si128(pixels, _mm_set1_epi64x(0xFFFFFFFF));
        const __m128i packed = _mm_or_si128(lowPixel, _mm_slli_epi64(_mm_srli_epi64(pixels, 32), 24));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 12 * half), packed);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 12 * half + 6), _mm_srli_si128(packed, 8));
    }
}

// rgbGeneric of eight pixels: with x = chroma - 128, crToR = x + (26345 x + 32768) >> 16,
// cbToB = 2 x + (-14942 x + 32768) >> 16 and the green term (-22554 xb + 18734 xr + 32768) >> 16 - xr
// are the tables' (91881 x + 32768) >> 16, (116130 x + 32768) >> 16 and
// (-22554 xb + 32768 - 46802 xr) >> 16 with the multiples of 65536 taken out of the weights.
void rowSse2(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int32_t width,
             PixelLayout layout)
{
    const __m128i zero = _mm_setzero_si128(), centre = _mm_set1_epi16(128);
    int32_t x = 0;
    // Each step writes two bytes past its pixels: it stops while a pixel of the row follows.
    for (; x + 8 < width; x += 8) {
        const __m128i luma =
            _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(y + x)), zero);
        const __m128i xb = _mm_sub_epi16(
            _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(cb + x)), zero), centre);
        const __m128i xr = _mm_sub_epi16(
            _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(cr + x)), zero), centre);
        const __m128i redTerm = _mm_add_epi16(xr, roundedProductHigh(xr, 26345));
        const __m128i blueTerm = _mm_add_epi16(_mm_add_epi16(xb, xb), roundedProductHigh(xb, -14942));
        const __m128i greenTerm = _mm_sub_epi16(roundedHigh(multiplyAddPairs(xb, xr, -22554, 18734)), xr);
        // Clamped to 0..255 by the unsigned pack.
        const __m128i red = _mm_packus_epi16(_mm_add_epi16(luma, redTerm), zero);
        const __m128i green = _mm_packus_epi16(_mm_add_epi16(luma, greenTerm), zero);
        const __m128i blue = _mm_packus_epi16(_mm_add_epi16(luma, blueTerm), zero);
        if (layout.r == 0)
            storeEightPixels(out + 3 * x, red, green, blue);
        else
            storeEightPixels(out + 3 * x, blue, green, red);
    }
    rowGeneric(y, cb, cr, out, x, width, layout);
}

void pixelRow(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int32_t width,
              PixelLayout layout)
{
    rowSse2(y, cb, cr, out, width, layout);
}

constexpr auto lumaOf = lumaGeneric;
constexpr auto yccOf = yccGenericAt;
constexpr auto cmykYccOf = yccGenericInt;

} // namespace

#include "jpeg_colour_build.h"
