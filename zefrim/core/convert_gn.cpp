// Bit-depth conversions, generic build.
#include <emmintrin.h>

#include "builds.h"
#include "copy_rows.h"

namespace {

// 16s to 8u with saturation: SSE2's signed-to-unsigned pack clamps exactly as clampToByte does,
// so a pack of two loads makes sixteen values (the vectoriser's loop clamped each half with a
// minimum, a maximum and a mask before packing). The rest of the row one value at a time.
void narrowRowSse2(const int16_t* src, uint8_t* dst, int32_t count)
{
    auto sixteen = [src, dst](int32_t i) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 8));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(low, high));
    };
    int32_t i = 0;
    for (; i + 32 <= count; i += 32) {
        sixteen(i);
        sixteen(i + 16);
    }
    if (i + 16 <= count) {
        sixteen(i);
        i += 16;
    }
    narrowSaturated(src, dst, i, count - i);
}

} // namespace

extern "C" {

ImagingStatus zfmiConvert_8u16s_C1R_gn(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                       RoiSize roiSize)
{
    const ImagingStatus status = checkPairWithSteps(pSrc, srcStep, pDst, dstStep, roiSize);
    if (status != StatusOk)
        return status;
    if (dstStep == 2 * srcStep && srcStep == roiSize.width)
        mergeIfFits(roiSize);
    forEachRow(roiSize, [&](int32_t y) {
        widenBytes(rowAt(pSrc, y, srcStep), rowAt(pDst, y, dstStep), 0, roiSize.width);
    });
    return StatusOk;
}

ImagingStatus zfmiConvert_16s8u_C1R_gn(const int16_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                       RoiSize roiSize)
{
    const ImagingStatus status = checkPairWithSteps(pSrc, srcStep, pDst, dstStep, roiSize);
    if (status != StatusOk)
        return status;
    if (srcStep == 2 * dstStep && dstStep == roiSize.width)
        mergeIfFits(roiSize);
    forEachRow(roiSize, [&](int32_t y) {
        narrowRowSse2(rowAt(pSrc, y, srcStep), rowAt(pDst, y, dstStep), roiSize.width);
    });
    return StatusOk;
}

} // extern "C"
