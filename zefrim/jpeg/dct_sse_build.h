// The DCT exports of the SSE2 and SSE3 builds. Included once by each of dct_s2.cpp and dct_s3.cpp
// after it has defined loadUnaligned (its unaligned 128-bit load).

#include "build_token.h"
#include "builds.h"
#include "dct_sse2.h"

extern "C" {

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R)(const int16_t* pSrc, uint8_t* pDst,
                                                                     int32_t dstStep,
                                                                     const uint16_t* pQuantInvTable)
{
    return dct_sse2::dctQuantInv(pSrc, pDst, dstStep, pQuantInvTable, loadUnaligned);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R)(const uint8_t* pSrc, int32_t srcStep,
                                                                     int16_t* pDst,
                                                                     const uint16_t* pQuantFwdTable)
{
    return dct_sse2::dctQuantFwd(pSrc, srcStep, pDst, pQuantFwdTable);
}

} // extern "C"
