// Lossless JPEG prediction and reconstruction, MMX/SSE build.
#include "lossless_build.h"
