// The vector builds' DCTs in 128-bit registers (s2, s3): one row per step of the row pass with
// pairwise multiply-add, all eight columns at once in the column pass. Same results as the
// scalar form in dct_vector.h.
#pragma once

#include <emmintrin.h>

#include <cstddef>
#include <cstdint>

#include "build_token.h"
#include "dct_vector.h"

namespace dct_sse2::inline ZEFRIM_BUILD_NAMESPACE {

// For one row scale: the coefficient pairs that multiply (x0, x2), (x4, x6), (x1, x3) and
// (x5, x7), for outputs k = 0..3 in the four 32-bit lanes.
struct RowCoefficients {
    alignas(16) int16_t evenLow[8], evenHigh[8], oddLow[8], oddHigh[8];
};

constexpr RowCoefficients makeRowCoefficients(int basisIndex)
{
    const auto& m = dct_vector::basis[basisIndex];
    RowCoefficients c{};
    for (int k = 0; k < 4; ++k) {
        c.evenLow[2 * k] = m[k][0];
        c.evenLow[2 * k + 1] = m[k][2];
        c.evenHigh[2 * k] = m[k][4];
        c.evenHigh[2 * k + 1] = m[k][6];
        c.oddLow[2 * k] = m[k][1];
        c.oddLow[2 * k + 1] = m[k][3];
        c.oddHigh[2 * k] = m[k][5];
        c.oddHigh[2 * k + 1] = m[k][7];
    }
    return c;
}

inline constexpr RowCoefficients rowCoefficients[4] = {makeRowCoefficients(0), makeRowCoefficients(1),
                                                       makeRowCoefficients(2), makeRowCoefficients(3)};

static inline __m128i load(const int16_t* p)
{
    return _mm_load_si128(reinterpret_cast<const __m128i*>(p));
}

static inline __m128i inverseRow(__m128i x, int row)
{
    const RowCoefficients& c = rowCoefficients[dct_vector::rowBasis[row]];
    // x0 x2 x1 x3 | x4 x6 x5 x7, so that each 32-bit lane holds one pair.
    const __m128i paired = _mm_shufflehi_epi16(_mm_shufflelo_epi16(x, 0xD8), 0xD8);
    const __m128i x02 = _mm_shuffle_epi32(paired, 0x00);
    const __m128i x13 = _mm_shuffle_epi32(paired, 0x55);
    const __m128i x46 = _mm_shuffle_epi32(paired, 0xAA);
    const __m128i x57 = _mm_shuffle_epi32(paired, 0xFF);
    const __m128i even = _mm_add_epi32(
        _mm_add_epi32(_mm_madd_epi16(x02, load(c.evenLow)), _mm_madd_epi16(x46, load(c.evenHigh))),
        _mm_set1_epi32(dct_vector::inverseRowRounding[row]));
    const __m128i odd =
        _mm_add_epi32(_mm_madd_epi16(x13, load(c.oddLow)), _mm_madd_epi16(x57, load(c.oddHigh)));
    const __m128i first = _mm_srai_epi32(_mm_add_epi32(even, odd), 12);                         // y0..y3
    const __m128i last = _mm_shuffle_epi32(_mm_srai_epi32(_mm_sub_epi32(even, odd), 12), 0x1B); // y4..y7
    return _mm_packs_epi32(first, last);
}

// High half of the signed 16-bit products: floor(a * c / 65536).
static inline __m128i mulHigh(__m128i a, int16_t c)
{
    return _mm_mulhi_epi16(a, _mm_set1_epi16(c));
}

static inline void inverseColumns(__m128i r[8])
{
    using dct_vector::cos4m1;
    using dct_vector::tan1;
    using dct_vector::tan2;
    using dct_vector::tan3m1;
    const __m128i sum35 = _mm_adds_epi16(_mm_adds_epi16(mulHigh(r[5], tan3m1), r[5]), r[3]);
    const __m128i dif35 = _mm_subs_epi16(r[5], _mm_adds_epi16(mulHigh(r[3], tan3m1), r[3]));
    const __m128i sum17 = _mm_adds_epi16(mulHigh(r[7], tan1), r[1]);
    const __m128i dif17 = _mm_subs_epi16(mulHigh(r[1], tan1), r[7]);
    const __m128i sum26 = _mm_adds_epi16(mulHigh(r[6], tan2), r[2]);
    const __m128i dif26 = _mm_subs_epi16(mulHigh(r[2], tan2), r[6]);

    const __m128i b0 = _mm_adds_epi16(sum17, sum35);
    const __m128i d = _mm_subs_epi16(sum17, sum35);
    const __m128i m = _mm_subs_epi16(dif17, dif35);
    const __m128i b3 = _mm_adds_epi16(dif17, dif35);
    const __m128i e = _mm_adds_epi16(d, m);
    const __m128i f = _mm_subs_epi16(d, m);
    const __m128i b1 = _mm_adds_epi16(mulHigh(e, cos4m1), e);
    const __m128i b2 = _mm_adds_epi16(mulHigh(f, cos4m1), f);

    const __m128i sum04 = _mm_adds_epi16(r[0], r[4]);
    const __m128i dif04 = _mm_subs_epi16(r[0], r[4]);
    const __m128i a0 = _mm_adds_epi16(sum04, sum26);
    const __m128i a3 = _mm_subs_epi16(sum04, sum26);
    const __m128i a1 = _mm_adds_epi16(dif04, dif26);
    const __m128i a2 = _mm_subs_epi16(dif04, dif26);

    r[0] = _mm_srai_epi16(_mm_adds_epi16(a0, b0), 5);
    r[1] = _mm_srai_epi16(_mm_adds_epi16(a1, b1), 5);
    r[2] = _mm_srai_epi16(_mm_adds_epi16(a2, b2), 5);
    r[3] = _mm_srai_epi16(_mm_adds_epi16(a3, b3), 5);
    r[4] = _mm_srai_epi16(_mm_subs_epi16(a3, b3), 5);
    r[5] = _mm_srai_epi16(_mm_subs_epi16(a2, b2), 5);
    r[6] = _mm_srai_epi16(_mm_subs_epi16(a1, b1), 5);
    r[7] = _mm_srai_epi16(_mm_subs_epi16(a0, b0), 5);
}

// LoadUnaligned(const int16_t*) reads eight 16-bit values from any address.
template <typename LoadUnaligned>
static inline ImagingStatus dctQuantInv(const int16_t* source, uint8_t* destination, int32_t step,
                                        const uint16_t* table, LoadUnaligned loadUnaligned)
{
    const ImagingStatus status = dct::checkTransformArguments(source, destination, step, table);
    if (status != StatusOk)
        return status;
    __m128i rows[8];
    for (int r = 0; r < 8; ++r) {
        // The dequantised value keeps the low 16 bits of the product.
        const __m128i dequantised = _mm_mullo_epi16(
            loadUnaligned(source + 8 * r), loadUnaligned(reinterpret_cast<const int16_t*>(table) + 8 * r));
        rows[r] = inverseRow(dequantised, r);
    }
    inverseColumns(rows);
    const __m128i level = _mm_set1_epi16(128);
    for (int r = 0; r < 8; ++r) {
        // Level shift with 16-bit wrap-around, then the clamp to 0..255 by the packing.
        const __m128i samples = _mm_packus_epi16(_mm_add_epi16(rows[r], level), level);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(destination + static_cast<ptrdiff_t>(r) * step), samples);
    }
    return StatusOk;
}

// ---- Forward ------------------------------------------------------------------------------

// For one row scale: the basis pairs that multiply (s0, s1) and (s2, s3) for the even outputs
// 0, 2, 4, 6, and (d0, d1), (d2, d3) for the odd outputs 1, 3, 5, 7.
struct ForwardRowCoefficients {
    alignas(16) int16_t evenLow[8], evenHigh[8], oddLow[8], oddHigh[8];
};

constexpr ForwardRowCoefficients makeForwardRowCoefficients(int basisIndex)
{
    const auto& m = dct_vector::basis[basisIndex];
    ForwardRowCoefficients c{};
    for (int lane = 0; lane < 4; ++lane) {
        const int even = 2 * lane, odd = 2 * lane + 1;
        c.evenLow[2 * lane] = m[0][even];
        c.evenLow[2 * lane + 1] = m[1][even];
        c.evenHigh[2 * lane] = m[2][even];
        c.evenHigh[2 * lane + 1] = m[3][even];
        c.oddLow[2 * lane] = m[0][odd];
        c.oddLow[2 * lane + 1] = m[1][odd];
        c.oddHigh[2 * lane] = m[2][odd];
        c.oddHigh[2 * lane + 1] = m[3][odd];
    }
    return c;
}

inline constexpr ForwardRowCoefficients forwardRowCoefficients[4] = {
    makeForwardRowCoefficients(0), makeForwardRowCoefficients(1), makeForwardRowCoefficients(2),
    makeForwardRowCoefficients(3)};

static inline __m128i setLowBit(__m128i a)
{
    return _mm_or_si128(a, _mm_set1_epi16(1));
}

static inline void forwardColumns(__m128i x[8])
{
    using dct_vector::cos4;
    using dct_vector::tan1;
    using dct_vector::tan2;
    using dct_vector::tan3m1;
    const __m128i s07 = _mm_adds_epi16(x[0], x[7]), d07 = _mm_subs_epi16(x[0], x[7]);
    const __m128i s16 = _mm_adds_epi16(x[1], x[6]), d16 = _mm_subs_epi16(x[1], x[6]);
    const __m128i s25 = _mm_adds_epi16(x[2], x[5]), d25 = _mm_subs_epi16(x[2], x[5]);
    const __m128i s34 = _mm_adds_epi16(x[3], x[4]), d34 = _mm_subs_epi16(x[3], x[4]);

    const __m128i m12 = _mm_subs_epi16(_mm_slli_epi16(s16, 3), _mm_slli_epi16(s25, 3));
    const __m128i p12 = _mm_adds_epi16(_mm_slli_epi16(s16, 3), _mm_slli_epi16(s25, 3));
    const __m128i m03 = _mm_slli_epi16(_mm_subs_epi16(s07, s34), 3);
    const __m128i p03 = _mm_slli_epi16(_mm_adds_epi16(s07, s34), 3);

    x[0] = _mm_adds_epi16(p03, p12);
    x[4] = _mm_subs_epi16(p03, p12);
    x[2] = setLowBit(_mm_adds_epi16(mulHigh(m12, tan2), m03));
    x[6] = setLowBit(_mm_subs_epi16(mulHigh(m03, tan2), m12));

    const __m128i d16x16 = _mm_slli_epi16(d16, 4), d25x16 = _mm_slli_epi16(d25, 4);
    const __m128i g = setLowBit(mulHigh(_mm_adds_epi16(d16x16, d25x16), cos4));
    const __m128i h = mulHigh(_mm_subs_epi16(d16x16, d25x16), cos4);
    const __m128i d34x8 = _mm_slli_epi16(d34, 3), d07x8 = _mm_slli_epi16(d07, 3);
    const __m128i o1 = _mm_adds_epi16(d34x8, h), o2 = _mm_subs_epi16(d34x8, h);
    const __m128i q1 = _mm_subs_epi16(d07x8, g), q2 = _mm_adds_epi16(d07x8, g);

    x[1] = setLowBit(_mm_adds_epi16(mulHigh(o1, tan1), q2));
    x[7] = _mm_subs_epi16(mulHigh(q2, tan1), o1);
    x[3] = _mm_subs_epi16(q1, _mm_adds_epi16(mulHigh(o2, tan3m1), o2));
    x[5] = _mm_adds_epi16(_mm_adds_epi16(mulHigh(q1, tan3m1), q1), o2);
}

static inline __m128i reversed(__m128i z)
{
    const __m128i halvesSwapped = _mm_shuffle_epi32(z, 0x4E);
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(halvesSwapped, 0x1B), 0x1B);
}

static inline __m128i forwardRow(__m128i z, int row)
{
    const ForwardRowCoefficients& c = forwardRowCoefficients[dct_vector::rowBasis[row]];
    const __m128i sums = _mm_adds_epi16(z, reversed(z));        // s0..s3 in lanes 0..3
    const __m128i differences = _mm_subs_epi16(z, reversed(z)); // d0..d3 in lanes 0..3
    const __m128i rounding = _mm_set1_epi32(1 << 19);
    const __m128i even = _mm_srai_epi32(
        _mm_add_epi32(_mm_add_epi32(_mm_madd_epi16(_mm_shuffle_epi32(sums, 0x00), load(c.evenLow)),
                                    _mm_madd_epi16(_mm_shuffle_epi32(sums, 0x55), load(c.evenHigh))),
                      rounding),
        20);
    const __m128i odd = _mm_srai_epi32(
        _mm_add_epi32(_mm_add_epi32(_mm_madd_epi16(_mm_shuffle_epi32(differences, 0x00), load(c.oddLow)),
                                    _mm_madd_epi16(_mm_shuffle_epi32(differences, 0x55), load(c.oddHigh))),
                      rounding),
        20);
    const __m128i packed = _mm_packs_epi32(even, odd); // y0 y2 y4 y6 y1 y3 y5 y7
    return _mm_unpacklo_epi16(packed, _mm_unpackhi_epi64(packed, packed));
}

static inline ImagingStatus dctQuantFwd(const uint8_t* source, int32_t step, int16_t* destination,
                                        const uint16_t* table)
{
    const ImagingStatus status = dct::checkTransformArguments(source, destination, step, table);
    if (status != StatusOk)
        return status;
    const __m128i zero = _mm_setzero_si128();
    const __m128i level = _mm_set1_epi16(128);
    __m128i rows[8];
    for (int r = 0; r < 8; ++r) {
        const __m128i bytes =
            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + static_cast<ptrdiff_t>(r) * step));
        rows[r] = _mm_sub_epi16(_mm_unpacklo_epi8(bytes, zero), level);
    }
    forwardColumns(rows);
    for (int r = 0; r < 8; ++r)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + 8 * r), forwardRow(rows[r], r));
    for (int i = 0; i < 64; ++i)
        destination[i] = dct::quantizeOne(destination[i], table[i], 15);
    return StatusOk;
}

} // namespace dct_sse2::inline ZEFRIM_BUILD_NAMESPACE
