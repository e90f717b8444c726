// Bounded, seeded mutation tests of the Huffman functions: random and damaged entropy-coded
// data, random tables and random blocks. Under the sanitizers no call may read or write out of
// bounds, and every call must end with one of the statuses its function can report.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "huffman_jpeg_reader.h"

using namespace huffman_test;

namespace {

constexpr int kRounds = 1500;
constexpr int kCallsPerRound = 300;

class HuffmanFuzz : public testing::TestWithParam<HuffmanBuild> {
protected:
    const HuffmanBuild& build() const { return GetParam(); }
    std::mt19937 random{20260612};

    uint32_t below(uint32_t n) { return static_cast<uint32_t>(random() % n); }

    // Random bytes rich in 0xFF, so that stuffing, fill bytes and markers all occur.
    std::vector<uint8_t> randomData()
    {
        std::vector<uint8_t> data(below(120));
        for (uint8_t& b : data) {
            const uint32_t pick = below(10);
            b = pick == 0 ? 0xFF : pick == 1 ? 0x00 : static_cast<uint8_t>(random());
        }
        return data;
    }

    // A random table definition; about half of them cannot be built.
    TableDefinition randomTable()
    {
        TableDefinition table;
        int total = 0;
        for (int i = 0; i < 16; ++i) {
            const uint32_t pick = below(4);
            table.bits[static_cast<size_t>(i)] =
                static_cast<uint8_t>(pick == 0   ? below(1u << std::min(i + 1, 8))
                                     : pick == 1 ? below(3)
                                                 : 0);
            total += table.bits[static_cast<size_t>(i)];
        }
        table.values.resize(static_cast<size_t>(std::max(total, 1)));
        for (uint8_t& v : table.values)
            v = static_cast<uint8_t>(random());
        return table;
    }

    void damage(std::vector<uint8_t>& data, size_t from, size_t to)
    {
        if (to <= from)
            return;
        const uint32_t edits = 1 + below(6);
        for (uint32_t e = 0; e < edits; ++e) {
            const size_t at = from + below(static_cast<uint32_t>(to - from));
            switch (below(4)) {
            case 0:
                data[at] ^= static_cast<uint8_t>(1u << below(8));
                break;
            case 1:
                data[at] = 0xFF;
                break;
            case 2:
                data[at] = static_cast<uint8_t>(0xD0 + below(10));
                break;
            default:
                data[at] = static_cast<uint8_t>(random());
                break;
            }
        }
    }
};

INSTANTIATE_TEST_SUITE_P(Builds, HuffmanFuzz, testing::ValuesIn(allBuilds()), buildName);

const std::set<ImagingStatus> kDecodeStatuses = {StatusOk, StatusMarkerFound, StatusOutOfRange,
                                                 StatusDataExhausted};

// Calls one decoder over the data until it fails, clearing markers as a caller would at a
// restart; checks status, position and bit count after every call.
template <class Call>
void drive(const std::vector<uint8_t>& data, DecodeStateBuffer& state, const HuffmanBuild& build,
           std::set<ImagingStatus>& seen, Call call)
{
    int32_t position = 0;
    int32_t marker = 0;
    build.decodeStateInit(state.get());
    for (int i = 0; i < kCallsPerRound; ++i) {
        const ImagingStatus status = call(position, marker);
        ASSERT_EQ(kDecodeStatuses.count(status), 1u) << status;
        seen.insert(status);
        ASSERT_GE(position, 0);
        ASSERT_LE(position, static_cast<int32_t>(data.size()));
        ASSERT_GE(state.get()->bitCount, 0);
        ASSERT_LE(state.get()->bitCount, 32);
        if (status == StatusDataExhausted)
            return;
        if (marker != 0 && i % 3 == 0) {
            marker = 0;
            build.decodeStateInit(state.get());
        }
    }
}

TEST_P(HuffmanFuzz, DecodersSurviveRandomDataAndTables)
{
    DecodeSpecBuffer dc(kDecodeSpecBytes);
    DecodeSpecBuffer ac(kDecodeSpecBytes);
    DecodeStateBuffer state(kDecodeStateBytes);
    std::set<ImagingStatus> seen;
    int built = 0;
    for (int round = 0; round < kRounds; ++round) {
        const bool standard = round % 3 == 0;
        const TableDefinition dcTable = standard ? standardDcLuminance() : randomTable();
        const TableDefinition acTable = standard ? standardAcLuminance() : randomTable();
        const ImagingStatus dcStatus =
            build().decodeSpecInit(dcTable.bits.data(), dcTable.values.data(), dc.get());
        const ImagingStatus acStatus =
            build().decodeSpecInit(acTable.bits.data(), acTable.values.data(), ac.get());
        ASSERT_TRUE(dcStatus == StatusOk || dcStatus == StatusBadHuffmanTable);
        ASSERT_TRUE(acStatus == StatusOk || acStatus == StatusBadHuffmanTable);
        if (dcStatus != StatusOk || acStatus != StatusOk)
            continue;
        ++built;
        std::vector<uint8_t> data = randomData();
        const int32_t n = static_cast<int32_t>(data.size());
        data.reserve(data.size() + 1); // a valid pointer also for empty data
        const uint8_t* d = data.data() ? data.data() : reinterpret_cast<const uint8_t*>(&n);
        int16_t block[64] = {};
        int16_t predictor = static_cast<int16_t>(random());
        const int ss = 1 + static_cast<int>(below(63));
        const int se = ss + static_cast<int>(below(static_cast<uint32_t>(64 - ss)));
        const int al = static_cast<int>(below(14));
        drive(data, state, build(), seen, [&](int32_t& pos, int32_t& marker) {
            return build().decode8x8(d, n, &pos, block, &predictor, &marker, dc.get(), ac.get(), state.get());
        });
        drive(data, state, build(), seen, [&](int32_t& pos, int32_t& marker) {
            int16_t value = 0;
            return build().decodeOne(d, n, &pos, &value, &marker, dc.get(), state.get());
        });
        if (n == 0)
            continue; // the progressive decoders refuse empty data
        drive(data, state, build(), seen, [&](int32_t& pos, int32_t& marker) {
            return build().decodeDcFirst(d, n, &pos, block, &predictor, &marker, al, dc.get(), state.get());
        });
        drive(data, state, build(), seen, [&](int32_t& pos, int32_t& marker) {
            return build().decodeDcRefine(d, n, &pos, block, &marker, al, state.get());
        });
        drive(data, state, build(), seen, [&](int32_t& pos, int32_t& marker) {
            return build().decodeAcFirst(d, n, &pos, block, &marker, ss, se, al, ac.get(), state.get());
        });
        drive(data, state, build(), seen, [&](int32_t& pos, int32_t& marker) {
            return build().decodeAcRefine(d, n, &pos, block, &marker, ss, se, al, ac.get(), state.get());
        });
    }
    EXPECT_GT(built, kRounds / 4);
    EXPECT_EQ(seen, kDecodeStatuses) << "the data reach every outcome";
}

// Whole files of the reference library with damaged entropy-coded data, decoded scan by scan.
TEST_P(HuffmanFuzz, DamagedFilesFailCleanly)
{
    JpegWriteOptions baseline;
    baseline.width = 48;
    baseline.height = 40;
    baseline.restartInterval = 2;
    JpegWriteOptions progressive = baseline;
    progressive.progressive = true;
    progressive.restartInterval = 0;
    for (const JpegWriteOptions& o : {baseline, progressive}) {
        const std::vector<uint8_t> original = writeJpeg(o);
        const ParsedJpeg jpeg = parseJpeg(original);
        for (int round = 0; round < kRounds / 4; ++round) {
            std::vector<uint8_t> file = original;
            const Scan& scan = jpeg.scans[below(static_cast<uint32_t>(jpeg.scans.size()))];
            damage(file, scan.dataStart, scan.dataEnd);
            if (below(4) == 0)
                file.resize(scan.dataStart + below(static_cast<uint32_t>(scan.dataEnd - scan.dataStart)) + 1);
            CoefficientPlanes planes(jpeg);
            std::vector<Scan> kept;
            for (const Scan& s : jpeg.scans)
                if (s.dataStart < file.size())
                    kept.push_back(s);
            ParsedJpeg truncated = jpeg;
            truncated.scans = kept;
            const std::string result = decodeJpegWithZefrim(build(), file, truncated, planes);
            const bool clean = result.empty() || result.find("status -2") != std::string::npos ||
                               result.find("status -62") != std::string::npos ||
                               result.find("no restart marker") != std::string::npos;
            EXPECT_TRUE(clean) << result;
        }
    }
}

// Random blocks and tables into small output buffers.
TEST_P(HuffmanFuzz, EncodersReportOnlyTheirStatuses)
{
    const std::set<ImagingStatus> allowed = {StatusOk, StatusDataExhausted, StatusBadHuffmanValue,
                                             StatusBadHuffmanTable};
    EncodeSpecBuffer dc(kEncodeSpecBytes);
    EncodeSpecBuffer ac(kEncodeSpecBytes);
    EncodeStateBuffer state(kEncodeStateBytes);
    for (int round = 0; round < kRounds; ++round) {
        const bool standard = round % 2 == 0;
        const TableDefinition dcTable = standard ? standardDcLuminance() : randomTable();
        const TableDefinition acTable = standard ? standardAcLuminance() : randomTable();
        if (build().encodeSpecInit(dcTable.bits.data(), dcTable.values.data(), dc.get()) != StatusOk ||
            build().encodeSpecInit(acTable.bits.data(), acTable.values.data(), ac.get()) != StatusOk)
            continue;
        std::vector<uint8_t> out(1 + below(64));
        const int32_t n = static_cast<int32_t>(out.size());
        int32_t position = 0;
        build().encodeStateInit(state.get());
        int16_t predictor = 0;
        const int ss = 1 + static_cast<int>(below(63));
        const int se = ss + static_cast<int>(below(static_cast<uint32_t>(64 - ss)));
        const int al = static_cast<int>(below(14));
        const uint32_t kind = below(6);
        for (int call = 0; call < 40; ++call) {
            int16_t block[64];
            const int spread = 1 << below(16);
            for (int16_t& v : block)
                v = below(3) == 0
                        ? static_cast<int16_t>(static_cast<int>(random() % (2 * spread + 1)) - spread)
                        : 0;
            const int32_t flush = call == 39;
            ImagingStatus status = StatusOk;
            switch (kind) {
            case 0:
                status = build().encode8x8(block, out.data(), n, &position, &predictor, dc.get(), ac.get(),
                                           state.get(), flush);
                break;
            case 1:
                status = build().encodeOne(block, out.data(), n, &position, dc.get(), state.get(), flush);
                break;
            case 2:
                status = build().encodeDcFirst(block, out.data(), n, &position, &predictor, al, dc.get(),
                                               state.get(), flush);
                break;
            case 3:
                status = build().encodeDcRefine(block, out.data(), n, &position, al, state.get(), flush);
                break;
            case 4:
                status = build().encodeAcFirst(block, out.data(), n, &position, ss, se, al, ac.get(),
                                               state.get(), flush);
                break;
            default:
                status = build().encodeAcRefine(block, out.data(), n, &position, ss, se, al, ac.get(),
                                                state.get(), flush);
                break;
            }
            ASSERT_EQ(allowed.count(status), 1u) << status;
            ASSERT_GE(position, 0);
            ASSERT_LE(position, n);
            if (status != StatusOk)
                break; // the scan cannot go on after a failed write
        }
    }
}

TEST_P(HuffmanFuzz, TableGenerationFromRandomStatistics)
{
    for (int round = 0; round < kRounds; ++round) {
        std::vector<int32_t> counts(256, 0);
        const uint32_t used = below(257);
        for (uint32_t i = 0; i < used; ++i)
            counts[below(256)] = static_cast<int32_t>(random() >> below(32));
        std::array<uint8_t, 16> bits{};
        std::vector<uint8_t> values(256);
        const ImagingStatus status = build().rawTableInit(counts.data(), bits.data(), values.data());
        ASSERT_TRUE(status == StatusOk || status == StatusBadHuffmanTable) << status;
        if (status != StatusOk)
            continue;
        DecodeSpecBuffer spec(kDecodeSpecBytes);
        EncodeSpecBuffer encodeSpec(kEncodeSpecBytes);
        EXPECT_EQ(build().decodeSpecInit(bits.data(), values.data(), spec.get()), StatusOk);
        EXPECT_EQ(build().encodeSpecInit(bits.data(), values.data(), encodeSpec.get()), StatusOk);
    }
}

} // namespace
