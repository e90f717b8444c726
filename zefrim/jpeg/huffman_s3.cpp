// Huffman coding, s3 build: the shared algorithm on this build's memory kernels.
#include "signal_internal.h"

namespace {
struct HuffmanMem {
    static void zero(void* dst, int32_t len) { zeroBytes_s3(dst, len); }
    static void copy(const void* src, void* dst, int32_t len) { copyBytes_s3(src, dst, len); }
    static void fill(int32_t value, void* dst, int32_t count) { fillWords_s3(value, dst, count); }
};
} // namespace

#define HUFFMAN_BUILD_NAME(name) name##_s3
#include "huffman_build.h"
