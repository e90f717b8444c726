// The transforms of the vector builds: rows first with 16-bit coefficient tables and 32-bit
// multiply-add sums for the inverse DCT, columns first for the forward one, the other pass in
// saturating 16-bit arithmetic with high-half products. They differ from the generic build's
// results by at most one in a few positions.
#pragma once

#include <cstddef>
#include <cstdint>

#include "build_token.h"
#include "dct.h"

namespace dct_vector::inline ZEFRIM_BUILD_NAMESPACE {

using dct::low16;
using dct::saturate16;
using dct::w32;
using dct::Wrap32;

// basis[j][k][n] = round(S_j * sqrt(2) * c(n) * cos((2k + 1) n pi / 16)), c(0) = 1/sqrt(2),
// with the row scale S_0 = 16384 and S_j = 16384 * sqrt(2) * cos(j pi / 16).
inline constexpr int16_t basis[4][4][8] = {
    {{16384, 22725, 21407, 19266, 16384, 12873, 8867, 4520},
     {16384, 19266, 8867, -4520, -16384, -22725, -21407, -12873},
     {16384, 12873, -8867, -22725, -16384, 4520, 21407, 19266},
     {16384, 4520, -21407, -12873, 16384, 19266, -8867, -22725}},
    {{22725, 31521, 29692, 26722, 22725, 17855, 12299, 6270},
     {22725, 26722, 12299, -6270, -22725, -31521, -29692, -17855},
     {22725, 17855, -12299, -31521, -22725, 6270, 29692, 26722},
     {22725, 6270, -29692, -17855, 22725, 26722, -12299, -31521}},
    {{21407, 29692, 27969, 25172, 21407, 16819, 11585, 5906},
     {21407, 25172, 11585, -5906, -21407, -29692, -27969, -16819},
     {21407, 16819, -11585, -29692, -21407, 5906, 27969, 25172},
     {21407, 5906, -27969, -16819, 21407, 25172, -11585, -29692}},
    {{19266, 26722, 25172, 22654, 19266, 15137, 10426, 5315},
     {19266, 22654, 10426, -5315, -19266, -26722, -25172, -15137},
     {19266, 15137, -10426, -26722, -19266, 5315, 25172, 22654},
     {19266, 5315, -25172, -15137, 19266, 22654, -10426, -26722}},
};

// Rows j and 8 - j share a scale.
inline constexpr int rowBasis[8] = {0, 1, 2, 3, 0, 3, 2, 1};
inline constexpr int32_t inverseRowRounding[8] = {65536, 5802, 4520, 3408, 2048, 910, 1024, 746};

constexpr int16_t tan1 = 13036;    // tan(pi/16)
constexpr int16_t tan2 = 27146;    // tan(pi/8)
constexpr int16_t tan3m1 = -21746; // tan(3pi/16) - 1
constexpr int16_t cos4m1 = -19195; // cos(pi/4) - 1
constexpr int16_t cos4 = 23170;    // cos(pi/4)

static inline int16_t adds(int16_t a, int16_t b)
{
    return saturate16(int32_t{a} + b);
}
static inline int16_t subs(int16_t a, int16_t b)
{
    return saturate16(int32_t{a} - b);
}
// High half of the 32-bit product (floor of a * c / 65536).
static inline int16_t mulHigh(int16_t a, int16_t c)
{
    return static_cast<int16_t>((int32_t{a} * c) >> 16);
}
static inline int16_t shiftLeft(int16_t a, int n)
{
    return low16(int32_t{a} * (1 << n));
}
static inline int16_t setLowBit(int16_t a)
{
    return static_cast<int16_t>(a | 1);
}

// ---- Inverse ------------------------------------------------------------------------------

static inline void dequantizeWrapping(const int16_t* coefficients, const uint16_t* steps, int16_t* block)
{
    for (int i = 0; i < 64; ++i)
        block[i] = low16(int32_t{coefficients[i]} * static_cast<int16_t>(steps[i]));
}

static inline void inverseRow(int16_t* x, int row)
{
    const auto& m = basis[rowBasis[row]];
    int16_t y[8];
    for (int k = 0; k < 4; ++k) {
        Wrap32 even = w32(inverseRowRounding[row]);
        Wrap32 odd = w32(0);
        for (int n = 0; n < 8; n += 2) {
            even = even + w32(x[n]) * m[k][n];
            odd = odd + w32(x[n + 1]) * m[k][n + 1];
        }
        y[k] = saturate16((even + odd) >> 12);
        y[7 - k] = saturate16((even - odd) >> 12);
    }
    for (int k = 0; k < 8; ++k)
        x[k] = y[k];
}

static inline void inverseColumn(int16_t* p)
{
    const int16_t x0 = p[0], x1 = p[8], x2 = p[16], x3 = p[24], x4 = p[32], x5 = p[40], x6 = p[48],
                  x7 = p[56];
    const int16_t sum35 = adds(adds(mulHigh(x5, tan3m1), x5), x3);
    const int16_t dif35 = subs(x5, adds(mulHigh(x3, tan3m1), x3));
    const int16_t sum17 = adds(mulHigh(x7, tan1), x1);
    const int16_t dif17 = subs(mulHigh(x1, tan1), x7);
    const int16_t sum26 = adds(mulHigh(x6, tan2), x2);
    const int16_t dif26 = subs(mulHigh(x2, tan2), x6);

    const int16_t b0 = adds(sum17, sum35);
    const int16_t d = subs(sum17, sum35);
    const int16_t m = subs(dif17, dif35);
    const int16_t b3 = adds(dif17, dif35);
    const int16_t e = adds(d, m);
    const int16_t f = subs(d, m);
    const int16_t b1 = adds(mulHigh(e, cos4m1), e);
    const int16_t b2 = adds(mulHigh(f, cos4m1), f);

    const int16_t sum04 = adds(x0, x4);
    const int16_t dif04 = subs(x0, x4);
    const int16_t a0 = adds(sum04, sum26);
    const int16_t a3 = subs(sum04, sum26);
    const int16_t a1 = adds(dif04, dif26);
    const int16_t a2 = subs(dif04, dif26);

    p[0] = static_cast<int16_t>(adds(a0, b0) >> 5);
    p[8] = static_cast<int16_t>(adds(a1, b1) >> 5);
    p[16] = static_cast<int16_t>(adds(a2, b2) >> 5);
    p[24] = static_cast<int16_t>(adds(a3, b3) >> 5);
    p[32] = static_cast<int16_t>(subs(a3, b3) >> 5);
    p[40] = static_cast<int16_t>(subs(a2, b2) >> 5);
    p[48] = static_cast<int16_t>(subs(a1, b1) >> 5);
    p[56] = static_cast<int16_t>(subs(a0, b0) >> 5);
}

static inline void inverseTransform(int16_t* block)
{
    for (int row = 0; row < 8; ++row)
        inverseRow(block + 8 * row, row);
    for (int column = 0; column < 8; ++column)
        inverseColumn(block + column);
}

// The level 128 is added with 16-bit wrap-around before the clamp.
static inline void storeLevelShift(const int16_t* block, uint8_t* destination, int32_t step)
{
    for (int y = 0; y < 8; ++y) {
        uint8_t* out = destination + static_cast<ptrdiff_t>(y) * step;
        for (int x = 0; x < 8; ++x) {
            const int16_t v = low16(block[8 * y + x] + 128);
            out[x] = static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
        }
    }
}

static inline ImagingStatus dctQuantInv(const int16_t* source, uint8_t* destination, int32_t step,
                                        const uint16_t* table)
{
    const ImagingStatus status = dct::checkTransformArguments(source, destination, step, table);
    if (status != StatusOk)
        return status;
    alignas(16) int16_t block[64];
    dequantizeWrapping(source, table, block);
    inverseTransform(block);
    storeLevelShift(block, destination, step);
    return StatusOk;
}

// ---- Forward ------------------------------------------------------------------------------

static inline void loadLevelShift(const uint8_t* source, int32_t step, int16_t* block)
{
    for (int y = 0; y < 8; ++y) {
        const uint8_t* in = source + static_cast<ptrdiff_t>(y) * step;
        for (int x = 0; x < 8; ++x)
            block[8 * y + x] = static_cast<int16_t>(in[x] - 128);
    }
}

static inline void forwardColumn(int16_t* p)
{
    const int16_t x0 = p[0], x1 = p[8], x2 = p[16], x3 = p[24], x4 = p[32], x5 = p[40], x6 = p[48],
                  x7 = p[56];
    const int16_t s07 = adds(x0, x7), d07 = subs(x0, x7), s16 = adds(x1, x6), d16 = subs(x1, x6);
    const int16_t s25 = adds(x2, x5), d25 = subs(x2, x5), s34 = adds(x3, x4), d34 = subs(x3, x4);

    const int16_t m12 = subs(shiftLeft(s16, 3), shiftLeft(s25, 3));
    const int16_t p12 = adds(shiftLeft(s16, 3), shiftLeft(s25, 3));
    const int16_t m03 = shiftLeft(subs(s07, s34), 3);
    const int16_t p03 = shiftLeft(adds(s07, s34), 3);

    p[0] = adds(p03, p12);
    p[32] = subs(p03, p12);
    p[16] = setLowBit(adds(mulHigh(m12, tan2), m03));
    p[48] = setLowBit(subs(mulHigh(m03, tan2), m12));

    const int16_t g = setLowBit(mulHigh(adds(shiftLeft(d16, 4), shiftLeft(d25, 4)), cos4));
    const int16_t h = mulHigh(subs(shiftLeft(d16, 4), shiftLeft(d25, 4)), cos4);
    const int16_t o1 = adds(shiftLeft(d34, 3), h);
    const int16_t o2 = subs(shiftLeft(d34, 3), h);
    const int16_t q1 = subs(shiftLeft(d07, 3), g);
    const int16_t q2 = adds(shiftLeft(d07, 3), g);

    p[8] = setLowBit(adds(mulHigh(o1, tan1), q2));
    p[56] = subs(mulHigh(q2, tan1), o1);
    p[24] = subs(q1, adds(mulHigh(o2, tan3m1), o2));
    p[40] = adds(adds(mulHigh(q1, tan3m1), q1), o2);
}

static inline void forwardRow(int16_t* z, int row)
{
    const auto& m = basis[rowBasis[row]];
    int16_t sums[4], differences[4];
    for (int n = 0; n < 4; ++n) {
        sums[n] = adds(z[n], z[7 - n]);
        differences[n] = subs(z[n], z[7 - n]);
    }
    for (int k = 0; k < 8; ++k) {
        const int16_t* operand = (k % 2 == 0) ? sums : differences;
        Wrap32 sum = w32(1 << 19);
        for (int n = 0; n < 4; ++n)
            sum = sum + w32(operand[n]) * m[n][k];
        z[k] = saturate16(sum >> 20);
    }
}

static inline void forwardTransform(int16_t* block)
{
    for (int column = 0; column < 8; ++column)
        forwardColumn(block + column);
    for (int row = 0; row < 8; ++row)
        forwardRow(block + 8 * row, row);
}

static inline ImagingStatus dctQuantFwd(const uint8_t* source, int32_t step, int16_t* destination,
                                        const uint16_t* table)
{
    const ImagingStatus status = dct::checkTransformArguments(source, destination, step, table);
    if (status != StatusOk)
        return status;
    loadLevelShift(source, step, destination);
    forwardTransform(destination);
    for (int i = 0; i < 64; ++i)
        destination[i] = dct::quantizeOne(destination[i], table[i], 15);
    return StatusOk;
}

} // namespace dct_vector::inline ZEFRIM_BUILD_NAMESPACE
