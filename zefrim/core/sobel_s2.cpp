// Sobel filters, SSE2 build: 16-byte lanes, no prefetch; destination rows that start on a 16-byte
// boundary are written with non-temporal stores, others with ordinary unaligned ones.
#include "arith_lanes_sse2.h"
#include "builds.h"
#include "sobel_engine.h"

namespace {

struct SobelPolicy {
    static constexpr int32_t rowMultiple = 16;
    static void prefetch(const uint8_t*) {}
    static void storeDestination(int16_t* p, __m128i v, bool rowAligned)
    {
        if (rowAligned)
            Sse2Lanes::stream(p, v);
        else
            Sse2Lanes::store(p, v);
    }
    static void* allocate(int32_t bytes) { return zfmsMalloc_8u_s2(bytes); }
    static void release(void* p) { zfmsFree_s2(p); }
    static void finishStreamingStores() { _mm_sfence(); }
};

constexpr SobelKernelTable5 kSobelKernels5x5 = makeTable5<Sse2Lanes, SobelPolicy>();
constexpr SobelKernelTable3 kSobelKernels3x3 = makeTable3<Sse2Lanes, SobelPolicy>();

} // namespace

ZEFRIM_DEFINE_SOBEL_ENTRIES(s2, Sse2Lanes, SobelPolicy, kSobelKernels5x5, kSobelKernels3x3)
