// Huffman encode tables, the bit writer, the block encoders, the statistics of progressive
// scans and the generation of tables from statistics, in all four builds.
#include <gtest/gtest.h>

#include <random>

#include "huffman_test_support.h"
#include "jpeg_standard_tables.h"

using namespace huffman_test;

namespace {

// One encoding session: an output buffer, its position and an initialised state.
struct Output {
    std::vector<uint8_t> bytes;
    int32_t position = 0;
    EncodeStateBuffer state{kEncodeStateBytes};

    Output(const HuffmanBuild& build, size_t size, uint8_t pattern = 0xCC) : bytes(size, pattern)
    {
        EXPECT_EQ(build.encodeStateInit(state.get()), StatusOk);
    }
    int32_t length() const { return static_cast<int32_t>(bytes.size()); }
    std::vector<uint8_t> written() const { return {bytes.begin(), bytes.begin() + position}; }
};

class HuffmanEncode : public testing::TestWithParam<HuffmanBuild> {
protected:
    void SetUp() override
    {
        buildEncodeSpec(build(), standardDcLuminance(), dcSpec);
        buildEncodeSpec(build(), standardAcLuminance(), acSpec);
        buildEncodeSpec(build(), smallAcTable(), smallSpec);
    }
    const HuffmanBuild& build() const { return GetParam(); }

    ImagingStatus encodeBlock(Output& out, const int16_t* block, int16_t& predictor, int32_t flush = 0)
    {
        return build().encode8x8(block, out.bytes.data(), out.length(), &out.position, &predictor,
                                 dcSpec.get(), acSpec.get(), out.state.get(), flush);
    }
    ImagingStatus writeBit(Output& out, int bit, int32_t flush = 0)
    {
        const int16_t block[64] = {static_cast<int16_t>(bit)};
        return build().encodeDcRefine(block, out.bytes.data(), out.length(), &out.position, 0,
                                      out.state.get(), flush);
    }
    ImagingStatus flush(Output& out) { return writeBit(out, 0, 1); }
    ImagingStatus acFirst(Output& out, const int16_t* block, int ss, int se, int al, int32_t flush = 0)
    {
        return build().encodeAcFirst(block, out.bytes.data(), out.length(), &out.position, ss, se, al,
                                     smallSpec.get(), out.state.get(), flush);
    }
    ImagingStatus acRefine(Output& out, const int16_t* block, int ss, int se, int al, int32_t flush = 0)
    {
        return build().encodeAcRefine(block, out.bytes.data(), out.length(), &out.position, ss, se, al,
                                      smallSpec.get(), out.state.get(), flush);
    }

    EncodeSpecBuffer dcSpec{kEncodeSpecBytes};
    EncodeSpecBuffer acSpec{kEncodeSpecBytes};
    EncodeSpecBuffer smallSpec{kEncodeSpecBytes};
    const std::array<CodeWord, 256> dcCodes = canonicalCodes(standardDcLuminance());
    const std::array<CodeWord, 256> acCodes = canonicalCodes(standardAcLuminance());
    const std::array<CodeWord, 256> smallCodes = canonicalCodes(smallAcTable());
};

INSTANTIATE_TEST_SUITE_P(Builds, HuffmanEncode, testing::ValuesIn(allBuilds()), buildName);

// ---- Buffers and tables -------------------------------------------------------------------

TEST_P(HuffmanEncode, ReportsBufferSizesAndRefusesNull)
{
    int32_t size = 0;
    EXPECT_EQ(build().encodeSpecGetBufSize(&size), StatusOk);
    EXPECT_EQ(size, 1024);
    EXPECT_EQ(build().encodeStateGetBufSize(&size), StatusOk);
    EXPECT_EQ(size, 1048);
    EXPECT_EQ(build().encodeSpecGetBufSize(nullptr), StatusNullPointer);
    EXPECT_EQ(build().encodeStateGetBufSize(nullptr), StatusNullPointer);
    EXPECT_EQ(build().encodeStateInit(nullptr), StatusNullPointer);
}

TEST_P(HuffmanEncode, StateInitClearsEverythingButTheSpare)
{
    EncodeStateBuffer state(kEncodeStateBytes, 0x5A);
    ASSERT_EQ(build().encodeStateInit(state.get()), StatusOk);
    const std::vector<uint8_t> bytes = state.snapshot();
    for (int i = 0; i < 1044; ++i)
        ASSERT_EQ(bytes[static_cast<size_t>(i)], 0) << i;
    for (int i = 1044; i < 1048; ++i)
        EXPECT_EQ(bytes[static_cast<size_t>(i)], 0x5A) << i;
}

TEST_P(HuffmanEncode, SpecInitRefusesCodesThatDoNotFitOrAreAllOnes)
{
    struct Case {
        std::array<uint8_t, 16> bits;
        ImagingStatus expected;
    };
    const Case cases[] = {
        {{1}, StatusOk},
        {{2}, StatusBadHuffmanTable}, // the second code is all ones
        {{3}, StatusBadHuffmanTable},
        {{0, 3}, StatusOk},
        {{0, 4}, StatusBadHuffmanTable},
        {{0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 255}, StatusBadHuffmanTable}, // 257 codes
    };
    const std::vector<uint8_t> symbols(256, 3);
    for (const Case& c : cases) {
        EncodeSpecBuffer spec(kEncodeSpecBytes);
        const std::vector<uint8_t> before = spec.snapshot();
        EXPECT_EQ(build().encodeSpecInit(c.bits.data(), symbols.data(), spec.get()), c.expected);
        if (c.expected != StatusOk) {
            EXPECT_EQ(spec.snapshot(), before);
        }
    }
    EncodeSpecBuffer spec(kEncodeSpecBytes);
    const std::array<uint8_t, 16> bits{1};
    EXPECT_EQ(build().encodeSpecInit(nullptr, symbols.data(), spec.get()), StatusNullPointer);
    EXPECT_EQ(build().encodeSpecInit(bits.data(), nullptr, spec.get()), StatusNullPointer);
    EXPECT_EQ(build().encodeSpecInit(bits.data(), symbols.data(), nullptr), StatusNullPointer);
}

TEST_P(HuffmanEncode, SpecEntriesHoldLengthAndCode)
{
    EncodeSpecBuffer spec(kEncodeSpecBytes);
    const std::array<uint8_t, 16> one{1};
    const uint8_t seven = 7;
    ASSERT_EQ(build().encodeSpecInit(one.data(), &seven, spec.get()), StatusOk);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(spec.get()->entry[i], i == 7 ? 0x10000u : 0u) << i;

    const std::array<uint8_t, 16> three{0, 3};
    const uint8_t repeated[] = {9, 4, 9}; // a symbol listed twice keeps its later code
    ASSERT_EQ(build().encodeSpecInit(three.data(), repeated, spec.get()), StatusOk);
    EXPECT_EQ(spec.get()->entry[4], 0x20001u);
    EXPECT_EQ(spec.get()->entry[9], 0x20002u);
}

// ---- Bit writer ------------------------------------------------------------------------------

TEST_P(HuffmanEncode, FullByteOfOnesIsStuffed)
{
    Output out(build(), 16);
    for (int i = 0; i < 8; ++i)
        ASSERT_EQ(writeBit(out, 1), StatusOk);
    EXPECT_EQ(out.written(), (std::vector<uint8_t>{0xFF, 0x00}));
}

TEST_P(HuffmanEncode, FlushPadsWithOnes)
{
    Output out(build(), 16);
    ASSERT_EQ(writeBit(out, 1), StatusOk);
    ASSERT_EQ(writeBit(out, 1), StatusOk);
    EXPECT_EQ(flush(out), StatusOk);
    EXPECT_EQ(out.written(), (std::vector<uint8_t>{0xFF, 0x00}));
    EXPECT_EQ(out.state.get()->bitCount, 0);

    Output other(build(), 16);
    ASSERT_EQ(writeBit(other, 0), StatusOk);
    EXPECT_EQ(flush(other), StatusOk);
    EXPECT_EQ(other.written(), (std::vector<uint8_t>{0x7F}));
}

TEST_P(HuffmanEncode, FlushOfAnEmptyStateWritesNothing)
{
    Output out(build(), 4);
    EXPECT_EQ(flush(out), StatusOk);
    EXPECT_EQ(out.position, 0);
}

TEST_P(HuffmanEncode, StuffedByteWithOneByteOfRoom)
{
    Output out(build(), 1);
    for (int i = 0; i < 7; ++i)
        ASSERT_EQ(writeBit(out, 1), StatusOk);
    EXPECT_EQ(writeBit(out, 1), StatusDataExhausted);
    EXPECT_EQ(out.bytes[0], 0xFF);
    EXPECT_EQ(out.position, 1);
    EXPECT_EQ(out.state.get()->bitCount, 7) << "the failed write leaves the old bits";
}

TEST_P(HuffmanEncode, PositionOutsideTheOutputIsFull)
{
    for (int32_t position : {-3, 4, 9}) {
        Output out(build(), 4);
        out.position = position;
        for (int i = 0; i < 7; ++i)
            ASSERT_EQ(writeBit(out, 0), StatusOk);
        EXPECT_EQ(writeBit(out, 0), StatusDataExhausted);
        EXPECT_EQ(out.position, position);
        EXPECT_EQ(out.bytes, std::vector<uint8_t>(4, 0xCC));
    }
}

TEST_P(HuffmanEncode, CommonChecksAndFlushOrder)
{
    Output out(build(), 8);
    uint8_t* d = out.bytes.data();
    int16_t predictor = 0;
    const int16_t block[64] = {};
    EncodeHuffmanState* st = out.state.get();
    EXPECT_EQ(
        build().encode8x8(block, nullptr, 8, &out.position, &predictor, dcSpec.get(), acSpec.get(), st, 0),
        StatusNullPointer);
    EXPECT_EQ(build().encode8x8(nullptr, d, 0, nullptr, nullptr, nullptr, nullptr, nullptr, 0),
              StatusBadSize);
    EXPECT_EQ(build().encode8x8(block, d, 8, nullptr, &predictor, dcSpec.get(), acSpec.get(), st, 0),
              StatusNullPointer);
    // The flush ignores the block arguments ...
    EXPECT_EQ(build().encode8x8(nullptr, d, 8, &out.position, nullptr, nullptr, nullptr, st, 1), StatusOk);
    EXPECT_EQ(build().encodeOne(nullptr, d, 8, &out.position, nullptr, st, 1), StatusOk);
    EXPECT_EQ(build().encodeDcFirst(nullptr, d, 8, &out.position, nullptr, 99, nullptr, st, 1), StatusOk);
    EXPECT_EQ(build().encodeAcFirst(nullptr, d, 8, &out.position, 0, 0, 99, smallSpec.get(), st, 1),
              StatusOk);
    // ... but the progressive AC encoders need their table for the end-of-band run.
    EXPECT_EQ(build().encodeAcRefine(nullptr, d, 8, &out.position, 1, 63, 0, nullptr, st, 1),
              StatusNullPointer);
    EXPECT_EQ(build().encode8x8(block, d, 8, &out.position, &predictor, dcSpec.get(), nullptr, st, 0),
              StatusNullPointer);
    EXPECT_EQ(build().encodeDcFirst(block, d, 8, &out.position, &predictor, 14, nullptr, st, 0),
              StatusBadArgument);
    EXPECT_EQ(build().encodeDcFirst(block, d, 8, &out.position, &predictor, 13, nullptr, st, 0),
              StatusNullPointer);
    EXPECT_EQ(build().encodeDcRefine(block, d, 8, &out.position, -1, st, 0), StatusBadArgument);
    EXPECT_EQ(build().encodeAcFirst(block, d, 8, &out.position, 0, 63, 0, smallSpec.get(), st, 0),
              StatusBadArgument);
    EXPECT_EQ(build().encodeAcRefine(block, d, 8, &out.position, 2, 1, 0, smallSpec.get(), st, 0),
              StatusBadArgument);
    EXPECT_EQ(build().encodeAcFirst(nullptr, d, 8, &out.position, 1, 63, 0, smallSpec.get(), st, 0),
              StatusNullPointer);
    EXPECT_EQ(out.position, 0);
}

// ---- Sequential blocks and lossless values ------------------------------------------------------

TEST_P(HuffmanEncode, EmptyBlockWritesDcZeroAndEndOfBlock)
{
    Output out(build(), 16);
    int16_t block[64] = {};
    block[0] = 40;
    int16_t predictor = 40;
    ASSERT_EQ(encodeBlock(out, block, predictor), StatusOk);
    ASSERT_EQ(encodeBlock(out, nullptr, predictor, 1), StatusOk);
    BitString expected;
    expected.value(dcCodes, 0, 0);
    expected.symbol(acCodes, 0x00);
    EXPECT_EQ(out.written(), expected.bytes());
}

TEST_P(HuffmanEncode, LastPositionOnlyNeedsThreeZeroRunsAndNoEndOfBlock)
{
    Output out(build(), 32);
    int16_t block[64] = {};
    block[0] = -7;
    block[63] = 3;
    int16_t predictor = 10;
    ASSERT_EQ(encodeBlock(out, block, predictor), StatusOk);
    ASSERT_EQ(encodeBlock(out, nullptr, predictor, 1), StatusOk);
    EXPECT_EQ(predictor, -7);
    BitString expected;
    expected.value(dcCodes, 0, -17);
    for (int i = 0; i < 3; ++i)
        expected.symbol(acCodes, 0xF0);
    expected.value(acCodes, 14 << 4, 3);
    EXPECT_EQ(out.written(), expected.bytes());
}

TEST_P(HuffmanEncode, AcValueOfMinus32768IsRefusedBeforeWriting)
{
    Output out(build(), 32);
    int16_t block[64] = {};
    block[0] = 5;
    block[jpegstandard::kNaturalOfZigzag[17]] = -32768;
    int16_t predictor = 0;
    EXPECT_EQ(encodeBlock(out, block, predictor), StatusBadHuffmanValue);
    EXPECT_EQ(out.position, 0);
    EXPECT_EQ(out.state.get()->bitCount, 0);
    EXPECT_EQ(predictor, 0);
}

TEST_P(HuffmanEncode, SymbolWithoutCodeIsABadTable)
{
    Output out(build(), 32);
    int16_t block[64] = {};
    block[0] = 4000; // DC category 12 has no code in the table
    int16_t predictor = 0;
    EXPECT_EQ(encodeBlock(out, block, predictor), StatusBadHuffmanTable);
    EXPECT_EQ(predictor, 4000);
}

TEST_P(HuffmanEncode, LosslessValues)
{
    TableDefinition table;
    table.bits = {0, 0, 0, 0, 17};
    for (int i = 0; i <= 16; ++i)
        table.values.push_back(static_cast<uint8_t>(i));
    EncodeSpecBuffer spec(kEncodeSpecBytes);
    buildEncodeSpec(build(), table, spec);
    const auto codes = canonicalCodes(table);
    Output out(build(), 32);
    BitString expected;
    for (int v : {-32768, 0, 5, -300, 32767}) {
        const int16_t value = static_cast<int16_t>(v);
        ASSERT_EQ(build().encodeOne(&value, out.bytes.data(), out.length(), &out.position, spec.get(),
                                    out.state.get(), 0),
                  StatusOk);
        if (v == -32768)
            expected.symbol(codes, 16);
        else
            expected.value(codes, 0, v);
    }
    ASSERT_EQ(build().encodeOne(nullptr, out.bytes.data(), out.length(), &out.position, nullptr,
                                out.state.get(), 1),
              StatusOk);
    EXPECT_EQ(out.written(), expected.bytes());
}

// ---- Progressive blocks -----------------------------------------------------------------------

TEST_P(HuffmanEncode, DcFirstCodesTheShiftedDifference)
{
    Output out(build(), 16);
    int16_t block[64] = {};
    block[0] = -9; // >> 1 = -5
    int16_t predictor = 3;
    ASSERT_EQ(build().encodeDcFirst(block, out.bytes.data(), out.length(), &out.position, &predictor, 1,
                                    dcSpec.get(), out.state.get(), 0),
              StatusOk);
    EXPECT_EQ(predictor, -5);
    block[0] = 8000; // difference 8005: category 13
    EXPECT_EQ(build().encodeDcFirst(block, out.bytes.data(), out.length(), &out.position, &predictor, 0,
                                    dcSpec.get(), out.state.get(), 0),
              StatusBadHuffmanValue);
    EXPECT_EQ(predictor, 8000);
    flush(out);
    BitString expected;
    expected.value(dcCodes, 0, -8);
    EXPECT_EQ(out.written(), expected.bytes());
}

TEST_P(HuffmanEncode, AcFirstNegativeValueWritesOnesComplement)
{
    Output out(build(), 16);
    int16_t block[64] = {};
    block[jpegstandard::kNaturalOfZigzag[1]] = -3;
    ASSERT_EQ(acFirst(out, block, 1, 3, 0), StatusOk);
    ASSERT_EQ(acFirst(out, nullptr, 1, 3, 0, 1), StatusOk);
    BitString expected;
    expected.symbol(smallCodes, 0x02);
    expected.bits(0b00, 2);
    expected.symbol(smallCodes, 0x00); // positions 2 and 3 end the band
    EXPECT_EQ(out.written(), expected.bytes());
}

TEST_P(HuffmanEncode, AcFirstWritesTheLongestRunAtOnce)
{
    Output out(build(), 16);
    const int16_t empty[64] = {};
    for (int i = 1; i < 32767; ++i)
        ASSERT_EQ(acFirst(out, empty, 1, 63, 0), StatusOk);
    EXPECT_EQ(out.position, 0);
    EXPECT_EQ(out.state.get()->eobRun, 32766);
    ASSERT_EQ(acFirst(out, empty, 1, 63, 0), StatusOk);
    EXPECT_EQ(out.state.get()->eobRun, 0);
    ASSERT_EQ(acFirst(out, nullptr, 1, 63, 0, 1), StatusOk);
    BitString expected;
    expected.symbol(smallCodes, 0xE0);
    expected.bits(0x3FFF, 14);
    EXPECT_EQ(out.written(), expected.bytes());
}

TEST_P(HuffmanEncode, AcFirstRunThenValueWithPointTransform)
{
    Output out(build(), 16);
    const int16_t empty[64] = {};
    int16_t block[64] = {};
    block[jpegstandard::kNaturalOfZigzag[3]] = 5;  // >> 2 = 1
    block[jpegstandard::kNaturalOfZigzag[2]] = -3; // >> 2 = 0
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(acFirst(out, empty, 1, 63, 2), StatusOk);
    ASSERT_EQ(acFirst(out, block, 1, 63, 2), StatusOk);
    ASSERT_EQ(acFirst(out, nullptr, 1, 63, 2, 1), StatusOk);
    BitString expected;
    expected.symbol(smallCodes, 0x10); // EOB1 ...
    expected.bits(1, 1);               // ... of 3 bands
    expected.value(smallCodes, 0x20, 1);
    expected.symbol(smallCodes, 0x00); // the band of the last block ends in zeros
    EXPECT_EQ(out.written(), expected.bytes());
}

TEST_P(HuffmanEncode, AcRefineBuffersCorrectionBitsOfBandsWithoutNewCoefficients)
{
    Output out(build(), 32);
    int16_t history[64] = {};
    history[jpegstandard::kNaturalOfZigzag[2]] = 3;  // bit 0 is 1
    history[jpegstandard::kNaturalOfZigzag[4]] = -6; // bit 0 is 0
    ASSERT_EQ(acRefine(out, history, 1, 63, 0), StatusOk);
    EXPECT_EQ(out.position, 0);
    EXPECT_EQ(out.state.get()->eobRun, 1);
    EXPECT_EQ(out.state.get()->correctionBitCount, 2);

    int16_t fresh[64] = {};
    fresh[jpegstandard::kNaturalOfZigzag[1]] = -1;
    fresh[jpegstandard::kNaturalOfZigzag[3]] = 2; // history after the new coefficient
    ASSERT_EQ(acRefine(out, fresh, 1, 63, 0), StatusOk);
    ASSERT_EQ(acRefine(out, nullptr, 1, 63, 0, 1), StatusOk);
    BitString expected;
    expected.symbol(smallCodes, 0x00); // the pending run of one band
    expected.bits(0b10, 2);            // with its correction bits
    expected.symbol(smallCodes, 0x01);
    expected.bits(0, 1);               // the new coefficient is negative
    expected.symbol(smallCodes, 0x00); // second band: its correction bit waits for the flush
    expected.bits(0, 1);
    EXPECT_EQ(out.written(), expected.bytes());
}

TEST_P(HuffmanEncode, AcRefineEmptiesTheCorrectionBufferBeforeItOverflows)
{
    Output out(build(), 4096);
    int16_t block[64] = {};
    for (int i = 1; i < 64; ++i)
        block[i] = static_cast<int16_t>(2 + (i % 2));
    for (int b = 0; b < 14; ++b)
        ASSERT_EQ(acRefine(out, block, 1, 63, 0), StatusOk);
    EXPECT_EQ(out.position, 0);
    EXPECT_EQ(out.state.get()->correctionBitCount, 14 * 63);
    ASSERT_EQ(acRefine(out, block, 1, 63, 0), StatusOk); // 945 bits: written at once
    EXPECT_EQ(out.state.get()->correctionBitCount, 0);
    EXPECT_EQ(out.state.get()->eobRun, 0);
    ASSERT_EQ(acRefine(out, nullptr, 1, 63, 0, 1), StatusOk);
    BitString expected;
    expected.symbol(smallCodes, 0x30); // a run of 15 bands
    expected.bits(15 & 7, 3);
    for (int b = 0; b < 15; ++b)
        for (int k = 1; k < 64; ++k)
            expected.bits(jpegstandard::kNaturalOfZigzag[k] % 2, 1);
    EXPECT_EQ(out.written(), expected.bytes());
}

// The correction-bit buffer is indexed by the state's count: a damaged count is refused
// before anything is read or written through it.
TEST_P(HuffmanEncode, AcRefineRefusesADamagedCorrectionCount)
{
    const int16_t block[64] = {0, 3, 2};
    for (int32_t count : {-1, 938, 5000}) {
        Output out(build(), 256);
        out.state.get()->correctionBitCount = count;
        out.state.get()->eobRun = 1;
        EXPECT_EQ(acRefine(out, block, 1, 63, 0), StatusBadArgument) << count;
        EXPECT_EQ(acRefine(out, nullptr, 1, 63, 0, 1), count == 938 ? StatusOk : StatusBadArgument) << count;
    }
}

// ---- Statistics -------------------------------------------------------------------------------

class HuffmanStatistics : public HuffmanEncode {};
INSTANTIATE_TEST_SUITE_P(Builds, HuffmanStatistics, testing::ValuesIn(allBuilds()), buildName);

TEST_P(HuffmanStatistics, DcFirstCountsCategories)
{
    std::vector<int32_t> counts(256, 0);
    int16_t block[64] = {};
    int16_t predictor = 0;
    for (int dc : {0, 4, 4, -100}) {
        block[0] = static_cast<int16_t>(dc);
        EXPECT_EQ(build().statisticsDcFirst(block, counts.data(), &predictor, 1), StatusOk);
    }
    EXPECT_EQ(counts[0], 2);
    EXPECT_EQ(counts[2], 1);
    EXPECT_EQ(counts[6], 1); // -50 - 2 = -52
    block[0] = 8000;
    EXPECT_EQ(build().statisticsDcFirst(block, counts.data(), &predictor, 0), StatusBadHuffmanValue);
    EXPECT_EQ(predictor, 8000);
    EXPECT_EQ(build().statisticsDcFirst(block, counts.data(), &predictor, 14), StatusBadArgument);
    EXPECT_EQ(build().statisticsDcFirst(block, nullptr, &predictor, 14), StatusNullPointer);
}

TEST_P(HuffmanStatistics, AcFirstCountsEndOfBandRunsAtTheFlush)
{
    struct Case {
        int bands;
        int symbol;
    };
    for (const Case c : {Case{1, 0x00}, Case{2, 0x10}, Case{3, 0x10}, Case{4, 0x20}}) {
        std::vector<int32_t> counts(256, 0);
        EncodeStateBuffer state(kEncodeStateBytes);
        build().encodeStateInit(state.get());
        const int16_t empty[64] = {};
        for (int i = 0; i < c.bands; ++i)
            ASSERT_EQ(build().statisticsAcFirst(empty, counts.data(), 1, 63, 0, state.get(), 0), StatusOk);
        EXPECT_EQ(std::count(counts.begin(), counts.end(), 0), 256);
        ASSERT_EQ(build().statisticsAcFirst(nullptr, counts.data(), 0, 0, 0, state.get(), 1), StatusOk);
        EXPECT_EQ(counts[static_cast<size_t>(c.symbol)], 1) << c.bands;
        EXPECT_EQ(std::count(counts.begin(), counts.end(), 0), 255);
        EXPECT_EQ(state.get()->eobRun, 0);
    }
}

TEST_P(HuffmanStatistics, AcFirstRefusesCategoryElevenThatTheEncoderTakes)
{
    int16_t block[64] = {};
    block[1] = 1500;
    std::vector<int32_t> counts(256, 0);
    EncodeStateBuffer state(kEncodeStateBytes);
    build().encodeStateInit(state.get());
    EXPECT_EQ(build().statisticsAcFirst(block, counts.data(), 1, 63, 0, state.get(), 0),
              StatusBadHuffmanValue);
    Output out(build(), 16);
    EXPECT_EQ(acFirst(out, block, 1, 63, 0), StatusOk);
}

TEST_P(HuffmanStatistics, ChecksInOrder)
{
    std::vector<int32_t> counts(256, 0);
    EncodeStateBuffer state(kEncodeStateBytes);
    build().encodeStateInit(state.get());
    const int16_t block[64] = {};
    for (auto* fn : {build().statisticsAcFirst, build().statisticsAcRefine}) {
        EXPECT_EQ(fn(block, nullptr, 1, 63, 0, state.get(), 0), StatusNullPointer);
        EXPECT_EQ(fn(block, counts.data(), 1, 63, 0, nullptr, 0), StatusNullPointer);
        EXPECT_EQ(fn(nullptr, counts.data(), 0, 99, 99, state.get(), 1), StatusOk);
        EXPECT_EQ(fn(nullptr, counts.data(), 1, 63, 0, state.get(), 0), StatusNullPointer);
        EXPECT_EQ(fn(block, counts.data(), 1, 63, 14, state.get(), 0), StatusBadArgument);
        EXPECT_EQ(fn(block, counts.data(), 9, 8, 0, state.get(), 0), StatusBadArgument);
    }
}

// Bands that only carry correction bits: the run is counted when the buffered bits would pass
// the limit, where the encoder writes it.
TEST_P(HuffmanStatistics, AcRefineCountsTheRunAtTheCorrectionBitLimit)
{
    std::vector<int32_t> counts(256, 0);
    EncodeStateBuffer state(kEncodeStateBytes);
    build().encodeStateInit(state.get());
    int16_t block[64] = {};
    for (int i = 1; i < 64; ++i)
        block[i] = -2;
    for (int b = 0; b < 14; ++b)
        ASSERT_EQ(build().statisticsAcRefine(block, counts.data(), 1, 63, 0, state.get(), 0), StatusOk);
    EXPECT_EQ(std::count(counts.begin(), counts.end(), 0), 256);
    EXPECT_EQ(state.get()->correctionBitCount, 14 * 63);
    ASSERT_EQ(build().statisticsAcRefine(block, counts.data(), 1, 63, 0, state.get(), 0), StatusOk);
    EXPECT_EQ(counts[0x30], 1);
    EXPECT_EQ(state.get()->correctionBitCount, 0);
    EXPECT_EQ(state.get()->eobRun, 0);
}

// ---- Table generation --------------------------------------------------------------------------

struct GeneratedTable {
    ImagingStatus status;
    std::array<uint8_t, 16> bits;
    std::vector<uint8_t> values;
};

GeneratedTable generate(const HuffmanBuild& build, const std::vector<int32_t>& counts)
{
    GeneratedTable t{StatusOk, {}, std::vector<uint8_t>(256, 0xEE)};
    t.bits.fill(0xEE);
    t.status = build.rawTableInit(counts.data(), t.bits.data(), t.values.data());
    int total = 0;
    for (uint8_t b : t.bits)
        total += b;
    if (t.status == StatusOk)
        t.values.resize(static_cast<size_t>(total));
    return t;
}

TEST_P(HuffmanStatistics, TableOfASingleSymbol)
{
    std::vector<int32_t> counts(256, 0);
    counts[5] = 10;
    const GeneratedTable t = generate(build(), counts);
    ASSERT_EQ(t.status, StatusOk);
    EXPECT_EQ(t.bits, (std::array<uint8_t, 16>{1}));
    EXPECT_EQ(t.values, std::vector<uint8_t>{5});
}

TEST_P(HuffmanStatistics, TiesGoToTheLargerSymbol)
{
    std::vector<int32_t> counts(256, 0);
    counts[1] = 1;
    counts[2] = 1;
    const GeneratedTable t = generate(build(), counts);
    ASSERT_EQ(t.status, StatusOk);
    EXPECT_EQ(t.bits, (std::array<uint8_t, 16>{1, 1}));
    EXPECT_EQ(t.values, (std::vector<uint8_t>{1, 2}));
}

TEST_P(HuffmanStatistics, RefusedStatisticsLeaveTheOutputsAlone)
{
    std::vector<int32_t> zero(256, 0);
    std::vector<int32_t> crowded(256, 1); // 255 symbols and the reserved one share length 9
    crowded[0] = 1000000;
    // Each count just above the tree built so far: Huffman's procedure makes one chain of
    // 41 codes, the deepest longer than 32 bits.
    std::vector<int32_t> deep(256, 0);
    int64_t tree = 1; // the reserved symbol
    int64_t next = 1;
    for (int i = 0; i < 40; ++i) {
        deep[static_cast<size_t>(i)] = static_cast<int32_t>(next);
        const int64_t following = std::max(tree, next) + 1;
        tree += next;
        next = following;
    }
    std::vector<int32_t> negative(256, -5);
    for (const auto& counts : {zero, crowded, deep, negative}) {
        const GeneratedTable t = generate(build(), counts);
        EXPECT_EQ(t.status, StatusBadHuffmanTable);
        EXPECT_EQ(t.bits, (std::array<uint8_t, 16>{0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE,
                                                   0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}));
        EXPECT_EQ(t.values, std::vector<uint8_t>(256, 0xEE));
    }
    EXPECT_EQ(build().rawTableInit(nullptr, nullptr, nullptr), StatusNullPointer);
}

// Skewed statistics: codes longer than 16 bits are moved up, and the result is a table that
// both table builders accept, with every counted symbol coded.
TEST_P(HuffmanStatistics, LongCodesAreLimitedToSixteenBits)
{
    std::mt19937 random(11);
    for (int round = 0; round < 20; ++round) {
        std::vector<int32_t> counts(256, 0);
        if (round == 0) {
            // A chain of 25 codes as in the refused case above, short enough to be kept.
            int64_t tree = 1, next = 1;
            for (int i = 0; i < 25; ++i) {
                counts[static_cast<size_t>(i * 7)] = static_cast<int32_t>(next);
                const int64_t following = std::max(tree, next) + 1;
                tree += next;
                next = following;
            }
        } else {
            // Log-uniform counts: a few frequent symbols, many rare ones.
            const int symbols = 10 * round;
            for (int i = 0; i < symbols; ++i)
                counts[random() % 256] = 1 + static_cast<int32_t>(random() % (1u << (random() % 24)));
        }
        const GeneratedTable t = generate(build(), counts);
        if (t.status != StatusOk) {
            EXPECT_EQ(t.status, StatusBadHuffmanTable);
            continue;
        }
        const auto coded =
            static_cast<size_t>(std::count_if(counts.begin(), counts.end(), [](int32_t c) { return c > 0; }));
        EXPECT_EQ(t.values.size(), coded);
        EncodeSpecBuffer encodeSpec(kEncodeSpecBytes);
        DecodeSpecBuffer decodeSpec(kDecodeSpecBytes);
        EXPECT_EQ(build().encodeSpecInit(t.bits.data(), t.values.data(), encodeSpec.get()), StatusOk);
        EXPECT_EQ(build().decodeSpecInit(t.bits.data(), t.values.data(), decodeSpec.get()), StatusOk);
        for (size_t s = 0; s < 256; ++s)
            if (counts[s] > 0) {
                EXPECT_NE(encodeSpec.get()->entry[s], 0u) << s;
            }
    }
}

} // namespace

namespace {

// Through the library's exports (the build chosen at load): random blocks encoded with the
// sequential encoder decode to themselves, restart interval included.
TEST(HuffmanExports, SequentialRoundTrip)
{
    const TableDefinition dcTable = standardDcLuminance();
    const TableDefinition acTable = standardAcLuminance();
    int32_t size = 0;
    ASSERT_EQ(zfmiEncodeHuffmanSpecGetBufSize_JPEG_8u(&size), StatusOk);
    EncodeSpecBuffer dcEncode(size), acEncode(size);
    ASSERT_EQ(zfmiDecodeHuffmanSpecGetBufSize_JPEG_8u(&size), StatusOk);
    DecodeSpecBuffer dcDecode(size), acDecode(size);
    ASSERT_EQ(zfmiEncodeHuffmanStateGetBufSize_JPEG_8u(&size), StatusOk);
    EncodeStateBuffer encodeState(size);
    ASSERT_EQ(zfmiDecodeHuffmanStateGetBufSize_JPEG_8u(&size), StatusOk);
    DecodeStateBuffer decodeState(size);
    ASSERT_EQ(zfmiEncodeHuffmanSpecInit_JPEG_8u(dcTable.bits.data(), dcTable.values.data(), dcEncode.get()),
              StatusOk);
    ASSERT_EQ(zfmiEncodeHuffmanSpecInit_JPEG_8u(acTable.bits.data(), acTable.values.data(), acEncode.get()),
              StatusOk);
    ASSERT_EQ(zfmiDecodeHuffmanSpecInit_JPEG_8u(dcTable.bits.data(), dcTable.values.data(), dcDecode.get()),
              StatusOk);
    ASSERT_EQ(zfmiDecodeHuffmanSpecInit_JPEG_8u(acTable.bits.data(), acTable.values.data(), acDecode.get()),
              StatusOk);
    ASSERT_EQ(zfmiEncodeHuffmanStateInit_JPEG_8u(encodeState.get()), StatusOk);

    constexpr int kBlocks = 60;
    constexpr int kInterval = 7;
    std::mt19937 random(3);
    std::vector<std::array<int16_t, 64>> blocks(kBlocks);
    for (auto& block : blocks)
        for (int i = 0; i < 64; ++i)
            block[static_cast<size_t>(i)] =
                random() % (i + 2) == 0 ? static_cast<int16_t>(static_cast<int>(random() % 2001) - 1000) : 0;

    std::vector<uint8_t> data(1 << 16);
    const int32_t length = static_cast<int32_t>(data.size());
    int32_t position = 0;
    int16_t predictor = 0;
    for (int b = 0; b < kBlocks; ++b) {
        if (b > 0 && b % kInterval == 0) {
            ASSERT_EQ(zfmiEncodeHuffman8x8_JPEG_16s1u_C1(nullptr, data.data(), length, &position, nullptr,
                                                         nullptr, nullptr, encodeState.get(), 1),
                      StatusOk);
            data[static_cast<size_t>(position++)] = 0xFF;
            data[static_cast<size_t>(position++)] = static_cast<uint8_t>(0xD0 + (b / kInterval - 1) % 8);
            predictor = 0;
        }
        ASSERT_EQ(zfmiEncodeHuffman8x8_JPEG_16s1u_C1(blocks[static_cast<size_t>(b)].data(), data.data(),
                                                     length, &position, &predictor, dcEncode.get(),
                                                     acEncode.get(), encodeState.get(), 0),
                  StatusOk);
    }
    ASSERT_EQ(zfmiEncodeHuffman8x8_JPEG_16s1u_C1(nullptr, data.data(), length, &position, nullptr, nullptr,
                                                 nullptr, encodeState.get(), 1),
              StatusOk);
    data.resize(static_cast<size_t>(position));
    data.push_back(0xFF);
    data.push_back(0xD9);

    const int32_t encoded = static_cast<int32_t>(data.size());
    position = 0;
    predictor = 0;
    int32_t marker = 0;
    ASSERT_EQ(zfmiDecodeHuffmanStateInit_JPEG_8u(decodeState.get()), StatusOk);
    for (int b = 0; b < kBlocks; ++b) {
        if (b > 0 && b % kInterval == 0) {
            if (marker == 0) {
                ASSERT_EQ(data[static_cast<size_t>(position)], 0xFF);
                marker = data[static_cast<size_t>(position) + 1];
                position += 2;
            }
            EXPECT_EQ(marker, 0xD0 + (b / kInterval - 1) % 8);
            marker = 0;
            predictor = 0;
            ASSERT_EQ(zfmiDecodeHuffmanStateInit_JPEG_8u(decodeState.get()), StatusOk);
        }
        int16_t decoded[64];
        const ImagingStatus status =
            zfmiDecodeHuffman8x8_JPEG_1u16s_C1(data.data(), encoded, &position, decoded, &predictor, &marker,
                                               dcDecode.get(), acDecode.get(), decodeState.get());
        ASSERT_GE(status, 0);
        EXPECT_TRUE(std::equal(decoded, decoded + 64, blocks[static_cast<size_t>(b)].begin())) << b;
    }
}

} // namespace
