// The s3 constant shifts of 16-bit arrays.
#define SIGNAL_SHIFT_BUILD_NAME(name) name##_s3
#include "signal_shift_sse_build.h"
