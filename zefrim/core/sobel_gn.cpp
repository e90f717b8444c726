// Sobel filters, generic build: a horizontal pass of every source row into a ring of rows, then
// one vertical combination per output row. The 3x3 masks run on 16-bit lanes of SSE2 (part of the
// x86-64 base set); their first-pass values lie within -255..1020 and their results within
// -1020..1020, so no lane ever wraps and the results equal those of 32-bit sums. The 5x5 masks keep
// 32-bit rows, left to the vectoriser.
#include "arith_lanes_sse2.h"
#include "builds.h"
#include "copy_access.h"
#include "aligned_blocks.h"
#include "sobel_checks.h"

namespace {

using L = Sse2Lanes;

// The 3x3 vertical-edge mask: left minus right in each row, then rows weighted 1, 2, 1.
struct VerticalEdges3 {
    static __m128i first(const uint8_t* s) { return L::sub(L::widenBytes(s - 1), L::widenBytes(s + 1)); }
    static int32_t first(const uint8_t* s, int32_t x) { return s[x - 1] - s[x + 1]; }
    static int32_t second(int32_t older, int32_t middle, int32_t newest)
    {
        return older + 2 * middle + newest;
    }
    static __m128i second(__m128i older, __m128i middle, __m128i newest)
    {
        return L::add(L::add(older, newest), L::add(middle, middle));
    }
};

// The 3x3 horizontal-edge mask: each row weighted 1, 2, 1 across, then lower minus upper.
struct HorizontalEdges3 {
    static __m128i first(const uint8_t* s)
    {
        const __m128i centre = L::widenBytes(s);
        return L::add(L::add(L::widenBytes(s - 1), L::widenBytes(s + 1)), L::add(centre, centre));
    }
    static int32_t first(const uint8_t* s, int32_t x) { return s[x - 1] + 2 * s[x] + s[x + 1]; }
    static int32_t second(int32_t older, int32_t, int32_t newest) { return newest - older; }
    static __m128i second(__m128i older, __m128i, __m128i newest) { return L::sub(newest, older); }
};

// First pass of one source row into a ring row; s points at column 0.
template <class Mask> void firstPassRow3(const uint8_t* s, int16_t* out, int32_t width)
{
    int32_t x = 0;
    for (; x + 8 <= width; x += 8)
        L::storeAligned(out + x, Mask::first(s + x));
    for (; x < width; ++x)
        out[x] = static_cast<int16_t>(Mask::first(s, x));
}

// One output row: the newest source row's first pass is made, kept in the ring for the next two
// output rows and combined at once with the two older ring rows, in one sweep.
template <class Mask>
void outputRow3(const uint8_t* newestSource, int16_t* const* rows, int16_t* dst, int32_t width)
{
    int32_t x = 0;
    for (; x + 8 <= width; x += 8) {
        const __m128i newest = Mask::first(newestSource + x);
        L::storeAligned(rows[2] + x, newest);
        L::store(dst + x, Mask::second(L::loadAligned(rows[0] + x), L::loadAligned(rows[1] + x), newest));
    }
    for (; x < width; ++x) {
        const int32_t newest = Mask::first(newestSource, x);
        rows[2][x] = static_cast<int16_t>(newest);
        store16(dst, x, Mask::second(rows[0][x], rows[1][x], newest));
    }
}

template <class Mask>
ImagingStatus filterSobel3(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep, RoiSize roi)
{
    // Three ring rows, each starting on a 16-byte boundary.
    const int64_t rowLength = (int64_t(roi.width) + 7) & ~int64_t(7);
    const int64_t elements = 3 * rowLength;
    int16_t* block = elements > INT32_MAX
                         ? nullptr
                         : static_cast<int16_t*>(alignedMalloc_32s_gn(static_cast<int32_t>(elements / 2)));
    if (block == nullptr)
        return StatusNoMemory;
    int16_t* rows[3] = {block, block + rowLength, block + 2 * rowLength};
    firstPassRow3<Mask>(rowAt(pSrc, -1, srcStep), rows[0], roi.width);
    firstPassRow3<Mask>(rowAt(pSrc, 0, srcStep), rows[1], roi.width);
    for (int32_t y = 0; y < roi.height; ++y) {
        outputRow3<Mask>(rowAt(pSrc, y + 1, srcStep), rows, rowAt(pDst, y, dstStep), roi.width);
        int16_t* const oldest = rows[0];
        rows[0] = rows[1];
        rows[1] = rows[2];
        rows[2] = oldest;
    }
    zfmsFree_gn(block);
    return StatusOk;
}

// 5x5 horizontal pass of one source row for x = 0..width-1; s points at column 0.
void rowPass5(const uint8_t* s, int32_t* out, int32_t width, SobelKind kind)
{
    for (int32_t x = 0; x < width; ++x)
        out[x] = kind == SobelVertical ? s[x - 2] + 2 * s[x - 1] - 2 * s[x + 1] - s[x + 2]
                                       : s[x - 2] + s[x + 2] + 4 * (s[x - 1] + s[x + 1]) + 6 * s[x];
}

// rows[0] is the oldest row (y - 2), rows[4] the newest.
void combine5(int32_t* const* rows, int16_t* dst, int32_t width, SobelKind kind)
{
    for (int32_t x = 0; x < width; ++x) {
        const int32_t v = kind == SobelVertical
                              ? rows[0][x] + rows[4][x] + 4 * (rows[1][x] + rows[3][x]) + 6 * rows[2][x]
                              : (rows[4][x] - rows[0][x]) + 2 * (rows[3][x] - rows[1][x]);
        store16(dst, x, v);
    }
}

ImagingStatus filterSobel5(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep, RoiSize roi,
                           SobelKind kind)
{
    constexpr int radius = 2;
    constexpr int ringRows = 2 * radius + 1;
    const int64_t elements = int64_t(ringRows) * roi.width;
    int32_t* block = elements > INT32_MAX
                         ? nullptr
                         : static_cast<int32_t*>(alignedMalloc_32s_gn(static_cast<int32_t>(elements)));
    if (block == nullptr)
        return StatusNoMemory;
    auto rowPass = [&](int32_t sourceRow, int32_t* out) {
        rowPass5(rowAt(pSrc, sourceRow, srcStep), out, roi.width, kind);
    };
    int32_t* rows[ringRows];
    for (int k = 0; k < ringRows; ++k)
        rows[k] = block + int64_t(k) * roi.width;
    for (int k = 0; k < ringRows - 1; ++k)
        rowPass(k - radius, rows[k]);
    for (int32_t y = 0; y < roi.height; ++y) {
        rowPass(y + radius, rows[ringRows - 1]);
        combine5(rows, rowAt(pDst, y, dstStep), roi.width, kind);
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
        return kind == SobelVertical ? filterSobel3<VerticalEdges3>(pSrc, srcStep, pDst, dstStep, roi)
                                     : filterSobel3<HorizontalEdges3>(pSrc, srcStep, pDst, dstStep, roi);
    return filterSobel5(pSrc, srcStep, pDst, dstStep, roi, kind);
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
