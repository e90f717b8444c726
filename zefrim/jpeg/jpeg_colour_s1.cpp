// JPEG colour conversions, MMX/SSE build: the fixed-point rules of the vector builds.
#include "jpeg_colour.h"

using namespace jpeg_colour;

namespace {

// Luma and chroma by the 15-bit rule over whole groups of 4 pixels.
constexpr auto lumaOf = lumaVector15;
constexpr auto yccOf = yccVectorGrouped<4>;
constexpr auto cmykYccOf = yccVector14;
constexpr auto pixelRow = rowVectorScalar;

} // namespace

#include "jpeg_colour_build.h"
