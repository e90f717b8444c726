// Colour-space conversions, SSE2 build.
#include "colour_sse_build.h"
