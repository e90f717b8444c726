// Sobel filters, MMX/SSE build.
#include "sobel_mmx.h"

namespace {

struct SobelPolicy : MmxSobelPolicy<false, 8> {
    static void* allocate(int32_t bytes) { return zfmsMalloc_8u_s1(bytes); }
    static void release(void* p) { zfmsFree_s1(p); }
};

constexpr SobelKernelTable5 kSobelKernels5x5 = makeTable5<MmxLanes, SobelPolicy>();
constexpr SobelKernelTable3 kSobelKernels3x3 = makeTable3<MmxLanes, SobelPolicy>();

} // namespace

ZEFRIM_DEFINE_SOBEL_ENTRIES(s1, MmxLanes, SobelPolicy, kSobelKernels5x5, kSobelKernels3x3)
