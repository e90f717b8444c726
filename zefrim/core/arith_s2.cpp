// 16-bit sums, square and region fill, SSE2 build.
#include "arith_fill.h"
#include "arith_kernels.h"
#include "arith_lanes_sse2.h"
#include "builds.h"

namespace {

constexpr int64_t kStreamingFillBytes = 180000;

typename Sse2Lanes::V loadUnaligned(const int16_t* p)
{
    return Sse2Lanes::load(p);
}

} // namespace

ZEFRIM_DEFINE_ADD_ROW_KERNELS(s2, Sse2Lanes, Sse2Lanes)

void addRowInPlaceSign_s2(const int16_t* s, int16_t* d, int32_t n)
{
    addRowSign_s2(s, d, d, n);
}

ImagingStatus sqrRow_s2(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor)
{
    return squareRow<Sse2Lanes>(src, dst, count, scaleFactor, loadUnaligned);
}

ImagingStatus setImage16s_s2(int16_t value, int16_t* pDst, int32_t dstStep, int32_t width, int32_t height)
{
    const bool streaming = 2 * int64_t(width) * height > kStreamingFillBytes;
    return fillRegion<Sse2Lanes>(value, pDst, dstStep, width, height, streaming);
}

namespace {

constexpr AddKernels kAdd{addRowSat_s2, addRowHalf_s2, addRowScaled_s2, addRowShifted_s2, addRowSign_s2};
constexpr AddInPlaceKernels kAddInPlace{addRowInPlaceSat_s2, addRowInPlaceHalf_s2, addRowInPlaceScaled_s2,
                                        addRowInPlaceShifted_s2, addRowInPlaceSign_s2};

} // namespace

extern "C" {

ImagingStatus zfmiAdd_16s_C1RSfs_s2(const int16_t* pSrc1, int32_t src1Step, const int16_t* pSrc2,
                                    int32_t src2Step, int16_t* pDst, int32_t dstStep, RoiSize roiSize,
                                    int32_t scaleFactor)
{
    return addImages(kAdd, setImage16s_s2, pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize,
                     scaleFactor);
}

ImagingStatus zfmiAdd_16s_C1IRSfs_s2(const int16_t* pSrc, int32_t srcStep, int16_t* pSrcDst,
                                     int32_t srcDstStep, RoiSize roiSize, int32_t scaleFactor)
{
    return addImagesInPlace(kAddInPlace, setImage16s_s2, pSrc, srcStep, pSrcDst, srcDstStep, roiSize,
                            scaleFactor);
}

ImagingStatus zfmiSqr_16s_C1RSfs_s2(const int16_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                    RoiSize roiSize, int32_t scaleFactor)
{
    return squareImage(sqrRow_s2, pSrc, srcStep, pDst, dstStep, roiSize, scaleFactor);
}

} // extern "C"
