// Lossless JPEG prediction and reconstruction, MMX/SSE build.
#include "builds.h"
#include "lossless.h"

extern "C" {

ImagingStatus zfmiDiffPredFirstRow_JPEG_16s_C1_s1(const int16_t* pSrc, int16_t* pDst,
                                                  int32_t width, int32_t P, int32_t Pt)
{
    return lossless::diffFirstRow(pSrc, pDst, width, P, Pt);
}

ImagingStatus zfmiDiffPredRow_JPEG_16s_C1_s1(const int16_t* pSrc, const int16_t* pPrevRow,
                                             int16_t* pDst, int32_t width, int32_t predictor)
{
    return lossless::diffRow(pSrc, pPrevRow, pDst, width, predictor);
}

ImagingStatus zfmiReconstructPredFirstRow_JPEG_16s_C1_s1(const int16_t* pSrc, int16_t* pDst,
                                                         int32_t width, int32_t P, int32_t Pt)
{
    return lossless::reconstructFirstRow(pSrc, pDst, width, P, Pt);
}

ImagingStatus zfmiReconstructPredRow_JPEG_16s_C1_s1(const int16_t* pSrc, const int16_t* pPrevRow,
                                                    int16_t* pDst, int32_t width,
                                                    int32_t predictor)
{
    return lossless::reconstructRow(pSrc, pPrevRow, pDst, width, predictor);
}

}  // extern "C"
