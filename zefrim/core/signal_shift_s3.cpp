// The s3 constant shifts of 16-bit arrays.
#include "builds.h"
#include "signal_internal.h"
#include "signal_shift_sse2.h"

void shiftLeft16s_s3(int16_t* p, int32_t len, int32_t shift)
{
    shiftKernel128<ShiftLeft128>(p, len, shift);
}

void shiftRight16s_s3(int16_t* p, int32_t len, int32_t shift)
{
    shiftKernel128<ShiftRight128>(p, len, shift);
}

extern "C" {

ImagingStatus zfmsLShiftC_16s_I_s3(int32_t val, int16_t* pSrcDst, int32_t len)
{
    return shiftLeftEntry(val, pSrcDst, len, shiftLeft16s_s3, zeroShorts_s3);
}

ImagingStatus zfmsRShiftC_16s_I_s3(int32_t val, int16_t* pSrcDst, int32_t len)
{
    return shiftRightEntry(val, pSrcDst, len, shiftRight16s_s3);
}

}  // extern "C"
