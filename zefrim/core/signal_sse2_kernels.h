// 128-bit kernels shared by the s2 and s3 builds (each build compiles its own copy): the small
// copy path, the zero and word-fill kernels and the streaming copy of large runs.
#pragma once

#include "signal_cache.h"
#include "signal_moves.h"

#include <emmintrin.h>

namespace {

constexpr int32_t kStreamBlockBytes = 0x40000;
constexpr int32_t kCachedZeroBytes = 0x40000;
constexpr int32_t kCachedFillWords = 65536;

inline __m128i load16Unaligned(const uint8_t* s)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
}

inline __m128i load16Aligned(const uint8_t* s)
{
    return _mm_load_si128(reinterpret_cast<const __m128i*>(s));
}

inline void store16Aligned(uint8_t* d, __m128i v)
{
    _mm_store_si128(reinterpret_cast<__m128i*>(d), v);
}

inline void store16Unaligned(uint8_t* d, __m128i v)
{
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d), v);
}

inline void stream16(uint8_t* d, __m128i v)
{
    _mm_stream_si128(reinterpret_cast<__m128i*>(d), v);
}

// Below 64 bytes: 4-byte words from the end of the run towards its start, single bytes for
// what is left at the start.
inline void copySmall(const uint8_t* s, uint8_t* d, int32_t len)
{
    while (len >= 4) {
        len -= 4;
        moveWord<uint32_t>(s + len, d + len);
    }
    while (len > 0) {
        --len;
        d[len] = s[len];
    }
}

// One unaligned 16-byte move, then the pointers advance to the destination's 16-byte boundary.
inline int32_t alignDestinationTo16(const uint8_t*& s, uint8_t*& d)
{
    const int32_t head = bytesToBoundary(d, 16);
    if (head != 0) {
        store16Unaligned(d, load16Unaligned(s));
        s += head;
        d += head;
    }
    return head;
}

// Reads one byte of every stride bytes so the source is in the cache before it is streamed.
inline void touchForward(const uint8_t* s, int32_t len, int32_t stride)
{
    const volatile uint8_t* p = s;
    for (int32_t i = 0; i < len; i += stride)
        (void)p[i];
}

inline void touchBackward(const uint8_t* s, int32_t len, int32_t stride)
{
    const volatile uint8_t* p = s;
    for (int32_t i = len - 1; i >= 0; i -= stride)
        (void)p[i];
}

inline void streamChunks(const uint8_t* s, uint8_t* d, int32_t len)
{
    for (int32_t i = 0; i + 16 <= len; i += 16)
        stream16(d + i, load16Unaligned(s + i));
}

// The destination is 16-byte aligned. 256 KiB blocks are read ahead and streamed out.
inline void copyStreaming(const uint8_t* s, uint8_t* d, int32_t len, int32_t touchStride)
{
    for (; len >= kStreamBlockBytes;
         len -= kStreamBlockBytes, s += kStreamBlockBytes, d += kStreamBlockBytes) {
        touchForward(s, kStreamBlockBytes, touchStride);
        streamChunks(s, d, kStreamBlockBytes);
    }
    touchBackward(s, len, touchStride);
    streamChunks(s, d, len);
    _mm_sfence();
    const int32_t whole = len & ~15;
    copySmall(s + whole, d + whole, len - whole);
}

// True when the run is large enough for the cache to be bypassed.
inline bool copyShouldStream(int32_t len)
{
    const uint32_t cacheSize = queryCacheSize(false);
    return cacheSize != 0 && static_cast<uint32_t>(len) >= cacheSize / 2;
}

// Below 16 bytes: overlapping stores at both ends.
inline void zeroSmall(uint8_t* d, int32_t len)
{
    if (len >= 8) {
        storeWord<uint64_t>(d, 0);
        storeWord<uint64_t>(d + len - 8, 0);
    } else if (len >= 4) {
        storeWord<uint32_t>(d, 0);
        storeWord<uint32_t>(d + len - 4, 0);
    } else {
        for (int32_t i = 0; i < len; ++i)
            d[i] = 0;
    }
}

// Single, 2-, 4- and 8-byte stores up to the 16-byte boundary (len is at least 16).
inline int32_t zeroToBoundary16(uint8_t*& d)
{
    const int32_t head = bytesToBoundary(d, 16);
    if (head & 1) {
        *d = 0;
        d += 1;
    }
    if (head & 2) {
        storeWord<uint16_t>(d, 0);
        d += 2;
    }
    if (head & 4) {
        storeWord<uint32_t>(d, 0);
        d += 4;
    }
    if (head & 8) {
        storeWord<uint64_t>(d, 0);
        d += 8;
    }
    return head;
}

inline void zeroBytesSse2(void* dst, int32_t len)
{
    uint8_t* d = static_cast<uint8_t*>(dst);
    if (len < 16) {
        zeroSmall(d, len);
        return;
    }
    len -= zeroToBoundary16(d);
    const __m128i zero = _mm_setzero_si128();
    if (len > kCachedZeroBytes) {
        const uint32_t perCore = queryCacheSize(true);
        if (perCore != 0 && static_cast<uint32_t>(len) >= perCore) {
            for (; len >= 16; len -= 16, d += 16)
                stream16(d, zero);
            _mm_sfence();
            zeroSmall(d, len);
            return;
        }
    }
    for (; len >= 64; len -= 64, d += 64) {
        store16Aligned(d, zero);
        store16Aligned(d + 16, zero);
        store16Aligned(d + 32, zero);
        store16Aligned(d + 48, zero);
    }
    for (; len >= 16; len -= 16, d += 16)
        store16Aligned(d, zero);
    zeroSmall(d, len);
}

inline int32_t swapHalves(int32_t value)
{
    const uint32_t v = static_cast<uint32_t>(value);
    return static_cast<int32_t>((v >> 16) | (v << 16));
}

// The destination is 4-byte aligned.
inline void fillAlignedWords(int32_t value, uint8_t* d, int32_t count, bool large)
{
    for (; count > 0 && (addressOf(d) & 15) != 0; --count, d += 4)
        storeWord<int32_t>(d, value);
    const __m128i v = _mm_set1_epi32(value);
    bool streaming = false;
    if (large) {
        const uint32_t perCore = queryCacheSize(true);
        streaming = perCore != 0 && static_cast<uint32_t>(count) > perCore / 4;
    }
    for (; count >= 16; count -= 16, d += 64) {
        for (int32_t i = 0; i < 64; i += 16) {
            if (streaming)
                stream16(d + i, v);
            else
                store16Aligned(d + i, v);
        }
    }
    if (streaming)
        _mm_sfence();
    for (; count >= 4; count -= 4, d += 16)
        store16Aligned(d, v);
    for (; count > 0; --count, d += 4)
        storeWord<int32_t>(d, value);
}

inline void fillWordsSse2(int32_t value, void* dst, int32_t count)
{
    if (count <= 0)
        return;
    uint8_t* d = static_cast<uint8_t*>(dst);
    if (addressOf(d) & 1) {
        // An odd destination never reaches a 16-byte boundary.
        for (; count > 0; --count, d += 4)
            storeWord<int32_t>(d, value);
        return;
    }
    const bool large = count > kCachedFillWords;
    if (addressOf(d) & 2) {
        storeWord<int32_t>(d, value);
        storeWord<int32_t>(d + 4 * (count - 1), value);
        value = swapHalves(value);
        d += 2;
        --count;
    }
    fillAlignedWords(value, d, count, large);
}

} // namespace
