// Sobel policy of the two MMX builds (s1 and s3): 8-byte non-temporal destination stores, a
// prefetch 64 bytes ahead of the source, and a fence plus cleared MMX state at the end of a call.
#pragma once

#include "arith_lanes_mmx.h"
#include "builds.h"
#include "sobel_engine.h"

namespace {

// everyStep: prefetch at every 8-byte step (s3); otherwise once per 32 source bytes (s1).
template <bool everyStep, int32_t multiple> struct MmxSobelPolicy {
    static constexpr int32_t rowMultiple = multiple;
    static void prefetch(const uint8_t* p)
    {
        if (everyStep || (reinterpret_cast<uintptr_t>(p) & 0x18) == 0)
            _mm_prefetch(reinterpret_cast<const char*>(p) + 64, _MM_HINT_T0);
    }
    static void storeDestination(int16_t* p, __m64 v, bool) { MmxLanes::stream(p, v); }
    static void finishStreamingStores()
    {
        _mm_sfence();
        _mm_empty();
    }
};

} // namespace
