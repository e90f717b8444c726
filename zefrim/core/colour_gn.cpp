// Colour-space conversions, generic build. Grey runs sixteen pixels a step in SSE2 (part of the
// x86-64 base set) with the integer rule of the pixel routine; HSV and HLS look their hue and
// saturation bytes up in tables filled once by the pixel routines' own double arithmetic, so every
// byte is the one that arithmetic gives.
#include <emmintrin.h>

#include <vector>

#include "builds.h"
#include "colour_pixel.h"

namespace {

// ---- Grey -----------------------------------------------------------------------------------

// Sixteen RGB pixels (48 bytes) split into their R, G and B bytes.
struct Channels16 {
    __m128i r, g, b;
};

inline __m128i highHalf(__m128i v)
{
    return _mm_unpackhi_epi64(v, v);
}

// Four rounds of byte interleaving take the pixel bytes apart without SSSE3 shuffles.
inline Channels16 loadDeinterleaved(const uint8_t* src)
{
    const __m128i t00 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
    const __m128i t01 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 16));
    const __m128i t02 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 32));
    const __m128i t10 = _mm_unpacklo_epi8(t00, highHalf(t01));
    const __m128i t11 = _mm_unpacklo_epi8(highHalf(t00), t02);
    const __m128i t12 = _mm_unpacklo_epi8(t01, highHalf(t02));
    const __m128i t20 = _mm_unpacklo_epi8(t10, highHalf(t11));
    const __m128i t21 = _mm_unpacklo_epi8(highHalf(t10), t12);
    const __m128i t22 = _mm_unpacklo_epi8(t11, highHalf(t12));
    const __m128i t30 = _mm_unpacklo_epi8(t20, highHalf(t21));
    const __m128i t31 = _mm_unpacklo_epi8(highHalf(t20), t22);
    const __m128i t32 = _mm_unpacklo_epi8(t21, highHalf(t22));
    return {_mm_unpacklo_epi8(t30, highHalf(t31)), _mm_unpacklo_epi8(highHalf(t30), t32),
            _mm_unpacklo_epi8(t31, highHalf(t32))};
}

// (1225 R + 2404 G + 467 B) >> 12 of four pixels whose channels sit in the low 16-bit lanes.
inline __m128i grayOfFour(__m128i r16, __m128i g16, __m128i b16)
{
    const __m128i redGreenWeights = _mm_set1_epi32(1225 | (2404 << 16));
    const __m128i blueWeight = _mm_set1_epi32(467);
    const __m128i zero = _mm_setzero_si128();
    const __m128i sum = _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi16(r16, g16), redGreenWeights),
                                      _mm_madd_epi16(_mm_unpacklo_epi16(b16, zero), blueWeight));
    return _mm_srli_epi32(sum, 12);
}

// Eight pixels' grey values (each below 256) as 16-bit lanes.
inline __m128i grayOfEight(__m128i r16, __m128i g16, __m128i b16)
{
    return _mm_packs_epi32(
        grayOfFour(r16, g16, b16),
        grayOfFour(_mm_unpackhi_epi64(r16, r16), _mm_unpackhi_epi64(g16, g16), _mm_unpackhi_epi64(b16, b16)));
}

void grayRow(const uint8_t* src, uint8_t* dst, int32_t count)
{
    const __m128i zero = _mm_setzero_si128();
    int32_t i = 0;
    for (; i + 16 <= count; i += 16) {
        const Channels16 c = loadDeinterleaved(src + 3 * i);
        const __m128i low = grayOfEight(_mm_unpacklo_epi8(c.r, zero), _mm_unpacklo_epi8(c.g, zero),
                                        _mm_unpacklo_epi8(c.b, zero));
        const __m128i high = grayOfEight(_mm_unpackhi_epi8(c.r, zero), _mm_unpackhi_epi8(c.g, zero),
                                         _mm_unpackhi_epi8(c.b, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(low, high));
    }
    for (; i < count; ++i)
        grayPixel(src + 3 * i, dst + i);
}

// ---- HSV and HLS ----------------------------------------------------------------------------

// hueByte of every (sextant 0, 2 or 4, numerator, diff) with |numerator| <= diff <= 255, and
// saturation bytes trunc(diff x 255 / denominator + c) for diff, denominator in 0..255.
struct HueSaturationTables {
    // Per sextant: diff * diff + diff + numerator, the numerators of one diff side by side.
    std::vector<uint8_t> hue[3];
    std::vector<uint8_t> saturation = std::vector<uint8_t>(256 * 256);

    HueSaturationTables()
    {
        for (int sextant = 0; sextant < 3; ++sextant) {
            hue[sextant].resize(256 * 256);
            for (int32_t diff = 0; diff < 256; ++diff)
                for (int32_t numerator = -diff; numerator <= diff; ++numerator)
                    hue[sextant][static_cast<size_t>(hueIndex(numerator, diff))] =
                        hueByte({numerator, 2 * sextant}, diff);
        }
        for (int32_t diff = 0; diff < 256; ++diff)
            for (int32_t denominator = 0; denominator < 256; ++denominator)
                saturation[static_cast<size_t>(diff * 256 + denominator)] =
                    static_cast<uint8_t>(truncHalfDown(diff * 255 * kReciprocal[denominator]));
    }

    static int32_t hueIndex(int32_t numerator, int32_t diff) { return diff * diff + diff + numerator; }
};

const HueSaturationTables& hueSaturationTables()
{
    static const HueSaturationTables tables;
    return tables;
}

// The table positions of eight pixels, worked out in 16-bit lanes: which hue table (the sextant
// over 2), the place in it, the place in the saturation table and the third output byte.
struct EightLookups {
    __m128i sextant, hue, saturation, third;
};

// The hue terms of pickHueTerms: the first mask wins, then the second, else the third channel's.
inline void pickHueLanes(__m128i firstMask, __m128i secondMask, __m128i firstNumerator,
                         __m128i secondNumerator, __m128i otherNumerator, int16_t firstSextant,
                         int16_t secondSextant, int16_t otherSextant, __m128i& numerator, __m128i& sextant)
{
    const __m128i second = _mm_andnot_si128(firstMask, secondMask);
    const __m128i other = _mm_andnot_si128(_mm_or_si128(firstMask, secondMask), _mm_set1_epi16(-1));
    numerator = _mm_or_si128(
        _mm_or_si128(_mm_and_si128(firstMask, firstNumerator), _mm_and_si128(second, secondNumerator)),
        _mm_and_si128(other, otherNumerator));
    sextant = _mm_or_si128(_mm_or_si128(_mm_and_si128(firstMask, _mm_set1_epi16(firstSextant >> 1)),
                                        _mm_and_si128(second, _mm_set1_epi16(secondSextant >> 1))),
                           _mm_and_si128(other, _mm_set1_epi16(otherSextant >> 1)));
}

// diff * diff + diff + numerator, below 65536 (the low 16 bits of the product are all of it).
inline __m128i hueIndexLanes(__m128i diff, __m128i numerator)
{
    return _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(diff, diff), diff), numerator);
}

inline EightLookups hsvLookups(__m128i r, __m128i g, __m128i b)
{
    const __m128i vmax = _mm_max_epi16(_mm_max_epi16(r, g), b);
    const __m128i diff = _mm_sub_epi16(vmax, _mm_min_epi16(_mm_min_epi16(r, g), b));
    __m128i numerator, sextant;
    // A later maximum wins a tie: blue over green over red.
    pickHueLanes(_mm_cmpeq_epi16(b, vmax), _mm_cmpeq_epi16(g, vmax), _mm_sub_epi16(r, g), _mm_sub_epi16(b, r),
                 _mm_sub_epi16(g, b), 4, 2, 0, numerator, sextant);
    return {sextant, hueIndexLanes(diff, numerator), _mm_or_si128(_mm_slli_epi16(diff, 8), vmax), vmax};
}

inline EightLookups hlsLookups(__m128i r, __m128i g, __m128i b)
{
    const __m128i vmax = _mm_max_epi16(_mm_max_epi16(r, g), b);
    const __m128i vmin = _mm_min_epi16(_mm_min_epi16(r, g), b);
    const __m128i diff = _mm_sub_epi16(vmax, vmin), sum = _mm_add_epi16(vmax, vmin);
    const __m128i upperHalf = _mm_cmpgt_epi16(sum, _mm_set1_epi16(255));
    const __m128i denominator = _mm_or_si128(
        _mm_andnot_si128(upperHalf, sum), _mm_and_si128(upperHalf, _mm_sub_epi16(_mm_set1_epi16(510), sum)));
    __m128i numerator, sextant;
    // The first maximum wins a tie: red over green over blue.
    pickHueLanes(_mm_cmpeq_epi16(r, vmax), _mm_cmpeq_epi16(g, vmax), _mm_sub_epi16(g, b), _mm_sub_epi16(b, r),
                 _mm_sub_epi16(r, g), 0, 2, 4, numerator, sextant);
    return {sextant, hueIndexLanes(diff, numerator), _mm_or_si128(_mm_slli_epi16(diff, 8), denominator),
            _mm_srli_epi16(sum, 1)};
}

// hsvPixel and hlsPixel, sixteen pixels a step: positions in SSE2, then the table bytes. The
// outputs are hue, saturation, value (HSV) or hue, lightness, saturation (HLS).
template <EightLookups (*lookups)(__m128i, __m128i, __m128i), bool saturationLast>
void hueRow(const uint8_t* src, uint8_t* dst, int32_t count, PixelFunction pixel)
{
    const HueSaturationTables& t = hueSaturationTables();
    const __m128i zero = _mm_setzero_si128();
    alignas(16) uint16_t sextant[16], hue[16], saturation[16], third[16];
    int32_t i = 0;
    for (; i + 16 <= count; i += 16) {
        const Channels16 c = loadDeinterleaved(src + 3 * i);
        const EightLookups low =
            lookups(_mm_unpacklo_epi8(c.r, zero), _mm_unpacklo_epi8(c.g, zero), _mm_unpacklo_epi8(c.b, zero));
        const EightLookups high =
            lookups(_mm_unpackhi_epi8(c.r, zero), _mm_unpackhi_epi8(c.g, zero), _mm_unpackhi_epi8(c.b, zero));
        _mm_store_si128(reinterpret_cast<__m128i*>(sextant), low.sextant);
        _mm_store_si128(reinterpret_cast<__m128i*>(sextant + 8), high.sextant);
        _mm_store_si128(reinterpret_cast<__m128i*>(hue), low.hue);
        _mm_store_si128(reinterpret_cast<__m128i*>(hue + 8), high.hue);
        _mm_store_si128(reinterpret_cast<__m128i*>(saturation), low.saturation);
        _mm_store_si128(reinterpret_cast<__m128i*>(saturation + 8), high.saturation);
        _mm_store_si128(reinterpret_cast<__m128i*>(third), low.third);
        _mm_store_si128(reinterpret_cast<__m128i*>(third + 8), high.third);
        uint8_t* out = dst + 3 * i;
        for (int k = 0; k < 16; ++k, out += 3) {
            out[0] = t.hue[sextant[k]][hue[k]];
            out[saturationLast ? 2 : 1] = t.saturation[saturation[k]];
            out[saturationLast ? 1 : 2] = static_cast<uint8_t>(third[k]);
        }
    }
    for (; i < count; ++i)
        pixel(src + 3 * i, dst + 3 * i);
}

void hsvRow(const uint8_t* src, uint8_t* dst, int32_t count)
{
    hueRow<hsvLookups, false>(src, dst, count, hsvPixel);
}

void hlsRow(const uint8_t* src, uint8_t* dst, int32_t count)
{
    hueRow<hlsLookups, true>(src, dst, count, hlsPixel);
}

} // namespace

#define ZEFRIM_COLOUR_GN(name, rowRoutine)                                                                   \
    ImagingStatus name##_gn(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,            \
                            RoiSize roiSize)                                                                 \
    {                                                                                                        \
        return convertColourRows(pSrc, srcStep, pDst, dstStep, roiSize, rowRoutine);                         \
    }

extern "C" {
ZEFRIM_COLOUR_GN(zfmiRGBToGray_8u_C3C1R, grayRow)
ZEFRIM_COLOUR_GN(zfmiRGBToHSV_8u_C3R, hsvRow)
ZEFRIM_COLOUR_GN(zfmiRGBToHLS_8u_C3R, hlsRow)
ZEFRIM_COLOUR_GN(zfmiRGBToYCbCr_8u_C3R, (convertPixels<yCbCrPixel, 3>))
ZEFRIM_COLOUR_GN(zfmiRGBToYUV_8u_C3R, (convertPixels<yuvPixel, 3>))
ZEFRIM_COLOUR_GN(zfmiYCbCrToRGB_8u_C3R, (convertPixels<yCbCrToRgbPixel, 3>))
}
