// Lossless JPEG prediction and reconstruction, generic build.
#include "lossless_build.h"
