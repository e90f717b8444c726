// Chroma down- and up-sampling, MMX/SSE build.
#include "sampling_build.h"
