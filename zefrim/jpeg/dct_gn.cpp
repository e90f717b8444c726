// 8x8 DCTs with quantisation, generic build: 32-bit fixed point, columns then rows for the
// inverse transform, rows then columns for the forward one.
#include <cstring>

#include "builds.h"
#include "dct.h"
#include "signal_internal.h"

using dct::low16;
using dct::w32;
using dct::Wrap32;

namespace {

// Each pass ends by rounding half up: (v + 2^(shift - 1)) >> shift. The inverse transform's
// passes shift by 12 (columns) and 21 (rows).
constexpr int columnShift = 12;
constexpr int rowShift = 21;

template <int shift>
int16_t rounded(Wrap32 v)
{
    return low16((v + w32(1 << (shift - 1))) >> shift);
}

// One-dimensional inverse transform: the eight outputs before the pass's rounding.
struct InverseSums {
    Wrap32 y[8];
};

[[gnu::always_inline]] inline InverseSums inverseSums(const Wrap32 x[8])
{
    const Wrap32 t0 = (x[0] + x[4]) * 32768;
    const Wrap32 t1 = (x[0] - x[4]) * 32768;
    const Wrap32 z = (x[2] + x[6]) * 17734;
    const Wrap32 t3 = z + x[2] * 25080;
    const Wrap32 t2 = z - x[6] * 60547;
    const Wrap32 e0 = t0 + t3, e3 = t0 - t3, e1 = t1 + t2, e2 = t1 - t2;

    const Wrap32 za = (x[3] + x[5]) * 27246;
    const Wrap32 pOdd = za - x[5] * 9041;
    const Wrap32 qOdd = za - x[3] * 45451;
    const Wrap32 zb = (x[1] + x[7]) * 6393;
    const Wrap32 c = zb + x[1] * 25746;
    const Wrap32 d = zb - x[7] * 38531;

    const Wrap32 o0 = w32((pOdd + c + w32(2048)) >> 12) * 5793;
    const Wrap32 o1 = c + d - pOdd - qOdd;
    const Wrap32 o2 = c + qOdd - pOdd - d;
    const Wrap32 o3 = w32((qOdd + d + w32(2048)) >> 12) * 5793;

    return {{e0 + o0, e1 + o1, e2 + o2, e3 + o3, e3 - o3, e2 - o2, e1 - o1, e0 - o0}};
}

// The transform of the eight values at p[0], p[stride], ..., in place.
template <ptrdiff_t stride, int shift>
[[gnu::always_inline]] inline void inverseTransform(int16_t* p)
{
    Wrap32 x[8];
    for (int k = 0; k < 8; ++k)
        x[k] = w32(p[k * stride]);
    const InverseSums sums = inverseSums(x);
    for (int k = 0; k < 8; ++k)
        p[k * stride] = rounded<shift>(sums.y[k]);
}

bool onlyFirstNonZero(const int16_t* p, ptrdiff_t stride)
{
    for (int k = 1; k < 8; ++k)
        if (p[k * stride] != 0)
            return false;
    return true;
}

// With only x0 set every output is the rounded x0 * 32768; same result, far less work.
template <ptrdiff_t stride, int shift>
void inverseTransformOrDc(int16_t* p)
{
    if (!onlyFirstNonZero(p, stride)) {
        inverseTransform<stride, shift>(p);
        return;
    }
    const int16_t v = rounded<shift>(w32(p[0]) * 32768);
    for (int k = 0; k < 8; ++k)
        p[k * stride] = v;
}

// The entry's passes: dequantisation folded into the column pass and the level-shifting store
// into the row pass. Same arithmetic as dequantize16s_gn, idct8x8_gn and storeLevelShift16s8u_gn
// in turn, without the extra trips through the working block.
int16_t dequantized(int16_t coefficient, uint16_t step)
{
    const int32_t product = int32_t{coefficient} * static_cast<int16_t>(step);
    // Products of 8-bit JPEG data never leave 16 bits; one unsigned test finds the others.
    if (__builtin_expect(static_cast<uint32_t>(product) + 32768u > 0xFFFFu, 0))
        return product < 0 ? INT16_MIN : INT16_MAX;
    return static_cast<int16_t>(product);
}

void dequantizeAndTransformColumn(const int16_t* coefficients, const uint16_t* steps,
                                  int16_t* column)
{
    const int16_t* c = coefficients;
    if ((c[8] | c[16] | c[24] | c[32] | c[40] | c[48] | c[56]) == 0) {
        const int16_t v = rounded<columnShift>(w32(dequantized(c[0], steps[0])) * 32768);
        for (int k = 0; k < 8; ++k)
            column[8 * k] = v;
        return;
    }
    Wrap32 x[8];
    for (int k = 0; k < 8; ++k)
        x[k] = w32(dequantized(c[8 * k], steps[8 * k]));
    const InverseSums sums = inverseSums(x);
    for (int k = 0; k < 8; ++k)
        column[8 * k] = rounded<columnShift>(sums.y[k]);
}

// Tested four coefficients at a time; the DC value is the low 16 bits of the first word.
bool onlyDcNonZero(const int16_t* coefficients)
{
    uint64_t words[16];
    std::memcpy(words, coefficients, sizeof words);
    uint64_t any = words[0] & ~uint64_t{0xFFFF};
    for (int i = 1; i < 16; ++i)
        any |= words[i];
    return any == 0;
}

// A block of DC alone is flat: the value that both passes' DC paths give.
void storeFlatBlock(int16_t dc, uint16_t step, uint8_t* destination, int32_t destinationStep)
{
    const int16_t column = rounded<columnShift>(w32(dequantized(dc, step)) * 32768);
    const uint8_t v = dct::clampLevelShifted(rounded<rowShift>(w32(column) * 32768));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            destination[static_cast<ptrdiff_t>(y) * destinationStep + x] = v;
}

// A row-pass result is a 32-bit sum shifted right by 21, so it lies in -1024..1023; this table
// level-shifts and clamps it without branches.
struct LevelShiftTable {
    uint8_t entry[2048];
};
constexpr LevelShiftTable makeLevelShiftTable()
{
    LevelShiftTable t{};
    for (int32_t i = 0; i < 2048; ++i) {
        const int32_t v = i - 1024 + 128;
        t.entry[i] = static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
    }
    return t;
}
constexpr LevelShiftTable levelShiftTable = makeLevelShiftTable();

uint8_t levelShifted(int16_t rowResult)
{
    return levelShiftTable.entry[(rowResult + 1024) & 2047];
}

void transformRowAndStore(const int16_t* row, uint8_t* out)
{
    if ((row[1] | row[2] | row[3] | row[4] | row[5] | row[6] | row[7]) == 0) {
        const uint8_t v =
            dct::clampLevelShifted(rounded<rowShift>(w32(row[0]) * 32768));
        for (int x = 0; x < 8; ++x)
            out[x] = v;
        return;
    }
    Wrap32 x[8];
    for (int k = 0; k < 8; ++k)
        x[k] = w32(row[k]);
    const InverseSums sums = inverseSums(x);
    for (int k = 0; k < 8; ++k)
        out[k] = levelShifted(rounded<rowShift>(sums.y[k]));
}

struct ForwardOutputs {
    Wrap32 r[8];
};

// One-dimensional forward transform of x0..x7 before the pass's own scaling.
ForwardOutputs forwardTransform(const int16_t* p, ptrdiff_t stride)
{
    const Wrap32 x0 = w32(p[0]), x1 = w32(p[stride]), x2 = w32(p[2 * stride]),
                 x3 = w32(p[3 * stride]), x4 = w32(p[4 * stride]), x5 = w32(p[5 * stride]),
                 x6 = w32(p[6 * stride]), x7 = w32(p[7 * stride]);
    ForwardOutputs out;
    Wrap32* r = out.r;

    const Wrap32 s07 = x0 + x7, s16 = x1 + x6, s25 = x2 + x5, s34 = x3 + x4;
    const Wrap32 a = s07 - s34, b = s16 - s25;
    r[0] = s07 + s34 + s16 + s25;
    r[4] = s07 + s34 - s16 - s25;
    const Wrap32 z = (a + b) * 17734;
    r[2] = z + a * 25080;
    r[6] = z - b * 60547;

    const Wrap32 c = w32(((x3 - x4) * 46341 + w32(2048)) >> 12);
    const Wrap32 d = w32(((x0 - x7) * 46341 + w32(2048)) >> 12);
    const Wrap32 g = ((x1 - x6) + (x2 - x5)) * 8;
    const Wrap32 h = ((x1 - x6) - (x2 - x5)) * 8;
    const Wrap32 k = (g + d + h + c) * 799;
    r[1] = k + (g + d) * 3218;
    r[7] = k - (h + c) * 4816;
    const Wrap32 cc = c - h, dd = d - g;
    const Wrap32 l = (cc + dd) * 3406;
    r[3] = l - cc * 5681;
    r[5] = l - dd * 1130;
    return out;
}

void forwardRow(int16_t* p)
{
    const ForwardOutputs f = forwardTransform(p, 1);
    for (int k = 0; k < 8; ++k)
        p[k] = (k == 0 || k == 4) ? low16(static_cast<int32_t>((f.r[k] * 8).bits))
                                  : low16((f.r[k] + w32(2048)) >> 12);
}

void forwardColumn(int16_t* p)
{
    const ForwardOutputs f = forwardTransform(p, 8);
    for (int k = 0; k < 8; ++k)
        p[8 * k] = (k == 0 || k == 4) ? low16((f.r[k] + w32(32)) >> 6)
                                      : low16((f.r[k] + w32(1048576)) >> 21);
}

}  // namespace

ImagingStatus dequantize16s_gn(const int16_t* coefficients, const int16_t* steps,
                               int16_t* destination, int32_t count)
{
    if (coefficients == nullptr || steps == nullptr || destination == nullptr)
        return StatusNullPointer;
    if (count <= 0)
        return StatusBadSize;
    for (int32_t i = 0; i < count; ++i)
        destination[i] = dct::saturate16(int32_t{coefficients[i]} * steps[i]);
    return StatusOk;
}

ImagingStatus idct8x8_gn(int16_t* block)
{
    if (block == nullptr)
        return StatusNullPointer;
    for (int column = 0; column < 8; ++column)
        inverseTransformOrDc<8, columnShift>(block + column);
    for (int row = 0; row < 8; ++row)
        inverseTransformOrDc<1, rowShift>(block + 8 * row);
    return StatusOk;
}

void storeLevelShift16s8u_gn(const int16_t* source, int32_t sourceStep, uint8_t* destination,
                             int32_t destinationStep, int32_t width, int32_t height)
{
    for (int32_t y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const int16_t*>(
            reinterpret_cast<const uint8_t*>(source) + static_cast<ptrdiff_t>(y) * sourceStep);
        uint8_t* out = destination + static_cast<ptrdiff_t>(y) * destinationStep;
        for (int32_t x = 0; x < width; ++x)
            out[x] = dct::clampLevelShifted(in[x]);
    }
}

ImagingStatus loadLevelShift8u16s_gn(const uint8_t* source, int32_t sourceStep,
                                     int16_t* destination, int32_t destinationStep, int32_t width,
                                     int32_t height)
{
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* in = source + static_cast<ptrdiff_t>(y) * sourceStep;
        auto* out = reinterpret_cast<int16_t*>(reinterpret_cast<uint8_t*>(destination) +
                                               static_cast<ptrdiff_t>(y) * destinationStep);
        for (int32_t x = 0; x < width; ++x)
            out[x] = static_cast<int16_t>(in[x] - 128);
    }
    return StatusOk;
}

ImagingStatus fdct8x8_gn(int16_t* block)
{
    if (block == nullptr)
        return StatusNullPointer;
    for (int row = 0; row < 8; ++row)
        forwardRow(block + 8 * row);
    for (int column = 0; column < 8; ++column)
        forwardColumn(block + column);
    return StatusOk;
}

ImagingStatus quantizeMulScale16s_gn(const uint16_t* table, const int16_t* source,
                                     int16_t* destination, int32_t count, int32_t scale)
{
    if (table == nullptr || source == nullptr || destination == nullptr)
        return StatusNullPointer;
    if (count <= 0)
        return StatusBadSize;
    if (scale >= 32)
        return zeroShorts_gn(destination, count);
    for (int32_t i = 0; i < count; ++i)
        destination[i] = dct::quantizeOne(source[i], table[i], scale);
    return StatusOk;
}

extern "C" {

ImagingStatus zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn(const int16_t* pSrc, uint8_t* pDst,
                                                     int32_t dstStep,
                                                     const uint16_t* pQuantInvTable)
{
    const ImagingStatus status = dct::checkTransformArguments(pSrc, pDst, dstStep, pQuantInvTable);
    if (status != StatusOk)
        return status;
    if (onlyDcNonZero(pSrc)) {
        storeFlatBlock(pSrc[0], pQuantInvTable[0], pDst, dstStep);
        return StatusOk;
    }
    alignas(32) int16_t block[64];
    for (int column = 0; column < 8; ++column)
        dequantizeAndTransformColumn(pSrc + column, pQuantInvTable + column, block + column);
    for (int row = 0; row < 8; ++row)
        transformRowAndStore(block + 8 * row, pDst + static_cast<ptrdiff_t>(row) * dstStep);
    return StatusOk;
}

ImagingStatus zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R_gn(const uint8_t* pSrc, int32_t srcStep,
                                                     int16_t* pDst,
                                                     const uint16_t* pQuantFwdTable)
{
    const ImagingStatus status = dct::checkTransformArguments(pSrc, pDst, srcStep, pQuantFwdTable);
    if (status != StatusOk)
        return status;
    loadLevelShift8u16s_gn(pSrc, srcStep, pDst, 16, 8, 8);
    fdct8x8_gn(pDst);
    quantizeMulScale16s_gn(pQuantFwdTable, pDst, pDst, 64, 15);
    return StatusOk;
}

}  // extern "C"
