// The 128-bit shift kernels shared by the s2 and s3 builds (each build compiles its own copy).
#pragma once

#include "signal_moves.h"
#include "signal_shift.h"

#include <emmintrin.h>

namespace {

struct ShiftLeft128 {
    static __m128i apply(__m128i v, __m128i count) { return _mm_sll_epi16(v, count); }
    static int16_t one(int16_t x, int32_t shift) { return shiftLeftOne(x, shift); }
};

struct ShiftRight128 {
    static __m128i apply(__m128i v, __m128i count) { return _mm_sra_epi16(v, count); }
    static int16_t one(int16_t x, int32_t shift) { return shiftRightOne(x, shift); }
};

template <typename Op> void shiftChunks128(int16_t* p, int32_t shift, int32_t chunks)
{
    const __m128i count = _mm_cvtsi32_si128(shift);
    for (int32_t i = 0; i < chunks; ++i) {
        __m128i* at = reinterpret_cast<__m128i*>(p + 8 * i);
        _mm_store_si128(at, Op::apply(_mm_load_si128(at), count));
    }
}

// Elements one by one at an odd address; otherwise single elements up to the 16-byte boundary,
// 32 per step, then chunks of 16, 8, 4, 2 and 1.
template <typename Op> void shiftKernel128(int16_t* p, int32_t len, int32_t shift)
{
    if (addressOf(p) & 1) {
        shiftLoop(p, len, shift, Op::one);
        return;
    }
    int32_t head = bytesToBoundary(p, 16) / 2;
    if (head > len)
        head = len;
    for (; head > 0; --head, --len, ++p)
        *p = Op::one(*p, shift);
    for (; len >= 32; len -= 32, p += 32)
        shiftChunks128<Op>(p, shift, 4);
    if (len >= 16) {
        shiftChunks128<Op>(p, shift, 2);
        len -= 16;
        p += 16;
    }
    if (len >= 8) {
        shiftChunks128<Op>(p, shift, 1);
        len -= 8;
        p += 8;
    }
    const __m128i count = _mm_cvtsi32_si128(shift);
    if (len >= 4) {
        __m128i* at = reinterpret_cast<__m128i*>(p);
        _mm_storel_epi64(at, Op::apply(_mm_loadl_epi64(at), count));
        len -= 4;
        p += 4;
    }
    if (len >= 2) {
        uint8_t* at = reinterpret_cast<uint8_t*>(p);
        const __m128i v = _mm_cvtsi32_si128(loadWord<int32_t>(at));
        storeWord<int32_t>(at, _mm_cvtsi128_si32(Op::apply(v, count)));
        len -= 2;
        p += 2;
    }
    if (len == 1)
        *p = Op::one(*p, shift);
}

} // namespace
