// Huffman encoding of JPEG blocks: the encode table, the bit writer with byte stuffing, the
// sequential and progressive block encoders, the symbol statistics of progressive scans and the
// generation of optimal tables from statistics. Templates over the build's memory kernels.
#pragma once

#include "build_token.h"
#include "huffman_decode.h"

namespace huffman::inline ZEFRIM_BUILD_NAMESPACE {
namespace {

// ---- Encode table and state --------------------------------------------------------------------

// Like the decode table's codes, but a length whose last code is all ones is refused too, so
// that no code can be mistaken for the 1-bits that pad a scan's last byte.
inline ImagingStatus buildEncodeCodes(const uint8_t* listBits, CanonicalCodes& codes)
{
    const ImagingStatus status = buildCanonicalCodes(listBits, codes);
    if (status != StatusOk)
        return status;
    for (int32_t k = 0; k < codes.count; ++k) {
        const bool lastOfLength = k + 1 == codes.count || codes.length[k + 1] != codes.length[k];
        if (lastOfLength && codes.code[k] + 1u >= (1u << codes.length[k]))
            return StatusBadHuffmanTable;
    }
    return StatusOk;
}

template <class Mem>
ImagingStatus initEncodeSpec(const uint8_t* listBits, const uint8_t* listVals, EncodeHuffmanSpec* spec)
{
    if (!listBits || !listVals || !spec)
        return StatusNullPointer;
    CanonicalCodes codes;
    const ImagingStatus status = buildEncodeCodes(listBits, codes);
    if (status != StatusOk)
        return status; // the spec is left as it was
    Mem::zero(spec, kEncodeSpecSize);
    for (int32_t k = 0; k < codes.count; ++k)
        spec->entry[listVals[k]] = (static_cast<uint32_t>(codes.length[k]) << 16) | codes.code[k];
    return StatusOk;
}

template <class Mem> void resetEncodeHuffmanState(EncodeHuffmanState& state)
{
    state.accumulator = 0;
    state.accumulatorHigh = 0;
    state.bitCount = 0;
    state.eobRun = 0;
    state.correctionBitCount = 0;
    Mem::zero(state.correctionBits, sizeof(state.correctionBits));
}

// ---- Bit writer --------------------------------------------------------------------------------

struct BitSink {
    uint8_t* data;
    int32_t length;
    int32_t* position;
    EncodeHuffmanState* state;
};

inline bool outputFull(const BitSink& out, int32_t pos)
{
    return pos < 0 || pos >= out.length;
}

// Appends the low `length` bits of `bits`; writes whole bytes with a 0x00 after each 0xFF.
// When the output fills up, bytes written stay but the state keeps its old bits.
inline ImagingStatus emitHuffmanBits(const BitSink& out, uint32_t bits, int32_t length)
{
    EncodeHuffmanState& st = *out.state;
    if (length <= 0 || length > 16 || st.bitCount < 0 || st.bitCount > 7)
        return StatusBadHuffmanTable;
    int32_t n = st.bitCount + length;
    uint32_t accumulator = st.accumulator | ((bits & lowBitMask(length)) << (24 - n));
    int32_t pos = *out.position;
    while (n >= 8) {
        if (outputFull(out, pos))
            return StatusDataExhausted;
        const uint8_t byte = static_cast<uint8_t>(accumulator >> 16);
        out.data[pos++] = byte;
        *out.position = pos;
        if (byte == 0xFF) {
            if (outputFull(out, pos))
                return StatusDataExhausted;
            out.data[pos++] = 0x00;
            *out.position = pos;
        }
        accumulator = (accumulator << 8) & 0xFFFFFFu;
        n -= 8;
    }
    st.accumulator = accumulator;
    st.accumulatorHigh = 0;
    st.bitCount = n;
    return StatusOk;
}

// Pads the last byte with 1-bits and resets the state.
template <class Mem> ImagingStatus flushBits(const BitSink& out)
{
    const ImagingStatus status = emitHuffmanBits(out, 0x7F, 7);
    resetEncodeHuffmanState<Mem>(*out.state);
    return status;
}

inline ImagingStatus emitSymbol(const BitSink& out, const EncodeHuffmanSpec& table, int32_t symbol)
{
    const uint32_t entry = table.entry[symbol];
    return emitHuffmanBits(out, entry & 0xFFFF, static_cast<int32_t>(entry >> 16));
}

// The symbol `prefix + category(v)` followed by the magnitude bits of v.
inline ImagingStatus emitCodedValue(const BitSink& out, const EncodeHuffmanSpec& table, int32_t prefix,
                                    int32_t v, int32_t category)
{
    ImagingStatus status = emitSymbol(out, table, prefix + category);
    if (status == StatusOk && category > 0)
        status = emitHuffmanBits(out, magnitudeBits(v, category), category);
    return status;
}

// ---- Common checks ---------------------------------------------------------------------------

inline ImagingStatus checkOutput(const uint8_t* data, int32_t length, const int32_t* position,
                                 const EncodeHuffmanState* state)
{
    if (!data)
        return StatusNullPointer;
    if (length <= 0)
        return StatusBadSize;
    if (!position || !state)
        return StatusNullPointer;
    return StatusOk;
}

// ---- Sequential block and lossless value -------------------------------------------------------

inline bool hasUncodableAcValue(const int16_t* block)
{
    for (int32_t i = 1; i < 64; ++i)
        if (block[i] == -32768)
            return true;
    return false;
}

inline ImagingStatus encodeSequentialAc(const BitSink& out, const EncodeHuffmanSpec& table,
                                        const int16_t* block)
{
    int32_t run = 0;
    for (int32_t k = 1; k < 64; ++k) {
        const int32_t v = block[kNaturalOrder[k]];
        if (v == 0) {
            ++run;
            continue;
        }
        for (; run > 15; run -= 16) {
            const ImagingStatus status = emitSymbol(out, table, 0xF0);
            if (status != StatusOk)
                return status;
        }
        const ImagingStatus status = emitCodedValue(out, table, run << 4, v, magnitudeCategory(v));
        if (status != StatusOk)
            return status;
        run = 0;
    }
    return run > 0 ? emitSymbol(out, table, 0x00) : StatusOk;
}

template <class Mem>
ImagingStatus encodeBlock(const int16_t* block, uint8_t* data, int32_t length, int32_t* position,
                          int16_t* lastDc, const EncodeHuffmanSpec* dcTable, const EncodeHuffmanSpec* acTable,
                          EncodeHuffmanState* state, int32_t flush)
{
    const ImagingStatus check = checkOutput(data, length, position, state);
    if (check != StatusOk)
        return check;
    const BitSink out{data, length, position, state};
    if (flush)
        return flushBits<Mem>(out);
    if (anyNull(block, lastDc, dcTable, acTable))
        return StatusNullPointer;
    // -32768 has category 16, which no AC symbol can carry.
    if (hasUncodableAcValue(block))
        return StatusBadHuffmanValue;
    const int32_t diff = block[0] - *lastDc;
    *lastDc = block[0];
    const ImagingStatus status = emitCodedValue(out, *dcTable, 0, diff, magnitudeCategory(diff));
    if (status != StatusOk)
        return status;
    return encodeSequentialAc(out, *acTable, block);
}

template <class Mem>
ImagingStatus encodeLosslessValue(const int16_t* value, uint8_t* data, int32_t length, int32_t* position,
                                  const EncodeHuffmanSpec* table, EncodeHuffmanState* state, int32_t flush)
{
    const ImagingStatus check = checkOutput(data, length, position, state);
    if (check != StatusOk)
        return check;
    const BitSink out{data, length, position, state};
    if (flush)
        return flushBits<Mem>(out);
    if (!value || !table)
        return StatusNullPointer;
    const int32_t v = *value;
    const int32_t category = magnitudeCategory(v);
    if (category == 16)
        return emitSymbol(out, *table, 16); // -32768: no magnitude bits follow
    return emitCodedValue(out, *table, 0, v, category);
}

// ---- Progressive DC ----------------------------------------------------------------------------

constexpr int32_t kMaxProgressiveCategory = 11;

template <class Mem>
ImagingStatus encodeDcFirst(const int16_t* block, uint8_t* data, int32_t length, int32_t* position,
                            int16_t* lastDc, int32_t al, const EncodeHuffmanSpec* table,
                            EncodeHuffmanState* state, int32_t flush)
{
    const ImagingStatus check = checkOutput(data, length, position, state);
    if (check != StatusOk)
        return check;
    const BitSink out{data, length, position, state};
    if (flush)
        return flushBits<Mem>(out);
    if (!block || !lastDc)
        return StatusNullPointer;
    if (alOutOfRange(al))
        return StatusBadArgument;
    if (!table)
        return StatusNullPointer;
    const int32_t a = block[0] >> al;
    const int32_t diff = a - *lastDc;
    *lastDc = static_cast<int16_t>(a);
    const int32_t category = magnitudeCategory(diff);
    if (category > kMaxProgressiveCategory)
        return StatusBadHuffmanValue;
    return emitCodedValue(out, *table, 0, diff, category);
}

template <class Mem>
ImagingStatus encodeDcRefine(const int16_t* block, uint8_t* data, int32_t length, int32_t* position,
                             int32_t al, EncodeHuffmanState* state, int32_t flush)
{
    const ImagingStatus check = checkOutput(data, length, position, state);
    if (check != StatusOk)
        return check;
    const BitSink out{data, length, position, state};
    if (flush)
        return flushBits<Mem>(out);
    if (!block)
        return StatusNullPointer;
    if (alOutOfRange(al))
        return StatusBadArgument;
    return emitHuffmanBits(out, static_cast<uint32_t>(block[0] >> al) & 1u, 1);
}

// ---- Progressive AC ----------------------------------------------------------------------------

inline ImagingStatus emitEobRun(const BitSink& out, const EncodeHuffmanSpec& table)
{
    EncodeHuffmanState& st = *out.state;
    const int32_t n = st.eobRun;
    if (n <= 0)
        return StatusOk;
    const int32_t e = highestBit(n);
    if (e > 14)
        return StatusBadHuffmanValue;
    ImagingStatus status = emitSymbol(out, table, e << 4);
    if (status == StatusOk && e > 0)
        status = emitHuffmanBits(out, static_cast<uint32_t>(n), e);
    if (status == StatusOk)
        st.eobRun = 0;
    return status;
}

inline ImagingStatus emitCorrectionBits(const BitSink& out, const uint8_t* bits, int32_t count)
{
    for (int32_t i = 0; i < count; ++i) {
        const ImagingStatus status = emitHuffmanBits(out, bits[i], 1);
        if (status != StatusOk)
            return status;
    }
    return StatusOk;
}

// The pending end-of-band run, then the correction bits buffered with it.
inline ImagingStatus emitPendingRun(const BitSink& out, const EncodeHuffmanSpec& table)
{
    EncodeHuffmanState& st = *out.state;
    ImagingStatus status = emitEobRun(out, table);
    if (status != StatusOk)
        return status;
    status = emitCorrectionBits(out, st.correctionBits, st.correctionBitCount);
    if (status == StatusOk)
        st.correctionBitCount = 0;
    return status;
}

template <class Mem> ImagingStatus flushAcScan(const BitSink& out, const EncodeHuffmanSpec& table)
{
    const ImagingStatus pending = emitPendingRun(out, table);
    const ImagingStatus flushed = flushBits<Mem>(out);
    return flushed != StatusOk ? flushed : pending;
}

// The correction buffer is indexed by the state's count, so a count from a foreign or damaged
// state must not move it: the flush reads up to the whole buffer, a block appends up to 63.
inline bool correctionCountBroken(const EncodeHuffmanState& state, int32_t limit)
{
    return state.correctionBitCount < 0 || state.correctionBitCount > limit;
}

template <class Mem>
ImagingStatus checkAcEncodeArgs(const int16_t* block, uint8_t* data, int32_t length, int32_t* position,
                                int32_t ss, int32_t se, int32_t al, const EncodeHuffmanSpec* table,
                                EncodeHuffmanState* state, int32_t flush, bool& flushed)
{
    flushed = false;
    ImagingStatus status = checkOutput(data, length, position, state);
    if (status != StatusOk)
        return status;
    if (!table)
        return StatusNullPointer;
    if (correctionCountBroken(*state, static_cast<int32_t>(sizeof(state->correctionBits))))
        return StatusBadArgument;
    if (flush) {
        flushed = true;
        return flushAcScan<Mem>(BitSink{data, length, position, state}, *table);
    }
    if (!block)
        return StatusNullPointer;
    if (bandOutOfRange(ss, se, al) || correctionCountBroken(*state, kMaxBufferedCorrectionBits))
        return StatusBadArgument;
    return StatusOk;
}

// |v| >> al, the value that a scan with point transform al codes.
inline int32_t scaledMagnitude(int32_t v, int32_t al)
{
    return (v < 0 ? -v : v) >> al;
}

inline ImagingStatus encodeAcFirstBand(const BitSink& out, const EncodeHuffmanSpec& table,
                                       const int16_t* block, int32_t ss, int32_t se, int32_t al)
{
    EncodeHuffmanState& st = *out.state;
    int32_t run = 0;
    for (int32_t k = ss; k <= se; ++k) {
        const int32_t v = block[kNaturalOrder[k]];
        const int32_t a = scaledMagnitude(v, al);
        if (a == 0) {
            ++run;
            continue;
        }
        ImagingStatus status = emitEobRun(out, table);
        for (; status == StatusOk && run > 15; run -= 16)
            status = emitSymbol(out, table, 0xF0);
        if (status != StatusOk)
            return status;
        const int32_t category = magnitudeCategory(a);
        if (category > kMaxProgressiveCategory)
            return StatusBadHuffmanValue;
        status = emitSymbol(out, table, (run << 4) + category);
        if (status == StatusOk)
            status = emitHuffmanBits(out, v < 0 ? ~static_cast<uint32_t>(a) : a, category);
        if (status != StatusOk)
            return status;
        run = 0;
    }
    if (run > 0 && ++st.eobRun == kMaxEobRun)
        return emitEobRun(out, table);
    return StatusOk;
}

// The scaled magnitudes of the band in zigzag order; returns the last k with magnitude 1, else -1.
inline int32_t scaleBand(const int16_t* block, int32_t ss, int32_t se, int32_t al, int32_t* magnitude)
{
    int32_t lastNew = -1;
    for (int32_t k = ss; k <= se; ++k) {
        magnitude[k] = scaledMagnitude(block[kNaturalOrder[k]], al);
        if (magnitude[k] == 1)
            lastNew = k;
    }
    return lastNew;
}

// Correction bits of one block, collected behind those already buffered from earlier blocks.
struct CorrectionCollector {
    uint8_t* start;
    int32_t count;
};

inline ImagingStatus emitZrlWithCorrections(const BitSink& out, const EncodeHuffmanSpec& table,
                                            CorrectionCollector& collected)
{
    ImagingStatus status = emitPendingRun(out, table);
    if (status == StatusOk)
        status = emitSymbol(out, table, 0xF0);
    if (status == StatusOk)
        status = emitCorrectionBits(out, collected.start, collected.count);
    collected = {out.state->correctionBits, 0};
    return status;
}

inline ImagingStatus emitNewCoefficient(const BitSink& out, const EncodeHuffmanSpec& table, int32_t run,
                                        bool negative, CorrectionCollector& collected)
{
    ImagingStatus status = emitPendingRun(out, table);
    if (status == StatusOk)
        status = emitSymbol(out, table, (run << 4) + 1);
    if (status == StatusOk)
        status = emitHuffmanBits(out, negative ? 0u : 1u, 1);
    if (status == StatusOk)
        status = emitCorrectionBits(out, collected.start, collected.count);
    collected = {out.state->correctionBits, 0};
    return status;
}

inline ImagingStatus encodeAcRefineBand(const BitSink& out, const EncodeHuffmanSpec& table,
                                        const int16_t* block, int32_t ss, int32_t se, int32_t al)
{
    EncodeHuffmanState& st = *out.state;
    int32_t magnitude[64] = {};
    const int32_t lastNew = scaleBand(block, ss, se, al, magnitude);
    CorrectionCollector collected{st.correctionBits + st.correctionBitCount, 0};
    int32_t run = 0;
    for (int32_t k = ss; k <= se; ++k) {
        if (magnitude[k] == 0) {
            ++run;
            continue;
        }
        for (; run > 15 && k <= lastNew; run -= 16) {
            const ImagingStatus status = emitZrlWithCorrections(out, table, collected);
            if (status != StatusOk)
                return status;
        }
        if (magnitude[k] > 1) {
            collected.start[collected.count++] = static_cast<uint8_t>(magnitude[k] & 1);
            continue;
        }
        const bool negative = block[kNaturalOrder[k]] < 0;
        const ImagingStatus status = emitNewCoefficient(out, table, run, negative, collected);
        if (status != StatusOk)
            return status;
        run = 0;
    }
    if (run == 0 && collected.count == 0)
        return StatusOk;
    ++st.eobRun;
    st.correctionBitCount += collected.count;
    if (st.eobRun == kMaxEobRun || st.correctionBitCount > kMaxBufferedCorrectionBits)
        return emitPendingRun(out, table);
    return StatusOk;
}

// The checks and end-of-scan flush of both AC encoders, then encodeBand on one block's band.
template <class Mem, class EncodeBand>
ImagingStatus encodeAcBlock(const int16_t* block, uint8_t* data, int32_t length, int32_t* position,
                            int32_t ss, int32_t se, int32_t al, const EncodeHuffmanSpec* table,
                            EncodeHuffmanState* state, int32_t flush, EncodeBand encodeBand)
{
    bool flushed = false;
    const ImagingStatus status =
        checkAcEncodeArgs<Mem>(block, data, length, position, ss, se, al, table, state, flush, flushed);
    if (flushed || status != StatusOk)
        return status;
    return encodeBand(BitSink{data, length, position, state}, *table, block, ss, se, al);
}

} // namespace
} // namespace huffman::inline ZEFRIM_BUILD_NAMESPACE
