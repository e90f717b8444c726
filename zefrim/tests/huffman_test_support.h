// Shared helpers of the Huffman tests: the four builds as one record each, caller buffers of the
// sizes the library reports, the standard JPEG tables and a bit-string builder.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "builds.h"
#include "huffman_types.h"

namespace huffman_test {

// Every Huffman function of one build.
struct HuffmanBuild {
    const char* name;
    decltype(&zfmiDecodeHuffmanSpecGetBufSize_JPEG_8u_gn) decodeSpecGetBufSize;
    decltype(&zfmiDecodeHuffmanSpecInit_JPEG_8u_gn) decodeSpecInit;
    decltype(&zfmiDecodeHuffmanStateGetBufSize_JPEG_8u_gn) decodeStateGetBufSize;
    decltype(&zfmiDecodeHuffmanStateInit_JPEG_8u_gn) decodeStateInit;
    decltype(&zfmiDecodeHuffman8x8_JPEG_1u16s_C1_gn) decode8x8;
    decltype(&zfmiDecodeHuffman8x8_DCFirst_JPEG_1u16s_C1_gn) decodeDcFirst;
    decltype(&zfmiDecodeHuffman8x8_DCRefine_JPEG_1u16s_C1_gn) decodeDcRefine;
    decltype(&zfmiDecodeHuffman8x8_ACFirst_JPEG_1u16s_C1_gn) decodeAcFirst;
    decltype(&zfmiDecodeHuffman8x8_ACRefine_JPEG_1u16s_C1_gn) decodeAcRefine;
    decltype(&zfmiDecodeHuffmanOne_JPEG_1u16s_C1_gn) decodeOne;
    decltype(&zfmiEncodeHuffmanSpecGetBufSize_JPEG_8u_gn) encodeSpecGetBufSize;
    decltype(&zfmiEncodeHuffmanSpecInit_JPEG_8u_gn) encodeSpecInit;
    decltype(&zfmiEncodeHuffmanStateGetBufSize_JPEG_8u_gn) encodeStateGetBufSize;
    decltype(&zfmiEncodeHuffmanStateInit_JPEG_8u_gn) encodeStateInit;
    decltype(&zfmiEncodeHuffmanRawTableInit_JPEG_8u_gn) rawTableInit;
    decltype(&zfmiEncodeHuffman8x8_JPEG_16s1u_C1_gn) encode8x8;
    decltype(&zfmiEncodeHuffman8x8_DCFirst_JPEG_16s1u_C1_gn) encodeDcFirst;
    decltype(&zfmiEncodeHuffman8x8_DCRefine_JPEG_16s1u_C1_gn) encodeDcRefine;
    decltype(&zfmiEncodeHuffman8x8_ACFirst_JPEG_16s1u_C1_gn) encodeAcFirst;
    decltype(&zfmiEncodeHuffman8x8_ACRefine_JPEG_16s1u_C1_gn) encodeAcRefine;
    decltype(&zfmiEncodeHuffmanOne_JPEG_16s1u_C1_gn) encodeOne;
    decltype(&zfmiGetHuffmanStatistics8x8_DCFirst_JPEG_16s_C1_gn) statisticsDcFirst;
    decltype(&zfmiGetHuffmanStatistics8x8_ACFirst_JPEG_16s_C1_gn) statisticsAcFirst;
    decltype(&zfmiGetHuffmanStatistics8x8_ACRefine_JPEG_16s_C1_gn) statisticsAcRefine;
};

#define HUFFMAN_TEST_BUILD(sfx)                                                                              \
    HuffmanBuild                                                                                             \
    {                                                                                                        \
#sfx, zfmiDecodeHuffmanSpecGetBufSize_JPEG_8u_##sfx, zfmiDecodeHuffmanSpecInit_JPEG_8u_##sfx,        \
            zfmiDecodeHuffmanStateGetBufSize_JPEG_8u_##sfx, zfmiDecodeHuffmanStateInit_JPEG_8u_##sfx,        \
            zfmiDecodeHuffman8x8_JPEG_1u16s_C1_##sfx, zfmiDecodeHuffman8x8_DCFirst_JPEG_1u16s_C1_##sfx,      \
            zfmiDecodeHuffman8x8_DCRefine_JPEG_1u16s_C1_##sfx,                                               \
            zfmiDecodeHuffman8x8_ACFirst_JPEG_1u16s_C1_##sfx,                                                \
            zfmiDecodeHuffman8x8_ACRefine_JPEG_1u16s_C1_##sfx, zfmiDecodeHuffmanOne_JPEG_1u16s_C1_##sfx,     \
            zfmiEncodeHuffmanSpecGetBufSize_JPEG_8u_##sfx, zfmiEncodeHuffmanSpecInit_JPEG_8u_##sfx,          \
            zfmiEncodeHuffmanStateGetBufSize_JPEG_8u_##sfx, zfmiEncodeHuffmanStateInit_JPEG_8u_##sfx,        \
            zfmiEncodeHuffmanRawTableInit_JPEG_8u_##sfx, zfmiEncodeHuffman8x8_JPEG_16s1u_C1_##sfx,           \
            zfmiEncodeHuffman8x8_DCFirst_JPEG_16s1u_C1_##sfx,                                                \
            zfmiEncodeHuffman8x8_DCRefine_JPEG_16s1u_C1_##sfx,                                               \
            zfmiEncodeHuffman8x8_ACFirst_JPEG_16s1u_C1_##sfx,                                                \
            zfmiEncodeHuffman8x8_ACRefine_JPEG_16s1u_C1_##sfx, zfmiEncodeHuffmanOne_JPEG_16s1u_C1_##sfx,     \
            zfmiGetHuffmanStatistics8x8_DCFirst_JPEG_16s_C1_##sfx,                                           \
            zfmiGetHuffmanStatistics8x8_ACFirst_JPEG_16s_C1_##sfx,                                           \
            zfmiGetHuffmanStatistics8x8_ACRefine_JPEG_16s_C1_##sfx                                           \
    }

inline const std::array<HuffmanBuild, 4>& allBuilds()
{
    static const std::array<HuffmanBuild, 4> builds{HUFFMAN_TEST_BUILD(gn), HUFFMAN_TEST_BUILD(s1),
                                                    HUFFMAN_TEST_BUILD(s2), HUFFMAN_TEST_BUILD(s3)};
    return builds;
}

inline std::string buildName(const testing::TestParamInfo<HuffmanBuild>& info)
{
    return info.param.name;
}

// GoogleTest prints a parameter in failure messages and test listings: the build tag instead
// of a byte dump of the function pointers.
inline void PrintTo(const HuffmanBuild& build, std::ostream* os)
{
    *os << build.name;
}

// A caller buffer of the size the library reports, 8-byte aligned, filled with a pattern so
// that reads of uninitialised parts show up.
template <class T> class CallerBuffer {
public:
    explicit CallerBuffer(int32_t bytes, uint8_t pattern = 0xA5)
        : storage_((static_cast<size_t>(bytes) + 7) / 8), bytes_(bytes)
    {
        std::fill_n(this->bytes(), bytes, pattern);
    }
    T* get() { return reinterpret_cast<T*>(storage_.data()); }
    uint8_t* bytes() { return reinterpret_cast<uint8_t*>(storage_.data()); }
    std::vector<uint8_t> snapshot() { return {bytes(), bytes() + bytes_}; }

private:
    std::vector<uint64_t> storage_;
    int32_t bytes_;
};

using DecodeSpecBuffer = CallerBuffer<DecodeHuffmanSpec>;
using DecodeStateBuffer = CallerBuffer<DecodeHuffmanState>;
using EncodeSpecBuffer = CallerBuffer<EncodeHuffmanSpec>;
using EncodeStateBuffer = CallerBuffer<EncodeHuffmanState>;

constexpr int32_t kDecodeSpecBytes = 1644;
constexpr int32_t kDecodeStateBytes = 24;
constexpr int32_t kEncodeSpecBytes = 1024;
constexpr int32_t kEncodeStateBytes = 1048;

// A JPEG table definition: 16 code-length counts and the symbols in code order.
struct TableDefinition {
    std::array<uint8_t, 16> bits{};
    std::vector<uint8_t> values;
};

// The example tables of the JPEG standard (Annex K.3).
inline TableDefinition standardDcLuminance()
{
    return {{0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
}

inline TableDefinition standardAcLuminance()
{
    return {{0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d},
            {0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61,
             0x07, 0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42, 0xb1, 0xc1, 0x15, 0x52,
             0xd1, 0xf0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0a, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x25,
             0x26, 0x27, 0x28, 0x29, 0x2a, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3a, 0x43, 0x44, 0x45,
             0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5a, 0x63, 0x64,
             0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x83,
             0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99,
             0x9a, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6,
             0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3,
             0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe1, 0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8,
             0xe9, 0xea, 0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa}};
}

// Canonical code of every symbol of a table definition: (length, code); length 0 when absent.
struct CodeWord {
    int length = 0;
    uint32_t code = 0;
};

inline std::array<CodeWord, 256> canonicalCodes(const TableDefinition& table)
{
    std::array<CodeWord, 256> words{};
    uint32_t code = 0;
    size_t k = 0;
    for (int length = 1; length <= 16; ++length) {
        for (int i = 0; i < table.bits[length - 1]; ++i)
            words[table.values[k++]] = {length, code++};
        code <<= 1;
    }
    return words;
}

// Builds entropy-coded test data bit by bit, with byte stuffing and raw bytes for markers.
class BitString {
public:
    void bits(uint32_t value, int count)
    {
        for (int i = count - 1; i >= 0; --i)
            bit((value >> i) & 1);
    }
    void symbol(const std::array<CodeWord, 256>& codes, int sym) { bits(codes[sym].code, codes[sym].length); }
    // The coded value v: symbol prefix + category, then its magnitude bits.
    void value(const std::array<CodeWord, 256>& codes, int prefix, int v)
    {
        int category = 0;
        for (int a = v < 0 ? -v : v; a != 0; a >>= 1)
            ++category;
        symbol(codes, prefix + category);
        bits(static_cast<uint32_t>(v < 0 ? v - 1 : v) & ((1u << category) - 1), category);
    }
    // Pads the last byte with 1-bits.
    void padOnes()
    {
        while (count_ != 0)
            bit(1);
    }
    void rawBytes(std::initializer_list<uint8_t> raw)
    {
        padOnes();
        bytes_.insert(bytes_.end(), raw);
    }
    const std::vector<uint8_t>& bytes()
    {
        padOnes();
        return bytes_;
    }

private:
    void bit(uint32_t b)
    {
        current_ = static_cast<uint8_t>((current_ << 1) | b);
        if (++count_ == 8) {
            bytes_.push_back(current_);
            if (current_ == 0xFF)
                bytes_.push_back(0x00);
            current_ = 0;
            count_ = 0;
        }
    }
    std::vector<uint8_t> bytes_;
    uint8_t current_ = 0;
    int count_ = 0;
};

// A small AC table of 4- and 5-bit codes with the end-of-band runs of progressive scans.
// No code is all ones, so both the decoder and the encoder accept it.
inline TableDefinition smallAcTable()
{
    return {{0, 0, 0, 15, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
            {0x00, 0x01, 0x02, 0x03, 0x04, 0x10, 0x11, 0x20, 0x21, 0x30, 0xD0, 0xE0, 0xE1, 0xE2, 0xF0, 0x0B}};
}

inline void buildDecodeSpec(const HuffmanBuild& build, const TableDefinition& table, DecodeSpecBuffer& spec)
{
    ASSERT_EQ(build.decodeSpecInit(table.bits.data(), table.values.data(), spec.get()), StatusOk);
}

inline void buildEncodeSpec(const HuffmanBuild& build, const TableDefinition& table, EncodeSpecBuffer& spec)
{
    ASSERT_EQ(build.encodeSpecInit(table.bits.data(), table.values.data(), spec.get()), StatusOk);
}

} // namespace huffman_test
