// Lossless JPEG prediction and reconstruction, SSE2 build.
#define LOSSLESS_BUILD_NAME(name) name##_s2
#include "lossless_build.h"
