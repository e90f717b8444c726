// 8x8 DCTs with quantisation, MMX/SSE build: the vector builds' transforms.
#include "builds.h"
#include "dct_vector.h"

extern "C" {

ImagingStatus zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_s1(const int16_t* pSrc, uint8_t* pDst, int32_t dstStep,
                                                     const uint16_t* pQuantInvTable)
{
    return dct_vector::dctQuantInv(pSrc, pDst, dstStep, pQuantInvTable);
}

ImagingStatus zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R_s1(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst,
                                                     const uint16_t* pQuantFwdTable)
{
    return dct_vector::dctQuantFwd(pSrc, srcStep, pDst, pQuantFwdTable);
}

} // extern "C"
