// Huffman coding, s3 build: the shared algorithm on this build's memory kernels.
#include <emmintrin.h>

#include "signal_internal.h"

namespace {
struct HuffmanMem {
    static void zero(void* dst, int32_t len) { zeroBytes_s3(dst, len); }
    static void copy(const void* src, void* dst, int32_t len) { copyBytes_s3(src, dst, len); }
    static void fill(int32_t value, void* dst, int32_t count) { fillWords_s3(value, dst, count); }
    // The 64 coefficients of a block, in place: a call costs more than the stores.
    static void zeroBlock(int16_t* block)
    {
        const __m128i zero = _mm_setzero_si128();
        for (int32_t i = 0; i < 8; ++i)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(block + 8 * i), zero);
    }
};
} // namespace

#include "huffman_build.h"
