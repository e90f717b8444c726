// The JPEG colour conversions of one build. Included once by each jpeg_colour_<build>.cpp after it
// has defined, in the anonymous namespace, its per-pixel rules lumaOf, yccOf and cmykYccOf and its
// YCbCr-to-pixels row pixelRow.

#include "build_token.h"
#include "builds.h"

extern "C" {

ImagingStatus ZEFRIM_BUILD_NAME(zfmiRGBToY_JPEG_8u_C3C1R)(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst,
                                                          int32_t dstStep, RoiSize roiSize)
{
    return rgbToLuma(pSrc, srcStep, pDst, dstStep, roiSize, lumaOf);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiRGBToYCbCr_JPEG_8u_C3P3R)(const uint8_t* pSrc, int32_t srcStep,
                                                              uint8_t* const pDst[3], int32_t dstStep,
                                                              RoiSize roiSize)
{
    return rgbToPlanes(pSrc, srcStep, pDst, dstStep, roiSize, rgbOrder, yccOf);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiBGRToYCbCr_JPEG_8u_C3P3R)(const uint8_t* pSrc, int32_t srcStep,
                                                              uint8_t* const pDst[3], int32_t dstStep,
                                                              RoiSize roiSize)
{
    return rgbToPlanes(pSrc, srcStep, pDst, dstStep, roiSize, bgrOrder, yccOf);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiCMYKToYCCK_JPEG_8u_C4P4R)(const uint8_t* pSrc, int32_t srcStep,
                                                              uint8_t* const pDst[4], int32_t dstStep,
                                                              RoiSize roiSize)
{
    return cmykToPlanes(pSrc, srcStep, pDst, dstStep, roiSize, cmykYccOf);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiYCbCrToRGB_JPEG_8u_P3C3R)(const uint8_t* const pSrc[3], int32_t srcStep,
                                                              uint8_t* pDst, int32_t dstStep, RoiSize roiSize)
{
    return planesToPixels(pSrc, srcStep, pDst, dstStep, roiSize, rgbLayout, pixelRow);
}

ImagingStatus ZEFRIM_BUILD_NAME(zfmiYCbCrToBGR_JPEG_8u_P3C3R)(const uint8_t* const pSrc[3], int32_t srcStep,
                                                              uint8_t* pDst, int32_t dstStep, RoiSize roiSize)
{
    return planesToPixels(pSrc, srcStep, pDst, dstStep, roiSize, bgrLayout, pixelRow);
}

} // extern "C"
