// Colour-space conversions, SSE2 build.
#define COLOUR_BUILD_NAME(name) name##_s2
#include "colour_sse_build.h"
