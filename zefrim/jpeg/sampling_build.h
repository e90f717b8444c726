// The chroma down- and up-sampling exports of one build. Included once by each sampling_<build>.cpp
// (the names take the build suffix of ZEFRIM_BUILD); every build runs the same code.

#include "build_token.h"
#include "builds.h"
#include "sampling.h"

// A build may give its own H2V2 up-sampling row (ZEFRIM_UP_ROW_H2V2) before including this file,
// and with it one that makes the two target rows of a source row together (ZEFRIM_UP_ROWS_H2V2).
#ifndef ZEFRIM_UP_ROW_H2V2
#define ZEFRIM_UP_ROW_H2V2 sampling::upRowH2V2
#endif

extern "C" {

ImagingStatus ZEFRIM_BUILD_NAME(zfmiSampleDownH2V1_JPEG_8u_C1R)(const uint8_t* pSrc, int32_t srcStep,
                                                                RoiSize srcRoiSize, uint8_t* pDst,
                                                                int32_t dstStep, RoiSize dstRoiSize)
{
    return sampling::downH2V1(pSrc, srcStep, srcRoiSize, pDst, dstStep, dstRoiSize);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiSampleDownH2V2_JPEG_8u_C1R)(const uint8_t* pSrc, int32_t srcStep,
                                                                RoiSize srcRoiSize, uint8_t* pDst,
                                                                int32_t dstStep, RoiSize dstRoiSize)
{
    return sampling::downH2V2(pSrc, srcStep, srcRoiSize, pDst, dstStep, dstRoiSize);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiSampleUpH2V1_JPEG_8u_C1R)(const uint8_t* pSrc, int32_t srcStep,
                                                              RoiSize srcRoiSize, uint8_t* pDst,
                                                              int32_t dstStep, RoiSize dstRoiSize)
{
    return sampling::upH2V1(pSrc, srcStep, srcRoiSize, pDst, dstStep, dstRoiSize);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiSampleUpH2V2_JPEG_8u_C1R)(const uint8_t* pSrc, int32_t srcStep,
                                                              RoiSize srcRoiSize, uint8_t* pDst,
                                                              int32_t dstStep, RoiSize dstRoiSize)
{
#ifdef ZEFRIM_UP_ROWS_H2V2
    return sampling::upH2V2InPairs<ZEFRIM_UP_ROWS_H2V2, ZEFRIM_UP_ROW_H2V2>(pSrc, srcStep, srcRoiSize, pDst,
                                                                            dstStep, dstRoiSize);
#else
    return sampling::upH2V2<ZEFRIM_UP_ROW_H2V2>(pSrc, srcStep, srcRoiSize, pDst, dstStep, dstRoiSize);
#endif
}

} // extern "C"
