// Threshold, generic build: eight values a step in SSE2 (part of the x86-64 base set), the rest
// of a row one at a time; the same comparison and replacement for every value.
#include <emmintrin.h>

#include <cstdint>

#include "arith_entries.h"
#include "builds.h"

namespace {

// Values below threshold become value, in the whole groups of eight at the start of a row;
// returns how many values it did. With value 0 (the usual case) a value is simply kept where it
// is not below: one operation fewer.
template <bool zeroValue>
int32_t thresholdEights(int16_t* row, int32_t width, int16_t threshold, int16_t value)
{
    const __m128i limit = _mm_set1_epi16(threshold);
    const __m128i replacement = _mm_set1_epi16(value);
    // v ^ ((v ^ value) & below): value where below, v elsewhere.
    auto one = [limit, replacement](__m128i* at) {
        __m128i v = _mm_loadu_si128(at);
        // An empty asm that claims to change v keeps it in its register: without it GCC loads
        // each vector a second time for the and-not.
        __asm__("" : "+x"(v));
        const __m128i below = _mm_cmplt_epi16(v, limit);
        _mm_storeu_si128(at, zeroValue
                                 ? _mm_andnot_si128(below, v)
                                 : _mm_xor_si128(v, _mm_and_si128(_mm_xor_si128(v, replacement), below)));
    };
    int32_t x = 0;
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

// Rows that follow each other without a gap are one long row, so that the loops start once rather
// than once a row: a mispredicted loop end per row measured about a seventh of a 640x480 frame's time.
RoiSize asOneRowWhenGapless(RoiSize roi, int32_t step)
{
    const int64_t values = static_cast<int64_t>(roi.width) * roi.height;
    if (step == 2 * static_cast<int64_t>(roi.width) && values <= INT32_MAX)
        return {static_cast<int32_t>(values), 1};
    return roi;
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
    roiSize = asOneRowWhenGapless(roiSize, srcDstStep);
    for (int32_t y = 0; y < roiSize.height; ++y) {
        int16_t* row = rowAt(pSrcDst, y, srcDstStep);
        // Every value is written back through a mask, replaced or not: no branch on the data.
        const int32_t done = value == 0 ? thresholdEights<true>(row, roiSize.width, threshold, value)
                                        : thresholdEights<false>(row, roiSize.width, threshold, value);
        for (int32_t x = done; x < roiSize.width; ++x) {
            const int32_t v = load16(row, x);
            const int32_t below = -static_cast<int32_t>(v < threshold);
            store16(row, x, (value & below) | (v & ~below));
        }
    }
    return StatusOk;
}
