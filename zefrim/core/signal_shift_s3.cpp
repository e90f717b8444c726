// The s3 constant shifts of 16-bit arrays.
#include "signal_shift_sse_build.h"
