// JPEG colour conversions, SSE3 build: the fixed-point rules of the vector builds.
#include "builds.h"
#include "jpeg_colour.h"
#include "jpeg_colour_sse2.h"

using namespace jpeg_colour;

namespace {

// Luma and chroma by the 15-bit rule over whole groups of this many pixels.
constexpr int yccGroupWidth = 8;

// YCbCr to RGB: 4 pixels a step in 128-bit registers.
void rowVector(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out,
               int32_t width, PixelLayout layout)
{
    jpeg_colour_sse2::convertRow<4>(y, cb, cr, out, width, layout);
}

}  // namespace

extern "C" {

ImagingStatus zfmiRGBToY_JPEG_8u_C3C1R_s3(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst,
                                          int32_t dstStep, RoiSize roiSize)
{
    return rgbToLuma(pSrc, srcStep, pDst, dstStep, roiSize, lumaVector15);
}

ImagingStatus zfmiRGBToYCbCr_JPEG_8u_C3P3R_s3(const uint8_t* pSrc, int32_t srcStep,
                                              uint8_t* const pDst[3], int32_t dstStep,
                                              RoiSize roiSize)
{
    return rgbToPlanes(pSrc, srcStep, pDst, dstStep, roiSize, rgbOrder,
                       yccVectorGrouped<yccGroupWidth>);
}

ImagingStatus zfmiBGRToYCbCr_JPEG_8u_C3P3R_s3(const uint8_t* pSrc, int32_t srcStep,
                                              uint8_t* const pDst[3], int32_t dstStep,
                                              RoiSize roiSize)
{
    return rgbToPlanes(pSrc, srcStep, pDst, dstStep, roiSize, bgrOrder,
                       yccVectorGrouped<yccGroupWidth>);
}

ImagingStatus zfmiCMYKToYCCK_JPEG_8u_C4P4R_s3(const uint8_t* pSrc, int32_t srcStep,
                                              uint8_t* const pDst[4], int32_t dstStep,
                                              RoiSize roiSize)
{
    return cmykToPlanes(pSrc, srcStep, pDst, dstStep, roiSize, yccVector14);
}

ImagingStatus zfmiYCbCrToRGB_JPEG_8u_P3C3R_s3(const uint8_t* const pSrc[3], int32_t srcStep,
                                              uint8_t* pDst, int32_t dstStep, RoiSize roiSize)
{
    return planesToPixels(pSrc, srcStep, pDst, dstStep, roiSize, rgbLayout, rowVector);
}

ImagingStatus zfmiYCbCrToBGR_JPEG_8u_P3C3R_s3(const uint8_t* const pSrc[3], int32_t srcStep,
                                              uint8_t* pDst, int32_t dstStep, RoiSize roiSize)
{
    return planesToPixels(pSrc, srcStep, pDst, dstStep, roiSize, bgrLayout, rowVector);
}

}  // extern "C"
