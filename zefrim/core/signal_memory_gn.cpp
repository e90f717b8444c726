// The generic byte copy, zero and word fill, and the exports built on them. Every other
// build must give the same memory contents as these.
#include "builds.h"
#include "signal_internal.h"
#include "signal_moves.h"

namespace {

constexpr int32_t kBlockBytes = 32;

}  // namespace

void* copyBytes_gn(const void* src, void* dst, int32_t len)
{
    const uint8_t* s = static_cast<const uint8_t*>(src);
    uint8_t* d = static_cast<uint8_t*>(dst);
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
    uint8_t* d = static_cast<uint8_t*>(dst);
    while (len > 0 && (addressOf(d) & 3) != 0) {
        *d++ = 0;
        --len;
    }
    for (; len >= kBlockBytes; len -= kBlockBytes, d += kBlockBytes) {
        for (int32_t i = 0; i < kBlockBytes; i += 4)
            storeWord<uint32_t>(d + i, 0);
    }
    while (len-- > 0)
        *d++ = 0;
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

#define SIGNAL_BUILD_NAME(name) name##_gn
#include "signal_memory_build.h"
