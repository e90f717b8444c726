// Colour-space conversions, generic build.
#include "builds.h"
#include "colour_pixel.h"

#define ZEFRIM_COLOUR_GN(name, pixel, dstBytes)                                                    \
    ImagingStatus name##_gn(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep, \
                            RoiSize roiSize)                                                       \
    {                                                                                              \
        return convertColourRows(pSrc, srcStep, pDst, dstStep, roiSize,                            \
                                 convertPixels<pixel, dstBytes>);                                  \
    }

extern "C" {
ZEFRIM_COLOUR_GN(zfmiRGBToGray_8u_C3C1R, grayPixel, 1)
ZEFRIM_COLOUR_GN(zfmiRGBToHSV_8u_C3R, hsvPixel, 3)
ZEFRIM_COLOUR_GN(zfmiRGBToHLS_8u_C3R, hlsPixel, 3)
ZEFRIM_COLOUR_GN(zfmiRGBToYCbCr_8u_C3R, yCbCrPixel, 3)
ZEFRIM_COLOUR_GN(zfmiRGBToYUV_8u_C3R, yuvPixel, 3)
ZEFRIM_COLOUR_GN(zfmiYCbCrToRGB_8u_C3R, yCbCrToRgbPixel, 3)
}
