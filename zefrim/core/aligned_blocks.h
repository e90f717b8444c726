// Aligned blocks shared by the library's builds. Every block starts on a 32-byte boundary and
// keeps the address of its heap block in the pointer just in front of it; zfmsFree releases it.
#pragma once

#include <cstdint>

// A 32-byte aligned block of count 32-bit elements (generic build), or null when count <= 0, when
// the request does not fit in 32 bits or when the heap is exhausted. Released with zfmsFree.
void* alignedMalloc_32s_gn(int32_t count);
