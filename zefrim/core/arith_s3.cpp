// 16-bit sums, square and region fill, SSE3 build: the SSE2 kernels with prefetch hints on the
// sum sources and the SSE3 unaligned load for the square's source.
#include <pmmintrin.h>

#include "arith_fill.h"
#include "arith_kernels.h"
#include "arith_lanes_sse2.h"
#include "builds.h"

namespace {

constexpr int64_t kStreamingFillBytes = 180000;

struct Sse3Lanes : Sse2Lanes {
    static V load(const void* p)
    {
        _mm_prefetch(static_cast<const char*>(p) + 256, _MM_HINT_T0);
        return _mm_lddqu_si128(static_cast<const __m128i*>(p));
    }
};

typename Sse2Lanes::V loadSquareSource(const int16_t* p)
{
    return _mm_lddqu_si128(reinterpret_cast<const __m128i*>(p));
}

} // namespace

ZEFRIM_DEFINE_ADD_ROW_KERNELS(s3, Sse3Lanes, Sse3Lanes)

ImagingStatus sqrRow_s3(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor)
{
    return squareRow<Sse2Lanes>(src, dst, count, scaleFactor, loadSquareSource);
}

ImagingStatus setImage16s_s3(int16_t value, int16_t* pDst, int32_t dstStep, int32_t width, int32_t height)
{
    const bool streaming = 2 * int64_t(width) * height > kStreamingFillBytes;
    return fillRegion<Sse2Lanes>(value, pDst, dstStep, width, height, streaming);
}

namespace {

constexpr AddKernels kAdd{addRowSat_s3, addRowHalf_s3, addRowScaled_s3, addRowShifted_s3, addRowSign_s3};
// The in-place sign case has one routine for s2 and s3.
constexpr AddInPlaceKernels kAddInPlace{addRowInPlaceSat_s3, addRowInPlaceHalf_s3, addRowInPlaceScaled_s3,
                                        addRowInPlaceShifted_s3, addRowInPlaceSign_s2};

} // namespace

extern "C" {

ImagingStatus zfmiAdd_16s_C1RSfs_s3(const int16_t* pSrc1, int32_t src1Step, const int16_t* pSrc2,
                                    int32_t src2Step, int16_t* pDst, int32_t dstStep, RoiSize roiSize,
                                    int32_t scaleFactor)
{
    return addImages(kAdd, setImage16s_s3, pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize,
                     scaleFactor);
}

ImagingStatus zfmiAdd_16s_C1IRSfs_s3(const int16_t* pSrc, int32_t srcStep, int16_t* pSrcDst,
                                     int32_t srcDstStep, RoiSize roiSize, int32_t scaleFactor)
{
    return addImagesInPlace(kAddInPlace, setImage16s_s3, pSrc, srcStep, pSrcDst, srcDstStep, roiSize,
                            scaleFactor);
}

ImagingStatus zfmiSqr_16s_C1RSfs_s3(const int16_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                    RoiSize roiSize, int32_t scaleFactor)
{
    return squareImage(sqrRow_s3, pSrc, srcStep, pDst, dstStep, roiSize, scaleFactor);
}

} // extern "C"
