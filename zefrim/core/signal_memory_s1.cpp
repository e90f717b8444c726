// The s1 byte copy, zero and word fill: 64-bit and 128-bit moves, and non-temporal 8-byte
// stores for runs large enough to push useful data out of the cache.
#include "builds.h"
#include "signal_internal.h"
#include "signal_moves.h"

#include <mmintrin.h>
#include <xmmintrin.h>

namespace {

constexpr int32_t kMediumCopyBytes = 8192;
constexpr int32_t kLargeCopyBytes = 16384;
constexpr int32_t kStreamZeroBytes = 0x5000;
constexpr int32_t kPageLoopBytes = 0x5000;
constexpr int32_t kPageBytes = 4096;
constexpr int32_t kStreamZeroShorts = kStreamZeroBytes / 2;

void move16Unaligned(const uint8_t* s, uint8_t* d)
{
    _mm_storeu_ps(reinterpret_cast<float*>(d), _mm_loadu_ps(reinterpret_cast<const float*>(s)));
}

void move16Aligned(const uint8_t* s, uint8_t* d)
{
    _mm_store_ps(reinterpret_cast<float*>(d), _mm_load_ps(reinterpret_cast<const float*>(s)));
}

__m64 load64(const uint8_t* s)
{
    __m64 v;
    std::memcpy(&v, s, sizeof(v));
    return v;
}

void store64(uint8_t* d, __m64 v)
{
    std::memcpy(d, &v, sizeof(v));
}

void stream64(uint8_t* d, __m64 v)
{
    _mm_stream_pi(reinterpret_cast<__m64*>(d), v);
}

// Chunks of 16, 8, 4, 2 and 1 bytes for a run below 64 bytes.
void copyTail(const uint8_t* s, uint8_t* d, int32_t len)
{
    for (; len >= 16; len -= 16, s += 16, d += 16)
        move16Unaligned(s, d);
    if (len & 8) {
        store64(d, load64(s));
        s += 8;
        d += 8;
    }
    if (len & 4) {
        moveWord<uint32_t>(s, d);
        s += 4;
        d += 4;
    }
    if (len & 2) {
        moveWord<uint16_t>(s, d);
        s += 2;
        d += 2;
    }
    if (len & 1)
        *d = *s;
}

// One unaligned 16-byte move, then the pointers advance to the destination's 16-byte boundary.
int32_t alignDestinationTo16(const uint8_t*& s, uint8_t*& d)
{
    const int32_t head = bytesToBoundary(d, 16);
    if (head != 0) {
        move16Unaligned(s, d);
        s += head;
        d += head;
    }
    return head;
}

void copyBlock64In8ByteChunks(const uint8_t* s, uint8_t* d)
{
    for (int32_t i = 0; i < 64; i += 8)
        store64(d + i, load64(s + i));
}

void copyBlock64In4ByteChunks(const uint8_t* s, uint8_t* d)
{
    for (int32_t i = 0; i < 64; i += 4)
        moveWord<uint32_t>(s + i, d + i);
}

void copyBlock64Aligned(const uint8_t* s, uint8_t* d)
{
    for (int32_t i = 0; i < 64; i += 16)
        move16Aligned(s + i, d + i);
}

void streamBlock64(const uint8_t* s, uint8_t* d)
{
    for (int32_t i = 0; i < 64; i += 8)
        stream64(d + i, load64(s + i));
}

void zeroBlock64(uint8_t* d, bool streaming)
{
    const __m64 zero = _mm_setzero_si64();
    for (int32_t i = 0; i < 64; i += 8) {
        if (streaming)
            stream64(d + i, zero);
        else
            store64(d + i, zero);
    }
}

void zeroTail(uint8_t* d, int32_t len)
{
    for (; len >= 8; len -= 8, d += 8)
        storeWord<uint64_t>(d, 0);
    for (; len > 0; --len)
        *d++ = 0;
}

// One 8-byte store brings the destination to an 8-byte boundary, then 64-byte blocks.
void zeroRun(uint8_t* d, int32_t len, bool streaming)
{
    if (len >= 8) {
        storeWord<uint64_t>(d, 0);
        const int32_t head = bytesToBoundary(d, 8);
        d += head;
        len -= head;
        for (; len >= 64; len -= 64, d += 64)
            zeroBlock64(d, streaming);
    }
    zeroTail(d, len);
    if (streaming)
        _mm_sfence();
    _mm_empty();
}

void copyBytesMedium_s1(const uint8_t* s, uint8_t* d, int32_t len)
{
    if (len >= 64) {
        len -= alignDestinationTo16(s, d);
        if ((addressOf(s) & 7) != 0) {
            const int32_t head = bytesToBoundary(s, 16);
            move16Unaligned(s, d);
            s += head;
            d += head;
            len -= head;
        }
        for (; len >= 64; len -= 64, s += 64, d += 64)
            streamBlock64(s, d);
    }
    copyTail(s, d, len);
    _mm_sfence();
    _mm_empty();
}

// Reads the first and last byte of every 4 KiB chunk, then hints each 32-byte line of it.
void prefetchSource_s1(const uint8_t* s, int32_t len)
{
    while (len > 0) {
        const int32_t chunk = len < kPageBytes ? len : kPageBytes;
        const volatile uint8_t* touch = s;
        (void)touch[0];
        (void)touch[chunk - 1];
        for (int32_t i = 0; i < chunk; i += 32)
            _mm_prefetch(reinterpret_cast<const char*>(s + i), _MM_HINT_NTA);
        s += chunk;
        len -= chunk;
    }
}

void copyBytesLarge_s1(const uint8_t* s, uint8_t* d, int32_t len)
{
    while (len > 0 && (addressOf(d) & 7) != 0) {
        *d++ = *s++;
        --len;
    }
    if (len < kPageLoopBytes) {
        copyBytesMedium_s1(s, d, len);
        return;
    }
    const int32_t lead = static_cast<int32_t>((kPageBytes - (addressOf(s) & 0xFF8)) & 0xFFF);
    if (lead > 0) {
        copyBytesMedium_s1(s, d, lead);
        s += lead;
        d += lead;
        len -= lead;
    }
    for (; len >= kPageBytes; len -= kPageBytes, s += kPageBytes, d += kPageBytes) {
        prefetchSource_s1(s, kPageBytes);
        copyBytesMedium_s1(s, d, kPageBytes);
    }
    if (len > 0)
        copyBytesMedium_s1(s, d, len);
}

void* zeroBytesStream_s1(void* dst, int32_t len)
{
    zeroRun(static_cast<uint8_t*>(dst), len, true);
    return dst;
}

} // namespace

void* copyBytes_s1(const void* src, void* dst, int32_t len)
{
    const uint8_t* s = static_cast<const uint8_t*>(src);
    uint8_t* d = static_cast<uint8_t*>(dst);
    if (len >= 64) {
        len -= alignDestinationTo16(s, d);
        if ((addressOf(s) & 15) == 0) {
            for (; len >= 64; len -= 64, s += 64, d += 64)
                copyBlock64Aligned(s, d);
        } else if ((addressOf(s) & 7) == 0) {
            for (; len >= 64; len -= 64, s += 64, d += 64)
                copyBlock64In8ByteChunks(s, d);
        } else {
            for (; len >= 64; len -= 64, s += 64, d += 64)
                copyBlock64In4ByteChunks(s, d);
        }
    }
    if (len > 0)
        copyTail(s, d, len);
    _mm_empty();
    return dst;
}

void* zeroBytes_s1(void* dst, int32_t len)
{
    zeroRun(static_cast<uint8_t*>(dst), len, false);
    return dst;
}

void* fillWords_s1(int32_t value, void* dst, int32_t count)
{
    if (count <= 0)
        return dst;
    uint8_t* d = static_cast<uint8_t*>(dst);
    const int32_t misalignment = static_cast<int32_t>(addressOf(d) & 3);
    if (misalignment != 0) {
        // First and last word unaligned; between them the byte pattern continues from the
        // next 4-byte boundary, which starts inside the value.
        storeWord<int32_t>(d, value);
        storeWord<int32_t>(d + 4 * (count - 1), value);
        const int32_t skip = 4 - misalignment;
        const uint32_t v = static_cast<uint32_t>(value);
        value = static_cast<int32_t>((v >> (8 * skip)) | (v << (32 - 8 * skip)));
        d += skip;
        --count;
    }
    const __m64 pair = _mm_set1_pi32(value);
    for (; count >= 2; count -= 2, d += 8)
        store64(d, pair);
    if (count == 1)
        storeWord<int32_t>(d, value);
    _mm_empty();
    return dst;
}

ImagingStatus zeroShorts_s1(int16_t* pDst, int32_t count)
{
    if (count >= kStreamZeroShorts)
        return zeroShortsInChunks(pDst, count, zeroBytesStream_s1);
    return zeroShortsInChunks(pDst, count, zeroBytes_s1);
}

extern "C" {

ImagingStatus zfmsCopy_8u_s1(const uint8_t* pSrc, uint8_t* pDst, int32_t len)
{
    if (pSrc == nullptr || pDst == nullptr)
        return StatusNullPointer;
    if (len <= 0)
        return StatusBadSize;
    if (len < kMediumCopyBytes)
        copyBytes_s1(pSrc, pDst, len);
    else if (len < kLargeCopyBytes)
        copyBytesMedium_s1(pSrc, pDst, len);
    else
        copyBytesLarge_s1(pSrc, pDst, len);
    return StatusOk;
}

ImagingStatus zfmsZero_8u_s1(uint8_t* pDst, int32_t len)
{
    if (pDst == nullptr)
        return StatusNullPointer;
    if (len <= 0)
        return StatusBadSize;
    if (len >= kStreamZeroBytes)
        zeroBytesStream_s1(pDst, len);
    else
        zeroBytes_s1(pDst, len);
    return StatusOk;
}

} // extern "C"
