// Chroma down- and up-sampling, generic build. The H2V2 up-sampling runs eight output pairs a step
// in SSE2 (part of the x86-64 base set) with the integer rule of the scalar row, which finishes
// each row.
#include <emmintrin.h>

#include "sampling.h"

namespace {

// 3 x near + far of the eight columns from j on, as 16-bit lanes.
inline __m128i columnSums(const uint8_t* nearRow, const uint8_t* farRow, int32_t j)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i nearValues =
        _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(nearRow + j)), zero);
    const __m128i farValues =
        _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(farRow + j)), zero);
    return _mm_add_epi16(_mm_add_epi16(nearValues, _mm_add_epi16(nearValues, nearValues)), farValues);
}

void upRowH2V2Sse2(const uint8_t* nearRow, const uint8_t* farRow, uint8_t* out, int32_t width)
{
    const int32_t pairs = width / 2;
    const __m128i evenBias = _mm_set1_epi16(8), oddBias = _mm_set1_epi16(7);
    int32_t k = 0;
    // A step reads the column sums k - 1 to k + 8, as the scalar row does for these pairs.
    for (; k + 8 <= pairs; k += 8) {
        const __m128i left = columnSums(nearRow, farRow, k - 1);
        const __m128i centre = columnSums(nearRow, farRow, k);
        const __m128i right = columnSums(nearRow, farRow, k + 1);
        const __m128i centre3 = _mm_add_epi16(centre, _mm_add_epi16(centre, centre));
        const __m128i even = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(centre3, left), evenBias), 4);
        const __m128i odd = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(centre3, right), oddBias), 4);
        const __m128i evenBytes = _mm_packus_epi16(even, even), oddBytes = _mm_packus_epi16(odd, odd);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * k), _mm_unpacklo_epi8(evenBytes, oddBytes));
    }
    sampling::upRowH2V2From(nearRow, farRow, out, width, k);
}

} // namespace

#define ZEFRIM_UP_ROW_H2V2 upRowH2V2Sse2
#include "sampling_build.h"
