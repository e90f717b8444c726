// JPEG colour conversions, SSE3 build: the fixed-point rules of the vector builds.
#include "jpeg_colour.h"
#include "jpeg_colour_sse2.h"

using namespace jpeg_colour;

namespace {

// YCbCr to RGB: 4 pixels a step in 128-bit registers.
void pixelRow(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int32_t width,
              PixelLayout layout)
{
    jpeg_colour_sse2::convertRow<4>(y, cb, cr, out, width, layout);
}

// Luma and chroma by the 15-bit rule over whole groups of 8 pixels.
constexpr auto lumaOf = lumaVector15;
constexpr auto yccOf = yccVectorGrouped<8>;
constexpr auto cmykYccOf = yccVector14;

} // namespace

#include "jpeg_colour_build.h"
