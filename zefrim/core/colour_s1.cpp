// Colour-space conversions, MMX/SSE build: groups of 8 written with 64-bit non-temporal stores
// (HSV: groups of 4 with ordinary stores, H and S rounded to nearest); one store fence per call.
#include "builds.h"
#include "colour_vector.h"

namespace {

// Converts a group into a local block, then streams it out in 8-byte units.
template <PixelFunction convertPixel, int dstBytes>
void streamGroupOfEight(const uint8_t* src, uint8_t* dst, int32_t)
{
    alignas(8) uint8_t block[8 * dstBytes];
    for (int i = 0; i < 8; ++i)
        convertPixel(src + 3 * i, block + dstBytes * i);
    for (int unit = 0; unit < dstBytes; ++unit) {
        __m64 bytes;
        std::memcpy(&bytes, block + 8 * unit, sizeof bytes);
        _mm_stream_pi(reinterpret_cast<__m64*>(dst + 8 * unit), bytes);
    }
}

// floor(channel x weight / 256) for four channel values 0..255.
__m64 weightedFour(const uint8_t* s, int c, int16_t weight)
{
    const __m64 channel = _mm_setr_pi16(s[c], s[3 + c], s[6 + c], s[9 + c]);
    return _mm_mulhi_pu16(_mm_slli_pi16(channel, 8), _mm_set1_pi16(weight));
}

__m64 grayOfFour(const uint8_t* s)
{
    const __m64 sum = _mm_add_pi16(_mm_add_pi16(weightedFour(s, 0, 1225), weightedFour(s, 1, 2404)),
                                   weightedFour(s, 2, 467));
    return _mm_srli_pi16(sum, 4);
}

void streamGrayGroupOfEight(const uint8_t* src, uint8_t* dst, int32_t)
{
    _mm_stream_pi(reinterpret_cast<__m64*>(dst), _mm_packs_pu16(grayOfFour(src), grayOfFour(src + 12)));
}

void streamHlsGroupOfEight(const uint8_t* src, uint8_t* dst, int32_t)
{
    alignas(8) uint8_t block[24];
    hlsGroupOfEight(src, block);
    for (int unit = 0; unit < 3; ++unit) {
        __m64 bytes;
        std::memcpy(&bytes, block + 8 * unit, sizeof bytes);
        _mm_stream_pi(reinterpret_cast<__m64*>(dst + 8 * unit), bytes);
    }
}

void grayRow(const uint8_t* src, uint8_t* dst, int32_t width)
{
    convertRowInGroups<8, 0, 1>(src, dst, width, streamGrayGroupOfEight, grayPixel);
}

void yCbCrRow(const uint8_t* src, uint8_t* dst, int32_t width)
{
    convertRowInGroups<8, 0, 3>(src, dst, width, streamGroupOfEight<yCbCrGroupPixel, 3>, yCbCrPixel);
}

void yCbCrToRgbRow(const uint8_t* src, uint8_t* dst, int32_t width)
{
    convertRowInGroups<8, 0, 3>(src, dst, width, streamGroupOfEight<yCbCrToRgbGroupPixelNarrow, 3>,
                                yCbCrToRgbPixel);
}

void yuvRow(const uint8_t* src, uint8_t* dst, int32_t width)
{
    convertRowInGroups<8, 0, 3>(src, dst, width, streamGroupOfEight<yuvGroupPixelNarrow, 3>,
                                yuvLeftOverPixel);
}

void hlsStreamingRow(const uint8_t* src, uint8_t* dst, int32_t width)
{
    convertRowInGroups<8, 0, 3>(src, dst, width, streamHlsGroupOfEight, hlsLeftOverPixel);
}

template <class Row>
ImagingStatus convertAndFence(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,
                              RoiSize roiSize, Row row)
{
    const ImagingStatus status = convertColourRows(pSrc, srcStep, pDst, dstStep, roiSize, row);
    if (status == StatusOk) {
        _mm_sfence();
        _mm_empty();
    }
    return status;
}

} // namespace

#define ZEFRIM_COLOUR_ENTRY(name, row)                                                                       \
    ImagingStatus name(const uint8_t* pSrc, int32_t srcStep, uint8_t* pDst, int32_t dstStep,                 \
                       RoiSize roiSize)                                                                      \
    {                                                                                                        \
        return convertAndFence(pSrc, srcStep, pDst, dstStep, roiSize, row);                                  \
    }

extern "C" {
ZEFRIM_COLOUR_ENTRY(zfmiRGBToGray_8u_C3C1R_s1, grayRow)
ZEFRIM_COLOUR_ENTRY(zfmiRGBToHSV_8u_C3R_s1, hsvRowRounded)
ZEFRIM_COLOUR_ENTRY(zfmiRGBToHLS_8u_C3R_s1, hlsStreamingRow)
ZEFRIM_COLOUR_ENTRY(zfmiRGBToYCbCr_8u_C3R_s1, yCbCrRow)
ZEFRIM_COLOUR_ENTRY(zfmiRGBToYUV_8u_C3R_s1, yuvRow)
ZEFRIM_COLOUR_ENTRY(zfmiYCbCrToRGB_8u_C3R_s1, yCbCrToRgbRow)
}
