// The s2 byte copy, zero and word fill: aligned 128-bit stores, and for runs beyond the cache
// (when its size is known) non-temporal stores.
#include "builds.h"
#include "signal_internal.h"
#include "signal_sse2_kernels.h"

namespace {

constexpr int32_t kCachedCopyBytes = 0x20000;
constexpr int32_t kTouchStride = 32;

// Two 8-byte or four 4-byte chunks of an unaligned source combined into 16 bytes.
__m128i load16From8ByteChunks(const uint8_t* s)
{
    return _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(s)),
                              _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s + 8)));
}

__m128i load16From4ByteChunks(const uint8_t* s)
{
    const __m128i low = _mm_unpacklo_epi32(_mm_cvtsi32_si128(loadWord<int32_t>(s)),
                                           _mm_cvtsi32_si128(loadWord<int32_t>(s + 4)));
    const __m128i high = _mm_unpacklo_epi32(_mm_cvtsi32_si128(loadWord<int32_t>(s + 8)),
                                            _mm_cvtsi32_si128(loadWord<int32_t>(s + 12)));
    return _mm_unpacklo_epi64(low, high);
}

template <__m128i (*Load)(const uint8_t*)> int32_t copyBlocks64(const uint8_t*& s, uint8_t*& d, int32_t len)
{
    for (; len >= 64; len -= 64, s += 64, d += 64) {
        for (int32_t i = 0; i < 64; i += 16)
            store16Aligned(d + i, Load(s + i));
    }
    return len;
}

// The destination is 16-byte aligned.
void copyCached(const uint8_t* s, uint8_t* d, int32_t len)
{
    if ((addressOf(s) & 15) == 0)
        len = copyBlocks64<load16Aligned>(s, d, len);
    else if ((addressOf(s) & 7) == 0)
        len = copyBlocks64<load16From8ByteChunks>(s, d, len);
    else
        len = copyBlocks64<load16From4ByteChunks>(s, d, len);
    for (; len >= 16; len -= 16, s += 16, d += 16)
        store16Aligned(d, load16Unaligned(s));
    copySmall(s, d, len);
}

} // namespace

void* copyBytes_s2(const void* src, void* dst, int32_t len)
{
    const uint8_t* s = static_cast<const uint8_t*>(src);
    uint8_t* d = static_cast<uint8_t*>(dst);
    if (len < 64) {
        copySmall(s, d, len);
        return dst;
    }
    len -= alignDestinationTo16(s, d);
    if (len > kCachedCopyBytes && copyShouldStream(len))
        copyStreaming(s, d, len, kTouchStride);
    else
        copyCached(s, d, len);
    return dst;
}

void* zeroBytes_s2(void* dst, int32_t len)
{
    zeroBytesSse2(dst, len);
    return dst;
}

void* fillWords_s2(int32_t value, void* dst, int32_t count)
{
    fillWordsSse2(value, dst, count);
    return dst;
}

#include "signal_memory_build.h"
