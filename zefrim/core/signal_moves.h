// Scalar moves of 2, 4 and 8 bytes at any alignment, shared by the builds' memory kernels,
// and the chunking that keeps byte counts of 16-bit arrays inside 32 bits.
#pragma once

#include "build_token.h"
#include "zefrim/zefrim.h"

#include <cstdint>
#include <cstring>

inline namespace ZEFRIM_BUILD_NAMESPACE {

template <typename Word> inline Word loadWord(const uint8_t* src)
{
    Word word;
    std::memcpy(&word, src, sizeof(Word));
    return word;
}

template <typename Word> inline void storeWord(uint8_t* dst, Word word)
{
    std::memcpy(dst, &word, sizeof(Word));
}

template <typename Word> inline void moveWord(const uint8_t* src, uint8_t* dst)
{
    storeWord<Word>(dst, loadWord<Word>(src));
}

inline uintptr_t addressOf(const void* p)
{
    return reinterpret_cast<uintptr_t>(p);
}

// Bytes from p up to the next multiple of alignment (0 when p is already there).
inline int32_t bytesToBoundary(const void* p, uintptr_t alignment)
{
    return static_cast<int32_t>((alignment - (addressOf(p) & (alignment - 1))) & (alignment - 1));
}

// Clears count 16-bit values with a byte-zero kernel, in chunks whose byte count fits in 32 bits.
template <typename ZeroKernel> ImagingStatus zeroShortsInChunks(int16_t* pDst, int32_t count, ZeroKernel zero)
{
    if (pDst == nullptr)
        return StatusNullPointer;
    if (count <= 0)
        return StatusBadSize;
    constexpr int32_t kChunk = 1 << 29;
    while (count > 0) {
        const int32_t n = count < kChunk ? count : kChunk;
        zero(pDst, n * 2);
        pDst += n;
        count -= n;
    }
    return StatusOk;
}

} // namespace ZEFRIM_BUILD_NAMESPACE
