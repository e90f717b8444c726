// Copies and channel reordering, SSE2 build: 16-byte units, streamed on large regions.
#include "arith_lanes_sse2.h"

namespace {
using CopyLanes = Sse2Lanes;
} // namespace

#include "copy_sse_build.h"
