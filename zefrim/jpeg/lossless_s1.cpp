// Lossless JPEG prediction and reconstruction, MMX/SSE build.
#define LOSSLESS_BUILD_NAME(name) name##_s1
#include "lossless_build.h"
