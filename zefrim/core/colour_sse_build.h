// The colour-space conversions of the SSE2 and SSE3 builds, which share one arithmetic: 16-bit lane
// groups of 8 (grey and YCbCr to RGB add one group of 4, YUV takes 16), single-precision HSV in
// groups of 4 and HLS in groups of 8. Included once by each of colour_s2.cpp and colour_s3.cpp
// (the names take the build suffix of ZEFRIM_BUILD).

#include "build_token.h"
#include "builds.h"
#include "colour_sse2.h"

namespace {

void grayRow(const uint8_t* src, uint8_t* dst, int32_t width)
{
    convertRowInGroups<8, 4, 1>(src, dst, width, grayGroupSse2, grayPixel);
}

void yCbCrRow(const uint8_t* src, uint8_t* dst, int32_t width)
{
    convertRowInGroups<8, 0, 3>(src, dst, width, yCbCrGroupSse2, yCbCrPixel);
}

void yCbCrToRgbRow(const uint8_t* src, uint8_t* dst, int32_t width)
{
    convertRowInGroups<8, 4, 3>(src, dst, width, yCbCrToRgbGroupSse2, yCbCrToRgbPixel);
}

void yuvRow(const uint8_t* src, uint8_t* dst, int32_t width)
{
    convertRowInGroups<16, 0, 3>(src, dst, width, yuvGroupSse2, yuvLeftOverPixel);
}

} // namespace

#define ZEFRIM_COLOUR_ENTRY(name, row)                                                                       \
    ImagingStatus name(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,                 \
                       RoiSize roiSize)                                                                      \
    {                                                                                                        \
        return convertColourRows(pSrc, srcStep, pDst, dstStep, roiSize, row);                                \
    }

extern "C" {
ZEFRIM_COLOUR_ENTRY(ZEFRIM_BUILD_NAME(zfmiRGBToGray_8u_C3C1R), grayRow)
ZEFRIM_COLOUR_ENTRY(ZEFRIM_BUILD_NAME(zfmiRGBToHSV_8u_C3R), hsvRowSse2)
ZEFRIM_COLOUR_ENTRY(ZEFRIM_BUILD_NAME(zfmiRGBToHLS_8u_C3R), hlsRowSse2)
ZEFRIM_COLOUR_ENTRY(ZEFRIM_BUILD_NAME(zfmiRGBToYCbCr_8u_C3R), yCbCrRow)
ZEFRIM_COLOUR_ENTRY(ZEFRIM_BUILD_NAME(zfmiRGBToYUV_8u_C3R), yuvRow)
ZEFRIM_COLOUR_ENTRY(ZEFRIM_BUILD_NAME(zfmiYCbCrToRGB_8u_C3R), yCbCrToRgbRow)
}
