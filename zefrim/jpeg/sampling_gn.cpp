// Chroma down- and up-sampling, generic build. The H2V2 up-sampling runs sixteen output pairs a step
// in SSE2 (part of the x86-64 base set) with the integer rule of the scalar row, which finishes
// each row.
#include <emmintrin.h>

#include "sampling.h"

namespace {

// 3 x near + far of sixteen columns, as two registers of eight 16-bit lanes.
struct ColumnSums {
    __m128i low, high;
};

inline ColumnSums columnSums(const uint8_t* nearRow, const uint8_t* farRow, int32_t j)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i nearBytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(nearRow + j));
    const __m128i farBytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(farRow + j));
    const auto sums = [](__m128i nearValues, __m128i farValues) {
        return _mm_add_epi16(_mm_add_epi16(nearValues, _mm_add_epi16(nearValues, nearValues)), farValues);
    };
    return {sums(_mm_unpacklo_epi8(nearBytes, zero), _mm_unpacklo_epi8(farBytes, zero)),
            sums(_mm_unpackhi_epi8(nearBytes, zero), _mm_unpackhi_epi8(farBytes, zero))};
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

void upRowH2V2Sse2(const uint8_t* nearRow, const uint8_t* farRow, uint8_t* out, int32_t width)
{
    const auto columnSum = [&](int32_t j) { return 3 * nearRow[j] + farRow[j]; };
    const int32_t pairs = width / 2;
    int32_t k = 0;
    // A step reads the column sums k - 1 to k + 16, as the scalar row does for these pairs; the
    // two outside the loaded sixteen come one at a time.
    for (; k + 16 <= pairs; k += 16) {
        const ColumnSums centre = columnSums(nearRow, farRow, k);
        const __m128i before = _mm_cvtsi32_si128(columnSum(k - 1));
        const __m128i after = _mm_cvtsi32_si128(columnSum(k + 16));
        const __m128i lowLeft = _mm_or_si128(_mm_slli_si128(centre.low, 2), before);
        const __m128i highLeft = shiftedInFromBelow(centre.high, centre.low);
        const __m128i lowRight = shiftedInFromAbove(centre.low, centre.high);
        const __m128i highRight = shiftedInFromAbove(centre.high, after);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * k), outputPairs(lowLeft, centre.low, lowRight));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * k + 16),
                         outputPairs(highLeft, centre.high, highRight));
    }
    sampling::upRowH2V2From(nearRow, farRow, out, width, k);
}

} // namespace

#define ZEFRIM_UP_ROW_H2V2 upRowH2V2Sse2
#include "sampling_build.h"
