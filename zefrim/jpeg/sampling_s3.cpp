// Chroma down- and up-sampling, SSE3 build.
#include "sampling_build.h"
