// Layout of the library's aligned blocks: one heap request holds the block, the address of the
// heap block in the pointer just in front of the aligned start, and up to 31 bytes of padding.
#pragma once

#include "build_token.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

inline namespace ZEFRIM_BUILD_NAMESPACE {

inline constexpr uintptr_t kBlockAlignment = 32;
inline constexpr uint64_t kBlockHeaderBytes = sizeof(void*) + kBlockAlignment;
// Requests are counted in 32 bits; a larger one is refused rather than wrapped.
inline constexpr uint64_t kLargestRequest = UINT32_MAX;

// The heap request for count elements of elementSize bytes, or 0 when it must be refused.
inline uint64_t blockRequestBytes(int32_t count, uint64_t elementSize)
{
    if (count <= 0)
        return 0;
    const uint64_t request = static_cast<uint64_t>(count) * elementSize + kBlockHeaderBytes;
    return request <= kLargestRequest ? request : 0;
}

inline void* allocateAlignedBlock(int32_t count, uint64_t elementSize)
{
    const uint64_t request = blockRequestBytes(count, elementSize);
    if (request == 0)
        return nullptr;
    void* raw = std::malloc(request);
    if (raw == nullptr)
        return nullptr;
    const uintptr_t rawAddress = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t aligned = (rawAddress + kBlockHeaderBytes - 1) & ~(kBlockAlignment - 1);
    std::memcpy(reinterpret_cast<void*>(aligned - sizeof(void*)), &raw, sizeof(void*));
    return reinterpret_cast<void*>(aligned);
}

inline void* heapBlockOf(void* block)
{
    void* raw;
    std::memcpy(&raw, static_cast<char*>(block) - sizeof(void*), sizeof(void*));
    return raw;
}

} // namespace ZEFRIM_BUILD_NAMESPACE
