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

} // namespace
