// 8x8 DCTs with quantisation, generic build: 32-bit fixed point, columns then rows for the
// inverse transform, rows then columns for the forward one. The dequantising inverse transform of
// the entry runs the columns, then the rows, four at a time in SSE2 (part of the x86-64 base set)
// with the same wrapping 32-bit arithmetic.
#include <emmintrin.h>

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

template <int shift> int16_t rounded(Wrap32 v)
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
template <ptrdiff_t stride, int shift> [[gnu::always_inline]] inline void inverseTransform(int16_t* p)
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
template <ptrdiff_t stride, int shift> void inverseTransformOrDc(int16_t* p)
{
    if (!onlyFirstNonZero(p, stride)) {
        inverseTransform<stride, shift>(p);
        return;
    }
    const int16_t v = rounded<shift>(w32(p[0]) * 32768);
    for (int k = 0; k < 8; ++k)
        p[k * stride] = v;
}

// The entry's passes fold dequantisation into the column pass and the level-shifting store into
// the row pass: the arithmetic of dequantize16s_gn, idct8x8_gn and storeLevelShift16s8u_gn in
// turn, without the extra trips through a working block.
int16_t dequantized(int16_t coefficient, uint16_t step)
{
    const int32_t product = int32_t{coefficient} * static_cast<int16_t>(step);
    // Products of 8-bit JPEG data never leave 16 bits; one unsigned test finds the others.
    if (__builtin_expect(static_cast<uint32_t>(product) + 32768u > 0xFFFFu, 0))
        return product < 0 ? INT16_MIN : INT16_MAX;
    return static_cast<int16_t>(product);
}

// Whether the eight 16-bit values of the register are all zero.
inline bool allZero(__m128i v)
{
    return _mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_setzero_si128())) == 0xFFFF;
}

// The eight rows of a block's coefficients, loaded once for the zero tests and the dequantising.
struct CoefficientRows {
    __m128i row[8];

    explicit CoefficientRows(const int16_t* coefficients)
    {
        for (int k = 0; k < 8; ++k)
            row[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(coefficients + 8 * k));
    }
    __m128i lowerRowsOr() const
    {
        return _mm_or_si128(_mm_or_si128(row[4], row[5]), _mm_or_si128(row[6], row[7]));
    }
    // Every coefficient but the DC value, or-ed together with the lower rows given.
    __m128i acOr(__m128i lowerRows) const
    {
        const __m128i first = _mm_and_si128(row[0], _mm_set_epi16(-1, -1, -1, -1, -1, -1, -1, 0));
        return _mm_or_si128(_mm_or_si128(_mm_or_si128(first, row[1]), _mm_or_si128(row[2], row[3])),
                            lowerRows);
    }
};

// A block of DC alone is flat: the value that both passes' DC paths give.
void storeFlatBlock(int16_t dc, uint16_t step, uint8_t* destination, int32_t destinationStep)
{
    const int16_t column = rounded<columnShift>(w32(dequantized(dc, step)) * 32768);
    const uint8_t v = dct::clampLevelShifted(rounded<rowShift>(w32(column) * 32768));
    const uint64_t row = v * 0x0101010101010101u;
    for (int y = 0; y < 8; ++y)
        std::memcpy(destination + static_cast<ptrdiff_t>(y) * destinationStep, &row, sizeof row);
}

// ---- The inverse transform in SSE2 -------------------------------------------------------------
// Each pass takes eight 16-bit inputs of one position k for eight columns (or rows) and works on
// them in two halves of four, in 32-bit lanes. Every product is taken modulo 2^32 like Wrap32: a
// weight above 32767 is halved (and the sum doubled) or split over a pair, and pairs of products
// come from one multiply-add, whose wrap on overflow is that of the scalar sum.

template <bool highHalf> inline __m128i interleaved(__m128i a, __m128i b)
{
    return highHalf ? _mm_unpackhi_epi16(a, b) : _mm_unpacklo_epi16(a, b);
}

// a * wa + b * wb of each pair.
inline __m128i multiplyAdd(__m128i pairs, int16_t wa, int16_t wb)
{
    return _mm_madd_epi16(pairs,
                          _mm_set1_epi32(static_cast<uint16_t>(wa) | (static_cast<int32_t>(wb) << 16)));
}

// The sums of inverseSums before the final butterflies. Even: t0..t3. Odd, from
// pOdd = x3 * 27246 + x5 * 18205, qOdd = x5 * 27246 - x3 * 18205, c = x1 * 32139 + x7 * 6393 and
// d = x1 * 6393 - x7 * 32138: s0 = c + pOdd and s3 = d + qOdd (scaled into outputs 0 and 3),
// p = c - pOdd and q = d - qOdd (outputs 1 and 2 are p + q and p - q).
struct HalfSums {
    __m128i t0, t1, t2, t3, s0, s3, p, q;
};

// t0 = (x0 + x4) * 32768, t1 = (x0 - x4) * 32768, t2 = x2 * 17734 - x6 * 42813 and
// t3 = x2 * 42814 + x6 * 17734, their weights halved to fit and the sums doubled. When x4..x7 are
// zero, as in most blocks of a photograph, the same values (every product fits 32 bits either
// way) take fewer multiplies: the even ones from each input paired with itself, a weight above
// 32767 split over the pair, and the odd ones straight from the pair (x1, x3).
// The pass's rounding bias is added to t0 and t1: each output is one of them plus or minus the
// other terms, so the bias reaches every output once (the sums wrap alike in any order).
template <bool highHalf, bool firstFour> inline HalfSums halfSums(const __m128i x[8], int32_t bias)
{
    const auto biased = [bias](__m128i v) { return _mm_add_epi32(v, _mm_set1_epi32(bias)); };
    if constexpr (firstFour) {
        const __m128i p00 = interleaved<highHalf>(x[0], x[0]), p22 = interleaved<highHalf>(x[2], x[2]);
        const __m128i p13 = interleaved<highHalf>(x[1], x[3]);
        const __m128i t0 = biased(multiplyAdd(p00, 16384, 16384));
        return {t0,
                t0,
                multiplyAdd(p22, 17734, 0),
                multiplyAdd(p22, 32767, 10047),
                multiplyAdd(p13, 32139, 27246),
                multiplyAdd(p13, 6393, -18205),
                multiplyAdd(p13, 32139, -27246),
                multiplyAdd(p13, 6393, 18205)};
    } else {
        const __m128i p04 = interleaved<highHalf>(x[0], x[4]), p26 = interleaved<highHalf>(x[2], x[6]);
        const __m128i p35 = interleaved<highHalf>(x[3], x[5]), p17 = interleaved<highHalf>(x[1], x[7]);
        const auto doubled = [](__m128i v) { return _mm_slli_epi32(v, 1); };
        const __m128i x6 = _mm_srai_epi32(p26, 16);
        const __m128i pOdd = multiplyAdd(p35, 27246, 18205), qOdd = multiplyAdd(p35, -18205, 27246);
        const __m128i c = multiplyAdd(p17, 32139, 6393), d = multiplyAdd(p17, 6393, -32138);
        return {biased(doubled(multiplyAdd(p04, 16384, 16384))),
                biased(doubled(multiplyAdd(p04, 16384, -16384))),
                _mm_sub_epi32(doubled(multiplyAdd(p26, 8867, -21406)), x6),
                doubled(multiplyAdd(p26, 21407, 8867)),
                _mm_add_epi32(c, pOdd),
                _mm_add_epi32(d, qOdd),
                _mm_sub_epi32(c, pOdd),
                _mm_sub_epi32(d, qOdd)};
    }
}

// The low 32 bits of v * c (0 <= c < 32768) from 16-bit multiplies: with v = high * 2^16 + low
// (low unsigned), they are low * c + (high * c) * 2^16, and of that second product only its low
// 16 bits remain.
inline __m128i multiplyLow32(__m128i v, uint16_t c)
{
    const __m128i weight = _mm_set1_epi16(static_cast<int16_t>(c));
    const __m128i lowHalves = _mm_mullo_epi16(v, weight); // low 16 bits of low * c and of high * c
    const __m128i carries = _mm_mulhi_epu16(v, weight);   // high 16 bits of low * c in the low half
    return _mm_add_epi16(lowHalves, _mm_slli_epi32(carries, 16));
}

// ((s + 2048) >> 12) * 5793.
inline __m128i scaledOddTerm(__m128i s)
{
    return multiplyLow32(_mm_srai_epi32(_mm_add_epi32(s, _mm_set1_epi32(2048)), 12), 5793);
}

// The even and odd terms whose sum and difference are outputs i and 7 - i.
struct Butterfly {
    __m128i even, odd;
};

inline Butterfly butterfly(const HalfSums& s, int i)
{
    const auto sub = _mm_sub_epi32;
    const auto add = _mm_add_epi32;
    switch (i) {
    case 0:
        return {add(s.t0, s.t3), scaledOddTerm(s.s0)};
    case 1:
        return {add(s.t1, s.t2), add(s.p, s.q)};
    case 2:
        return {sub(s.t1, s.t2), sub(s.p, s.q)};
    default:
        return {sub(s.t0, s.t3), scaledOddTerm(s.s3)};
    }
}

// The column pass over four columns (the left or right half): their eight rows of results,
// turned so that columns[c] holds column c's eight values, ready for the row pass.
template <bool highHalf, bool firstFour> inline void columnHalf(const __m128i x[8], __m128i columns[8])
{
    const HalfSums s = halfSums<highHalf, firstFour>(x, 1 << (columnShift - 1));
    // Each rounded output wraps to its low 16 bits after the shift: bits 12..27 of the sum, the
    // high half of each lane once the sum is shifted left by 4.
    __m128i y[8];
    for (int i = 0; i < 4; ++i) {
        const Butterfly b = butterfly(s, i);
        y[i] = _mm_slli_epi32(_mm_add_epi32(b.even, b.odd), 16 - columnShift);
        y[7 - i] = _mm_slli_epi32(_mm_sub_epi32(b.even, b.odd), 16 - columnShift);
    }
    // The high halves of rows a and b, interleaved column by column.
    const auto highHalves = [](__m128i a, __m128i b) {
        return _mm_or_si128(_mm_srli_epi32(a, 16),
                            _mm_and_si128(b, _mm_set1_epi32(static_cast<int32_t>(0xFFFF0000u))));
    };
    // Rows 0 2 and 1 3 interleaved, then rows 0..3 of columns 0 1 and 2 3 (and so for rows 4..7).
    const __m128i r02 = highHalves(y[0], y[2]), r13 = highHalves(y[1], y[3]);
    const __m128i r46 = highHalves(y[4], y[6]), r57 = highHalves(y[5], y[7]);
    const __m128i upper01 = _mm_unpacklo_epi16(r02, r13), upper23 = _mm_unpackhi_epi16(r02, r13);
    const __m128i lower01 = _mm_unpacklo_epi16(r46, r57), lower23 = _mm_unpackhi_epi16(r46, r57);
    __m128i* half = columns + (highHalf ? 4 : 0);
    half[0] = _mm_unpacklo_epi64(upper01, lower01);
    half[1] = _mm_unpackhi_epi64(upper01, lower01);
    half[2] = _mm_unpacklo_epi64(upper23, lower23);
    half[3] = _mm_unpackhi_epi64(upper23, lower23);
}

// Columns 4..7 of zero coefficients stay zero through the column pass: only the left half is
// worked out.
template <bool firstFour> void columnPass(const __m128i x[8], bool rightColumnsZero, __m128i columns[8])
{
    columnHalf<false, firstFour>(x, columns);
    if (rightColumnsZero) {
        for (int k = 4; k < 8; ++k)
            columns[k] = _mm_setzero_si128();
    } else {
        columnHalf<true, firstFour>(x, columns);
    }
}

// Two rows of eight bytes: the low half of the register, then the high half.
inline void storeBytes(uint8_t* row, uint8_t* nextRow, __m128i rowsPair)
{
    _mm_storel_epi64(reinterpret_cast<__m128i*>(row), rowsPair);
    // movhps: a store of the high half to any address (the double form is an aligned C store).
    _mm_storeh_pi(reinterpret_cast<__m64*>(nextRow), _mm_castsi128_ps(rowsPair));
}

// The row pass over four rows (the upper or lower half), stored level shifted: its outputs,
// output k of each row in y[k], clamped to bytes and turned back into rows as bytes, which takes
// half the shuffles of turning the 16-bit values. A half at a time keeps few registers live.
template <bool highHalf, bool firstFour>
void rowHalf(const __m128i columns[8], uint8_t* destination, int32_t destinationStep)
{
    // Rounded by the bias and the shift; the results lie in -1024..1023 and need no wrap.
    const HalfSums s = halfSums<highHalf, firstFour>(columns, 1 << (rowShift - 1));
    __m128i y[8];
    for (int i = 0; i < 4; ++i) {
        const Butterfly b = butterfly(s, i);
        y[i] = _mm_srai_epi32(_mm_add_epi32(b.even, b.odd), rowShift);
        y[7 - i] = _mm_srai_epi32(_mm_sub_epi32(b.even, b.odd), rowShift);
    }
    // Level shifted and clamped: the signed pack clamps to -128..127, and flipping the top bit of
    // each byte adds 128 to that.
    const auto bytes = [&](int k) {
        const __m128i words =
            _mm_packs_epi16(_mm_packs_epi32(y[k], y[k + 1]), _mm_packs_epi32(y[k + 2], y[k + 3]));
        return _mm_xor_si128(words, _mm_set1_epi8(static_cast<char>(0x80)));
    };
    // first holds outputs 0..3 and last outputs 4..7, four bytes each (one per row). Interleaved,
    // low holds the pairs (0, 4) and then (1, 5) of each row, high (2, 6) and (3, 7); then even
    // holds outputs 0 2 4 6 of each row and odd 1 3 5 7; interleaved once more, each row's bytes.
    const __m128i first = bytes(0), last = bytes(4);
    const __m128i low = _mm_unpacklo_epi8(first, last), high = _mm_unpackhi_epi8(first, last);
    const __m128i even = _mm_unpacklo_epi8(low, high), odd = _mm_unpackhi_epi8(low, high);
    uint8_t* out = destination + static_cast<ptrdiff_t>(highHalf ? 4 : 0) * destinationStep;
    storeBytes(out, out + destinationStep, _mm_unpacklo_epi8(even, odd));
    storeBytes(out + 2 * destinationStep, out + 3 * destinationStep, _mm_unpackhi_epi8(even, odd));
}

template <bool firstFour>
void rowPass(const __m128i columns[8], uint8_t* destination, int32_t destinationStep)
{
    rowHalf<false, firstFour>(columns, destination, destinationStep);
    rowHalf<true, firstFour>(columns, destination, destinationStep);
}

inline __m128i stepRow(const uint16_t* steps, int k)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(steps + 8 * k));
}

// dequantized() of a row of eight coefficients: the product saturated to 16 bits.
inline __m128i dequantizedRow(__m128i c, __m128i q)
{
    const __m128i low = _mm_mullo_epi16(c, q), high = _mm_mulhi_epi16(c, q);
    return _mm_packs_epi32(_mm_unpacklo_epi16(low, high), _mm_unpackhi_epi16(low, high));
}

// dequantized() of the first rows of a block. A product fits 16 bits when its high half is the
// sign of its low half; when one does not, the rows are taken again with saturation.
template <int rows>
inline void dequantizeRows(const CoefficientRows& coefficients, const uint16_t* steps, __m128i x[8])
{
    __m128i outside = _mm_setzero_si128();
    for (int k = 0; k < rows; ++k) {
        const __m128i c = coefficients.row[k], q = stepRow(steps, k);
        const __m128i low = _mm_mullo_epi16(c, q), high = _mm_mulhi_epi16(c, q);
        outside = _mm_or_si128(outside, _mm_xor_si128(high, _mm_srai_epi16(low, 15)));
        x[k] = low;
    }
    if (__builtin_expect(!allZero(outside), 0))
        for (int k = 0; k < rows; ++k)
            x[k] = dequantizedRow(coefficients.row[k], stepRow(steps, k));
    for (int k = rows; k < 8; ++k)
        x[k] = _mm_setzero_si128();
}

// The column pass (shift 12) and the row pass (shift 21) with the level-shifting store. A pass
// whose inputs 4..7 are zero (coefficient rows 4..7 for the columns; columns 4..7, which stay
// zero through the column pass, for the rows) takes the shorter sums; either way is exact.
template <bool lowerRowsZero>
void inverseTransformSse2(const CoefficientRows& coefficients, bool rightColumnsZero, const uint16_t* steps,
                          uint8_t* destination, int32_t destinationStep)
{
    __m128i x[8];
    dequantizeRows<lowerRowsZero ? 4 : 8>(coefficients, steps, x);
    __m128i columns[8];
    columnPass<lowerRowsZero>(x, rightColumnsZero, columns);
    if (rightColumnsZero)
        rowPass<true>(columns, destination, destinationStep);
    else
        rowPass<false>(columns, destination, destinationStep);
}

struct ForwardOutputs {
    Wrap32 r[8];
};

// One-dimensional forward transform of x0..x7 before the pass's own scaling.
ForwardOutputs forwardTransform(const int16_t* p, ptrdiff_t stride)
{
    const Wrap32 x0 = w32(p[0]), x1 = w32(p[stride]), x2 = w32(p[2 * stride]), x3 = w32(p[3 * stride]),
                 x4 = w32(p[4 * stride]), x5 = w32(p[5 * stride]), x6 = w32(p[6 * stride]),
                 x7 = w32(p[7 * stride]);
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
        p[8 * k] = (k == 0 || k == 4) ? low16((f.r[k] + w32(32)) >> 6) : low16((f.r[k] + w32(1048576)) >> 21);
}

} // namespace

ImagingStatus dequantize16s_gn(const int16_t* coefficients, const int16_t* steps, int16_t* destination,
                               int32_t count)
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
        const auto* in = reinterpret_cast<const int16_t*>(reinterpret_cast<const uint8_t*>(source) +
                                                          static_cast<ptrdiff_t>(y) * sourceStep);
        uint8_t* out = destination + static_cast<ptrdiff_t>(y) * destinationStep;
        for (int32_t x = 0; x < width; ++x)
            out[x] = dct::clampLevelShifted(in[x]);
    }
}

ImagingStatus loadLevelShift8u16s_gn(const uint8_t* source, int32_t sourceStep, int16_t* destination,
                                     int32_t destinationStep, int32_t width, int32_t height)
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

ImagingStatus quantizeMulScale16s_gn(const uint16_t* table, const int16_t* source, int16_t* destination,
                                     int32_t count, int32_t scale)
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

ImagingStatus zfmiDCTQuantInv8x8LS_JPEG_16s8u_C1R_gn(const int16_t* pSrc, uint8_t* pDst, int32_t dstStep,
                                                     const uint16_t* pQuantInvTable)
{
    const ImagingStatus status = dct::checkTransformArguments(pSrc, pDst, dstStep, pQuantInvTable);
    if (status != StatusOk)
        return status;
    const CoefficientRows rows(pSrc);
    const __m128i lowerRows = rows.lowerRowsOr();
    const __m128i ac = rows.acOr(lowerRows);
    if (allZero(ac)) {
        storeFlatBlock(pSrc[0], pQuantInvTable[0], pDst, dstStep);
        return StatusOk;
    }
    // Columns 4..7 of the coefficients: the high half of every row.
    const bool rightColumnsZero = allZero(_mm_unpackhi_epi64(ac, ac));
    if (allZero(lowerRows))
        inverseTransformSse2<true>(rows, rightColumnsZero, pQuantInvTable, pDst, dstStep);
    else
        inverseTransformSse2<false>(rows, rightColumnsZero, pQuantInvTable, pDst, dstStep);
    return StatusOk;
}

ImagingStatus zfmiDCTQuantFwd8x8LS_JPEG_8u16s_C1R_gn(const uint8_t* pSrc, int32_t srcStep, int16_t* pDst,
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

} // extern "C"
