// Aligned allocation: one body serves the gn, s1 and s2 builds, and zfmsFree every build.
#include "builds.h"
#include "aligned_blocks.h"
#include "memory_layout.h"

extern "C" {

void* zfmsMalloc_8u_gn(int32_t len)
{
    return allocateAlignedBlock(len, sizeof(uint8_t));
}

void* zfmsMalloc_16s_gn(int32_t len)
{
    return allocateAlignedBlock(len, sizeof(int16_t));
}

void zfmsFree_gn(void* ptr)
{
    if (ptr != nullptr)
        std::free(heapBlockOf(ptr));
}

void* zfmsMalloc_8u_s1(int32_t len) __attribute__((alias("zfmsMalloc_8u_gn")));
void* zfmsMalloc_8u_s2(int32_t len) __attribute__((alias("zfmsMalloc_8u_gn")));
void* zfmsMalloc_16s_s1(int32_t len) __attribute__((alias("zfmsMalloc_16s_gn")));
void* zfmsMalloc_16s_s2(int32_t len) __attribute__((alias("zfmsMalloc_16s_gn")));
void zfmsFree_s1(void* ptr) __attribute__((alias("zfmsFree_gn")));
void zfmsFree_s2(void* ptr) __attribute__((alias("zfmsFree_gn")));
void zfmsFree_s3(void* ptr) __attribute__((alias("zfmsFree_gn")));

} // extern "C"

void* alignedMalloc_32s_gn(int32_t count)
{
    return allocateAlignedBlock(count, sizeof(int32_t));
}
