// JPEG colour conversions, generic build: table look-ups in 16-bit fixed point. YCbCr to RGB runs
// eight pixels a step in SSE2 (part of the x86-64 base set), each table entry computed exactly as
// the table holds it.
#include <emmintrin.h>

#include "jpeg_colour.h"

using namespace jpeg_colour;

namespace {

// Writes the bytes of eight pixels (first, second, third byte of each in the low eight bytes of
// its register), 24 bytes and two more that the next pixel overwrites.
inline void storeEightPixels(uint8_t* out, __m128i first, __m128i second, __m128i thirdBytes)
{
    const __m128i firstSecond = _mm_unpacklo_epi8(first, second); // byte pairs
    const __m128i third = _mm_unpacklo_epi8(thirdBytes, _mm_setzero_si128());
    for (int half = 0; half < 2; ++half) {
        // Four pixels of four bytes, the fourth zero: quad words p0 + p1 * 2^32, which become
        // p0 + p1 * 2^24 by taking p1 * (2^32 - 2^24) away.
        const __m128i pixels =
            half == 0 ? _mm_unpacklo_epi16(firstSecond, third) : _mm_unpackhi_epi16(firstSecond, third);
        const __m128i upperPixels = _mm_shuffle_epi32(pixels, _MM_SHUFFLE(3, 3, 1, 1));
        const __m128i packed = _mm_sub_epi64(
            pixels, _mm_mul_epu32(upperPixels, _mm_set1_epi32(static_cast<int32_t>(0xFF000000u))));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 12 * half), packed);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 12 * half + 6),
                         _mm_shuffle_epi32(packed, _MM_SHUFFLE(3, 2, 3, 2)));
    }
}

// rgbGeneric of eight pixels from the raw chroma bytes. Each chroma term comes out as the table's
// value plus 6563, which is taken off the luma before the sum is clamped:
// - red: (91881 (cr - 128) + 32768) >> 16 is the unsigned high half of (2 cr + 9107) * 45941;
// - blue: (116130 (cb - 128) + 32768) >> 16 is that of (2 cb + 7152) * 58065;
// - green: (-22554 (cb - 128) + 32768 - 46802 (cr - 128)) >> 16 is the table's sum rearranged
//   into one multiply-add of the pair (cb, 2 cr + 9107): (-22554 cb - 23401 (2 cr + 9107) +
//   652136011) >> 16.
// The two products were found by a search over every byte and hold for each; they share the
// offset 6563, so that one subtraction from the luma serves all three channels.
void rowSse2(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int32_t width,
             PixelLayout layout)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i greenWeights = _mm_set1_epi32(static_cast<uint16_t>(-22554) | (-23401 * 65536));
    const __m128i greenAddend = _mm_set1_epi32(652136011);
    int32_t x = 0;
    // Each step writes two bytes past its pixels: it stops while a pixel of the row follows.
    for (; x + 8 < width; x += 8) {
        const auto bytes = [zero](const uint8_t* p) {
            return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)), zero);
        };
        const __m128i luma = _mm_sub_epi16(bytes(y + x), _mm_set1_epi16(6563));
        const __m128i blueChroma = bytes(cb + x);
        const __m128i redChroma = bytes(cr + x);
        const __m128i redInput = _mm_add_epi16(_mm_add_epi16(redChroma, redChroma), _mm_set1_epi16(9107));
        const __m128i blueInput = _mm_add_epi16(_mm_add_epi16(blueChroma, blueChroma), _mm_set1_epi16(7152));
        const __m128i redTerm = _mm_mulhi_epu16(redInput, _mm_set1_epi16(static_cast<int16_t>(45941)));
        const __m128i blueTerm = _mm_mulhi_epu16(blueInput, _mm_set1_epi16(static_cast<int16_t>(58065)));
        const auto greenHalf = [&](__m128i pairs) {
            return _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(pairs, greenWeights), greenAddend), 16);
        };
        const __m128i greenTerm = _mm_packs_epi32(greenHalf(_mm_unpacklo_epi16(blueChroma, redInput)),
                                                  greenHalf(_mm_unpackhi_epi16(blueChroma, redInput)));
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
