// The s3 byte copy: unaligned 128-bit loads for unaligned sources, and the direction of an
// aligned copy chosen from the page offsets so loads do not wait on recent stores. Zero and
// word fill are the s2 kernels.
#include "builds.h"
#include "signal_internal.h"
#include "signal_sse2_kernels.h"

#include <pmmintrin.h>

namespace {

constexpr int32_t kCachedCopyBytes = 0x80000;
constexpr int32_t kTouchStride = 64;
constexpr int32_t kDirectionChoiceBytes = 512;

__m128i load16Lddqu(const uint8_t* s)
{
    return _mm_lddqu_si128(reinterpret_cast<const __m128i*>(s));
}

bool copiesForward(const uint8_t* s, const uint8_t* d, int32_t len)
{
    if (len < kDirectionChoiceBytes)
        return false;
    const int32_t offset =
        static_cast<int32_t>(addressOf(s) & 4095) - static_cast<int32_t>(addressOf(d) & 4095);
    return (offset > 0 && offset <= 160) || offset < -3936;
}

template <__m128i (*Load)(const uint8_t*)> void copyForward(const uint8_t* s, uint8_t* d, int32_t len)
{
    for (; len >= 64; len -= 64, s += 64, d += 64) {
        for (int32_t i = 0; i < 64; i += 16)
            store16Aligned(d + i, Load(s + i));
    }
    for (; len >= 16; len -= 16, s += 16, d += 16)
        store16Aligned(d, Load(s));
    copySmall(s, d, len);
}

// Both pointers are 16-byte aligned: the bytes after the last whole chunk first, then the
// chunks from the end.
void copyAlignedBackward(const uint8_t* s, uint8_t* d, int32_t len)
{
    int32_t whole = len & ~15;
    copySmall(s + whole, d + whole, len - whole);
    for (; whole >= 64; whole -= 64) {
        for (int32_t i = 16; i <= 64; i += 16)
            store16Aligned(d + whole - i, load16Aligned(s + whole - i));
    }
    for (; whole >= 16; whole -= 16)
        store16Aligned(d + whole - 16, load16Aligned(s + whole - 16));
}

void copyAligned(const uint8_t* s, uint8_t* d, int32_t len)
{
    if (copiesForward(s, d, len))
        copyForward<load16Aligned>(s, d, len);
    else
        copyAlignedBackward(s, d, len);
}

// The destination is 16-byte aligned and the source is not.
void copyUnalignedSource(const uint8_t* s, uint8_t* d, int32_t len)
{
    if (len >= kCachedCopyBytes && copyShouldStream(len))
        copyStreaming(s, d, len, kTouchStride);
    else
        copyForward<load16Lddqu>(s, d, len);
}

} // namespace

void* copyBytes_s3(const void* src, void* dst, int32_t len)
{
    const uint8_t* s = static_cast<const uint8_t*>(src);
    uint8_t* d = static_cast<uint8_t*>(dst);
    if (len < 64) {
        copySmall(s, d, len);
        return dst;
    }
    if ((addressOf(d) & 15) == 0) {
        if (len >= kCachedCopyBytes && copyShouldStream(len))
            copyStreaming(s, d, len, kTouchStride);
        else if ((addressOf(s) & 15) == 0)
            copyAligned(s, d, len);
        else
            copyForward<load16Lddqu>(s, d, len);
        return dst;
    }
    len -= alignDestinationTo16(s, d);
    if ((addressOf(s) & 15) == 0)
        copyAligned(s, d, len);
    else
        copyUnalignedSource(s, d, len);
    return dst;
}

void* zeroBytes_s3(void* dst, int32_t len)
{
    zeroBytesSse2(dst, len);
    return dst;
}

void* fillWords_s3(int32_t value, void* dst, int32_t count)
{
    fillWordsSse2(value, dst, count);
    return dst;
}

#include "signal_memory_build.h"
