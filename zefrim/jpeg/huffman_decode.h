// Huffman decoding of JPEG entropy-coded data: the decode table, the bit reader and the block
// decoders of sequential and progressive scans. Every build instantiates these templates with
// its own memory kernels (Mem::zero, Mem::zeroBlock), so a build only ever calls its own kernels.
#pragma once

#include "build_token.h"
#include "huffman_types.h"

namespace huffman::inline ZEFRIM_BUILD_NAMESPACE {
namespace {

// ---- Decode table -----------------------------------------------------------------------------

// Code lengths and canonical codes of a table definition (JPEG Figures C.1 and C.2).
struct CanonicalCodes {
    int32_t count = 0;
    uint8_t length[257] = {};
    uint16_t code[257] = {};
};

// Fails when the counts exceed 256 codes or a code does not fit its length.
inline ImagingStatus buildCanonicalCodes(const uint8_t* listBits, CanonicalCodes& codes)
{
    for (int32_t length = 1; length <= 16; ++length) {
        const int32_t n = listBits[length - 1];
        if (codes.count + n > 256)
            return StatusBadHuffmanTable;
        for (int32_t i = 0; i < n; ++i)
            codes.length[codes.count++] = static_cast<uint8_t>(length);
    }
    uint32_t code = 0;
    int32_t length = codes.count > 0 ? codes.length[0] : 0;
    for (int32_t k = 0; k < codes.count; ++k) {
        while (codes.length[k] != length) {
            code <<= 1;
            ++length;
        }
        if (code >= (1u << length))
            return StatusBadHuffmanTable;
        codes.code[k] = static_cast<uint16_t>(code++);
    }
    return StatusOk;
}

inline void fillLengthFields(const CanonicalCodes& codes, const uint8_t* listVals, DecodeHuffmanSpec& spec)
{
    int32_t k = 0;
    for (int32_t length = 1; length <= 16; ++length) {
        const int32_t first = k;
        while (k < codes.count && codes.length[k] == length) {
            spec.symbols[k] = listVals[k];
            ++k;
        }
        if (k == first) {
            spec.maxcode[length] = -1;
            continue;
        }
        spec.valptr[length] = static_cast<uint16_t>(first);
        spec.mincode[length] = codes.code[first];
        spec.maxcode[length] = static_cast<int16_t>(codes.code[k - 1]);
    }
    spec.maxcode[17] = 0x7FFF; // end mark: the search never looks past 16 bits
}

// The look-ahead entry of a code of up to 8 bits followed by the low bits of `window`.
inline uint32_t lookaheadEntry(int32_t length, int32_t symbol, uint32_t window)
{
    const uint32_t entry = (static_cast<uint32_t>(symbol) << 8) | static_cast<uint32_t>(length << 4);
    const int32_t category = symbol & 15;
    const int32_t total = length + category;
    if (category == 0 || total > 8)
        return entry | static_cast<uint32_t>(length);
    const uint32_t bits = (window >> (8 - total)) & lowBitMask(category);
    const int32_t value = extendNonzeroMagnitude(bits, category);
    return (static_cast<uint32_t>(value) << 16) | entry | static_cast<uint32_t>(total);
}

inline void fillLookahead(const CanonicalCodes& codes, const uint8_t* listVals, DecodeHuffmanSpec& spec)
{
    for (int32_t k = 0; k < codes.count && codes.length[k] <= 8; ++k) {
        const int32_t shift = 8 - codes.length[k];
        const int32_t start = codes.code[k] << shift;
        for (int32_t i = 0; i < (1 << shift); ++i)
            spec.lookahead[start + i] =
                lookaheadEntry(codes.length[k], listVals[k], static_cast<uint32_t>(start + i));
    }
}

template <class Mem>
ImagingStatus initDecodeSpec(const uint8_t* listBits, const uint8_t* listVals, DecodeHuffmanSpec* spec)
{
    if (!listBits || !listVals || !spec)
        return StatusNullPointer;
    CanonicalCodes codes;
    const ImagingStatus status = buildCanonicalCodes(listBits, codes);
    if (status != StatusOk)
        return status; // the spec is left as it was
    Mem::zero(spec, kDecodeSpecSize);
    fillLengthFields(codes, listVals, *spec);
    fillLookahead(codes, listVals, *spec);
    return StatusOk;
}

// ---- Bit reader -------------------------------------------------------------------------------

// The bit buffer of a scan, worked on in locals during one call and handed back to the
// caller's position, marker word and state when the call ends (StreamCommit).
struct BitBuffer {
    uint32_t accumulator; // valid bits are the low bitCount bits, oldest highest
    int32_t bitCount;
    bool appended;
};

struct BitStream {
    const uint8_t* data;
    int32_t length;
    int32_t position;
    int32_t marker;
    DecodeHuffmanState* state;
    BitBuffer buffer;
};

inline BitStream openStream(const uint8_t* data, int32_t length, const int32_t* position,
                            const int32_t* marker, DecodeHuffmanState* state)
{
    return {data, length, *position, *marker, state, {state->accumulator, state->bitCount, false}};
}

class StreamCommit {
public:
    StreamCommit(const BitStream& stream, int32_t* position, int32_t* marker)
        : stream_(stream), position_(position), marker_(marker)
    {
    }
    StreamCommit(const StreamCommit&) = delete;
    StreamCommit& operator=(const StreamCommit&) = delete;
    ~StreamCommit()
    {
        *position_ = stream_.position;
        *marker_ = stream_.marker;
        stream_.state->accumulator = stream_.buffer.accumulator;
        stream_.state->bitCount = stream_.buffer.bitCount;
        if (stream_.buffer.appended)
            stream_.state->accumulatorHigh = 0;
    }

private:
    const BitStream& stream_;
    int32_t* const position_;
    int32_t* const marker_;
};

inline ImagingStatus enoughBits(BitStream& s, int32_t needed)
{
    return s.buffer.bitCount >= needed ? StatusOk : StatusDataExhausted;
}

// After a 0xFF: 0x00 makes it a data byte, further 0xFF are fill bytes, anything else is
// a marker, stored in the marker word (10). Advances pos over what it looked at.
inline ImagingStatus skipStuffing(BitStream& s, int32_t& pos)
{
    for (;;) {
        if (pos >= s.length)
            return StatusDataExhausted;
        const uint8_t next = s.data[pos++];
        if (next == 0x00)
            return StatusOk;
        if (next != 0xFF) {
            s.marker = next;
            return StatusMarkerFound;
        }
    }
}

// The common case of the fill below in one step: the bytes it would append (enough for
// 25..32 bits) lie inside the data and none of them is 0xFF. False when that does not hold;
// nothing has changed then.
inline bool fillWholeBytesAtOnce(BitStream& s)
{
    if (s.position < 0 || s.position > s.length - 4 || s.buffer.bitCount > 24)
        return false;
    const int32_t count = (32 - s.buffer.bitCount) >> 3; // 1..4
    const uint8_t* p = s.data + s.position;
    const uint32_t word = (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
                          (static_cast<uint32_t>(p[2]) << 8) | p[3];
    const uint32_t used = word & (0xFFFFFFFFu << (8 * (4 - count)));
    const uint32_t inverted = ~used; // a byte 0xFF of the data is a zero byte here
    if (((inverted - 0x01010101u) & ~inverted & 0x80808080u) != 0)
        return false;
    const uint64_t widened =
        (static_cast<uint64_t>(s.buffer.accumulator) << (8 * count)) | (used >> (8 * (4 - count)));
    s.buffer.accumulator = static_cast<uint32_t>(widened);
    s.buffer.bitCount += 8 * count;
    s.buffer.appended = true;
    s.position += count;
    return true;
}

// Tops the accumulator up to 25..32 bits, removing byte stuffing; stops at a marker (10),
// at the end of the data, or at once when a marker was met before.
inline ImagingStatus fillBitBuffer(BitStream& s, int32_t needed)
{
    if (s.marker != 0)
        return enoughBits(s, needed);
    if (fillWholeBytesAtOnce(s))
        return StatusOk;
    // Locals, so that the byte loop runs in registers.
    uint32_t accumulator = s.buffer.accumulator;
    int32_t bitCount = s.buffer.bitCount;
    int32_t pos = s.position;
    ImagingStatus status = StatusOk;
    while (bitCount < 25) {
        // A position outside the data (also a negative one) reads as the end of the data.
        if (pos < 0 || pos >= s.length) {
            status = bitCount >= needed ? StatusOk : StatusDataExhausted;
            break;
        }
        const uint8_t byte = s.data[pos++];
        if (byte == 0xFF) {
            status = skipStuffing(s, pos);
            if (status != StatusOk)
                break;
        }
        accumulator = (accumulator << 8) | byte;
        bitCount += 8;
        s.buffer.appended = true;
    }
    s.buffer.accumulator = accumulator;
    s.buffer.bitCount = bitCount;
    s.position = pos;
    return status;
}

inline uint32_t takeBits(BitBuffer& st, int32_t n)
{
    st.bitCount -= n;
    return (st.accumulator >> st.bitCount) & lowBitMask(n);
}

struct FetchResult {
    ImagingStatus status;
    uint32_t bits;
};

// Refills, then takes n bits. When a marker cuts the data short, the missing bits read as
// zeros, the bit count stops at 0 and the fill's 10 is passed on; the next fetch then fails.
[[gnu::noinline]] inline FetchResult fetchBitsAfterFill(BitStream& s, int32_t n)
{
    BitBuffer& st = s.buffer;
    const ImagingStatus status = fillBitBuffer(s, n);
    if (status < 0)
        return {status, 0};
    if (st.bitCount >= n)
        return {status, takeBits(st, n)};
    const uint32_t bits = (st.accumulator & lowBitMask(st.bitCount)) << (n - st.bitCount);
    st.bitCount = 0;
    return {status, bits};
}

// Takes n (0..16) bits. The common refill is done in place; the rest works on a copy of the
// stream, so that the caller's stream never has its address taken and stays in registers.
inline ImagingStatus fetchBits(BitStream& s, int32_t n, uint32_t& bits)
{
    BitBuffer& st = s.buffer;
    if (st.bitCount < n && s.marker == 0)
        fillWholeBytesAtOnce(s);
    if (st.bitCount >= n) {
        bits = takeBits(st, n);
        return StatusOk;
    }
    BitStream copy = s;
    const FetchResult result = fetchBitsAfterFill(copy, n);
    s = copy;
    bits = result.bits;
    return result.status;
}

inline bool codeWithinLength(const DecodeHuffmanSpec& spec, int32_t length, uint32_t code)
{
    const int16_t max = spec.maxcode[length];
    return max != -1 && code <= static_cast<uint16_t>(max);
}

inline int32_t symbolOfCode(const DecodeHuffmanSpec& spec, int32_t length, uint32_t code)
{
    const uint32_t index = spec.valptr[length] + code - spec.mincode[length];
    return spec.symbols[index & 0xFF];
}

// With 16 bits buffered the search needs no bit-by-bit taking: it compares the prefixes of
// one 16-bit window. Returns false when no code matches, leaving the buffer untouched.
inline bool searchBufferedWindow(BitBuffer& st, int32_t length, int32_t& symbol,
                                 const DecodeHuffmanSpec& spec)
{
    const uint32_t window = (st.accumulator >> (st.bitCount - 16)) & 0xFFFF;
    for (; length <= 16; ++length) {
        const uint32_t code = window >> (16 - length);
        if (codeWithinLength(spec, length, code)) {
            st.bitCount -= length;
            symbol = symbolOfCode(spec, length, code);
            return true;
        }
    }
    return false;
}

// Canonical search from the given length, bit by bit; no match within 16 bits gives symbol 0
// after 17 bits.
inline ImagingStatus decodeHuffmanSymbolSlow(BitStream& s, int32_t length, int32_t& symbol,
                                             const DecodeHuffmanSpec& spec)
{
    BitBuffer& st = s.buffer;
    if (st.bitCount >= 16 && searchBufferedWindow(st, length, symbol, spec))
        return StatusOk;
    if (st.bitCount < length) {
        const ImagingStatus status = fillBitBuffer(s, length);
        if (status < 0)
            return status;
        if (st.bitCount < length)
            return StatusDataExhausted; // a marker ended the data
    }
    uint32_t code = takeBits(st, length);
    while (length <= 16 && !codeWithinLength(spec, length, code)) {
        if (st.bitCount == 0) {
            const ImagingStatus status = fillBitBuffer(s, 1);
            if (status < 0)
                return status;
            if (st.bitCount == 0)
                return StatusDataExhausted;
        }
        code = (code << 1) | takeBits(st, 1);
        ++length;
    }
    if (length > 16) {
        symbol = 0;
        return StatusOk;
    }
    symbol = symbolOfCode(spec, length, code);
    return StatusOk;
}

// A symbol whose code is not in the look-ahead, or with fewer than 8 bits buffered: the
// symbol (0..255) or a negative status.
[[gnu::noinline]] inline int32_t decodeHuffmanSymbolMiss(BitStream& s, const DecodeHuffmanSpec& spec)
{
    BitBuffer& st = s.buffer;
    int32_t symbol = 0;
    if (st.bitCount < 8) {
        const ImagingStatus status = fillBitBuffer(s, 0);
        if (status < 0)
            return status;
        if (st.bitCount < 8) {
            const ImagingStatus slow = decodeHuffmanSymbolSlow(s, 1, symbol, spec);
            return slow < 0 ? slow : symbol;
        }
    }
    const uint32_t entry = spec.lookahead[(st.accumulator >> (st.bitCount - 8)) & 0xFF];
    if (entry != 0) {
        st.bitCount -= static_cast<int32_t>((entry >> 4) & 15);
        return static_cast<int32_t>((entry >> 8) & 0xFF);
    }
    const ImagingStatus slow = decodeHuffmanSymbolSlow(s, 9, symbol, spec);
    return slow < 0 ? slow : symbol;
}

// The common case, a code of up to 8 bits with 8 bits buffered, is one table read.
inline ImagingStatus decodeHuffmanSymbol(BitStream& s, int32_t& symbol, const DecodeHuffmanSpec& spec)
{
    BitBuffer& st = s.buffer;
    if (st.bitCount < 8 && s.marker == 0)
        fillWholeBytesAtOnce(s);
    if (st.bitCount >= 8) {
        const uint32_t entry = spec.lookahead[(st.accumulator >> (st.bitCount - 8)) & 0xFF];
        if (entry != 0) {
            st.bitCount -= static_cast<int32_t>((entry >> 4) & 15);
            symbol = static_cast<int32_t>((entry >> 8) & 0xFF);
            return StatusOk;
        }
    }
    BitStream copy = s;
    const int32_t result = decodeHuffmanSymbolMiss(copy, spec);
    s = copy;
    if (result < 0)
        return result;
    symbol = result;
    return StatusOk;
}

// Fetches s (1..16) magnitude bits and extends them to a signed value.
inline ImagingStatus fetchValue(BitStream& stream, int32_t s, int32_t& value)
{
    uint32_t bits = 0;
    const ImagingStatus status = fetchBits(stream, s, bits);
    if (status >= 0)
        value = extendNonzeroMagnitude(bits, s);
    return status;
}

// ---- Sequential block and lossless value ---------------------------------------------------

template <class... Pointers> bool anyNull(const Pointers*... pointers)
{
    return ((pointers == nullptr) || ...);
}

template <class... Pointers>
ImagingStatus checkSequentialArgs(const uint8_t* data, int32_t length, const Pointers*... others)
{
    if (!data)
        return StatusNullPointer;
    if (length < 0)
        return StatusBadArgument;
    if (anyNull(others...))
        return StatusNullPointer;
    return StatusOk;
}

// Decodes a DC difference into the predictor (16-bit, wrapping); returns the last step's status.
inline ImagingStatus decodeDcIntoPredictor(BitStream& s, const DecodeHuffmanSpec& table, int16_t& predictor)
{
    int32_t symbol = 0;
    ImagingStatus status = decodeHuffmanSymbol(s, symbol, table);
    if (status < 0)
        return status;
    const int32_t category = symbol & 15;
    if (category == 0)
        return status;
    int32_t diff = 0;
    status = fetchValue(s, category, diff);
    if (status < 0)
        return status;
    predictor = static_cast<int16_t>(static_cast<uint16_t>(predictor) + static_cast<uint32_t>(diff));
    return status;
}

// The buffered bits left-aligned in 64 bits: the next n bits are then one constant shift away
// and taking them is one shift, which shortens the chain from one symbol to the next.
inline uint64_t alignedBits(const BitBuffer& st)
{
    return (static_cast<uint64_t>(st.accumulator) << 32) << (32 - st.bitCount);
}

// A look-ahead entry with its magnitude bits, or 0.
inline int32_t entryValue(uint32_t entry)
{
    return static_cast<int32_t>(entry) >> 16;
}

// Takes the bits that a look-ahead entry consumes from both views of the buffer.
inline void consumeEntry(BitBuffer& st, uint64_t& bits, uint32_t entry)
{
    const int32_t n = static_cast<int32_t>(entry & 15);
    st.bitCount -= n;
    bits <<= n;
}

// The `category` magnitude bits after a code of `length` bits, extended; 0 for category 0.
// Without a branch, as whether a DC difference has bits at all is hard to predict.
inline int32_t valueAfterCode(uint64_t bits, int32_t length, int32_t category)
{
    const int32_t raw = static_cast<int32_t>(((bits << length) >> 1) >> (63 - category));
    const int32_t half = (1 << category) >> 1;
    const int32_t negative = (raw - half) >> 31; // all ones when the top bit is clear
    return raw + (negative & (1 - 2 * half));
}

// fillWholeBytesAtOnce for the symbol decoder's fill (fewer than 8 bits buffered, no marker
// met), keeping `bits` equal to alignedBits.
inline bool fillBelowEight(BitStream& s, uint64_t& bits)
{
    if (s.marker != 0 || s.position < 0 || s.position > s.length - 4)
        return false;
    BitBuffer& st = s.buffer;
    const int32_t count = (32 - st.bitCount) >> 3; // 3, or 4 when empty
    const uint8_t* p = s.data + s.position;
    const uint32_t word = (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
                          (static_cast<uint32_t>(p[2]) << 8) | p[3];
    const uint32_t used = static_cast<uint32_t>(static_cast<uint64_t>(word) >> (32 - 8 * count));
    if (((~used - 0x01010101u) & used & 0x80808080u) != 0)
        return false; // a 0xFF among the bytes
    st.accumulator = static_cast<uint32_t>((static_cast<uint64_t>(st.accumulator) << (8 * count)) | used);
    st.bitCount += 8 * count;
    st.appended = true;
    s.position += count;
    bits |= static_cast<uint64_t>(used) << (64 - st.bitCount);
    return true;
}

// A code of up to 8 bits whose magnitude bits are buffered too is taken in one go; the rest
// goes the general way. Either way the stream ends where decodeDcIntoPredictor leaves it.
inline ImagingStatus decodeSequentialDc(BitStream& s, uint64_t& bits, const DecodeHuffmanSpec& table,
                                        int16_t& predictor)
{
    BitBuffer& st = s.buffer;
    if (st.bitCount >= 8 || fillBelowEight(s, bits)) {
        const uint32_t entry = table.lookahead[bits >> 56];
        const int32_t length = static_cast<int32_t>((entry >> 4) & 15);
        const int32_t category = static_cast<int32_t>((entry >> 8) & 15);
        const int32_t total = length + category;
        if (entry != 0 && total <= st.bitCount) {
            const int32_t diff = valueAfterCode(bits, length, category);
            st.bitCount -= total;
            bits <<= total;
            predictor = static_cast<int16_t>(static_cast<uint16_t>(predictor) + static_cast<uint32_t>(diff));
            return StatusOk;
        }
    }
    const ImagingStatus status = decodeDcIntoPredictor(s, table, predictor);
    bits = alignedBits(st);
    return status;
}

// A code of 9..16 bits among the buffered bits, found as the bit-by-bit search would find it
// before it needs a fill. False leaves the buffer untouched.
inline bool searchLongCode(BitBuffer& st, uint64_t bits, int32_t& symbol, const DecodeHuffmanSpec& spec)
{
    const int32_t last = st.bitCount < 16 ? st.bitCount : 16;
    for (int32_t length = 9; length <= last; ++length) {
        const uint32_t code = static_cast<uint32_t>(bits >> (64 - length));
        if (codeWithinLength(spec, length, code)) {
            st.bitCount -= length;
            symbol = symbolOfCode(spec, length, code);
            return true;
        }
    }
    return false;
}

// `bits` is kept equal to alignedBits(s.buffer) throughout.
inline ImagingStatus decodeSequentialAc(BitStream& s, uint64_t bits, const DecodeHuffmanSpec& table,
                                        int16_t* block)
{
    BitBuffer& st = s.buffer;
    ImagingStatus status = StatusOk;
    int32_t zz = 1; // positions left: 64 - zz
    while (zz < 64) {
        uint32_t entry = 0;
        if (st.bitCount >= 8 || fillBelowEight(s, bits))
            entry = table.lookahead[bits >> 56];
        if (entry >= 0x10000) {
            consumeEntry(st, bits, entry);
            zz += static_cast<int32_t>((entry >> 12) & 15);
            if (zz > 63)
                return StatusOutOfRange; // the run passed the last position
            block[kNaturalOrder[zz++]] = static_cast<int16_t>(entryValue(entry));
            status = StatusOk;
            continue;
        }
        if (entry - 1 < 0xFFu) { // symbol 0 with a short code: end of block
            consumeEntry(st, bits, entry);
            return StatusOk;
        }
        int32_t symbol = 0;
        if (entry != 0) {
            consumeEntry(st, bits, entry);
            symbol = static_cast<int32_t>(entry >> 8);
            status = StatusOk;
        } else if (st.bitCount >= 9 && searchLongCode(st, bits, symbol, table)) {
            bits = alignedBits(st); // a longer code, found as decodeHuffmanSymbol would
            status = StatusOk;
        } else {
            status = decodeHuffmanSymbol(s, symbol, table);
            if (status < 0)
                return status;
            bits = alignedBits(st);
        }
        const int32_t run = (symbol >> 4) & 15;
        const int32_t category = symbol & 15;
        if (category == 0) {
            if (run != 15)
                break;
            zz += 16;
            continue;
        }
        zz += run;
        int32_t value = 0;
        if (st.bitCount >= category) {
            value = extendNonzeroMagnitude(static_cast<uint32_t>(bits >> (64 - category)), category);
            st.bitCount -= category;
            bits <<= category;
            status = StatusOk;
        } else {
            status = fetchValue(s, category, value);
            if (status < 0)
                return status;
            bits = alignedBits(st);
        }
        if (zz > 63)
            return StatusOutOfRange;
        block[kNaturalOrder[zz++]] = static_cast<int16_t>(value);
    }
    return status;
}

inline void commitStream(const BitStream& s, int32_t* position, int32_t* marker)
{
    *position = s.position;
    *marker = s.marker;
    s.state->accumulator = s.buffer.accumulator;
    s.state->bitCount = s.buffer.bitCount;
    // Without a branch: whether a block needed bytes is hard to predict.
    s.state->accumulatorHigh &= s.buffer.appended ? 0u : ~0u;
}

template <class Mem>
ImagingStatus decodeBlock(const uint8_t* data, int32_t length, int32_t* position, int16_t* block,
                          int16_t* lastDc, int32_t* marker, const DecodeHuffmanSpec* dcTable,
                          const DecodeHuffmanSpec* acTable, DecodeHuffmanState* state)
{
    const ImagingStatus check =
        checkSequentialArgs(data, length, position, block, lastDc, marker, dcTable, acTable, state);
    if (check != StatusOk)
        return check;
    // Committed explicitly rather than by StreamCommit: a stream whose address is never
    // taken stays in registers.
    BitStream s = openStream(data, length, position, marker, state);
    Mem::zeroBlock(block);
    int16_t dc = *lastDc;
    uint64_t bits = alignedBits(s.buffer);
    ImagingStatus status = decodeSequentialDc(s, bits, *dcTable, dc);
    *lastDc = dc;
    block[0] = dc;
    if (status >= 0)
        status = decodeSequentialAc(s, bits, *acTable, block);
    commitStream(s, position, marker);
    return status;
}

inline ImagingStatus decodeLosslessValue(const uint8_t* data, int32_t length, int32_t* position,
                                         int16_t* value, int32_t* marker, const DecodeHuffmanSpec* table,
                                         DecodeHuffmanState* state)
{
    const ImagingStatus check = checkSequentialArgs(data, length, position, value, marker, table, state);
    if (check != StatusOk)
        return check;
    BitStream s = openStream(data, length, position, marker, state);
    const StreamCommit commit(s, position, marker);
    int32_t category = 0;
    ImagingStatus status = decodeHuffmanSymbol(s, category, *table);
    if (status < 0)
        return status;
    int32_t result = 0;
    if (category >= 16) {
        result = -32768; // the difference 32768 carries no magnitude bits
    } else if (category > 0) {
        status = fetchValue(s, category, result);
        if (status < 0)
            return status;
    }
    *value = static_cast<int16_t>(result);
    return status;
}

// ---- Progressive blocks ------------------------------------------------------------------------

inline bool alOutOfRange(int32_t al)
{
    return al < 0 || al > kMaxAl;
}

inline bool bandOutOfRange(int32_t ss, int32_t se, int32_t al)
{
    return ss < 1 || ss > 63 || se < ss || se > 63 || alOutOfRange(al);
}

inline ImagingStatus checkProgressiveStream(const uint8_t* data, int32_t length, const int32_t* position,
                                            const int16_t* block)
{
    if (!data)
        return StatusNullPointer;
    if (length <= 0)
        return StatusBadSize;
    if (!position || !block)
        return StatusNullPointer;
    return StatusOk;
}

inline ImagingStatus decodeDcFirst(const uint8_t* data, int32_t length, int32_t* position, int16_t* block,
                                   int16_t* lastDc, int32_t* marker, int32_t al,
                                   const DecodeHuffmanSpec* dcTable, DecodeHuffmanState* state)
{
    ImagingStatus status = checkProgressiveStream(data, length, position, block);
    if (status != StatusOk)
        return status;
    if (!lastDc || !marker)
        return StatusNullPointer;
    if (alOutOfRange(al))
        return StatusBadArgument;
    if (!dcTable || !state)
        return StatusNullPointer;
    BitStream s = openStream(data, length, position, marker, state);
    const StreamCommit commit(s, position, marker);
    status = decodeDcIntoPredictor(s, *dcTable, *lastDc);
    if (status < 0)
        return status;
    block[0] = static_cast<int16_t>(static_cast<uint32_t>(static_cast<uint16_t>(*lastDc)) << al);
    return status;
}

inline ImagingStatus decodeDcRefine(const uint8_t* data, int32_t length, int32_t* position, int16_t* block,
                                    int32_t* marker, int32_t al, DecodeHuffmanState* state)
{
    ImagingStatus status = checkProgressiveStream(data, length, position, block);
    if (status != StatusOk)
        return status;
    if (!marker)
        return StatusNullPointer;
    if (alOutOfRange(al))
        return StatusBadArgument;
    if (!state)
        return StatusNullPointer;
    BitStream s = openStream(data, length, position, marker, state);
    const StreamCommit commit(s, position, marker);
    uint32_t bit = 0;
    status = fetchBits(s, 1, bit);
    if (status < 0)
        return status;
    if (bit)
        block[0] = static_cast<int16_t>(block[0] | (1 << al));
    return status;
}

inline ImagingStatus checkAcArgs(const uint8_t* data, int32_t length, const int32_t* position,
                                 const int16_t* block, const int32_t* marker, int32_t ss, int32_t se,
                                 int32_t al, const DecodeHuffmanSpec* table, const DecodeHuffmanState* state)
{
    const ImagingStatus status = checkProgressiveStream(data, length, position, block);
    if (status != StatusOk)
        return status;
    if (!marker)
        return StatusNullPointer;
    if (bandOutOfRange(ss, se, al))
        return StatusBadArgument;
    if (!table || !state)
        return StatusNullPointer;
    return StatusOk;
}

// End of band EOBr: the run is 2^r plus r further bits, this block counted as its first.
inline ImagingStatus readEobRun(BitStream& s, int32_t r)
{
    DecodeHuffmanState& st = *s.state;
    st.eobRun = 1 << r;
    ImagingStatus status = StatusOk;
    if (r > 0) {
        uint32_t extra = 0;
        status = fetchBits(s, r, extra);
        if (status < 0)
            return status;
        st.eobRun += static_cast<int32_t>(extra);
    }
    return status;
}

inline ImagingStatus decodeAcFirst(const uint8_t* data, int32_t length, int32_t* position, int16_t* block,
                                   int32_t* marker, int32_t ss, int32_t se, int32_t al,
                                   const DecodeHuffmanSpec* table, DecodeHuffmanState* state)
{
    ImagingStatus status = checkAcArgs(data, length, position, block, marker, ss, se, al, table, state);
    if (status != StatusOk)
        return status;
    if (state->eobRun > 0) {
        --state->eobRun;
        return StatusOk;
    }
    BitStream s = openStream(data, length, position, marker, state);
    const StreamCommit commit(s, position, marker);
    for (int32_t k = ss; k <= se;) {
        int32_t symbol = 0;
        status = decodeHuffmanSymbol(s, symbol, *table);
        if (status < 0)
            return status;
        const int32_t r = symbol >> 4;
        const int32_t category = symbol & 15;
        if (category != 0) {
            k += r;
            int32_t value = 0;
            status = fetchValue(s, category, value);
            if (status < 0)
                return status;
            if (k > 71)
                return StatusOutOfRange;
            block[kNaturalOrder[k]] = static_cast<int16_t>(static_cast<uint32_t>(value) << al);
            ++k;
        } else if (r == 15) {
            k += 16;
        } else {
            status = readEobRun(s, r);
            if (status < 0)
                return status;
            --state->eobRun;
            break;
        }
    }
    return status;
}

struct Refinement {
    int16_t plus;
    int16_t minus;
};

// Reads one correction bit for a coefficient that already has history.
inline ImagingStatus refineCoefficient(BitStream& s, const Refinement& ref, int16_t& coef)
{
    uint32_t bit = 0;
    const ImagingStatus status = fetchBits(s, 1, bit);
    if (status < 0)
        return status;
    if (bit && (coef & ref.plus) == 0)
        coef = static_cast<int16_t>(coef + (coef >= 0 ? ref.plus : ref.minus));
    return status;
}

// Refines the coefficients with history from k on and stops at the zero where a new
// coefficient goes after `zeros` zeros; k is left there (or at se + 1).
inline ImagingStatus walkZeroRun(BitStream& s, const Refinement& ref, int16_t* block, int32_t& k, int32_t se,
                                 int32_t zeros, ImagingStatus status)
{
    do {
        int16_t& coef = block[kNaturalOrder[k]];
        if (coef != 0) {
            status = refineCoefficient(s, ref, coef);
            if (status < 0)
                return status;
        } else if (--zeros < 0) {
            break;
        }
        ++k;
    } while (k <= se);
    return status;
}

inline ImagingStatus decodeAcRefine(const uint8_t* data, int32_t length, int32_t* position, int16_t* block,
                                    int32_t* marker, int32_t ss, int32_t se, int32_t al,
                                    const DecodeHuffmanSpec* table, DecodeHuffmanState* state)
{
    ImagingStatus status = checkAcArgs(data, length, position, block, marker, ss, se, al, table, state);
    if (status != StatusOk)
        return status;
    BitStream s = openStream(data, length, position, marker, state);
    const StreamCommit commit(s, position, marker);
    const Refinement ref{static_cast<int16_t>(1 << al), static_cast<int16_t>(-(1 << al))};
    int32_t k = ss;
    if (state->eobRun == 0) {
        for (; k <= se; ++k) {
            int32_t symbol = 0;
            status = decodeHuffmanSymbol(s, symbol, *table);
            if (status < 0)
                return status;
            const int32_t r = symbol >> 4;
            int16_t newValue = 0;
            if ((symbol & 15) != 0) {
                uint32_t bit = 0;
                status = fetchBits(s, 1, bit);
                if (status < 0)
                    return status;
                newValue = bit ? ref.plus : ref.minus;
            } else if (r != 15) {
                status = readEobRun(s, r);
                if (status < 0)
                    return status;
                break;
            }
            status = walkZeroRun(s, ref, block, k, se, r, status);
            if (status < 0)
                return status;
            if (newValue != 0)
                block[kNaturalOrder[k]] = newValue;
        }
        if (state->eobRun == 0)
            return status;
    }
    for (; k <= se; ++k) {
        int16_t& coef = block[kNaturalOrder[k]];
        if (coef != 0) {
            status = refineCoefficient(s, ref, coef);
            if (status < 0)
                return status;
        }
    }
    --state->eobRun;
    return status;
}

} // namespace
} // namespace huffman::inline ZEFRIM_BUILD_NAMESPACE
