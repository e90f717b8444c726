// Eight 16-bit lanes in an SSE2 register: the operations the 16-bit kernels and the Sobel
// engine of the SSE2 and SSE3 builds, and the generic build's 3x3 Sobel, are written with.
#pragma once

#include <emmintrin.h>

#include <cstdint>

namespace {

struct Sse2Lanes {
    using V = __m128i;
    static constexpr int lanes = 8;

    static V load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
    static V loadAligned(const void* p) { return _mm_load_si128(static_cast<const __m128i*>(p)); }
    static void store(void* p, V v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }
    static void storeAligned(void* p, V v) { _mm_store_si128(static_cast<__m128i*>(p), v); }
    // The address must lie on a 16-byte boundary.
    static void stream(void* p, V v) { _mm_stream_si128(static_cast<__m128i*>(p), v); }
    static void fence() { _mm_sfence(); }
    static void finish() {}

    static V zero() { return _mm_setzero_si128(); }
    static V splat(int16_t v) { return _mm_set1_epi16(v); }
    static V splat32(int32_t v) { return _mm_set1_epi32(v); }
    static V widenBytes(const uint8_t* p)
    {
        return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)), zero());
    }

    static V add(V a, V b) { return _mm_add_epi16(a, b); }
    static V sub(V a, V b) { return _mm_sub_epi16(a, b); }
    static V addSat(V a, V b) { return _mm_adds_epi16(a, b); }
    static V subSat(V a, V b) { return _mm_subs_epi16(a, b); }
    static V mul(V a, V b) { return _mm_mullo_epi16(a, b); }
    static V shiftLeft(V a, int n) { return _mm_sll_epi16(a, _mm_cvtsi32_si128(n)); }
    static V lessThan(V a, V b) { return _mm_cmplt_epi16(a, b); }
    static V equal(V a, V b) { return _mm_cmpeq_epi16(a, b); }
    static V greaterThan(V a, V b) { return _mm_cmpgt_epi16(a, b); }
    static V pick(V mask, V ifSet, V ifClear)
    {
        return _mm_or_si128(_mm_and_si128(mask, ifSet), _mm_andnot_si128(mask, ifClear));
    }

    // 32-bit halves: lanes 0..3 and 4..7 of interleaved pairs.
    static V interleaveLow(V a, V b) { return _mm_unpacklo_epi16(a, b); }
    static V interleaveHigh(V a, V b) { return _mm_unpackhi_epi16(a, b); }
    static V pairSums(V interleaved, V weights) { return _mm_madd_epi16(interleaved, weights); }
    static V add32(V a, V b) { return _mm_add_epi32(a, b); }
    static V and32(V a, V b) { return _mm_and_si128(a, b); }
    static V shiftRightArith32(V a, int n) { return _mm_sra_epi32(a, _mm_cvtsi32_si128(n)); }
    static V shiftRightLogical32(V a, int n) { return _mm_srl_epi32(a, _mm_cvtsi32_si128(n)); }
    static V shiftLeft32(V a, int n) { return _mm_sll_epi32(a, _mm_cvtsi32_si128(n)); }
    static V narrowSat(V low, V high) { return _mm_packs_epi32(low, high); }
};

} // namespace
