// The constant shifts of 16-bit arrays of the SSE2 and SSE3 builds, which share their kernels.
// Included once by each of signal_shift_s2.cpp and signal_shift_s3.cpp (the names take the
// build suffix of ZEFRIM_BUILD).

#include "build_token.h"
#include "builds.h"
#include "signal_internal.h"
#include "signal_shift_sse2.h"

void ZEFRIM_BUILD_NAME(shiftLeft16s)(int16_t* p, int32_t len, int32_t shift)
{
    shiftKernel128<ShiftLeft128>(p, len, shift);
}

void ZEFRIM_BUILD_NAME(shiftRight16s)(int16_t* p, int32_t len, int32_t shift)
{
    shiftKernel128<ShiftRight128>(p, len, shift);
}

extern "C" {

ImagingStatus ZEFRIM_BUILD_NAME(zfmsLShiftC_16s_I)(int32_t val, int16_t* pSrcDst, int32_t len)
{
    return shiftLeftEntry(val, pSrcDst, len, ZEFRIM_BUILD_NAME(shiftLeft16s), ZEFRIM_BUILD_NAME(zeroShorts));
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmsRShiftC_16s_I)(int32_t val, int16_t* pSrcDst, int32_t len)
{
    return shiftRightEntry(val, pSrcDst, len, ZEFRIM_BUILD_NAME(shiftRight16s));
}

} // extern "C"
