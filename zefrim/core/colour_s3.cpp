// Colour-space conversions, SSE3 build: the arithmetic of the SSE2 build.
#define COLOUR_BUILD_NAME(name) name##_s3
#include "colour_sse_build.h"
