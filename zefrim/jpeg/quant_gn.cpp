// JPEG quantisation tables, generic build.
#include <cstdint>

#include "builds.h"
#include "quant.h"
#include "signal_internal.h"

ImagingStatus zigzagToNatural_gn(const uint16_t* source, uint16_t* destination)
{
    return quant::zigzagToNatural(source, destination);
}

ImagingStatus reciprocal16u_gn(uint16_t numerator, const uint16_t* source, uint16_t* destination,
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
    zeroShorts_gn(reinterpret_cast<int16_t*>(destination), count);
    return status;
}

ImagingStatus reciprocal16uInPlace_gn(uint16_t numerator, uint16_t* table, int32_t count)
{
    if (table == nullptr)
        return StatusNullPointer;
    if (count <= 0)
        return StatusBadSize;
    return reciprocal16u_gn(numerator, table, table, count);
}

namespace {

constexpr quant::BuildRoutines buildRoutines{zfmiConvert_8u16s_C1R_gn, zigzagToNatural_gn,
                                             reciprocal16uInPlace_gn};

}  // namespace

extern "C" {

ImagingStatus zfmiQuantFwdRawTableInit_JPEG_8u_gn(uint8_t* pQuantRawTable, int32_t qualityFactor)
{
    return quant::scaleRawTable(pQuantRawTable, qualityFactor);
}

ImagingStatus zfmiQuantInvTableInit_JPEG_8u16u_gn(const uint8_t* pQuantRawTable,
                                                  uint16_t* pQuantInvTable)
{
    return quant::invTableInit(buildRoutines, pQuantRawTable, pQuantInvTable);
}

ImagingStatus zfmiQuantFwdTableInit_JPEG_8u16u_gn(const uint8_t* pQuantRawTable,
                                                  uint16_t* pQuantFwdTable)
{
    return quant::fwdTableInit(buildRoutines, pQuantRawTable, pQuantFwdTable);
}

}  // extern "C"
