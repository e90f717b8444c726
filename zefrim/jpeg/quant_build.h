// The quantisation-table functions of one build. Included once by each quant_<build>.cpp after it
// has defined QUANT_WIDEN (its 8u -> 16s widening); the builds differ only in those routines.

#include "build_token.h"
#include "builds.h"
#include "quant.h"
#include "signal_internal.h"

ImagingStatus ZEFRIM_BUILD_NAME(zigzagToNatural)(const uint16_t* source, uint16_t* destination)
{
    return quant::zigzagToNatural(source, destination);
}

ImagingStatus ZEFRIM_BUILD_NAME(reciprocal16u)(uint16_t numerator, const uint16_t* source,
                                               uint16_t* destination, int32_t count)
{
    if (source == nullptr || destination == nullptr)
        return StatusNullPointer;
    if (count <= 0)
        return StatusBadSize;
    if (numerator != 0)
        return quant::reciprocalEntries(numerator, source, destination, count);
    // Look at the divisors before clearing: source and destination may be one array.
    const ImagingStatus status = quant::anyZeroDivisor(source, count);
    ZEFRIM_BUILD_NAME(zeroShorts)(reinterpret_cast<int16_t*>(destination), count);
    return status;
}

ImagingStatus ZEFRIM_BUILD_NAME(reciprocal16uInPlace)(uint16_t numerator, uint16_t* table, int32_t count)
{
    if (table == nullptr)
        return StatusNullPointer;
    if (count <= 0)
        return StatusBadSize;
    return ZEFRIM_BUILD_NAME(reciprocal16u)(numerator, table, table, count);
}

namespace {

constexpr quant::BuildRoutines buildRoutines{QUANT_WIDEN, ZEFRIM_BUILD_NAME(zigzagToNatural),
                                             ZEFRIM_BUILD_NAME(reciprocal16uInPlace)};

} // namespace

extern "C" {

ImagingStatus ZEFRIM_BUILD_NAME(zfmiQuantFwdRawTableInit_JPEG_8u)(uint8_t* pQuantRawTable,
                                                                  int32_t qualityFactor)
{
    return quant::scaleRawTable(pQuantRawTable, qualityFactor);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiQuantInvTableInit_JPEG_8u16u)(const uint8_t* pQuantRawTable,
                                                                  uint16_t* pQuantInvTable)
{
    return quant::invTableInit(buildRoutines, pQuantRawTable, pQuantInvTable);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiQuantFwdTableInit_JPEG_8u16u)(const uint8_t* pQuantRawTable,
                                                                  uint16_t* pQuantFwdTable)
{
    return quant::fwdTableInit(buildRoutines, pQuantRawTable, pQuantFwdTable);
}

} // extern "C"
