// Chroma down- and up-sampling, MMX/SSE build.
#define SAMPLING_BUILD_NAME(name) name##_s1
#include "sampling_build.h"
