// Entries of the 16-bit sums and square, shared by every build: checks, the choice of the row
// kernel by scale factor, and the walk over the rows. Each build supplies its kernels.
#pragma once

#include "arith_internal.h"
#include "copy_access.h"

namespace {

// One build's addition kernels, chosen by scale factor.
struct AddKernels {
    void (*sat)(const int16_t*, const int16_t*, int16_t*, int32_t);
    void (*half)(const int16_t*, const int16_t*, int16_t*, int32_t);
    void (*scaled)(const int16_t*, const int16_t*, int16_t*, int32_t, int32_t);
    void (*shifted)(const int16_t*, const int16_t*, int16_t*, int32_t, int32_t);
    void (*sign)(const int16_t*, const int16_t*, int16_t*, int32_t);
};

struct AddInPlaceKernels {
    void (*sat)(const int16_t*, int16_t*, int32_t);
    void (*half)(const int16_t*, int16_t*, int32_t);
    void (*scaled)(const int16_t*, int16_t*, int32_t, int32_t);
    void (*shifted)(const int16_t*, int16_t*, int32_t, int32_t);
    void (*sign)(const int16_t*, int16_t*, int32_t);
};

inline void addRow(const AddKernels& k, const int16_t* a, const int16_t* b, int16_t* d, int32_t n, int32_t sf)
{
    if (sf == 0)
        k.sat(a, b, d, n);
    else if (sf == 1)
        k.half(a, b, d, n);
    else if (sf > 1)
        k.scaled(a, b, d, n, sf);
    else if (sf >= -15)
        k.shifted(a, b, d, n, -sf);
    else
        k.sign(a, b, d, n);
}

inline void addRowInPlace(const AddInPlaceKernels& k, const int16_t* s, int16_t* d, int32_t n, int32_t sf)
{
    if (sf == 0)
        k.sat(s, d, n);
    else if (sf == 1)
        k.half(s, d, n);
    else if (sf > 1)
        k.scaled(s, d, n, sf);
    else if (sf >= -15)
        k.shifted(s, d, n, -sf);
    else
        k.sign(s, d, n);
}

// A scale factor above 16 leaves nothing of any sum: the destination is filled with 0.
using RegionFill = ImagingStatus (*)(int16_t, int16_t*, int32_t, int32_t, int32_t);

inline ImagingStatus addImages(const AddKernels& kernels, RegionFill fill, const int16_t* pSrc1,
                               int32_t src1Step, const int16_t* pSrc2, int32_t src2Step, int16_t* pDst,
                               int32_t dstStep, RoiSize roi, int32_t scaleFactor)
{
    if (pSrc1 == nullptr || pSrc2 == nullptr || pDst == nullptr)
        return StatusNullPointer;
    if (roi.height <= 0 || roi.width <= 0)
        return StatusBadSize;
    if (scaleFactor > 16)
        return fill(0, pDst, dstStep, roi.width, roi.height);
    for (int32_t y = 0; y < roi.height; ++y)
        addRow(kernels, rowAt(pSrc1, y, src1Step), rowAt(pSrc2, y, src2Step), rowAt(pDst, y, dstStep),
               roi.width, scaleFactor);
    return StatusOk;
}

inline ImagingStatus addImagesInPlace(const AddInPlaceKernels& kernels, RegionFill fill, const int16_t* pSrc,
                                      int32_t srcStep, int16_t* pSrcDst, int32_t srcDstStep, RoiSize roi,
                                      int32_t scaleFactor)
{
    if (pSrc == nullptr || pSrcDst == nullptr)
        return StatusNullPointer;
    if (roi.height <= 0 || roi.width <= 0)
        return StatusBadSize;
    if (scaleFactor > 16)
        return fill(0, pSrcDst, srcDstStep, roi.width, roi.height);
    for (int32_t y = 0; y < roi.height; ++y)
        addRowInPlace(kernels, rowAt(pSrc, y, srcStep), rowAt(pSrcDst, y, srcDstStep), roi.width,
                      scaleFactor);
    return StatusOk;
}

using SquareRow = ImagingStatus (*)(const int16_t*, int16_t*, int32_t, int32_t);

// Steps are used with their lowest bit cleared.
inline ImagingStatus squareImage(SquareRow squareRow, const int16_t* pSrc, int32_t srcStep, int16_t* pDst,
                                 int32_t dstStep, RoiSize roi, int32_t scaleFactor)
{
    if (pSrc == nullptr || pDst == nullptr)
        return StatusNullPointer;
    if (roi.width <= 0 || roi.height <= 0)
        return StatusBadSize;
    if (srcStep <= 0 || dstStep <= 0)
        return StatusBadStep;
    srcStep &= ~1;
    dstStep &= ~1;
    for (int32_t y = 0; y < roi.height; ++y)
        squareRow(rowAt(pSrc, y, srcStep), rowAt(pDst, y, dstStep), roi.width, scaleFactor);
    return StatusOk;
}

inline ImagingStatus checkFill(const int16_t* pDst, int32_t dstStep, int32_t width, int32_t height)
{
    if (pDst == nullptr)
        return StatusNullPointer;
    if (width <= 0 || height <= 0)
        return StatusBadSize;
    return dstStep <= 0 ? StatusBadStep : StatusOk;
}

inline ImagingStatus checkThreshold(const int16_t* pSrcDst, int32_t srcDstStep, RoiSize roi)
{
    if (pSrcDst == nullptr)
        return StatusNullPointer;
    if (roi.width <= 0 || roi.height <= 0)
        return StatusBadSize;
    return srcDstStep <= 0 ? StatusBadStep : StatusOk;
}

} // namespace
