// Lossless JPEG prediction and reconstruction, SSE3 build.
#include "lossless_build.h"
