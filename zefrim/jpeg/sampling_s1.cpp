// Chroma down- and up-sampling, MMX/SSE build.
#include "builds.h"
#include "sampling.h"

extern "C" {

ImagingStatus zfmiSampleDownH2V1_JPEG_8u_C1R_s1(const uint8_t* pSrc, int32_t srcStep,
                                                RoiSize srcRoiSize, uint8_t* pDst,
                                                int32_t dstStep, RoiSize dstRoiSize)
{
    return sampling::downH2V1(pSrc, srcStep, srcRoiSize, pDst, dstStep, dstRoiSize);
}

ImagingStatus zfmiSampleDownH2V2_JPEG_8u_C1R_s1(const uint8_t* pSrc, int32_t srcStep,
                                                RoiSize srcRoiSize, uint8_t* pDst,
                                                int32_t dstStep, RoiSize dstRoiSize)
{
    return sampling::downH2V2(pSrc, srcStep, srcRoiSize, pDst, dstStep, dstRoiSize);
}

ImagingStatus zfmiSampleUpH2V1_JPEG_8u_C1R_s1(const uint8_t* pSrc, int32_t srcStep,
                                              RoiSize srcRoiSize, uint8_t* pDst, int32_t dstStep,
                                              RoiSize dstRoiSize)
{
    return sampling::upH2V1(pSrc, srcStep, srcRoiSize, pDst, dstStep, dstRoiSize);
}

ImagingStatus zfmiSampleUpH2V2_JPEG_8u_C1R_s1(const uint8_t* pSrc, int32_t srcStep,
                                              RoiSize srcRoiSize, uint8_t* pDst, int32_t dstStep,
                                              RoiSize dstRoiSize)
{
    return sampling::upH2V2(pSrc, srcStep, srcRoiSize, pDst, dstStep, dstRoiSize);
}

}  // extern "C"
