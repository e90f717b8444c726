// Chroma down- and up-sampling, SSE2 build.
#include "sampling_build.h"
