// Sobel filters, generic build: a horizontal pass of every source row into a ring of 32-bit rows,
// then one vertical combination per output row.
#include "builds.h"
#include "copy_access.h"
#include "aligned_blocks.h"
#include "sobel_checks.h"

namespace {

// Horizontal pass of one source row for x = 0..width-1; s points at column 0.
void rowPass3(const uint8_t* s, int32_t* out, int32_t width, SobelKind kind)
{
    for (int32_t x = 0; x < width; ++x)
        out[x] = kind == SobelVertical ? s[x - 1] - s[x + 1] : s[x - 1] + 2 * s[x] + s[x + 1];
}

void rowPass5(const uint8_t* s, int32_t* out, int32_t width, SobelKind kind)
{
    for (int32_t x = 0; x < width; ++x)
        out[x] = kind == SobelVertical ? s[x - 2] + 2 * s[x - 1] - 2 * s[x + 1] - s[x + 2]
                                       : s[x - 2] + s[x + 2] + 4 * (s[x - 1] + s[x + 1]) + 6 * s[x];
}

// rows[0] is the oldest row (y - radius), rows[2 * radius] the newest.
void combine3(int32_t* const* rows, int16_t* dst, int32_t width, SobelKind kind)
{
    for (int32_t x = 0; x < width; ++x)
        store16(dst, x,
                kind == SobelVertical ? rows[0][x] + 2 * rows[1][x] + rows[2][x] : rows[2][x] - rows[0][x]);
}

void combine5(int32_t* const* rows, int16_t* dst, int32_t width, SobelKind kind)
{
    for (int32_t x = 0; x < width; ++x) {
        const int32_t v = kind == SobelVertical
                              ? rows[0][x] + rows[4][x] + 4 * (rows[1][x] + rows[3][x]) + 6 * rows[2][x]
                              : (rows[4][x] - rows[0][x]) + 2 * (rows[3][x] - rows[1][x]);
        store16(dst, x, v);
    }
}

template <int radius>
ImagingStatus filterSobelRing(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                              RoiSize roi, SobelKind kind)
{
    constexpr int ringRows = 2 * radius + 1;
    const int64_t elements = int64_t(ringRows) * roi.width;
    int32_t* block = elements > INT32_MAX
                         ? nullptr
                         : static_cast<int32_t*>(alignedMalloc_32s_gn(static_cast<int32_t>(elements)));
    if (block == nullptr)
        return StatusNoMemory;
    auto rowPass = [&](int32_t sourceRow, int32_t* out) {
        const uint8_t* s = rowAt(pSrc, sourceRow, srcStep);
        if (radius == 1)
            rowPass3(s, out, roi.width, kind);
        else
            rowPass5(s, out, roi.width, kind);
    };
    int32_t* rows[ringRows];
    for (int k = 0; k < ringRows; ++k)
        rows[k] = block + int64_t(k) * roi.width;
    for (int k = 0; k < ringRows - 1; ++k)
        rowPass(k - radius, rows[k]);
    for (int32_t y = 0; y < roi.height; ++y) {
        rowPass(y + radius, rows[ringRows - 1]);
        int16_t* dst = rowAt(pDst, y, dstStep);
        if (radius == 1)
            combine3(rows, dst, roi.width, kind);
        else
            combine5(rows, dst, roi.width, kind);
        int32_t* const oldest = rows[0];
        for (int k = 0; k < ringRows - 1; ++k)
            rows[k] = rows[k + 1];
        rows[ringRows - 1] = oldest;
    }
    zfmsFree_gn(block);
    return StatusOk;
}

ImagingStatus filterSobel(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep, RoiSize roi,
                          int32_t mask, SobelKind kind)
{
    const ImagingStatus status = checkSobelArguments(pSrc, srcStep, pDst, dstStep, roi, mask);
    if (status != StatusOk)
        return status;
    if (mask == MaskSize3x3)
        return filterSobelRing<1>(pSrc, srcStep, pDst, dstStep, roi, kind);
    return filterSobelRing<2>(pSrc, srcStep, pDst, dstStep, roi, kind);
}

} // namespace

extern "C" {

ImagingStatus zfmiFilterSobelVert_8u16s_C1R_gn(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst,
                                               int32_t dstStep, RoiSize roiSize, int32_t maskSize)
{
    return filterSobel(pSrc, srcStep, pDst, dstStep, roiSize, maskSize, SobelVertical);
}

ImagingStatus zfmiFilterSobelHoriz_8u16s_C1R_gn(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst,
                                                int32_t dstStep, RoiSize roiSize, int32_t maskSize)
{
    return filterSobel(pSrc, srcStep, pDst, dstStep, roiSize, maskSize, SobelHorizontal);
}

} // extern "C"
