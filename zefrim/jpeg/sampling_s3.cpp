// Chroma down- and up-sampling, SSE3 build.
#define SAMPLING_BUILD_NAME(name) name##_s3
#include "sampling_build.h"
