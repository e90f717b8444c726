// Bit-depth conversions, MMX/SSE build: 64-bit registers, non-temporal stores and prefetch hints.
#include "arith_lanes_mmx.h"
#include "builds.h"
#include "convert_internal.h"
#include "convert_vector.h"

namespace {

struct MmxNtaLanes : MmxLanes {
    static V load(const void* p)
    {
        _mm_prefetch(static_cast<const char*>(p) + 128, _MM_HINT_NTA);
        return MmxLanes::load(p);
    }
};

__m64 packUnsigned(__m64 low, __m64 high)
{
    return _mm_packs_pu16(low, high);
}

} // namespace

// Single values up to an 8-byte destination boundary, then 16 values per step streamed.
void convertRow8u16s_s1(const uint8_t* src, int16_t* dst, int32_t count)
{
    int32_t i = 0;
    if (isAligned(dst, 2))
        for (; i < count && !isAligned(dst + i, 8); ++i)
            store16(dst, i, src[i]);
    for (; i + 16 <= count; i += 16)
        for (int32_t k = 0; k < 16; k += 8) {
            const __m64 bytes = MmxNtaLanes::load(src + i + k);
            MmxLanes::stream(dst + i + k, _mm_unpacklo_pi8(bytes, MmxLanes::zero()));
            MmxLanes::stream(dst + i + k + 4, _mm_unpackhi_pi8(bytes, MmxLanes::zero()));
        }
    widenBytes(src, dst, i, count - i);
    _mm_sfence();
    _mm_empty();
}

extern "C" {

ImagingStatus zfmiConvert_8u16s_C1R_s1(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                       RoiSize roiSize)
{
    return widenImage(
        pSrc, srcStep, pDst, dstStep, roiSize,
        [](const uint8_t* src, int16_t* dst, RoiSize roi, bool) { convertRow8u16s_s1(src, dst, roi.width); });
}

// Single values until the source is 8-byte aligned, then 8 values per step streamed.
ImagingStatus zfmiConvert_16s8u_C1R_s1(const int16_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                                       RoiSize roiSize)
{
    const ImagingStatus status =
        narrowImage(pSrc, srcStep, pDst, dstStep, roiSize, true,
                    [](const int16_t* src, uint8_t* dst, int32_t count, RoiSize, bool) {
                        narrowRow<MmxNtaLanes>(src, dst, count, false, 8, true, packUnsigned);
                    });
    if (status == StatusOk) {
        _mm_sfence();
        _mm_empty();
    }
    return status;
}

} // extern "C"
