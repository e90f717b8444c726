// Huffman coding, s1 build: the shared algorithm on this build's memory kernels.
#include <xmmintrin.h>

#include "signal_internal.h"

namespace {
struct HuffmanMem {
    static void zero(void* dst, int32_t len) { zeroBytes_s1(dst, len); }
    static void copy(const void* src, void* dst, int32_t len) { copyBytes_s1(src, dst, len); }
    static void fill(int32_t value, void* dst, int32_t count) { fillWords_s1(value, dst, count); }
    // The 64 coefficients of a block, in place: a call costs more than the stores.
    static void zeroBlock(int16_t* block)
    {
        const __m128 zero = _mm_setzero_ps();
        for (int32_t i = 0; i < 8; ++i)
            _mm_storeu_ps(reinterpret_cast<float*>(block + 8 * i), zero);
    }
};
} // namespace

#include "huffman_build.h"
