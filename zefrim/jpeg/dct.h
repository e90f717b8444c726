// 8x8 DCTs of JPEG coding: the inverse transform with dequantisation and level shift, and the
// forward transform with level shift and quantisation, in the generic build's fixed point.
// The vector builds' own transforms are in dct_vector.h.
#pragma once

#include <cstddef>
#include <cstdint>

#include "build_token.h"
#include "zefrim/zefrim.h"

// Generic-build internal routines.
// destination[i] = coefficient[i] * step[i], saturated to 16 bits.
ImagingStatus dequantize16s_gn(const int16_t* coefficients, const int16_t* steps, int16_t* destination,
                               int32_t count);
// In place: the block (natural order) becomes its inverse DCT.
ImagingStatus idct8x8_gn(int16_t* block);
// destination byte = source value + 128, clamped to 0..255; no checks.
void storeLevelShift16s8u_gn(const int16_t* source, int32_t sourceStep, uint8_t* destination,
                             int32_t destinationStep, int32_t width, int32_t height);
// destination value = source byte - 128; no checks.
ImagingStatus loadLevelShift8u16s_gn(const uint8_t* source, int32_t sourceStep, int16_t* destination,
                                     int32_t destinationStep, int32_t width, int32_t height);
// In place: the block (natural order) becomes its forward DCT.
ImagingStatus fdct8x8_gn(int16_t* block);
// destination[i] = source[i] * table[i] / 2^scale, rounded half to even, saturated.
ImagingStatus quantizeMulScale16s_gn(const uint16_t* table, const int16_t* source, int16_t* destination,
                                     int32_t count, int32_t scale);

namespace dct::inline ZEFRIM_BUILD_NAMESPACE {

// 32-bit two's-complement arithmetic that wraps like the transforms are defined to, without
// the undefined behaviour of signed overflow for extreme coefficients.
struct Wrap32 {
    uint32_t bits;
};

constexpr Wrap32 w32(int32_t v)
{
    return {static_cast<uint32_t>(v)};
}
constexpr Wrap32 operator+(Wrap32 a, Wrap32 b)
{
    return {a.bits + b.bits};
}
constexpr Wrap32 operator-(Wrap32 a, Wrap32 b)
{
    return {a.bits - b.bits};
}
constexpr Wrap32 operator*(Wrap32 a, int32_t c)
{
    return {a.bits * static_cast<uint32_t>(c)};
}
// Arithmetic right shift of the wrapped value.
constexpr int32_t operator>>(Wrap32 a, int n)
{
    return static_cast<int32_t>(a.bits) >> n;
}

static inline int16_t low16(int32_t v)
{
    return static_cast<int16_t>(v);
}

static inline int16_t saturate16(int64_t v)
{
    return static_cast<int16_t>(v < INT16_MIN ? INT16_MIN : (v > INT16_MAX ? INT16_MAX : v));
}

static inline uint8_t clampLevelShifted(int32_t v)
{
    v += 128;
    return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// The argument checks shared by the builds: blocks and destination, then step, then table.
static inline ImagingStatus checkTransformArguments(const void* source, const void* destination, int32_t step,
                                                    const void* table)
{
    if (source == nullptr || destination == nullptr)
        return StatusNullPointer;
    if (step <= 0)
        return StatusBadStep;
    if (table == nullptr)
        return StatusNullPointer;
    return StatusOk;
}

// Quantisation by a Q15-style reciprocal with rounding half to even; the vector builds use it
// for their fixed scale 15 as well.
static inline int16_t quantizeOne(int32_t coefficient, uint16_t reciprocal, int32_t scale)
{
    const int64_t product = static_cast<int64_t>(coefficient) * reciprocal;
    if (scale <= 0) {
        // Any non-zero product saturates long before a shift of 32.
        const int leftShift = -scale < 32 ? -scale : 32;
        return saturate16(product * (int64_t{1} << leftShift));
    }
    const int64_t floor = product >> scale;
    const int64_t remainder = product - (floor << scale);
    const int64_t half = int64_t{1} << (scale - 1);
    const bool up = remainder > half || (remainder == half && (floor & 1) != 0);
    return saturate16(floor + (up ? 1 : 0));
}

} // namespace dct::inline ZEFRIM_BUILD_NAMESPACE
