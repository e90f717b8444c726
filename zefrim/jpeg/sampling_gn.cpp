// Chroma down- and up-sampling, generic build.
#define SAMPLING_BUILD_NAME(name) name##_gn
#include "sampling_build.h"
