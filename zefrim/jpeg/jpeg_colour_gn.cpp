// JPEG colour conversions, generic build: table look-ups in 16-bit fixed point.
#include "builds.h"
#include "jpeg_colour.h"

using namespace jpeg_colour;

namespace {

void rowGenericFull(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out,
                    int32_t width, PixelLayout layout)
{
    rowGeneric(y, cb, cr, out, 0, width, layout);
}

}  // namespace

extern "C" {

ImagingStatus zfmiRGBToY_JPEG_8u_C3C1R_gn(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst,
                                          int32_t dstStep, RoiSize roiSize)
{
    return rgbToLuma(pSrc, srcStep, pDst, dstStep, roiSize, lumaGeneric);
}

ImagingStatus zfmiRGBToYCbCr_JPEG_8u_C3P3R_gn(const uint8_t* pSrc, int32_t srcStep,
                                              uint8_t* const pDst[3], int32_t dstStep,
                                              RoiSize roiSize)
{
    return rgbToPlanes(pSrc, srcStep, pDst, dstStep, roiSize, rgbOrder, yccGenericAt);
}

ImagingStatus zfmiBGRToYCbCr_JPEG_8u_C3P3R_gn(const uint8_t* pSrc, int32_t srcStep,
                                              uint8_t* const pDst[3], int32_t dstStep,
                                              RoiSize roiSize)
{
    return rgbToPlanes(pSrc, srcStep, pDst, dstStep, roiSize, bgrOrder, yccGenericAt);
}

ImagingStatus zfmiCMYKToYCCK_JPEG_8u_C4P4R_gn(const uint8_t* pSrc, int32_t srcStep,
                                              uint8_t* const pDst[4], int32_t dstStep,
                                              RoiSize roiSize)
{
    return cmykToPlanes(pSrc, srcStep, pDst, dstStep, roiSize, yccGenericInt);
}

ImagingStatus zfmiYCbCrToRGB_JPEG_8u_P3C3R_gn(const uint8_t* const pSrc[3], int32_t srcStep,
                                              uint8_t* pDst, int32_t dstStep, RoiSize roiSize)
{
    return planesToPixels(pSrc, srcStep, pDst, dstStep, roiSize, rgbLayout, rowGenericFull);
}

ImagingStatus zfmiYCbCrToBGR_JPEG_8u_P3C3R_gn(const uint8_t* const pSrc[3], int32_t srcStep,
                                              uint8_t* pDst, int32_t dstStep, RoiSize roiSize)
{
    return planesToPixels(pSrc, srcStep, pDst, dstStep, roiSize, bgrLayout, rowGenericFull);
}

}  // extern "C"
