// Huffman decode tables, the bit reader and the sequential and progressive block decoders, in
// all four builds.
#include <gtest/gtest.h>

#include <cstring>

#include "huffman_test_support.h"
#include "jpeg_standard_tables.h"

using namespace huffman_test;

namespace {

// One decoding session: data, position, marker word and a freshly initialised state.
struct Stream {
    std::vector<uint8_t> data;
    int32_t position = 0;
    int32_t marker = 0;
    DecodeStateBuffer state{kDecodeStateBytes};

    Stream(const HuffmanBuild& build, std::vector<uint8_t> bytes) : data(std::move(bytes))
    {
        EXPECT_EQ(build.decodeStateInit(state.get()), StatusOk);
    }
    int32_t length() const { return static_cast<int32_t>(data.size()); }
};

class HuffmanDecode : public testing::TestWithParam<HuffmanBuild> {
protected:
    void SetUp() override
    {
        buildDecodeSpec(build(), standardDcLuminance(), dcSpec);
        buildDecodeSpec(build(), standardAcLuminance(), acSpec);
        buildDecodeSpec(build(), smallAcTable(), smallAcSpec);
    }
    const HuffmanBuild& build() const { return GetParam(); }

    ImagingStatus decodeBlock(Stream& s, int16_t* block, int16_t& predictor)
    {
        return build().decode8x8(s.data.data(), s.length(), &s.position, block, &predictor, &s.marker,
                                 dcSpec.get(), acSpec.get(), s.state.get());
    }
    ImagingStatus decodeOne(Stream& s, int16_t& value, DecodeSpecBuffer& table)
    {
        return build().decodeOne(s.data.data(), s.length(), &s.position, &value, &s.marker, table.get(),
                                 s.state.get());
    }
    // Reads one bit through the DC refinement (Al 0); -1 when the read failed.
    int readBit(Stream& s, ImagingStatus& status)
    {
        int16_t block[64] = {};
        status = build().decodeDcRefine(s.data.data(), s.length(), &s.position, block, &s.marker, 0,
                                        s.state.get());
        return status < 0 ? -1 : block[0];
    }

    DecodeSpecBuffer dcSpec{kDecodeSpecBytes};
    DecodeSpecBuffer acSpec{kDecodeSpecBytes};
    DecodeSpecBuffer smallAcSpec{kDecodeSpecBytes};
    const std::array<CodeWord, 256> dcCodes = canonicalCodes(standardDcLuminance());
    const std::array<CodeWord, 256> acCodes = canonicalCodes(standardAcLuminance());
    const std::array<CodeWord, 256> smallCodes = canonicalCodes(smallAcTable());
};

INSTANTIATE_TEST_SUITE_P(Builds, HuffmanDecode, testing::ValuesIn(allBuilds()), buildName);

// ---- Buffers and tables -------------------------------------------------------------------

TEST_P(HuffmanDecode, ReportsBufferSizesAndRefusesNull)
{
    int32_t size = 0;
    EXPECT_EQ(build().decodeSpecGetBufSize(&size), StatusOk);
    EXPECT_EQ(size, 1644);
    EXPECT_EQ(build().decodeStateGetBufSize(&size), StatusOk);
    EXPECT_EQ(size, 24);
    EXPECT_EQ(build().decodeSpecGetBufSize(nullptr), StatusNullPointer);
    EXPECT_EQ(build().decodeStateGetBufSize(nullptr), StatusNullPointer);
    EXPECT_EQ(build().decodeStateInit(nullptr), StatusNullPointer);
}

TEST_P(HuffmanDecode, StateInitClearsFiveWordsAndLeavesTheSpare)
{
    DecodeStateBuffer state(kDecodeStateBytes, 0x5A);
    ASSERT_EQ(build().decodeStateInit(state.get()), StatusOk);
    const std::vector<uint8_t> bytes = state.snapshot();
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(bytes[i], 0) << i;
    for (int i = 20; i < 24; ++i)
        EXPECT_EQ(bytes[i], 0x5A) << i;
}

TEST_P(HuffmanDecode, SpecInitChecksPointersAndCodeCounts)
{
    DecodeSpecBuffer spec(kDecodeSpecBytes);
    const TableDefinition dc = standardDcLuminance();
    EXPECT_EQ(build().decodeSpecInit(nullptr, dc.values.data(), spec.get()), StatusNullPointer);
    EXPECT_EQ(build().decodeSpecInit(dc.bits.data(), nullptr, spec.get()), StatusNullPointer);
    EXPECT_EQ(build().decodeSpecInit(dc.bits.data(), dc.values.data(), nullptr), StatusNullPointer);

    struct Case {
        std::array<uint8_t, 16> bits;
        ImagingStatus expected;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, StatusOk},
        {{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, StatusOk}, // last code all ones
        {{3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, StatusBadHuffmanTable},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255}, StatusOk},
        {{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 255}, StatusOk},              // exactly 256 codes
        {{0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 255}, StatusBadHuffmanTable}, // 257
        {{0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, StatusBadHuffmanTable},
    };
    const std::vector<uint8_t> symbols(256, 7);
    for (const Case& c : cases) {
        DecodeSpecBuffer target(kDecodeSpecBytes);
        const std::vector<uint8_t> before = target.snapshot();
        EXPECT_EQ(build().decodeSpecInit(c.bits.data(), symbols.data(), target.get()), c.expected);
        if (c.expected != StatusOk) {
            EXPECT_EQ(target.snapshot(), before) << "a refused table leaves the spec alone";
        }
    }
}

TEST_P(HuffmanDecode, SpecLayoutOfASingleOneBitCode)
{
    DecodeSpecBuffer spec(kDecodeSpecBytes);
    const std::array<uint8_t, 16> bits{1};
    const uint8_t symbol = 0x05;
    ASSERT_EQ(build().decodeSpecInit(bits.data(), &symbol, spec.get()), StatusOk);
    const DecodeHuffmanSpec& s = *spec.get();
    // Code 0 and its five magnitude bits fit in 8: 0b0'00000 is -31, 0b0'11111 is +31.
    for (int i = 0; i < 256; ++i) {
        const int bits = (i >> 2) & 31;
        const int value = bits < 16 ? bits - 31 : bits;
        const uint32_t entry = (static_cast<uint32_t>(value) << 16) | 0x516u;
        EXPECT_EQ(s.lookahead[i], i < 128 ? entry : 0u) << i;
    }
    EXPECT_EQ(s.symbols[0], 5);
    EXPECT_EQ(s.maxcode[1], 0);
    for (int length = 2; length <= 16; ++length)
        EXPECT_EQ(s.maxcode[length], -1) << length;
}

// A code whose magnitude bits do not fit in the 8 look-ahead bits has no value in its entry.
TEST_P(HuffmanDecode, SpecLayoutOfACodeWithLongMagnitude)
{
    DecodeSpecBuffer spec(kDecodeSpecBytes);
    const std::array<uint8_t, 16> bits{1};
    const uint8_t symbol = 0x28; // run 2, eight magnitude bits
    ASSERT_EQ(build().decodeSpecInit(bits.data(), &symbol, spec.get()), StatusOk);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(spec.get()->lookahead[i], i < 128 ? 0x2811u : 0u) << i;
}

TEST_P(HuffmanDecode, EmptyTableDecodesSymbolZeroAfterSeventeenBits)
{
    DecodeSpecBuffer spec(kDecodeSpecBytes);
    const std::array<uint8_t, 16> bits{};
    const uint8_t unused = 0;
    ASSERT_EQ(build().decodeSpecInit(bits.data(), &unused, spec.get()), StatusOk);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(spec.get()->lookahead[i], 0u);
    Stream s(build(), {0x12, 0x34, 0x56, 0x78});
    int16_t value = 99;
    EXPECT_EQ(decodeOne(s, value, spec), StatusOk);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(s.state.get()->bitCount, 32 - 17);
}

// One code of each length 1..16: the 16-bit code 0xFFFE must be found although its maxcode
// has the sign bit set.
TEST_P(HuffmanDecode, SixteenBitCodesAboveSignBitDecode)
{
    TableDefinition table;
    table.bits.fill(1);
    for (int length = 1; length <= 15; ++length)
        table.values.push_back(static_cast<uint8_t>(length % 12));
    table.values.push_back(0); // length 16
    DecodeSpecBuffer spec(kDecodeSpecBytes);
    buildDecodeSpec(build(), table, spec);

    BitString bits;
    bits.bits(0xFFFE, 16); // symbol 0: value 0
    bits.bits(0b110, 3);   // symbol 3 (length 3)
    bits.bits(0b101, 3);   // +5
    Stream s(build(), bits.bytes());
    int16_t value = 1;
    EXPECT_EQ(decodeOne(s, value, spec), StatusOk);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(decodeOne(s, value, spec), StatusOk);
    EXPECT_EQ(value, 5);
}

// With two 16-bit codes the last one is 0xFFFF, whose maxcode reads as "no code".
TEST_P(HuffmanDecode, AllOnesSixteenBitCodeCannotBeDecoded)
{
    TableDefinition table;
    table.bits.fill(1);
    table.bits[15] = 2;
    for (int i = 0; i < 17; ++i)
        table.values.push_back(static_cast<uint8_t>(i % 12 + 1));
    DecodeSpecBuffer spec(kDecodeSpecBytes);
    buildDecodeSpec(build(), table, spec);
    Stream s(build(), {0xFF, 0x00, 0xFE, 0x00, 0x00});
    int16_t value = 1;
    EXPECT_EQ(decodeOne(s, value, spec), StatusOk);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(s.state.get()->bitCount, 32 - 17);
}

// ---- Bit reader -------------------------------------------------------------------------------

TEST_P(HuffmanDecode, StuffedAndFillBytesDeliverOneDataByte)
{
    for (const std::vector<uint8_t>& data :
         {std::vector<uint8_t>{0xFF, 0x00}, std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0x00}}) {
        Stream s(build(), data);
        ImagingStatus status = StatusOk;
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(readBit(s, status), 1);
        EXPECT_EQ(s.position, s.length());
        EXPECT_EQ(readBit(s, status), -1);
        EXPECT_EQ(status, StatusDataExhausted);
    }
}

TEST_P(HuffmanDecode, MarkerIsStoredAndEndsTheData)
{
    Stream s(build(), {0xAB, 0xFF, 0xD0, 0x12});
    ImagingStatus status = StatusOk;
    EXPECT_EQ(readBit(s, status), 1);
    EXPECT_EQ(status, StatusMarkerFound);
    EXPECT_EQ(s.marker, 0xD0);
    EXPECT_EQ(s.position, 3);
    const int expected[] = {0, 1, 0, 1, 0, 1, 1};
    for (int bit : expected) {
        EXPECT_EQ(readBit(s, status), bit);
        EXPECT_EQ(status, StatusOk);
    }
    EXPECT_EQ(readBit(s, status), -1);
    EXPECT_EQ(status, StatusDataExhausted);
    EXPECT_EQ(s.position, 3);
}

TEST_P(HuffmanDecode, TrailingFFIsDataExhausted)
{
    Stream s(build(), {0xFF});
    ImagingStatus status = StatusOk;
    EXPECT_EQ(readBit(s, status), -1);
    EXPECT_EQ(status, StatusDataExhausted);
    EXPECT_EQ(s.position, 1);
}

TEST_P(HuffmanDecode, PositionOutsideTheDataReadsNothing)
{
    for (int32_t position : {-5, 2, 100}) {
        Stream s(build(), {0x00, 0x00});
        s.position = position;
        ImagingStatus status = StatusOk;
        EXPECT_EQ(readBit(s, status), -1);
        EXPECT_EQ(status, StatusDataExhausted);
    }
}

TEST_P(HuffmanDecode, ShortCodeAtTheEndOfTheDataDecodes)
{
    Stream s(build(), {0x0F}); // 00 00 (category 0 twice), then 1111, no complete code
    int16_t value = 9;
    EXPECT_EQ(decodeOne(s, value, dcSpec), StatusOk);
    EXPECT_EQ(value, 0);
    value = 9;
    EXPECT_EQ(decodeOne(s, value, dcSpec), StatusOk); // six bits left: searched from length 1
    EXPECT_EQ(value, 0);
    EXPECT_EQ(decodeOne(s, value, dcSpec), StatusDataExhausted);
}

// ---- Sequential blocks ------------------------------------------------------------------------

TEST_P(HuffmanDecode, SequentialArgumentChecks)
{
    Stream s(build(), {0x00});
    int16_t block[64];
    int16_t predictor = 0;
    const uint8_t* data = s.data.data();
    EXPECT_EQ(build().decode8x8(nullptr, 1, &s.position, block, &predictor, &s.marker, dcSpec.get(),
                                acSpec.get(), s.state.get()),
              StatusNullPointer);
    EXPECT_EQ(build().decode8x8(data, -1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
              StatusBadArgument);
    EXPECT_EQ(build().decode8x8(data, 1, &s.position, block, &predictor, &s.marker, dcSpec.get(), nullptr,
                                s.state.get()),
              StatusNullPointer);
    EXPECT_EQ(build().decode8x8(data, 1, &s.position, block, &predictor, &s.marker, dcSpec.get(),
                                acSpec.get(), nullptr),
              StatusNullPointer);
    int16_t value = 0;
    EXPECT_EQ(build().decodeOne(data, -1, nullptr, nullptr, nullptr, nullptr, nullptr), StatusBadArgument);
    EXPECT_EQ(build().decodeOne(data, 1, &s.position, &value, &s.marker, dcSpec.get(), nullptr),
              StatusNullPointer);
}

TEST_P(HuffmanDecode, DcOnlyBlockKeepsThePredictor)
{
    BitString bits;
    bits.value(dcCodes, 0, 0);
    bits.symbol(acCodes, 0x00);
    Stream s(build(), bits.bytes());
    int16_t block[64];
    std::fill_n(block, 64, int16_t{77});
    int16_t predictor = 321;
    EXPECT_EQ(decodeBlock(s, block, predictor), StatusOk);
    EXPECT_EQ(predictor, 321);
    EXPECT_EQ(block[0], 321);
    for (int i = 1; i < 64; ++i)
        EXPECT_EQ(block[i], 0) << i;
}

TEST_P(HuffmanDecode, DcDifferenceSignFollowsTheTopBit)
{
    struct Case {
        uint32_t bits;
        int expected;
    };
    for (const Case c : {Case{0b010, -5}, Case{0b101, 5}}) {
        BitString bits;
        bits.symbol(dcCodes, 3);
        bits.bits(c.bits, 3);
        bits.symbol(acCodes, 0x00);
        Stream s(build(), bits.bytes());
        int16_t block[64];
        int16_t predictor = 10;
        EXPECT_EQ(decodeBlock(s, block, predictor), StatusOk);
        EXPECT_EQ(predictor, 10 + c.expected);
        EXPECT_EQ(block[0], 10 + c.expected);
    }
}

TEST_P(HuffmanDecode, PredictorWrapsInSixteenBits)
{
    BitString bits;
    bits.value(dcCodes, 0, 1);
    bits.symbol(acCodes, 0x00);
    Stream s(build(), bits.bytes());
    int16_t block[64];
    int16_t predictor = 32767;
    EXPECT_EQ(decodeBlock(s, block, predictor), StatusOk);
    EXPECT_EQ(predictor, -32768);
}

TEST_P(HuffmanDecode, FullBlockEndsWithoutEndOfBlock)
{
    BitString bits;
    bits.value(dcCodes, 0, 3);
    for (int k = 1; k < 64; ++k)
        bits.value(acCodes, 0, (k % 2 ? 1 : -1) * (k % 5 + 1));
    bits.value(dcCodes, 0, -2); // the next block
    bits.symbol(acCodes, 0x00);
    Stream s(build(), bits.bytes());
    int16_t block[64];
    int16_t predictor = 0;
    ASSERT_EQ(decodeBlock(s, block, predictor), StatusOk);
    for (int k = 1; k < 64; ++k)
        EXPECT_EQ(block[jpegstandard::kNaturalOfZigzag[k]], (k % 2 ? 1 : -1) * (k % 5 + 1)) << k;
    ASSERT_EQ(decodeBlock(s, block, predictor), StatusOk);
    EXPECT_EQ(block[0], 1);
}

TEST_P(HuffmanDecode, ZeroRunsLeaveTheirPositionsClear)
{
    BitString bits;
    bits.value(dcCodes, 0, 0);
    for (int i = 0; i < 3; ++i)
        bits.symbol(acCodes, 0xF0);
    bits.value(acCodes, 0x20, -3); // run 2 after 48 zeros: zigzag position 51
    bits.symbol(acCodes, 0x00);
    Stream s(build(), bits.bytes());
    int16_t block[64];
    int16_t predictor = 0;
    EXPECT_EQ(decodeBlock(s, block, predictor), StatusOk);
    for (int k = 1; k < 64; ++k)
        EXPECT_EQ(block[jpegstandard::kNaturalOfZigzag[k]], k == 51 ? -3 : 0) << k;
}

TEST_P(HuffmanDecode, FourthZeroRunEndsTheBlock)
{
    BitString bits;
    bits.value(dcCodes, 0, 0);
    for (int i = 0; i < 4; ++i)
        bits.symbol(acCodes, 0xF0);
    bits.value(dcCodes, 0, 4);
    bits.symbol(acCodes, 0x00);
    Stream s(build(), bits.bytes());
    int16_t block[64];
    int16_t predictor = 0;
    EXPECT_EQ(decodeBlock(s, block, predictor), StatusOk);
    EXPECT_EQ(decodeBlock(s, block, predictor), StatusOk);
    EXPECT_EQ(predictor, 4);
}

// A run that would carry a coefficient past the last position is refused, whether it lands
// just past it or far beyond.
TEST_P(HuffmanDecode, RunPastTheLastPositionIsOutOfRange)
{
    struct Case {
        int codedBefore; // coefficients coded before the offending one
        int run;
    };
    for (const Case c : {Case{62, 1}, Case{62, 15}, Case{55, 9}}) {
        BitString bits;
        bits.value(dcCodes, 0, 0);
        for (int k = 0; k < c.codedBefore; ++k)
            bits.value(acCodes, 0, 2);
        bits.value(acCodes, c.run << 4, 1);
        bits.symbol(acCodes, 0x00);
        Stream s(build(), bits.bytes());
        int16_t block[64];
        int16_t predictor = 0;
        EXPECT_EQ(decodeBlock(s, block, predictor), StatusOutOfRange) << c.codedBefore;
        EXPECT_EQ(block[jpegstandard::kNaturalOfZigzag[c.codedBefore]], 2);
    }
}

TEST_P(HuffmanDecode, TruncatedBlockKeepsWhatWasDecoded)
{
    BitString bits;
    bits.value(dcCodes, 0, 6);
    bits.value(acCodes, 0, 9);
    std::vector<uint8_t> data = bits.bytes();
    data.resize(2);
    Stream s(build(), data);
    int16_t block[64];
    int16_t predictor = 0;
    EXPECT_EQ(decodeBlock(s, block, predictor), StatusDataExhausted);
    EXPECT_EQ(predictor, 6);
    EXPECT_EQ(s.position, 2);
}

// A marker in the middle of the last coefficient's magnitude bits: the missing bits read as
// zeros, the call reports the marker and the next fetch fails.
TEST_P(HuffmanDecode, MarkerInsideMagnitudeBitsReadsZeros)
{
    // One-bit codes keep the symbols inside the 32 bits of the first fill, so that the fill for
    // the last magnitude bits is the one that meets the marker.
    TableDefinition dc{{1}, {11}};
    TableDefinition ac{{2}, {0xE2, 0x2B}};
    DecodeSpecBuffer dcTable(kDecodeSpecBytes);
    DecodeSpecBuffer acTable(kDecodeSpecBytes);
    buildDecodeSpec(build(), dc, dcTable);
    buildDecodeSpec(build(), ac, acTable);
    BitString bits;
    bits.bits(0, 1);
    bits.bits(1024, 11);
    for (int i = 0; i < 4; ++i) { // positions 15, 30, 45, 60
        bits.bits(0, 1);
        bits.bits(3, 2);
    }
    bits.bits(1, 1);         // run 2 to position 63, category 11 ...
    bits.bits(0b1010101, 7); // ... of which only 7 bits come before the marker
    bits.rawBytes({0xFF, 0xD3});
    Stream s(build(), bits.bytes());
    ASSERT_EQ(s.length(), 6);
    int16_t block[64];
    int16_t predictor = 0;
    EXPECT_EQ(build().decode8x8(s.data.data(), s.length(), &s.position, block, &predictor, &s.marker,
                                dcTable.get(), acTable.get(), s.state.get()),
              StatusMarkerFound);
    EXPECT_EQ(s.marker, 0xD3);
    EXPECT_EQ(s.position, 6);
    EXPECT_EQ(block[0], 1024);
    for (int k : {15, 30, 45, 60})
        EXPECT_EQ(block[jpegstandard::kNaturalOfZigzag[k]], 3) << k;
    EXPECT_EQ(block[63], 0b10101010000);
    EXPECT_EQ(s.state.get()->bitCount, 0);
    EXPECT_EQ(build().decode8x8(s.data.data(), s.length(), &s.position, block, &predictor, &s.marker,
                                dcTable.get(), acTable.get(), s.state.get()),
              StatusDataExhausted);
}

TEST_P(HuffmanDecode, LosslessValues)
{
    TableDefinition table;
    table.bits = {0, 0, 0, 0, 17, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i <= 16; ++i)
        table.values.push_back(static_cast<uint8_t>(i));
    DecodeSpecBuffer spec(kDecodeSpecBytes);
    buildDecodeSpec(build(), table, spec);
    const auto codes = canonicalCodes(table);
    BitString bits;
    bits.symbol(codes, 16); // -32768, no magnitude bits
    bits.symbol(codes, 0);
    bits.value(codes, 0, -300);
    bits.value(codes, 0, 32767);
    Stream s(build(), bits.bytes());
    for (int expected : {-32768, 0, -300, 32767}) {
        int16_t value = 1;
        EXPECT_EQ(decodeOne(s, value, spec), StatusOk);
        EXPECT_EQ(value, expected);
    }
}

// ---- Progressive blocks -----------------------------------------------------------------------

TEST_P(HuffmanDecode, ProgressiveArgumentChecks)
{
    Stream s(build(), {0x00});
    int16_t block[64] = {};
    int16_t predictor = 0;
    const uint8_t* d = s.data.data();
    DecodeHuffmanState* st = s.state.get();
    const DecodeHuffmanSpec* ac = smallAcSpec.get();
    EXPECT_EQ(build().decodeAcFirst(d, 0, nullptr, nullptr, nullptr, 1, 1, 0, nullptr, nullptr),
              StatusBadSize);
    EXPECT_EQ(build().decodeAcFirst(nullptr, 0, &s.position, block, &s.marker, 1, 1, 0, ac, st),
              StatusNullPointer);
    EXPECT_EQ(build().decodeAcFirst(d, 1, &s.position, block, &s.marker, 0, 1, 0, nullptr, nullptr),
              StatusBadArgument);
    struct Band {
        int ss, se, al;
    };
    for (const Band b :
         {Band{0, 5, 0}, Band{64, 64, 0}, Band{5, 4, 0}, Band{1, 64, 0}, Band{1, 63, -1}, Band{1, 63, 14}}) {
        EXPECT_EQ(build().decodeAcFirst(d, 1, &s.position, block, &s.marker, b.ss, b.se, b.al, ac, st),
                  StatusBadArgument);
        EXPECT_EQ(build().decodeAcRefine(d, 1, &s.position, block, &s.marker, b.ss, b.se, b.al, ac, st),
                  StatusBadArgument);
    }
    EXPECT_EQ(build().decodeAcRefine(d, 1, &s.position, block, nullptr, 1, 63, 0, ac, st), StatusNullPointer);
    EXPECT_EQ(build().decodeDcFirst(d, 0, &s.position, block, &predictor, &s.marker, 0, dcSpec.get(), st),
              StatusBadSize);
    EXPECT_EQ(build().decodeDcFirst(d, 1, &s.position, block, &predictor, &s.marker, 14, nullptr, st),
              StatusBadArgument);
    EXPECT_EQ(build().decodeDcFirst(d, 1, &s.position, block, nullptr, &s.marker, 0, dcSpec.get(), st),
              StatusNullPointer);
    EXPECT_EQ(build().decodeDcRefine(d, 1, &s.position, block, &s.marker, 14, nullptr), StatusBadArgument);
    EXPECT_EQ(build().decodeDcRefine(d, 1, &s.position, block, &s.marker, 13, nullptr), StatusNullPointer);
}

TEST_P(HuffmanDecode, DcFirstShiftsThePredictor)
{
    BitString bits;
    bits.value(dcCodes, 0, 0);
    bits.value(dcCodes, 0, -3);
    Stream s(build(), bits.bytes());
    int16_t block[64] = {};
    block[5] = 44;
    int16_t predictor = 100;
    EXPECT_EQ(build().decodeDcFirst(s.data.data(), s.length(), &s.position, block, &predictor, &s.marker, 1,
                                    dcSpec.get(), s.state.get()),
              StatusOk);
    EXPECT_EQ(block[0], 200);
    EXPECT_EQ(block[5], 44);
    EXPECT_EQ(build().decodeDcFirst(s.data.data(), s.length(), &s.position, block, &predictor, &s.marker, 1,
                                    dcSpec.get(), s.state.get()),
              StatusOk);
    EXPECT_EQ(predictor, 97);
    EXPECT_EQ(block[0], 194);
}

TEST_P(HuffmanDecode, DcRefineSetsBitAl)
{
    Stream s(build(), {0x80});
    int16_t block[64] = {};
    block[0] = 0x11;
    block[1] = 3;
    EXPECT_EQ(
        build().decodeDcRefine(s.data.data(), s.length(), &s.position, block, &s.marker, 3, s.state.get()),
        StatusOk);
    EXPECT_EQ(block[0], 0x19);
    EXPECT_EQ(block[1], 3);
}

TEST_P(HuffmanDecode, AcFirstCountsDownAPendingRunWithoutReading)
{
    Stream s(build(), {0x00});
    s.state.get()->eobRun = 5;
    int16_t block[64] = {};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(build().decodeAcFirst(s.data.data(), s.length(), &s.position, block, &s.marker, 1, 63, 0,
                                        smallAcSpec.get(), s.state.get()),
                  StatusOk);
    EXPECT_EQ(s.state.get()->eobRun, 0);
    EXPECT_EQ(s.position, 0);
}

TEST_P(HuffmanDecode, AcFirstEndOfBandRuns)
{
    struct Case {
        int symbol;
        uint32_t extra;
        int extraBits;
        int expectedRun;
    };
    for (const Case c :
         {Case{0x20, 0b11, 2, 6}, Case{0x00, 0, 0, 0}, Case{0x10, 0, 1, 1}, Case{0xE0, 0x3FFF, 14, 32766}}) {
        BitString bits;
        bits.value(smallCodes, 0, 2); // a coefficient before the end of band
        bits.symbol(smallCodes, c.symbol);
        bits.bits(c.extra, c.extraBits);
        Stream s(build(), bits.bytes());
        int16_t block[64] = {};
        EXPECT_EQ(build().decodeAcFirst(s.data.data(), s.length(), &s.position, block, &s.marker, 1, 63, 0,
                                        smallAcSpec.get(), s.state.get()),
                  StatusOk);
        EXPECT_EQ(block[1], 2);
        EXPECT_EQ(s.state.get()->eobRun, c.expectedRun) << c.symbol;
    }
}

TEST_P(HuffmanDecode, AcFirstSingleBandPositionWithPointTransform)
{
    BitString bits;
    bits.value(smallCodes, 0, 3);
    Stream s(build(), bits.bytes());
    int16_t block[64] = {};
    EXPECT_EQ(build().decodeAcFirst(s.data.data(), s.length(), &s.position, block, &s.marker, 5, 5, 2,
                                    smallAcSpec.get(), s.state.get()),
              StatusOk);
    EXPECT_EQ(block[2], 12); // zigzag position 5 is natural position 2
}

TEST_P(HuffmanDecode, AcFirstRunBeyondTheTableIsOutOfRange)
{
    BitString bits;
    bits.value(smallCodes, 0xE0, 1); // run 14 from position 60 ends at 74
    Stream s(build(), bits.bytes());
    int16_t block[64] = {};
    EXPECT_EQ(build().decodeAcFirst(s.data.data(), s.length(), &s.position, block, &s.marker, 60, 63, 0,
                                    smallAcSpec.get(), s.state.get()),
              StatusOutOfRange);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(block[i], 0);
}

TEST_P(HuffmanDecode, AcRefineNewCoefficientThenEndOfBand)
{
    BitString bits;
    bits.symbol(smallCodes, 0x01);
    bits.bits(1, 1);
    bits.symbol(smallCodes, 0x00);
    Stream s(build(), bits.bytes());
    int16_t block[64] = {};
    EXPECT_EQ(build().decodeAcRefine(s.data.data(), s.length(), &s.position, block, &s.marker, 1, 63, 0,
                                     smallAcSpec.get(), s.state.get()),
              StatusOk);
    EXPECT_EQ(block[1], 1);
    EXPECT_EQ(s.state.get()->eobRun, 0);
    EXPECT_EQ(s.state.get()->bitCount, 16 - 9);
}

TEST_P(HuffmanDecode, AcRefineCorrectsOnlyCoefficientsWithoutThatBit)
{
    Stream s(build(), {0xFF, 0x00});
    s.state.get()->eobRun = 1;
    int16_t block[64] = {};
    block[jpegstandard::kNaturalOfZigzag[1]] = -4;
    block[jpegstandard::kNaturalOfZigzag[2]] = 5;
    EXPECT_EQ(build().decodeAcRefine(s.data.data(), s.length(), &s.position, block, &s.marker, 1, 2, 0,
                                     smallAcSpec.get(), s.state.get()),
              StatusOk);
    EXPECT_EQ(block[jpegstandard::kNaturalOfZigzag[1]], -5);
    EXPECT_EQ(block[jpegstandard::kNaturalOfZigzag[2]], 5);
    EXPECT_EQ(s.state.get()->eobRun, 0);
}

// A new coefficient after a zero run skips the coefficients with history (refining them).
TEST_P(HuffmanDecode, AcRefineZeroRunSkipsCoefficientsWithHistory)
{
    BitString bits;
    bits.symbol(smallCodes, 0x11); // one zero to skip, then the new coefficient
    bits.bits(0, 1);               // new value negative
    bits.bits(1, 1);               // correction bit for the coefficient at position 1
    bits.symbol(smallCodes, 0x00);
    bits.bits(1, 1); // correction bit for position 4 during the end of band
    Stream s(build(), bits.bytes());
    int16_t block[64] = {};
    block[jpegstandard::kNaturalOfZigzag[1]] = 2;
    block[jpegstandard::kNaturalOfZigzag[4]] = -2;
    EXPECT_EQ(build().decodeAcRefine(s.data.data(), s.length(), &s.position, block, &s.marker, 1, 5, 0,
                                     smallAcSpec.get(), s.state.get()),
              StatusOk);
    EXPECT_EQ(block[jpegstandard::kNaturalOfZigzag[1]], 3);
    EXPECT_EQ(block[jpegstandard::kNaturalOfZigzag[2]], 0);
    EXPECT_EQ(block[jpegstandard::kNaturalOfZigzag[3]], -1);
    EXPECT_EQ(block[jpegstandard::kNaturalOfZigzag[4]], -3);
}

} // namespace
