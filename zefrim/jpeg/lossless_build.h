// The lossless JPEG prediction and reconstruction exports of one build. Included once by each
// lossless_<build>.cpp (the names take the build suffix of ZEFRIM_BUILD); every build runs the
// same code.

#include "build_token.h"
#include "builds.h"
#include "lossless.h"

extern "C" {

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDiffPredFirstRow_JPEG_16s_C1)(const int16_t* pSrc, int16_t* pDst,
                                                                  int32_t width, int32_t P, int32_t Pt)
{
    return lossless::diffFirstRow(pSrc, pDst, width, P, Pt);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiDiffPredRow_JPEG_16s_C1)(const int16_t* pSrc, const int16_t* pPrevRow,
                                                             int16_t* pDst, int32_t width, int32_t predictor)
{
    return lossless::diffRow(pSrc, pPrevRow, pDst, width, predictor);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiReconstructPredFirstRow_JPEG_16s_C1)(const int16_t* pSrc, int16_t* pDst,
                                                                         int32_t width, int32_t P, int32_t Pt)
{
    return lossless::reconstructFirstRow(pSrc, pDst, width, P, Pt);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiReconstructPredRow_JPEG_16s_C1)(const int16_t* pSrc,
                                                                    const int16_t* pPrevRow, int16_t* pDst,
                                                                    int32_t width, int32_t predictor)
{
    return lossless::reconstructRow(pSrc, pPrevRow, pDst, width, predictor);
}

} // extern "C"
