// Colour-space conversions, SSE3 build: the arithmetic of the SSE2 build.
#include "colour_sse_build.h"
