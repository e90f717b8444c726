// Huffman coding, gn build: the shared algorithm on this build's memory kernels.
#include <cstring>
#include <utility>

#include "signal_internal.h"

namespace {
struct HuffmanMem {
    static void zero(void* dst, int32_t len) { zeroBytes_gn(dst, len); }
    static void copy(const void* src, void* dst, int32_t len) { copyBytes_gn(src, dst, len); }
    static void fill(int32_t value, void* dst, int32_t count) { fillWords_gn(value, dst, count); }
    // The 64 coefficients of a block, in place: a call costs more than the stores. Written
    // out, as a loop would become a string instruction that starts slowly.
    static void zeroBlock(int16_t* block) { zeroWords(block, std::make_integer_sequence<int32_t, 16>{}); }

    template <int32_t... I> static void zeroWords(int16_t* block, std::integer_sequence<int32_t, I...>)
    {
        const uint64_t zero = 0;
        (std::memcpy(block + 4 * I, &zero, sizeof(zero)), ...);
    }
};
} // namespace

#include "huffman_build.h"
