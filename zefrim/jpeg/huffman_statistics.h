// Symbol statistics of progressive scans (the encoders' walk, counting instead of writing) and
// the generation of optimal Huffman tables from them (JPEG Annex K.2 with the K.3 length limit).
#pragma once

#include "build_token.h"
#include "huffman_encode.h"

namespace huffman::inline ZEFRIM_BUILD_NAMESPACE {
namespace {

// ---- Statistics --------------------------------------------------------------------------------

inline ImagingStatus countEobRun(int32_t* counts, EncodeHuffmanState& state)
{
    const int32_t n = state.eobRun;
    if (n <= 0)
        return StatusOk;
    const int32_t e = highestBit(n);
    if (e > 14)
        return StatusBadHuffmanValue;
    ++counts[e << 4];
    state.eobRun = 0;
    return StatusOk;
}

inline ImagingStatus statisticsDcFirst(const int16_t* block, int32_t* counts, int16_t* lastDc, int32_t al)
{
    if (!block || !counts || !lastDc)
        return StatusNullPointer;
    if (alOutOfRange(al))
        return StatusBadArgument;
    const int32_t a = block[0] >> al;
    const int32_t diff = a - *lastDc;
    *lastDc = static_cast<int16_t>(a);
    const int32_t category = magnitudeCategory(diff);
    if (category > kMaxProgressiveCategory)
        return StatusBadHuffmanValue;
    ++counts[category];
    return StatusOk;
}

template <class Mem>
ImagingStatus checkStatisticsArgs(const int16_t* block, int32_t* counts, int32_t ss, int32_t se, int32_t al,
                                  EncodeHuffmanState* state, int32_t flush, bool& flushed)
{
    flushed = false;
    if (!counts || !state)
        return StatusNullPointer;
    if (flush) {
        flushed = true;
        const ImagingStatus status = countEobRun(counts, *state);
        resetEncodeHuffmanState<Mem>(*state);
        return status;
    }
    if (!block)
        return StatusNullPointer;
    if (bandOutOfRange(ss, se, al))
        return StatusBadArgument;
    return StatusOk;
}

// The statistics refuse one category less than the encoder accepts.
constexpr int32_t kMaxStatisticsAcCategory = 10;

template <class Mem>
ImagingStatus statisticsAcFirst(const int16_t* block, int32_t* counts, int32_t ss, int32_t se, int32_t al,
                                EncodeHuffmanState* state, int32_t flush)
{
    bool flushed = false;
    ImagingStatus status = checkStatisticsArgs<Mem>(block, counts, ss, se, al, state, flush, flushed);
    if (flushed || status != StatusOk)
        return status;
    int32_t run = 0;
    for (int32_t k = ss; k <= se; ++k) {
        const int32_t a = scaledMagnitude(block[kNaturalOrder[k]], al);
        if (a == 0) {
            ++run;
            continue;
        }
        status = countEobRun(counts, *state);
        if (status != StatusOk)
            return status;
        counts[0xF0] += run / 16;
        run %= 16;
        const int32_t category = magnitudeCategory(a);
        if (category > kMaxStatisticsAcCategory)
            return StatusBadHuffmanValue;
        ++counts[(run << 4) + category];
        run = 0;
    }
    if (run > 0 && ++state->eobRun == kMaxEobRun)
        return countEobRun(counts, *state);
    return StatusOk;
}

template <class Mem>
ImagingStatus statisticsAcRefine(const int16_t* block, int32_t* counts, int32_t ss, int32_t se, int32_t al,
                                 EncodeHuffmanState* state, int32_t flush)
{
    bool flushed = false;
    ImagingStatus status = checkStatisticsArgs<Mem>(block, counts, ss, se, al, state, flush, flushed);
    if (flushed || status != StatusOk)
        return status;
    int32_t magnitude[64] = {};
    const int32_t lastNew = scaleBand(block, ss, se, al, magnitude);
    int32_t run = 0;
    int32_t correctionBits = 0;
    for (int32_t k = ss; k <= se; ++k) {
        if (magnitude[k] == 0) {
            ++run;
            continue;
        }
        if (run > 15 && k <= lastNew) {
            status = countEobRun(counts, *state);
            if (status != StatusOk)
                return status;
            counts[0xF0] += run / 16;
            run %= 16;
            state->correctionBitCount = 0;
            correctionBits = 0;
        }
        if (magnitude[k] > 1) {
            ++correctionBits;
            continue;
        }
        status = countEobRun(counts, *state);
        if (status != StatusOk)
            return status;
        ++counts[(run << 4) + 1];
        state->correctionBitCount = 0;
        correctionBits = 0;
        run = 0;
    }
    if (run == 0 && correctionBits == 0)
        return StatusOk;
    ++state->eobRun;
    if (state->eobRun == kMaxEobRun ||
        state->correctionBitCount + correctionBits > kMaxBufferedCorrectionBits) {
        status = countEobRun(counts, *state);
        if (status == StatusOk)
            state->correctionBitCount = 0;
        return status;
    }
    state->correctionBitCount += correctionBits;
    return StatusOk;
}

// ---- Table generation --------------------------------------------------------------------------

constexpr int32_t kSymbolsWithReserve = 257; // symbol 256 keeps real codes from being all 1-bits
constexpr int32_t kMaxCodeSize = 32;

// Smallest positive frequency other than `except`, ties to the larger symbol; -1 if none.
inline int32_t smallestFrequency(const int64_t* freq, int32_t except)
{
    int32_t found = -1;
    for (int32_t i = 0; i < kSymbolsWithReserve; ++i)
        if (freq[i] > 0 && i != except && (found < 0 || freq[i] <= freq[found]))
            found = i;
    return found;
}

// Deepens the symbol and everything chained behind it by one; returns the chain's end.
inline int32_t deepenChain(int32_t symbol, int32_t* codeSize, const int32_t* others)
{
    ++codeSize[symbol];
    while (others[symbol] >= 0) {
        symbol = others[symbol];
        ++codeSize[symbol];
    }
    return symbol;
}

// Huffman's procedure over the 256 counts and the reserved symbol; fills the code sizes.
template <class Mem> void computeCodeSizes(const int32_t* statistics, int32_t* codeSize)
{
    int64_t freq[kSymbolsWithReserve];
    int32_t others[kSymbolsWithReserve];
    for (int32_t i = 0; i < 256; ++i)
        freq[i] = statistics[i] > 0 ? statistics[i] : 0; // a negative count is no count
    freq[256] = 1;
    Mem::fill(-1, others, kSymbolsWithReserve);
    for (;;) {
        const int32_t c1 = smallestFrequency(freq, -1);
        const int32_t c2 = smallestFrequency(freq, c1);
        if (c2 < 0)
            return;
        freq[c1] += freq[c2];
        freq[c2] = 0;
        const int32_t end = deepenChain(c1, codeSize, others);
        others[end] = c2;
        deepenChain(c2, codeSize, others);
    }
}

// Moves codes longer than 16 bits up the tree (JPEG Annex K.3).
inline void limitCodeLengths(int32_t* bits)
{
    for (int32_t i = kMaxCodeSize; i > 16; --i) {
        while (bits[i] > 0) {
            int32_t j = i - 2;
            while (j > 0 && bits[j] == 0)
                --j;
            bits[i] -= 2;
            bits[i - 1] += 1;
            bits[j + 1] += 2;
            bits[j] -= 1;
        }
    }
}

inline void dropReservedCode(int32_t* bits)
{
    int32_t i = 16;
    while (i > 0 && bits[i] == 0)
        --i;
    if (i > 0)
        --bits[i];
}

inline bool allCountsZero(const int32_t* statistics)
{
    for (int32_t i = 0; i < 256; ++i)
        if (statistics[i] > 0)
            return false;
    return true;
}

template <class Mem>
ImagingStatus generateRawTable(const int32_t* statistics, uint8_t* listBits, uint8_t* listVals)
{
    if (!statistics || !listBits || !listVals)
        return StatusNullPointer;
    if (allCountsZero(statistics))
        return StatusBadHuffmanTable;
    int32_t codeSize[kSymbolsWithReserve] = {};
    computeCodeSizes<Mem>(statistics, codeSize);
    int32_t bits[kMaxCodeSize + 1] = {};
    for (int32_t i = 0; i < kSymbolsWithReserve; ++i) {
        if (codeSize[i] > kMaxCodeSize)
            return StatusBadHuffmanTable;
        if (codeSize[i] > 0)
            ++bits[codeSize[i]];
    }
    // A table definition counts codes of one length in a byte.
    for (int32_t i = 1; i <= kMaxCodeSize; ++i)
        if (bits[i] > 255)
            return StatusBadHuffmanTable;
    limitCodeLengths(bits);
    dropReservedCode(bits);
    uint8_t counts[16];
    for (int32_t i = 0; i < 16; ++i)
        counts[i] = static_cast<uint8_t>(bits[i + 1]);
    Mem::copy(counts, listBits, 16);
    int32_t p = 0;
    for (int32_t size = 1; size <= kMaxCodeSize; ++size)
        for (int32_t symbol = 0; symbol < 256; ++symbol)
            if (codeSize[symbol] == size)
                listVals[p++] = static_cast<uint8_t>(symbol);
    return StatusOk;
}

} // namespace
} // namespace huffman::inline ZEFRIM_BUILD_NAMESPACE
