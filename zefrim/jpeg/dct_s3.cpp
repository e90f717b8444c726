// 8x8 DCTs with quantisation, SSE3 build: the vector builds' transforms in 128-bit
// registers.
#include <pmmintrin.h>

#include "builds.h"
#include "dct_sse2.h"

namespace {

__m128i loadUnaligned(const int16_t* p)
{
    return _mm_lddqu_si128(reinterpret_cast<const __m128i*>(p));
}

}  // namespace

extern "C" {

ImagingStatus zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_s3(const int16_t* pSrc, uint8_t* pDst,
                                                     int32_t dstStep,
                                                     const uint16_t* pQuantInvTable)
{
    return dct_sse2::dctQuantInv(pSrc, pDst, dstStep, pQuantInvTable, loadUnaligned);
}

ImagingStatus zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R_s3(const uint8_t* pSrc, int32_t srcStep,
                                                     int16_t* pDst,
                                                     const uint16_t* pQuantFwdTable)
{
    return dct_sse2::dctQuantFwd(pSrc, srcStep, pDst, pQuantFwdTable);
}

}  // extern "C"
