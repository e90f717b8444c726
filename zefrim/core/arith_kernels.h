// Vector row kernels of the 16-bit sums and square, written once over a lane type (MmxLanes for
// s1, Sse2Lanes for s2 and s3) and instantiated by each build with its own instruction set.
// Sums and squares that need rounding are formed exactly in 32 bits from interleaved pairs,
// rounded half to even and narrowed with signed saturation.
#pragma once

#include "arith_internal.h"
#include "arith_values.h"
#include "copy_access.h"

namespace {

constexpr int32_t kShortRow = 16;
constexpr int32_t kValuesPerStep = 8;

// Short rows go value by value; otherwise single values up to a 16-byte destination boundary
// (an odd destination keeps unaligned stores throughout), whole steps, then the tail.
template <class L, class Step, class Single>
inline void walkRow16(const int16_t* dst, int32_t count, Step vectorStep, Single single)
{
    int32_t i = 0;
    if (count >= kShortRow) {
        if (isAligned(dst, 2))
            for (; i < count && !isAligned(dst + i, 16); ++i)
                single(i);
        for (; i + kValuesPerStep <= count; i += kValuesPerStep)
            for (int32_t k = 0; k < kValuesPerStep; k += L::lanes)
                vectorStep(i + k);
    }
    for (; i < count; ++i)
        single(i);
    L::finish();
}

template <class L> inline typename L::V roundHalfEven32(typename L::V s, int32_t scaleFactor)
{
    const typename L::V bias = L::splat32((1 << (scaleFactor - 1)) - 1);
    const typename L::V parity = L::and32(L::shiftRightLogical32(s, scaleFactor), L::splat32(1));
    return L::shiftRightArith32(L::add32(L::add32(s, bias), parity), scaleFactor);
}

// Lane results of one scale-factor case each.
template <class L> struct SumSat {
    typename L::V operator()(typename L::V a, typename L::V b) const { return L::addSat(a, b); }
};

template <class L> struct SumScaled {
    int32_t scaleFactor;
    typename L::V operator()(typename L::V a, typename L::V b) const
    {
        const typename L::V ones = L::splat(1);
        const typename L::V low = L::pairSums(L::interleaveLow(a, b), ones);
        const typename L::V high = L::pairSums(L::interleaveHigh(a, b), ones);
        return L::narrowSat(roundHalfEven32<L>(low, scaleFactor), roundHalfEven32<L>(high, scaleFactor));
    }
};

// Shifting the saturated sum equals shifting the exact one: a sum outside 16 bits saturates anyway.
template <class L> struct SumShifted {
    int32_t shift;
    typename L::V operator()(typename L::V a, typename L::V b) const
    {
        const typename L::V sum = L::addSat(a, b);
        const typename L::V low = L::shiftRightArith32(L::interleaveLow(sum, sum), 16);
        const typename L::V high = L::shiftRightArith32(L::interleaveHigh(sum, sum), 16);
        return L::narrowSat(L::shiftLeft32(low, shift), L::shiftLeft32(high, shift));
    }
};

// The saturated sum in the upper half of a 32-bit value narrows to its sign.
template <class L> struct SumSign {
    typename L::V operator()(typename L::V a, typename L::V b) const
    {
        const typename L::V sum = L::addSat(a, b);
        return L::narrowSat(L::interleaveLow(L::zero(), sum), L::interleaveHigh(L::zero(), sum));
    }
};

template <class L, class Op>
inline void addRowWith(const int16_t* a, const int16_t* b, int16_t* dst, int32_t count, Op op,
                       int32_t scaleFactor)
{
    walkRow16<L>(
        dst, count, [&](int32_t i) { L::store(dst + i, op(L::load(a + i), L::load(b + i))); },
        [&](int32_t i) { store16(dst, i, scaledSum(load16(a, i), load16(b, i), scaleFactor)); });
}

template <class L> inline typename L::V squareLanes(typename L::V x, int32_t scaleFactor)
{
    const typename L::V low = L::interleaveLow(x, L::zero());
    const typename L::V high = L::interleaveHigh(x, L::zero());
    typename L::V sqLow = L::pairSums(low, low), sqHigh = L::pairSums(high, high);
    if (scaleFactor == 1)
        return L::narrowSat(L::shiftRightLogical32(sqLow, 1), L::shiftRightLogical32(sqHigh, 1));
    if (scaleFactor > 1)
        return L::narrowSat(roundHalfEven32<L>(sqLow, scaleFactor), roundHalfEven32<L>(sqHigh, scaleFactor));
    const typename L::V square = L::narrowSat(sqLow, sqHigh);
    if (scaleFactor == 0)
        return square;
    const int32_t shift = -scaleFactor;
    const typename L::V tooLarge = L::greaterThan(square, L::splat(static_cast<int16_t>(32767 >> shift)));
    return L::pick(tooLarge, L::splat(32767), L::shiftLeft(square, shift));
}

// Scale factors -14..30.
template <class L, class Load>
inline void squareRowKernel(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor, Load load)
{
    walkRow16<L>(
        dst, count, [&](int32_t i) { L::store(dst + i, squareLanes<L>(load(src + i), scaleFactor)); },
        [&](int32_t i) { store16(dst, i, scaledSquare(load16(src, i), scaleFactor)); });
}

// The cases the square kernel leaves out: any non-zero value saturates, or nothing is left.
template <class L, class Load>
inline void squareRowCases(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor, Load load)
{
    if (scaleFactor >= -14 && scaleFactor <= 30) {
        squareRowKernel<L>(src, dst, count, scaleFactor, load);
        return;
    }
    if (scaleFactor > 30) {
        walkRow16<L>(
            dst, count, [&](int32_t i) { L::store(dst + i, L::zero()); },
            [&](int32_t i) { store16(dst, i, 0); });
        return;
    }
    walkRow16<L>(
        dst, count,
        [&](int32_t i) {
            const typename L::V isZero = L::equal(load(src + i), L::zero());
            L::store(dst + i, L::pick(isZero, L::zero(), L::splat(32767)));
        },
        [&](int32_t i) { store16(dst, i, load16(src, i) != 0 ? 32767 : 0); });
}

template <class L, class Load>
inline ImagingStatus squareRow(const int16_t* src, int16_t* dst, int32_t count, int32_t scaleFactor,
                               Load load)
{
    if (src == nullptr || dst == nullptr)
        return StatusNullPointer;
    if (count <= 0)
        return StatusBadSize;
    squareRowCases<L>(src, dst, count, scaleFactor, load);
    return StatusOk;
}

} // namespace

// Defines one build's addition kernels (in place and not) from its lane types: SL for the
// saturating cases (0 and -16 and below), L for the others.
#define ZEFRIM_DEFINE_ADD_ROW_KERNELS(build, SL, L)                                                          \
    void addRowSat_##build(const int16_t* a, const int16_t* b, int16_t* d, int32_t n)                        \
    {                                                                                                        \
        addRowWith<SL>(a, b, d, n, SumSat<SL>{}, 0);                                                         \
    }                                                                                                        \
    void addRowHalf_##build(const int16_t* a, const int16_t* b, int16_t* d, int32_t n)                       \
    {                                                                                                        \
        addRowWith<L>(a, b, d, n, SumScaled<L>{1}, 1);                                                       \
    }                                                                                                        \
    void addRowScaled_##build(const int16_t* a, const int16_t* b, int16_t* d, int32_t n, int32_t sf)         \
    {                                                                                                        \
        addRowWith<L>(a, b, d, n, SumScaled<L>{sf}, sf);                                                     \
    }                                                                                                        \
    void addRowShifted_##build(const int16_t* a, const int16_t* b, int16_t* d, int32_t n, int32_t shift)     \
    {                                                                                                        \
        addRowWith<L>(a, b, d, n, SumShifted<L>{shift}, -shift);                                             \
    }                                                                                                        \
    void addRowSign_##build(const int16_t* a, const int16_t* b, int16_t* d, int32_t n)                       \
    {                                                                                                        \
        addRowWith<SL>(a, b, d, n, SumSign<SL>{}, -16);                                                      \
    }                                                                                                        \
    void addRowInPlaceSat_##build(const int16_t* s, int16_t* d, int32_t n)                                   \
    {                                                                                                        \
        addRowSat_##build(s, d, d, n);                                                                       \
    }                                                                                                        \
    void addRowInPlaceHalf_##build(const int16_t* s, int16_t* d, int32_t n)                                  \
    {                                                                                                        \
        addRowHalf_##build(s, d, d, n);                                                                      \
    }                                                                                                        \
    void addRowInPlaceScaled_##build(const int16_t* s, int16_t* d, int32_t n, int32_t sf)                    \
    {                                                                                                        \
        addRowScaled_##build(s, d, d, n, sf);                                                                \
    }                                                                                                        \
    void addRowInPlaceShifted_##build(const int16_t* s, int16_t* d, int32_t n, int32_t shift)                \
    {                                                                                                        \
        addRowShifted_##build(s, d, d, n, shift);                                                            \
    }
