// 8x8 DCTs with quantisation, SSE3 build: the vector builds' transforms in 128-bit
// registers.
#include <pmmintrin.h>

#include "dct_sse2.h"

namespace {

__m128i loadUnaligned(const int16_t* p)
{
    return _mm_lddqu_si128(reinterpret_cast<const __m128i*>(p));
}

} // namespace

#include "dct_sse_build.h"
