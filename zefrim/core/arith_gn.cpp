// 16-bit sums, square and region fill, generic build: one value at a time.
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

ImagingStatus sqrRow_gn(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor)
{
    if (src == nullptr || dst == nullptr)
        return StatusNullPointer;
    if (count <= 0)
        return StatusBadSize;
    withSquareRule(scaleFactor, [&](auto square) {
        for (int32_t i = 0; i < count; ++i)
            store16(dst, i, square(load16(src, i)));
    });
    return StatusOk;
}

extern "C" {

ImagingStatus zfmiAdd_16s_C1RSfs_gn(const int16_t* pSrc1, int32_t src1Step, const int16_t* pSrc2, int32_t src2Step,
                                    int16_t* pDst, int32_t dstStep, RoiSize roiSize, int32_t scaleFactor)
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

ImagingStatus zfmiAdd_16s_C1IRSfs_gn(const int16_t* pSrc, int32_t srcStep, int16_t* pSrcDst, int32_t srcDstStep,
                                     RoiSize roiSize, int32_t scaleFactor)
{
    return zfmiAdd_16s_C1RSfs_gn(pSrc, srcStep, pSrcDst, srcDstStep, pSrcDst, srcDstStep, roiSize, scaleFactor);
}

ImagingStatus zfmiSqr_16s_C1RSfs_gn(const int16_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                    RoiSize roiSize, int32_t scaleFactor)
{
    return squareImage(sqrRow_gn, pSrc, srcStep, pDst, dstStep, roiSize, scaleFactor);
}

} // extern "C"
