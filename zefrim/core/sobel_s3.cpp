// Sobel filters, SSE3 build: the MMX kernels of s1 with a prefetch at every step.
#include "sobel_mmx.h"

namespace {

struct SobelPolicy : MmxSobelPolicy<true, 16> {
    static void* allocate(int32_t bytes) { return zfmsMalloc_8u_s3(bytes); }
    static void release(void* p) { zfmsFree_s3(p); }
};

constexpr SobelKernelTable5 kSobelKernels5x5 = makeTable5<MmxLanes, SobelPolicy>();
constexpr SobelKernelTable3 kSobelKernels3x3 = makeTable3<MmxLanes, SobelPolicy>();

} // namespace

ZEFRIM_DEFINE_SOBEL_ENTRIES(s3, MmxLanes, SobelPolicy, kSobelKernels5x5, kSobelKernels3x3)
