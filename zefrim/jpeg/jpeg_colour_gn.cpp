// JPEG colour conversions, generic build: table look-ups in 16-bit fixed point.
#include "jpeg_colour.h"

using namespace jpeg_colour;

namespace {

void pixelRow(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, uint8_t* out, int32_t width,
              PixelLayout layout)
{
    rowGeneric(y, cb, cr, out, 0, width, layout);
}

constexpr auto lumaOf = lumaGeneric;
constexpr auto yccOf = yccGenericAt;
constexpr auto cmykYccOf = yccGenericInt;

}  // namespace

#define JPEG_COLOUR_BUILD_NAME(name) name##_gn
#include "jpeg_colour_build.h"
