// Threshold, generic build: eight values a step in SSE2 (part of the x86-64 base set), the rest
// of a row one at a time; the same comparison and replacement for every value.
#include <emmintrin.h>

#include "arith_entries.h"
#include "builds.h"

namespace {

// Values below threshold become value, in the whole groups of eight at the start of a row;
// returns how many values it did.
int32_t thresholdEights(int16_t* row, int32_t width, int16_t threshold, int16_t value)
{
    const __m128i limit = _mm_set1_epi16(threshold);
    const __m128i replacement = _mm_set1_epi16(value);
    int32_t x = 0;
    // v ^ ((v ^ value) & below): value where below, v elsewhere; with value 0 (the usual case)
    // simply v where not below.
    auto one = [limit, replacement, value](__m128i* at) {
        const __m128i v = _mm_loadu_si128(at);
        const __m128i below = _mm_cmplt_epi16(v, limit);
        _mm_storeu_si128(at, value == 0
                                 ? _mm_andnot_si128(below, v)
                                 : _mm_xor_si128(v, _mm_and_si128(_mm_xor_si128(v, replacement), below)));
    };
    for (; x + 32 <= width; x += 32) {
        __m128i* at = reinterpret_cast<__m128i*>(row + x);
        one(at);
        one(at + 1);
        one(at + 2);
        one(at + 3);
    }
    for (; x + 8 <= width; x += 8)
        one(reinterpret_cast<__m128i*>(row + x));
    return x;
}

} // namespace

extern "C" ImagingStatus zfmiThreshold_LTVal_16s_C1IR_gn(int16_t* pSrcDst, int32_t srcDstStep,
                                                         RoiSize roiSize, int16_t threshold, int16_t value)
{
    const ImagingStatus status = checkThreshold(pSrcDst, srcDstStep, roiSize);
    if (status != StatusOk)
        return status;
    // Rows start on even byte distances in this build.
    srcDstStep &= ~1;
    for (int32_t y = 0; y < roiSize.height; ++y) {
        int16_t* row = rowAt(pSrcDst, y, srcDstStep);
        // Every value is written back through a mask, replaced or not: no branch on the data.
        for (int32_t x = thresholdEights(row, roiSize.width, threshold, value); x < roiSize.width; ++x) {
            const int32_t v = load16(row, x);
            const int32_t below = -static_cast<int32_t>(v < threshold);
            store16(row, x, (value & below) | (v & ~below));
        }
    }
    return StatusOk;
}
