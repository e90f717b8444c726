// Chroma down- and up-sampling, SSE2 build.
#define SAMPLING_BUILD_NAME(name) name##_s2
#include "sampling_build.h"
