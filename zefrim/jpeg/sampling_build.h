// The chroma down- and up-sampling exports of one build. Included once by each
// sampling_<build>.cpp after it has defined SAMPLING_BUILD_NAME (appends the build's suffix); every
// build runs the same code.

#include "builds.h"
#include "sampling.h"

extern "C" {

ImagingStatus SAMPLING_BUILD_NAME(zfmiSampleDownH2V1_JPEG_8u_C1R)(
    const uint8_t* pSrc, int32_t srcStep, RoiSize srcRoiSize, uint8_t* pDst, int32_t dstStep,
    RoiSize dstRoiSize)
{
    return sampling::downH2V1(pSrc, srcStep, srcRoiSize, pDst, dstStep, dstRoiSize);
}

ImagingStatus SAMPLING_BUILD_NAME(zfmiSampleDownH2V2_JPEG_8u_C1R)(
    const uint8_t* pSrc, int32_t srcStep, RoiSize srcRoiSize, uint8_t* pDst, int32_t dstStep,
    RoiSize dstRoiSize)
{
    return sampling::downH2V2(pSrc, srcStep, srcRoiSize, pDst, dstStep, dstRoiSize);
}

ImagingStatus SAMPLING_BUILD_NAME(zfmiSampleUpH2V1_JPEG_8u_C1R)(
    const uint8_t* pSrc, int32_t srcStep, RoiSize srcRoiSize, uint8_t* pDst, int32_t dstStep,
    RoiSize dstRoiSize)
{
    return sampling::upH2V1(pSrc, srcStep, srcRoiSize, pDst, dstStep, dstRoiSize);
}

ImagingStatus SAMPLING_BUILD_NAME(zfmiSampleUpH2V2_JPEG_8u_C1R)(
    const uint8_t* pSrc, int32_t srcStep, RoiSize srcRoiSize, uint8_t* pDst, int32_t dstStep,
    RoiSize dstRoiSize)
{
    return sampling::upH2V2(pSrc, srcStep, srcRoiSize, pDst, dstStep, dstRoiSize);
}

}  // extern "C"
