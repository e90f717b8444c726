// JPEG quantisation tables: quality scaling of a raw table, and the 16-bit tables in natural order
// that the inverse DCT multiplies by and the forward DCT multiplies with (Q15 reciprocals).
#pragma once

#include <cstddef>
#include <cstdint>

#include "build_token.h"
#include "zefrim/zefrim.h"

inline namespace ZEFRIM_BUILD_NAMESPACE {

// Natural index i -> position in the zigzag scan; the same contents in every build.
inline constexpr int32_t zigzagIndex[64] = {
    0,  1,  5,  6,  14, 15, 27, 28, //
    2,  4,  7,  13, 16, 26, 29, 42, //
    3,  8,  12, 17, 25, 30, 41, 43, //
    9,  11, 18, 24, 31, 40, 44, 53, //
    10, 19, 23, 32, 39, 45, 52, 54, //
    20, 22, 33, 38, 46, 51, 55, 60, //
    21, 34, 37, 47, 50, 56, 59, 61, //
    35, 36, 48, 49, 57, 58, 62, 63,
};

} // namespace ZEFRIM_BUILD_NAMESPACE

// Per build: destination[i] = source[zigzagIndex[i]]; the arrays must not overlap.
ImagingStatus zigzagToNatural_gn(const uint16_t* source, uint16_t* destination);
ImagingStatus zigzagToNatural_s1(const uint16_t* source, uint16_t* destination);
ImagingStatus zigzagToNatural_s2(const uint16_t* source, uint16_t* destination);
ImagingStatus zigzagToNatural_s3(const uint16_t* source, uint16_t* destination);

// Per build: destination[i] = numerator / source[i], rounded; 0xFFFF and the warning
// StatusDivisionByZero for a zero divisor. Source and destination may be the same array.
ImagingStatus reciprocal16u_gn(uint16_t numerator, const uint16_t* source, uint16_t* destination,
                               int32_t count);
ImagingStatus reciprocal16u_s1(uint16_t numerator, const uint16_t* source, uint16_t* destination,
                               int32_t count);
ImagingStatus reciprocal16u_s2(uint16_t numerator, const uint16_t* source, uint16_t* destination,
                               int32_t count);
ImagingStatus reciprocal16u_s3(uint16_t numerator, const uint16_t* source, uint16_t* destination,
                               int32_t count);

ImagingStatus reciprocal16uInPlace_gn(uint16_t numerator, uint16_t* table, int32_t count);
ImagingStatus reciprocal16uInPlace_s1(uint16_t numerator, uint16_t* table, int32_t count);
ImagingStatus reciprocal16uInPlace_s2(uint16_t numerator, uint16_t* table, int32_t count);
ImagingStatus reciprocal16uInPlace_s3(uint16_t numerator, uint16_t* table, int32_t count);

// The JPEG functions' own vector builds of the 8u -> 16s widening (arguments and checks of
// zfmiConvert_8u16s_C1R); they choose streaming stores by limits of their own.
ImagingStatus convert8u16sJpeg_s1(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                  RoiSize roiSize);
ImagingStatus convert8u16sJpeg_s2(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                  RoiSize roiSize);
ImagingStatus convert8u16sJpeg_s3(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst, int32_t dstStep,
                                  RoiSize roiSize);

namespace quant::inline ZEFRIM_BUILD_NAMESPACE {

// Quality scaling in 64 bits: 200 - 2Q and 5000 / Q stay meaningful for every 32-bit Q.
static inline ImagingStatus scaleRawTable(uint8_t* table, int32_t qualityFactor)
{
    if (table == nullptr)
        return StatusNullPointer;
    if (qualityFactor == 0)
        return StatusBadArgument;
    const int64_t scale =
        qualityFactor < 50 ? 5000 / qualityFactor : 200 - 2 * static_cast<int64_t>(qualityFactor);
    for (int i = 0; i < 64; ++i) {
        const int64_t v = (scale * table[i] + 50) / 100;
        table[i] = static_cast<uint8_t>(v <= 0 ? 1 : (v > 255 ? 255 : v));
    }
    return StatusOk;
}

static inline ImagingStatus zigzagToNatural(const uint16_t* source, uint16_t* destination)
{
    if (source == nullptr || destination == nullptr)
        return StatusNullPointer;
    for (int i = 0; i < 64; ++i)
        destination[i] = source[zigzagIndex[i]];
    return StatusOk;
}

// numerator / divisor rounded to nearest from the 16.16 quotient; divisor is not 0.
static inline uint16_t reciprocalEntry(uint32_t numerator, uint32_t divisor)
{
    const uint32_t t = (numerator << 16) / divisor;
    return static_cast<uint16_t>((t + 0x7FFF + 2 * ((t >> 16) & 1)) >> 16);
}

// The non-zero numerator case of reciprocal16u; the checks are the caller's.
static inline ImagingStatus reciprocalEntries(uint16_t numerator, const uint16_t* source,
                                              uint16_t* destination, int32_t count)
{
    ImagingStatus status = StatusOk;
    for (int32_t i = 0; i < count; ++i) {
        if (source[i] == 0) {
            destination[i] = 0xFFFF;
            status = StatusDivisionByZero;
        } else {
            destination[i] = reciprocalEntry(numerator, source[i]);
        }
    }
    return status;
}

static inline ImagingStatus anyZeroDivisor(const uint16_t* source, int32_t count)
{
    for (int32_t i = 0; i < count; ++i)
        if (source[i] == 0)
            return StatusDivisionByZero;
    return StatusOk;
}

// Above these sizes the vector builds' widening bypasses the cache (a merged run; row by row).
constexpr int32_t mergedStreamingLimit = 87381;
constexpr int64_t rowStreamingLimit = 174763;
constexpr int32_t rowStreamingMinWidth = 512;

// The vector builds' 8u -> 16s widening with the checks of zfmiConvert_8u16s_C1R: one run when
// the rows follow each other, else row by row. convertRow(src, dst, count, streaming) is the
// build's row.
template <class ConvertRow>
static inline ImagingStatus widenForTables(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst,
                                           int32_t dstStep, RoiSize roiSize, ConvertRow convertRow)
{
    if (pSrc == nullptr || pDst == nullptr)
        return StatusNullPointer;
    if (roiSize.width <= 0 || roiSize.height <= 0)
        return StatusBadSize;
    if (srcStep <= 0 || dstStep <= 0)
        return StatusBadStep;
    const int32_t width = roiSize.width;
    const int64_t mergedCount = static_cast<int64_t>(width) * roiSize.height;
    if (static_cast<int64_t>(dstStep) == 2 * static_cast<int64_t>(srcStep) && srcStep == width &&
        mergedCount <= INT32_MAX) {
        const auto count = static_cast<int32_t>(mergedCount);
        convertRow(pSrc, pDst, count, count > mergedStreamingLimit);
        return StatusOk;
    }
    const bool streamRows = mergedCount > rowStreamingLimit && width > rowStreamingMinWidth;
    for (ptrdiff_t y = 0; y < roiSize.height; ++y) {
        int16_t* row = reinterpret_cast<int16_t*>(reinterpret_cast<uint8_t*>(pDst) + y * dstStep);
        convertRow(pSrc + y * srcStep, row, width, streamRows);
    }
    return StatusOk;
}

// The table inits of one build, given that build's widening, reordering and reciprocal.
struct BuildRoutines {
    ImagingStatus (*widen)(const uint8_t*, int32_t, int16_t*, int32_t, RoiSize);
    ImagingStatus (*toNatural)(const uint16_t*, uint16_t*);
    ImagingStatus (*reciprocalInPlace)(uint16_t, uint16_t*, int32_t);
};

static inline ImagingStatus invTableInit(const BuildRoutines& build, const uint8_t* rawTable,
                                         uint16_t* invTable)
{
    if (invTable == nullptr || rawTable == nullptr)
        return StatusNullPointer;
    alignas(16) int16_t widened[64];
    ImagingStatus status = build.widen(rawTable, 8, widened, 16, RoiSize{8, 8});
    if (status != StatusOk)
        return status;
    return build.toNatural(reinterpret_cast<const uint16_t*>(widened), invTable);
}

static inline ImagingStatus fwdTableInit(const BuildRoutines& build, const uint8_t* rawTable,
                                         uint16_t* fwdTable)
{
    const ImagingStatus status = invTableInit(build, rawTable, fwdTable);
    if (status != StatusOk)
        return status;
    return build.reciprocalInPlace(32768, fwdTable, 64);
}

} // namespace quant::inline ZEFRIM_BUILD_NAMESPACE
