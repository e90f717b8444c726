// Lossless JPEG prediction and reconstruction, SSE2 build.
#include "lossless_build.h"
