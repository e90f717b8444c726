// The encoders and decoders of each build against each other: random blocks coded in the
// scans of a successive-approximation script decode to themselves, and an output buffer that
// runs full keeps a clean prefix of the coded data.
#include <gtest/gtest.h>

#include <random>

#include "huffman_test_support.h"

using namespace huffman_test;

namespace {

// Every symbol but 0xFF gets an 8-bit code, so any run and category can be written.
TableDefinition everySymbolTable()
{
    TableDefinition table;
    table.bits[7] = 255;
    for (int i = 0; i < 255; ++i)
        table.values.push_back(static_cast<uint8_t>(i));
    return table;
}

struct ScanStep {
    int ss, se, ah, al;
};

// DC in two approximation steps, a low and a high band, each refined down to bit 0.
const ScanStep kScript[] = {
    {0, 0, 0, 2}, {1, 5, 0, 2}, {6, 63, 0, 1}, {1, 5, 2, 1},
    {0, 0, 2, 1}, {1, 5, 1, 0}, {6, 63, 1, 0}, {0, 0, 1, 0},
};

class HuffmanRoundTrip : public testing::TestWithParam<HuffmanBuild> {
protected:
    void SetUp() override
    {
        buildEncodeSpec(build(), everySymbolTable(), encodeSpec);
        buildDecodeSpec(build(), everySymbolTable(), decodeSpec);
    }
    const HuffmanBuild& build() const { return GetParam(); }

    // Sparse blocks with long empty stretches, so that end-of-band runs span many blocks.
    std::vector<int16_t> randomBlocks(int count, unsigned seed)
    {
        std::mt19937 random(seed);
        std::vector<int16_t> blocks(static_cast<size_t>(count) * 64, 0);
        for (int b = 0; b < count; ++b) {
            int16_t* block = &blocks[static_cast<size_t>(b) * 64];
            block[0] = static_cast<int16_t>(static_cast<int>(random() % 4001) - 2000);
            if (random() % 5 != 0)
                continue;
            for (int i = 1; i < 64; ++i)
                if (random() % 6 == 0)
                    block[i] = static_cast<int16_t>(static_cast<int>(random() % 1001) - 500);
        }
        return blocks;
    }

    std::vector<uint8_t> encodeScan(const ScanStep& step, const std::vector<int16_t>& blocks)
    {
        std::vector<uint8_t> out(blocks.size() * 4 + 1024);
        const int32_t length = static_cast<int32_t>(out.size());
        int32_t position = 0;
        EncodeStateBuffer state(kEncodeStateBytes);
        build().encodeStateInit(state.get());
        int16_t predictor = 0;
        const EncodeHuffmanSpec* table = encodeSpec.get();
        const size_t count = blocks.size() / 64;
        for (size_t b = 0; b <= count; ++b) {
            const int16_t* block = b < count ? &blocks[b * 64] : nullptr;
            const int32_t flush = b == count;
            ImagingStatus status;
            if (step.ss == 0 && step.ah == 0)
                status = build().encodeDcFirst(block, out.data(), length, &position, &predictor, step.al,
                                               table, state.get(), flush);
            else if (step.ss == 0)
                status =
                    build().encodeDcRefine(block, out.data(), length, &position, step.al, state.get(), flush);
            else if (step.ah == 0)
                status = build().encodeAcFirst(block, out.data(), length, &position, step.ss, step.se,
                                               step.al, table, state.get(), flush);
            else
                status = build().encodeAcRefine(block, out.data(), length, &position, step.ss, step.se,
                                                step.al, table, state.get(), flush);
            EXPECT_EQ(status, StatusOk) << "block " << b;
            if (status != StatusOk)
                break;
        }
        out.resize(static_cast<size_t>(position));
        return out;
    }

    void decodeScan(const ScanStep& step, std::vector<uint8_t> data, std::vector<int16_t>& blocks)
    {
        data.push_back(0xFF);
        data.push_back(0xD9);
        const int32_t length = static_cast<int32_t>(data.size());
        int32_t position = 0;
        int32_t marker = 0;
        DecodeStateBuffer state(kDecodeStateBytes);
        build().decodeStateInit(state.get());
        int16_t predictor = 0;
        const DecodeHuffmanSpec* table = decodeSpec.get();
        for (size_t b = 0; b < blocks.size() / 64; ++b) {
            int16_t* block = &blocks[b * 64];
            ImagingStatus status;
            if (step.ss == 0 && step.ah == 0)
                status = build().decodeDcFirst(data.data(), length, &position, block, &predictor, &marker,
                                               step.al, table, state.get());
            else if (step.ss == 0)
                status = build().decodeDcRefine(data.data(), length, &position, block, &marker, step.al,
                                                state.get());
            else if (step.ah == 0)
                status = build().decodeAcFirst(data.data(), length, &position, block, &marker, step.ss,
                                               step.se, step.al, table, state.get());
            else
                status = build().decodeAcRefine(data.data(), length, &position, block, &marker, step.ss,
                                                step.se, step.al, table, state.get());
            ASSERT_GE(status, 0) << "block " << b;
        }
        EXPECT_EQ(state.get()->eobRun, 0);
    }

    EncodeSpecBuffer encodeSpec{kEncodeSpecBytes};
    DecodeSpecBuffer decodeSpec{kDecodeSpecBytes};
};

INSTANTIATE_TEST_SUITE_P(Builds, HuffmanRoundTrip, testing::ValuesIn(allBuilds()), buildName);

TEST_P(HuffmanRoundTrip, ProgressiveScriptRestoresEveryCoefficient)
{
    const std::vector<int16_t> original = randomBlocks(3000, 17);
    std::vector<int16_t> decoded(original.size(), 0);
    for (const ScanStep& step : kScript)
        decodeScan(step, encodeScan(step, original), decoded);
    for (size_t i = 0; i < original.size(); ++i)
        ASSERT_EQ(decoded[i], original[i]) << "block " << i / 64 << " coefficient " << i % 64;
}

// Bands that are only refined for many blocks fill the correction-bit buffer to its limit.
TEST_P(HuffmanRoundTrip, LongRefinementRunsWithManyCorrectionBits)
{
    std::vector<int16_t> original(static_cast<size_t>(400) * 64, 0);
    std::mt19937 random(5);
    for (size_t i = 0; i < original.size(); ++i)
        if (i % 64 != 0)
            original[i] =
                static_cast<int16_t>(2 + static_cast<int>(random() % 6)); // history in the first scan
    std::vector<int16_t> decoded(original.size(), 0);
    for (const ScanStep& step : {ScanStep{1, 63, 0, 1}, ScanStep{1, 63, 1, 0}})
        decodeScan(step, encodeScan(step, original), decoded);
    EXPECT_EQ(decoded, original);
}

TEST_P(HuffmanRoundTrip, FullOutputKeepsACleanPrefix)
{
    EncodeSpecBuffer dc(kEncodeSpecBytes), ac(kEncodeSpecBytes);
    buildEncodeSpec(build(), standardDcLuminance(), dc);
    buildEncodeSpec(build(), standardAcLuminance(), ac);
    int16_t block[64] = {};
    for (int i = 0; i < 64; i += 3)
        block[i] = static_cast<int16_t>((i % 2 ? -1 : 1) * (i * 37 % 255 + 1));
    auto encodeInto = [&](std::vector<uint8_t>& out, int32_t& position) {
        EncodeStateBuffer state(kEncodeStateBytes);
        build().encodeStateInit(state.get());
        int16_t predictor = 0;
        ImagingStatus status = build().encode8x8(block, out.data(), static_cast<int32_t>(out.size()),
                                                 &position, &predictor, dc.get(), ac.get(), state.get(), 0);
        if (status == StatusOk)
            status = build().encode8x8(nullptr, out.data(), static_cast<int32_t>(out.size()), &position,
                                       nullptr, nullptr, nullptr, state.get(), 1);
        return status;
    };
    std::vector<uint8_t> full(256);
    int32_t fullLength = 0;
    ASSERT_EQ(encodeInto(full, fullLength), StatusOk);
    full.resize(static_cast<size_t>(fullLength));
    for (int32_t room = 1; room < fullLength; ++room) {
        std::vector<uint8_t> out(static_cast<size_t>(room), 0xAB);
        int32_t position = 0;
        EXPECT_EQ(encodeInto(out, position), StatusDataExhausted) << room;
        EXPECT_LE(position, room);
        EXPECT_TRUE(std::equal(out.begin(), out.begin() + position, full.begin())) << room;
    }
}

} // namespace
