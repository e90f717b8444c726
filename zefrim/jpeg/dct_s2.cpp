// 8x8 DCTs with quantisation, SSE2 build: the vector builds' transforms in 128-bit
// registers.
#include "dct_sse2.h"

namespace {

__m128i loadUnaligned(const int16_t* p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

} // namespace

#include "dct_sse_build.h"
