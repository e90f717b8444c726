// Four 16-bit lanes in a 64-bit MMX register: the operations of the MMX kernels. Every kernel
// written with them ends with finish(), which clears the MMX state for floating-point code.
#pragma once

#include <xmmintrin.h>

#include <cstdint>
#include <cstring>

namespace {

struct MmxLanes {
    using V = __m64;
    static constexpr int lanes = 4;

    static V load(const void* p)
    {
        V v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    static V loadAligned(const void* p) { return *static_cast<const __m64*>(p); }
    static void store(void* p, V v) { std::memcpy(p, &v, sizeof v); }
    static void storeAligned(void* p, V v) { *static_cast<__m64*>(p) = v; }
    static void stream(void* p, V v) { _mm_stream_pi(static_cast<__m64*>(p), v); }
    static void fence() { _mm_sfence(); }
    static void finish() { _mm_empty(); }

    static V zero() { return _mm_setzero_si64(); }
    static V splat(int16_t v) { return _mm_set1_pi16(v); }
    static V splat32(int32_t v) { return _mm_set1_pi32(v); }
    static V widenBytes(const uint8_t* p)
    {
        int32_t four;
        std::memcpy(&four, p, sizeof four);
        return _mm_unpacklo_pi8(_mm_cvtsi32_si64(four), zero());
    }

    static V add(V a, V b) { return _mm_add_pi16(a, b); }
    static V sub(V a, V b) { return _mm_sub_pi16(a, b); }
    static V addSat(V a, V b) { return _mm_adds_pi16(a, b); }
    static V subSat(V a, V b) { return _mm_subs_pi16(a, b); }
    static V mul(V a, V b) { return _mm_mullo_pi16(a, b); }
    static V shiftLeft(V a, int n) { return _mm_sll_pi16(a, _mm_cvtsi32_si64(n)); }
    static V lessThan(V a, V b) { return _mm_cmpgt_pi16(b, a); }
    static V equal(V a, V b) { return _mm_cmpeq_pi16(a, b); }
    static V greaterThan(V a, V b) { return _mm_cmpgt_pi16(a, b); }
    static V pick(V mask, V ifSet, V ifClear)
    {
        return _mm_or_si64(_mm_and_si64(mask, ifSet), _mm_andnot_si64(mask, ifClear));
    }

    static V interleaveLow(V a, V b) { return _mm_unpacklo_pi16(a, b); }
    static V interleaveHigh(V a, V b) { return _mm_unpackhi_pi16(a, b); }
    static V pairSums(V interleaved, V weights) { return _mm_madd_pi16(interleaved, weights); }
    static V add32(V a, V b) { return _mm_add_pi32(a, b); }
    static V and32(V a, V b) { return _mm_and_si64(a, b); }
    static V shiftRightArith32(V a, int n) { return _mm_sra_pi32(a, _mm_cvtsi32_si64(n)); }
    static V shiftRightLogical32(V a, int n) { return _mm_srl_pi32(a, _mm_cvtsi32_si64(n)); }
    static V shiftLeft32(V a, int n) { return _mm_sll_pi32(a, _mm_cvtsi32_si64(n)); }
    static V narrowSat(V low, V high) { return _mm_packs_pi32(low, high); }
};

} // namespace
