// Lossless JPEG prediction and reconstruction, SSE3 build.
#define LOSSLESS_BUILD_NAME(name) name##_s3
#include "lossless_build.h"
