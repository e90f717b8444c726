// Lossless JPEG prediction and reconstruction, generic build.
#define LOSSLESS_BUILD_NAME(name) name##_gn
#include "lossless_build.h"
