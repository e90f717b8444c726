// Layouts of the caller-held Huffman tables and coder states, and the small tables that every
// Huffman coder of every build shares. The buffer sizes are part of the interface: callers
// allocate what the *GetBufSize functions report.
#pragma once

#include <cstdint>

#include "build_token.h"
#include "zefrim/zefrim.h"

struct DecodeHuffmanSpec {
    // Next 8 stream bits -> the code they start with, 0 = no code of up to 8 bits:
    // bits 4-7 code length, 8-15 symbol. When the magnitude bits fit in the 8 bits too,
    // bits 16-31 hold the signed value (never 0) and bits 0-3 the code length plus magnitude
    // bits; otherwise bits 0-3 repeat the code length. So bits 0-3 are what the entry consumes.
    uint32_t lookahead[256];
    uint8_t symbols[256]; // symbols in code order
    uint16_t mincode[18];
    int16_t maxcode[18]; // -1: no code of that length; otherwise read as unsigned
    uint16_t valptr[18];
    uint8_t spare[256];
};

struct DecodeHuffmanState {
    uint32_t accumulator;     // valid bits are the low bitCount bits, oldest highest
    uint32_t accumulatorHigh; // always 0 here
    int32_t bitCount;
    int32_t eobRun;
    uint32_t reserved;
    uint8_t spare[4];
};

struct EncodeHuffmanSpec {
    uint32_t entry[256]; // (code length << 16) | code; 0 = symbol not coded
};

struct EncodeHuffmanState {
    uint32_t accumulator;     // pending bits left-aligned below bit 24
    uint32_t accumulatorHigh; // always 0 here
    int32_t bitCount;
    int32_t eobRun;
    int32_t correctionBitCount;
    uint8_t correctionBits[1024];
    uint8_t spare[4];
};

static_assert(sizeof(DecodeHuffmanSpec) == 1644);
static_assert(sizeof(DecodeHuffmanState) == 24);
static_assert(sizeof(EncodeHuffmanSpec) == 1024);
static_assert(sizeof(EncodeHuffmanState) == 1048);

namespace huffman::inline ZEFRIM_BUILD_NAMESPACE {
// Internal linkage: every build compiles its own copy with its own flags.
namespace {

constexpr int32_t kDecodeSpecSize = sizeof(DecodeHuffmanSpec);
constexpr int32_t kDecodeStateSize = sizeof(DecodeHuffmanState);
constexpr int32_t kEncodeSpecSize = sizeof(EncodeHuffmanSpec);
constexpr int32_t kEncodeStateSize = sizeof(EncodeHuffmanState);

constexpr int32_t kMaxAl = 13;
constexpr int32_t kMaxEobRun = 0x7FFF;
// The refinement encoder empties its correction-bit buffer before it could overflow:
// one block adds at most 63 bits.
constexpr int32_t kMaxBufferedCorrectionBits = 937;

// Natural (row-major) position of each zigzag position, plus 8 entries of 63 so that a run
// overshooting the last position by up to 8 stays inside the table.
inline constexpr uint8_t kNaturalOrder[72] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48, 41, 34,
    27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63, 63, 63, 63, 63, 63, 63, 63, 63};

constexpr uint32_t lowBitMask(int32_t n)
{
    return n >= 32 ? 0xFFFFFFFFu : (1u << n) - 1u;
}

// Number of significant bits of |v| (0 for 0, 16 for 32768 and above).
inline int32_t magnitudeCategory(int32_t v)
{
    const uint32_t a = v < 0 ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v);
    return a == 0 ? 0 : 32 - __builtin_clz(a);
}

// The low `category` bits that follow a coded value: v itself, or v - 1 when negative.
inline uint32_t magnitudeBits(int32_t v, int32_t category)
{
    const int32_t raw = v < 0 ? v - 1 : v;
    return static_cast<uint32_t>(raw) & lowBitMask(category);
}

// extendMagnitude for s > 0, without a branch (the sign of a value is hard to predict).
inline int32_t extendNonzeroMagnitude(uint32_t bits, int32_t s)
{
    const int32_t positive = static_cast<int32_t>(bits >> (s - 1)); // 0 or 1
    return static_cast<int32_t>(bits) - (static_cast<int32_t>(lowBitMask(s)) & (positive - 1));
}

// Inverse of magnitudeBits: s bits whose top bit is 0 stand for a negative value.
inline int32_t extendMagnitude(uint32_t bits, int32_t s)
{
    if (s == 0)
        return 0;
    return extendNonzeroMagnitude(bits, s);
}

// Position of the highest set bit of n (n > 0).
inline int32_t highestBit(int32_t n)
{
    return 31 - __builtin_clz(static_cast<uint32_t>(n));
}

} // namespace
} // namespace huffman::inline ZEFRIM_BUILD_NAMESPACE
