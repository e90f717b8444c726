// 16-bit sums, square and region fill, MMX/SSE build: 64-bit registers, non-temporal fills.
#include "arith_fill.h"
#include "arith_kernels.h"
#include "arith_lanes_mmx.h"
#include "builds.h"

namespace {

// The saturating sums prefetch their sources 128 bytes ahead, past the caches.
struct MmxPrefetchLanes : MmxLanes {
    static V load(const void* p)
    {
        _mm_prefetch(static_cast<const char*>(p) + 128, _MM_HINT_NTA);
        return MmxLanes::load(p);
    }
};

typename MmxLanes::V loadUnaligned(const int16_t* p)
{
    return MmxLanes::load(p);
}

} // namespace

ZEFRIM_DEFINE_ADD_ROW_KERNELS(s1, MmxPrefetchLanes, MmxLanes)

void addRowInPlaceSign_s1(const int16_t* s, int16_t* d, int32_t n)
{
    addRowSign_s1(s, d, d, n);
}

ImagingStatus sqrRow_s1(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor)
{
    return squareRow<MmxLanes>(src, dst, count, scaleFactor, loadUnaligned);
}

// Always streamed, with a fence after every row.
ImagingStatus setImage16s_s1(int16_t value, int16_t* pDst, int32_t dstStep, int32_t width, int32_t height)
{
    return fillRegion<MmxLanes>(value, pDst, dstStep, width, height, true);
}

namespace {

constexpr AddKernels kAdd{addRowSat_s1, addRowHalf_s1, addRowScaled_s1, addRowShifted_s1, addRowSign_s1};
constexpr AddInPlaceKernels kAddInPlace{addRowInPlaceSat_s1, addRowInPlaceHalf_s1, addRowInPlaceScaled_s1,
                                        addRowInPlaceShifted_s1, addRowInPlaceSign_s1};

} // namespace

extern "C" {

ImagingStatus zfmiAdd_16s_C1RSfs_s1(const int16_t* pSrc1, int32_t src1Step, const int16_t* pSrc2,
                                    int32_t src2Step, int16_t* pDst, int32_t dstStep, RoiSize roiSize,
                                    int32_t scaleFactor)
{
    return addImages(kAdd, setImage16s_s1, pSrc1, src1Step, pSrc2, src2Step, pDst, dstStep, roiSize,
                     scaleFactor);
}

ImagingStatus zfmiAdd_16s_C1IRSfs_s1(const int16_t* pSrc, int32_t srcStep, int16_t* pSrcDst,
                                     int32_t srcDstStep, RoiSize roiSize, int32_t scaleFactor)
{
    return addImagesInPlace(kAddInPlace, setImage16s_s1, pSrc, srcStep, pSrcDst, srcDstStep, roiSize,
                            scaleFactor);
}

ImagingStatus zfmiSqr_16s_C1RSfs_s1(const int16_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                    RoiSize roiSize, int32_t scaleFactor)
{
    return squareImage(sqrRow_s1, pSrc, srcStep, pDst, dstStep, roiSize, scaleFactor);
}

} // extern "C"
