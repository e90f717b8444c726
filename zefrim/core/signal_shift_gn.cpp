// Generic constant shifts of 16-bit arrays: the loops run inside the entries.
#include "builds.h"
#include "signal_internal.h"
#include "signal_shift.h"

extern "C" {

ImagingStatus zfmsLShiftC_16s_I_gn(int32_t val, int16_t* pSrcDst, int32_t len)
{
    if (val > kLargestShift)
        return zeroShorts_gn(pSrcDst, len);
    const ImagingStatus status = checkShiftArguments(val, pSrcDst, len);
    if (status != StatusOk || val == 0)
        return status;
    shiftLeftLoop(pSrcDst, len, val);
    return StatusOk;
}

ImagingStatus zfmsRShiftC_16s_I_gn(int32_t val, int16_t* pSrcDst, int32_t len)
{
    const ImagingStatus status = checkShiftArguments(val, pSrcDst, len);
    if (status != StatusOk || val == 0)
        return status;
    // Beyond 15 only the sign is left.
    shiftRightLoop(pSrcDst, len, val > kLargestShift ? kLargestShift : val);
    return StatusOk;
}

} // extern "C"
