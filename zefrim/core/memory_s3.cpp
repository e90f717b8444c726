// The s3 allocators: the same blocks, with the first cache lines of the new block prefetched.
#include "builds.h"
#include "memory_layout.h"

#include <xmmintrin.h>

namespace {

void* allocateAndPrefetch(int32_t count, uint64_t elementSize)
{
    void* block = allocateAlignedBlock(count, elementSize);
    if (block != nullptr)
        _mm_prefetch(static_cast<const char*>(block) + 128, _MM_HINT_T0);
    return block;
}

} // namespace

extern "C" {

void* zfmsMalloc_8u_s3(int32_t len)
{
    return allocateAndPrefetch(len, sizeof(uint8_t));
}

void* zfmsMalloc_16s_s3(int32_t len)
{
    return allocateAndPrefetch(len, sizeof(int16_t));
}

} // extern "C"
