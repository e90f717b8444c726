// The 16-bit clearing routine and the zfmsCopy_8u and zfmsZero_8u exports of one build, on its own
// copyBytes and zeroBytes kernels. Included once at the end of signal_memory_gn.cpp, _s2.cpp and
// _s3.cpp; the names take the build suffix of ZEFRIM_BUILD.

#include "build_token.h"
#include "builds.h"
#include "signal_internal.h"
#include "signal_moves.h"

ImagingStatus ZEFRIM_BUILD_NAME(zeroShorts)(int16_t* pDst, int32_t count)
{
    return zeroShortsInChunks(pDst, count, ZEFRIM_BUILD_NAME(zeroBytes));
}

extern "C" {

ImagingStatus ZEFRIM_BUILD_NAME(zfmsCopy_8u)(const uint8_t* pSrc, uint8_t* pDst, int32_t len)
{
    if (pSrc == nullptr || pDst == nullptr)
        return StatusNullPointer;
    if (len <= 0)
        return StatusBadSize;
    ZEFRIM_BUILD_NAME(copyBytes)(pSrc, pDst, len);
    return StatusOk;
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmsZero_8u)(uint8_t* pDst, int32_t len)
{
    if (pDst == nullptr)
        return StatusNullPointer;
    if (len <= 0)
        return StatusBadSize;
    ZEFRIM_BUILD_NAME(zeroBytes)(pDst, len);
    return StatusOk;
}

} // extern "C"
