// Copies and channel reordering, SSE3 build: the SSE2 routines with the SSE3 unaligned load.
#include <pmmintrin.h>

#include "arith_lanes_sse2.h"

namespace {

struct CopyLanes : Sse2Lanes {
    static V load(const void* p) { return _mm_lddqu_si128(static_cast<const __m128i*>(p)); }
};

} // namespace

#include "copy_sse_build.h"
