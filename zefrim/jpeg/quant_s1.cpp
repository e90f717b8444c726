// JPEG quantisation tables, MMX/SSE build.
#include <cstddef>
#include <cstdint>

#include "builds.h"
#include "convert_internal.h"
#include "quant.h"
#include "signal_internal.h"

namespace {

int16_t* rowOf(int16_t* base, ptrdiff_t byteOffset)
{
    return reinterpret_cast<int16_t*>(reinterpret_cast<uint8_t*>(base) + byteOffset);
}

}  // namespace

ImagingStatus convert8u16sJpeg_s1(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst,
                                  int32_t dstStep, RoiSize roiSize)
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
        convertRow8u16s_s1(pSrc, pDst, static_cast<int32_t>(mergedCount));
        return StatusOk;
    }
    for (ptrdiff_t y = 0; y < roiSize.height; ++y)
        convertRow8u16s_s1(pSrc + y * srcStep, rowOf(pDst, y * dstStep), width);
    return StatusOk;
}

ImagingStatus zigzagToNatural_s1(const uint16_t* source, uint16_t* destination)
{
    return quant::zigzagToNatural(source, destination);
}

ImagingStatus reciprocal16u_s1(uint16_t numerator, const uint16_t* source, uint16_t* destination,
                               int32_t count)
{
    if (source == nullptr || destination == nullptr)
        return StatusNullPointer;
    if (count <= 0)
        return StatusBadSize;
    if (numerator != 0)
        return quant::reciprocalEntries(numerator, source, destination, count);
    // Look at the divisors before clearing: source and destination may be one array.
    const ImagingStatus status = quant::anyZeroDivisor(source, count);
    zeroShorts_s1(reinterpret_cast<int16_t*>(destination), count);
    return status;
}

ImagingStatus reciprocal16uInPlace_s1(uint16_t numerator, uint16_t* table, int32_t count)
{
    if (table == nullptr)
        return StatusNullPointer;
    if (count <= 0)
        return StatusBadSize;
    return reciprocal16u_s1(numerator, table, table, count);
}

namespace {

constexpr quant::BuildRoutines buildRoutines{convert8u16sJpeg_s1, zigzagToNatural_s1,
                                             reciprocal16uInPlace_s1};

}  // namespace

extern "C" {

ImagingStatus zfmiQuantFwdRawTableInit_JPEG_8u_s1(uint8_t* pQuantRawTable, int32_t qualityFactor)
{
    return quant::scaleRawTable(pQuantRawTable, qualityFactor);
}

ImagingStatus zfmiQuantInvTableInit_JPEG_8u16u_s1(const uint8_t* pQuantRawTable,
                                                  uint16_t* pQuantInvTable)
{
    return quant::invTableInit(buildRoutines, pQuantRawTable, pQuantInvTable);
}

ImagingStatus zfmiQuantFwdTableInit_JPEG_8u16u_s1(const uint8_t* pQuantRawTable,
                                                  uint16_t* pQuantFwdTable)
{
    return quant::fwdTableInit(buildRoutines, pQuantRawTable, pQuantFwdTable);
}

}  // extern "C"
