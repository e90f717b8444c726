// 16-bit sums, square and region fill, generic build: one value at a time (vectorised by the
// compiler); the square with a positive scale factor eight values a step in SSE2 (part of the
// x86-64 base set) with the rounding of shiftRoundEven.
#include <emmintrin.h>

#include "arith_entries.h"
#include "arith_values.h"
#include "builds.h"

ImagingStatus setImage16s_gn(int16_t value, int16_t* pDst, int32_t dstStep, int32_t width, int32_t height)
{
    const ImagingStatus status = checkFill(pDst, dstStep, width, height);
    if (status != StatusOk)
        return status;
    for (int32_t y = 0; y < height; ++y) {
        int16_t* row = rowAt(pDst, y, dstStep);
        for (int32_t x = 0; x < width; ++x)
            store16(row, x, value);
    }
    return StatusOk;
}

namespace {

// min(shiftRoundEven(x * x, scaleFactor), 32767) for scale factors 1..30, over the whole groups
// of eight at the start of the row; returns how many values it did. The squares (at most 2^30)
// and their rounding stay inside 32 bits; the signed pack saturates at 32767.
int32_t squareEightsScaled(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor)
{
    const __m128i shift = _mm_cvtsi32_si128(scaleFactor);
    const __m128i bias = _mm_set1_epi32((1 << (scaleFactor - 1)) - 1), one = _mm_set1_epi32(1);
    const auto rounded = [&](__m128i v) {
        const __m128i odd = _mm_and_si128(_mm_srl_epi32(v, shift), one);
        return _mm_srl_epi32(_mm_add_epi32(_mm_add_epi32(v, bias), odd), shift);
    };
    int32_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i low = _mm_mullo_epi16(x, x), high = _mm_mulhi_epi16(x, x);
        const __m128i squares =
            _mm_packs_epi32(rounded(_mm_unpacklo_epi16(low, high)), rounded(_mm_unpackhi_epi16(low, high)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), squares);
    }
    return i;
}

} // namespace

ImagingStatus sqrRow_gn(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor)
{
    if (src == nullptr || dst == nullptr)
        return StatusNullPointer;
    if (count <= 0)
        return StatusBadSize;
    const int32_t first =
        scaleFactor >= 1 && scaleFactor <= 30 ? squareEightsScaled(src, dst, count, scaleFactor) : 0;
    withSquareRule(scaleFactor, [&](auto square) {
        for (int32_t i = first; i < count; ++i)
            store16(dst, i, square(load16(src, i)));
    });
    return StatusOk;
}

extern "C" {

ImagingStatus zfmiAdd_16s_C1RSfs_gn(const int16_t* pSrc1, int32_t src1Step, const int16_t* pSrc2,
                                    int32_t src2Step, int16_t* pDst, int32_t dstStep, RoiSize roiSize,
                                    int32_t scaleFactor)
{
    if (pSrc1 == nullptr || pSrc2 == nullptr || pDst == nullptr)
        return StatusNullPointer;
    if (roiSize.height <= 0 || roiSize.width <= 0)
        return StatusBadSize;
    if (scaleFactor > 16)
        return setImage16s_gn(0, pDst, dstStep, roiSize.width, roiSize.height);
    withSumRule(scaleFactor, [&](auto sum) {
        for (int32_t y = 0; y < roiSize.height; ++y) {
            const int16_t* a = rowAt(pSrc1, y, src1Step);
            const int16_t* b = rowAt(pSrc2, y, src2Step);
            int16_t* d = rowAt(pDst, y, dstStep);
            for (int32_t x = 0; x < roiSize.width; ++x)
                store16(d, x, sum(load16(a, x), load16(b, x)));
        }
    });
    return StatusOk;
}

ImagingStatus zfmiAdd_16s_C1IRSfs_gn(const int16_t* pSrc, int32_t srcStep, int16_t* pSrcDst,
                                     int32_t srcDstStep, RoiSize roiSize, int32_t scaleFactor)
{
    return zfmiAdd_16s_C1RSfs_gn(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize,
                                 scaleFactor);
}

ImagingStatus zfmiSqr_16s_C1RSfs_gn(const int16_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                    RoiSize roiSize, int32_t scaleFactor)
{
    return squareImage(sqrRow_gn, pSrc, srcStep, pDst, dstStep, roiSize, scaleFactor);
}

} // extern "C"
