// The s1 constant shifts of 16-bit arrays: 64-bit vector chunks.
#include "builds.h"
#include "signal_internal.h"
#include "signal_moves.h"
#include "signal_shift.h"

#include <mmintrin.h>

namespace {

struct ShiftLeft64 {
    static __m64 apply(__m64 v, __m64 count) { return _mm_sll_pi16(v, count); }
    static int16_t one(int16_t x, int32_t shift) { return shiftLeftOne(x, shift); }
};

struct ShiftRight64 {
    static __m64 apply(__m64 v, __m64 count) { return _mm_sra_pi16(v, count); }
    static int16_t one(int16_t x, int32_t shift) { return shiftRightOne(x, shift); }
};

template <typename Op> void shiftChunks64(int16_t* p, __m64 count, int32_t chunks)
{
    for (int32_t i = 0; i < chunks; ++i) {
        uint8_t* at = reinterpret_cast<uint8_t*>(p + 4 * i);
        __m64 v;
        std::memcpy(&v, at, sizeof(v));
        v = Op::apply(v, count);
        std::memcpy(at, &v, sizeof(v));
    }
}

// An even address goes element by element to an 8-byte boundary, then 16 elements per step,
// then chunks of 8, 4, 2 and 1.
template <typename Op> void shiftKernel64(int16_t* p, int32_t len, int32_t shift)
{
    if (addressOf(p) & 1) {
        shiftLoop(p, len, shift, Op::one);
        return;
    }
    int32_t head = bytesToBoundary(p, 8) / 2;
    if (head > len)
        head = len;
    for (; head > 0; --head, --len, ++p)
        *p = Op::one(*p, shift);
    const __m64 count = _mm_cvtsi32_si64(shift);
    for (; len >= 16; len -= 16, p += 16)
        shiftChunks64<Op>(p, count, 4);
    if (len >= 8) {
        shiftChunks64<Op>(p, count, 2);
        len -= 8;
        p += 8;
    }
    if (len >= 4) {
        shiftChunks64<Op>(p, count, 1);
        len -= 4;
        p += 4;
    }
    if (len >= 2) {
        uint8_t* at = reinterpret_cast<uint8_t*>(p);
        const __m64 v = _mm_cvtsi32_si64(loadWord<int32_t>(at));
        storeWord<int32_t>(at, _mm_cvtsi64_si32(Op::apply(v, count)));
        len -= 2;
        p += 2;
    }
    if (len == 1)
        *p = Op::one(*p, shift);
    _mm_empty();
}

} // namespace

void shiftLeft16s_s1(int16_t* p, int32_t len, int32_t shift)
{
    shiftKernel64<ShiftLeft64>(p, len, shift);
}

void shiftRight16s_s1(int16_t* p, int32_t len, int32_t shift)
{
    shiftKernel64<ShiftRight64>(p, len, shift);
}

extern "C" {

ImagingStatus zfmsLShiftC_16s_I_s1(int32_t val, int16_t* pSrcDst, int32_t len)
{
    return shiftLeftEntry(val, pSrcDst, len, shiftLeft16s_s1, zeroShorts_s1);
}

ImagingStatus zfmsRShiftC_16s_I_s1(int32_t val, int16_t* pSrcDst, int32_t len)
{
    return shiftRightEntry(val, pSrcDst, len, shiftRight16s_s1);
}

} // extern "C"
