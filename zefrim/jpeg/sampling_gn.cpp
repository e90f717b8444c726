// Chroma down- and up-sampling, generic build. The H2V2 up-sampling runs sixteen output pairs a step
// in SSE2 (part of the x86-64 base set) with the integer rule of the scalar row, which finishes
// each row; the two target rows of a source row are made together.
#include <emmintrin.h>

#include "sampling.h"

namespace {

// Sixteen columns of a row as two registers of eight 16-bit lanes.
struct SixteenColumns {
    __m128i low, high;
};

inline SixteenColumns columns(const uint8_t* row, int32_t j)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + j));
    return {_mm_unpacklo_epi8(bytes, zero), _mm_unpackhi_epi8(bytes, zero)};
}

// 3 x near of sixteen columns, which the two output rows of a source row share.
inline SixteenColumns nearTriple(const uint8_t* nearRow, int32_t j)
{
    const SixteenColumns near = columns(nearRow, j);
    const auto triple = [](__m128i v) { return _mm_add_epi16(v, _mm_add_epi16(v, v)); };
    return {triple(near.low), triple(near.high)};
}

// 3 x near + far of sixteen columns.
inline SixteenColumns columnSums(const SixteenColumns& near3, const uint8_t* farRow, int32_t j)
{
    const SixteenColumns far = columns(farRow, j);
    return {_mm_add_epi16(near3.low, far.low), _mm_add_epi16(near3.high, far.high)};
}

// The sums of columns j - 1 .. j + 6 and j + 1 .. j + 8 from those of j .. j + 7 and their
// neighbours: one byte shift each way instead of two more loads.
inline __m128i shiftedInFromBelow(__m128i sums, __m128i below)
{
    return _mm_or_si128(_mm_slli_si128(sums, 2), _mm_srli_si128(below, 14));
}

inline __m128i shiftedInFromAbove(__m128i sums, __m128i above)
{
    return _mm_or_si128(_mm_srli_si128(sums, 2), _mm_slli_si128(above, 14));
}

// The even and odd outputs of eight pairs, interleaved in sixteen bytes. Each output is at most
// (4 * 1020 + 8) >> 4 = 255, so the odd one shifted into the high byte of its lane needs no pack.
inline __m128i outputPairs(__m128i left, __m128i centre, __m128i right)
{
    const __m128i centre3 = _mm_add_epi16(centre, _mm_add_epi16(centre, centre));
    const __m128i even = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(centre3, left), _mm_set1_epi16(8)), 4);
    const __m128i oddHigh =
        _mm_and_si128(_mm_slli_epi16(_mm_add_epi16(_mm_add_epi16(centre3, right), _mm_set1_epi16(7)), 4),
                      _mm_set1_epi16(static_cast<int16_t>(0xFF00)));
    return _mm_or_si128(even, oddHigh);
}

// Output pairs k .. k + 15 of a row from the column sums k .. k + 15 and the two beside them.
inline void storeSixteenPairs(const SixteenColumns& centre, int32_t before, int32_t after, uint8_t* out)
{
    const __m128i lowLeft = _mm_or_si128(_mm_slli_si128(centre.low, 2), _mm_cvtsi32_si128(before));
    const __m128i highLeft = shiftedInFromBelow(centre.high, centre.low);
    const __m128i lowRight = shiftedInFromAbove(centre.low, centre.high);
    const __m128i highRight = shiftedInFromAbove(centre.high, _mm_cvtsi32_si128(after));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), outputPairs(lowLeft, centre.low, lowRight));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16), outputPairs(highLeft, centre.high, highRight));
}

// Both target rows of a source row: the upper one with the row above as the farther row, the lower
// one with the row below. A step reads the column sums k - 1 to k + 16, as the scalar row does for
// these pairs; the two outside the loaded sixteen come one at a time.
void upRowsH2V2Sse2(const uint8_t* above, const uint8_t* nearRow, const uint8_t* below, uint8_t* upperOut,
                    uint8_t* lowerOut, int32_t width)
{
    const auto columnSum = [nearRow](const uint8_t* farRow, int32_t j) { return 3 * nearRow[j] + farRow[j]; };
    const int32_t pairs = width / 2;
    int32_t k = 0;
    for (; k + 16 <= pairs; k += 16) {
        const SixteenColumns near3 = nearTriple(nearRow, k);
        storeSixteenPairs(columnSums(near3, above, k), columnSum(above, k - 1), columnSum(above, k + 16),
                          upperOut + 2 * k);
        storeSixteenPairs(columnSums(near3, below, k), columnSum(below, k - 1), columnSum(below, k + 16),
                          lowerOut + 2 * k);
    }
    sampling::upRowH2V2From(nearRow, above, upperOut, width, k);
    sampling::upRowH2V2From(nearRow, below, lowerOut, width, k);
}

// A target row alone: the last of an odd number, which takes the row above as the farther row.
void upRowH2V2Sse2(const uint8_t* nearRow, const uint8_t* farRow, uint8_t* out, int32_t width)
{
    const auto columnSum = [&](int32_t j) { return 3 * nearRow[j] + farRow[j]; };
    const int32_t pairs = width / 2;
    int32_t k = 0;
    for (; k + 16 <= pairs; k += 16)
        storeSixteenPairs(columnSums(nearTriple(nearRow, k), farRow, k), columnSum(k - 1), columnSum(k + 16),
                          out + 2 * k);
    sampling::upRowH2V2From(nearRow, farRow, out, width, k);
}

} // namespace

#define ZEFRIM_UP_ROW_H2V2 upRowH2V2Sse2
#define ZEFRIM_UP_ROWS_H2V2 upRowsH2V2Sse2
#include "sampling_build.h"
