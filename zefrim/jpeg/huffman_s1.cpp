// Huffman coding, s1 build: the shared algorithm on this build's memory kernels.
#include "signal_internal.h"

namespace {
struct HuffmanMem {
    static void zero(void* dst, int32_t len) { zeroBytes_s1(dst, len); }
    static void copy(const void* src, void* dst, int32_t len) { copyBytes_s1(src, dst, len); }
    static void fill(int32_t value, void* dst, int32_t count) { fillWords_s1(value, dst, count); }
};
} // namespace

#define HUFFMAN_BUILD_NAME(name) name##_s1
#include "huffman_build.h"
