// Per-value results of the scaled 16-bit sum and square: the exact value times 2^-scaleFactor,
// rounded half to even and saturated. Every build's single-value paths use these.
#pragma once

#include <algorithm>
#include <cstdint>

#include "copy_access.h"

namespace {

// (v + 2^(sf-1) - 1 + ((v >> sf) & 1)) >> sf: ties go to the even neighbour.
inline int32_t shiftRoundEven(int32_t v, int32_t scaleFactor)
{
    return (v + (1 << (scaleFactor - 1)) - 1 + ((v >> scaleFactor) & 1)) >> scaleFactor;
}

// Scale factors above 16 never reach this (their entries fill the region with 0).
inline int32_t scaledSum(int32_t a, int32_t b, int32_t scaleFactor)
{
    const int32_t s = a + b;
    if (scaleFactor == 0)
        return saturateTo16(s);
    if (scaleFactor > 0)
        return shiftRoundEven(s, scaleFactor);
    if (scaleFactor >= -15)
        return saturateTo16(static_cast<int32_t>(static_cast<uint32_t>(s) << -scaleFactor));
    return s > 0 ? 32767 : (s < 0 ? -32768 : 0);
}

inline int32_t scaledSquare(int32_t x, int32_t scaleFactor)
{
    const int32_t q = x * x;
    if (scaleFactor > 30)
        return 0;
    if (scaleFactor > 0)
        return std::min(shiftRoundEven(q, scaleFactor), 32767);
    if (scaleFactor == 0)
        return std::min(q, 32767);
    if (scaleFactor >= -14)
        return q > (32767 >> -scaleFactor) ? 32767 : q << -scaleFactor;
    return x != 0 ? 32767 : 0;
}

// Calls `each` with the per-value rule of one scale factor, chosen once for a whole row.
template <class Each> inline void withSumRule(int32_t scaleFactor, Each each)
{
    // Scale factor 1 (the line detector's) gets constant shifts.
    if (scaleFactor == 0)
        each([](int32_t a, int32_t b) { return saturateTo16(a + b); });
    else if (scaleFactor == 1)
        each([](int32_t a, int32_t b) { return shiftRoundEven(a + b, 1); });
    else if (scaleFactor > 0)
        each([scaleFactor](int32_t a, int32_t b) { return shiftRoundEven(a + b, scaleFactor); });
    else if (scaleFactor >= -15)
        each([shift = -scaleFactor](int32_t a, int32_t b) {
            return saturateTo16(static_cast<int32_t>(static_cast<uint32_t>(a + b) << shift));
        });
    else
        each([](int32_t a, int32_t b) { return scaledSum(a, b, -16); });
}

template <class Each> inline void withSquareRule(int32_t scaleFactor, Each each)
{
    if (scaleFactor > 30)
        each([](int32_t) { return 0; });
    else if (scaleFactor == 1)
        each([](int32_t x) { return std::min(shiftRoundEven(x * x, 1), 32767); });
    else if (scaleFactor > 0)
        each([scaleFactor](int32_t x) { return std::min(shiftRoundEven(x * x, scaleFactor), 32767); });
    else
        each([scaleFactor](int32_t x) { return scaledSquare(x, scaleFactor); });
}

} // namespace
