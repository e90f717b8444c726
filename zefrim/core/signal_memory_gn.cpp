// The generic byte copy, zero and word fill, and the exports built on them. Every other
// build must give the same memory contents as these.
#include <cstring>

#include "builds.h"
#include "signal_internal.h"
#include "signal_moves.h"

namespace {

constexpr int32_t kBlockBytes = 32;

} // namespace

namespace {

bool runsOverlap(const uint8_t* a, const uint8_t* b, int32_t len)
{
    return a < b + len && b < a + len;
}

} // namespace

void* copyBytes_gn(const void* src, void* dst, int32_t len)
{
    const uint8_t* s = static_cast<const uint8_t*>(src);
    uint8_t* d = static_cast<uint8_t*>(dst);
    // Runs apart give the same bytes by any route: the C library's copy is the fastest. Overlapping
    // runs (which callers must not pass) keep the forward walk below, so even they stay as they were.
    if (len > 0 && !runsOverlap(s, d, len))
        return std::memcpy(dst, src, static_cast<size_t>(len));
    while (len > 0 && (addressOf(d) & 3) != 0) {
        *d++ = *s++;
        --len;
    }
    for (; len >= kBlockBytes; len -= kBlockBytes, s += kBlockBytes, d += kBlockBytes) {
        for (int32_t i = 0; i < kBlockBytes; i += 4)
            moveWord<uint32_t>(s + i, d + i);
    }
    while (len-- > 0)
        *d++ = *s++;
    return dst;
}

void* zeroBytes_gn(void* dst, int32_t len)
{
    if (len > 0)
        std::memset(dst, 0, static_cast<size_t>(len));
    return dst;
}

void* fillWords_gn(int32_t value, void* dst, int32_t count)
{
    uint8_t* d = static_cast<uint8_t*>(dst);
    for (; count >= 8; count -= 8, d += 32) {
        for (int32_t i = 0; i < 32; i += 4)
            storeWord<int32_t>(d + i, value);
    }
    for (; count > 0; --count, d += 4)
        storeWord<int32_t>(d, value);
    return dst;
}

#include "signal_memory_build.h"
