// The Huffman functions against the reference JPEG library: files it writes decode to the
// coefficients it reads back, the coefficients re-encode to its very bytes, and the statistics
// of progressive scans give the optimal tables it chose.
#include <ostream>

#include <gtest/gtest.h>

#include "huffman_jpeg_reader.h"

using namespace huffman_test;

namespace {

struct FileCase {
    const char* name;
    JpegWriteOptions options;
};

JpegWriteOptions options(int width, int height, int components, int quality, bool progressive,
                         int restartInterval, unsigned seed)
{
    JpegWriteOptions o;
    o.width = width;
    o.height = height;
    o.components = components;
    o.quality = quality;
    o.progressive = progressive;
    o.restartInterval = restartInterval;
    o.seed = seed;
    return o;
}

const FileCase kFiles[] = {
    {"Baseline640x480", options(640, 480, 3, 85, false, 0, 1)},
    {"BaselineOddSizeRestarts", options(100, 75, 3, 100, false, 3, 2)},
    {"BaselineGreyRestartEveryBlock", options(37, 29, 1, 95, false, 1, 3)},
    {"Progressive", options(96, 72, 3, 90, true, 0, 4)},
    {"ProgressiveOddSizeRestarts", options(100, 75, 3, 100, true, 5, 5)},
    {"ProgressiveGrey", options(61, 40, 1, 75, true, 2, 6)},
};

struct Param {
    FileCase file;
    HuffmanBuild build;
};

std::vector<Param> paramsOf(bool progressiveOnly)
{
    std::vector<Param> params;
    for (const FileCase& file : kFiles)
        for (const HuffmanBuild& build : allBuilds())
            if (file.options.progressive || !progressiveOnly)
                params.push_back({file, build});
    return params;
}

std::string paramName(const testing::TestParamInfo<Param>& info)
{
    return std::string(info.param.file.name) + "_" + info.param.build.name;
}

// Scan kind and build instead of a byte dump of the parameter (the test name already carries
// the full file name).
void PrintTo(const Param& param, std::ostream* os)
{
    *os << (param.file.options.progressive ? "progressive " : "baseline ") << param.build.name;
}

class HuffmanAgainstLibjpeg : public testing::TestWithParam<Param> {
protected:
    void SetUp() override
    {
        file = writeJpeg(GetParam().file.options);
        jpeg = parseJpeg(file);
        ASSERT_FALSE(jpeg.scans.empty());
        ASSERT_EQ(jpeg.progressive, GetParam().file.options.progressive);
        ASSERT_EQ(jpeg.restartInterval, GetParam().file.options.restartInterval);
        if (jpeg.progressive) {
            ASSERT_GE(jpeg.scans.size(), 6u) << "first and refinement scans of DC and AC";
        }
    }
    const HuffmanBuild& build() const { return GetParam().build; }

    std::vector<uint8_t> file;
    ParsedJpeg jpeg;
};

INSTANTIATE_TEST_SUITE_P(Files, HuffmanAgainstLibjpeg, testing::ValuesIn(paramsOf(false)), paramName);

// Progressive files only: the reference library always optimises their tables.
class HuffmanStatisticsAgainstLibjpeg : public HuffmanAgainstLibjpeg {};

INSTANTIATE_TEST_SUITE_P(Files, HuffmanStatisticsAgainstLibjpeg, testing::ValuesIn(paramsOf(true)),
                         paramName);

TEST_P(HuffmanAgainstLibjpeg, DecodesTheCoefficientsLibjpegReads)
{
    CoefficientPlanes planes(jpeg);
    ASSERT_EQ(decodeJpegWithZefrim(build(), file, jpeg, planes), "");
    const std::vector<ComponentCoefficients> expected = libjpegref::readCoefficients(file);
    ASSERT_EQ(expected.size(), jpeg.components.size());
    for (size_t c = 0; c < expected.size(); ++c) {
        const ComponentCoefficients& reference = expected[c];
        ASSERT_EQ(reference.widthInBlocks, jpeg.components[c].widthInBlocks);
        ASSERT_EQ(reference.heightInBlocks, jpeg.components[c].heightInBlocks);
        int mismatches = 0;
        for (int by = 0; by < reference.heightInBlocks; ++by)
            for (int bx = 0; bx < reference.widthInBlocks; ++bx) {
                const int16_t* ours = planes.block(static_cast<int>(c), bx, by);
                const int16_t* theirs = reference.block(bx, by);
                for (int i = 0; i < 64 && mismatches < 5; ++i)
                    if (ours[i] != theirs[i]) {
                        ++mismatches;
                        ADD_FAILURE() << "component " << c << " block " << bx << "," << by << " coefficient "
                                      << i << ": " << ours[i] << " vs " << theirs[i];
                    }
            }
    }
}

TEST_P(HuffmanAgainstLibjpeg, EncodesTheBytesLibjpegWrote)
{
    CoefficientPlanes planes(jpeg);
    ASSERT_EQ(decodeJpegWithZefrim(build(), file, jpeg, planes), "");
    for (size_t s = 0; s < jpeg.scans.size(); ++s) {
        const Scan& scan = jpeg.scans[s];
        ImagingStatus failure = StatusOk;
        const std::vector<uint8_t> ours = encodeScanWithZefrim(build(), jpeg, scan, planes, failure);
        EXPECT_EQ(failure, StatusOk) << "scan " << s;
        const std::vector<uint8_t> theirs(file.begin() + static_cast<long>(scan.dataStart),
                                          file.begin() + static_cast<long>(scan.dataEnd));
        ASSERT_EQ(ours.size(), theirs.size()) << "scan " << s;
        EXPECT_TRUE(ours == theirs) << "scan " << s;
    }
}

// Counts the symbols of one progressive scan per table, the way the encoder would write them.
void countScan(const HuffmanBuild& build, const ParsedJpeg& jpeg, const Scan& scan, CoefficientPlanes& planes,
               std::vector<std::vector<int32_t>>& counts)
{
    EncodeStateBuffer state(kEncodeStateBytes);
    build.encodeStateInit(state.get());
    int16_t predictors[4] = {};
    const bool dc = scan.ss == 0;
    std::vector<int32_t>& acCounts = counts[static_cast<size_t>(scan.acTable[0])];
    auto flush = [&] {
        if (!dc) {
            EXPECT_EQ(build.statisticsAcFirst(nullptr, acCounts.data(), 0, 0, 0, state.get(), 1), StatusOk);
        }
    };
    const auto mcus = scanMcus(jpeg, scan);
    for (size_t m = 0; m < mcus.size(); ++m) {
        if (jpeg.restartInterval > 0 && m > 0 && m % static_cast<size_t>(jpeg.restartInterval) == 0) {
            flush();
            std::fill_n(predictors, 4, int16_t{0});
        }
        for (const BlockRef& ref : mcus[m]) {
            const int16_t* block = planes.block(ref.component, ref.bx, ref.by);
            if (dc) {
                std::vector<int32_t>& dcCounts =
                    counts[static_cast<size_t>(scan.dcTable[static_cast<size_t>(ref.scanComponent)])];
                ASSERT_EQ(
                    build.statisticsDcFirst(block, dcCounts.data(), &predictors[ref.scanComponent], scan.al),
                    StatusOk);
            } else if (scan.ah == 0) {
                ASSERT_EQ(build.statisticsAcFirst(block, acCounts.data(), scan.ss, scan.se, scan.al,
                                                  state.get(), 0),
                          StatusOk);
            } else {
                ASSERT_EQ(build.statisticsAcRefine(block, acCounts.data(), scan.ss, scan.se, scan.al,
                                                   state.get(), 0),
                          StatusOk);
            }
        }
    }
    flush();
}

void expectTable(const HuffmanBuild& build, const std::vector<int32_t>& counts,
                 const TableDefinition& expected, size_t scanIndex)
{
    std::array<uint8_t, 16> bits{};
    std::vector<uint8_t> values(256, 0xEE);
    ASSERT_EQ(build.rawTableInit(counts.data(), bits.data(), values.data()), StatusOk);
    EXPECT_EQ(bits, expected.bits) << "scan " << scanIndex;
    values.resize(expected.values.size());
    EXPECT_EQ(values, expected.values) << "scan " << scanIndex;
}

TEST_P(HuffmanStatisticsAgainstLibjpeg, GiveTheOptimalTablesLibjpegChose)
{
    CoefficientPlanes planes(jpeg);
    ASSERT_EQ(decodeJpegWithZefrim(build(), file, jpeg, planes), "");
    for (size_t s = 0; s < jpeg.scans.size(); ++s) {
        const Scan& scan = jpeg.scans[s];
        if (scan.ss == 0 && scan.ah != 0)
            continue; // DC refinement codes no symbols
        std::vector<std::vector<int32_t>> counts(4, std::vector<int32_t>(256, 0));
        countScan(build(), jpeg, scan, planes, counts);
        for (size_t i = 0; i < scan.components.size(); ++i) {
            const bool dc = scan.ss == 0;
            const int table = dc ? scan.dcTable[i] : scan.acTable[i];
            expectTable(build(), counts[static_cast<size_t>(table)],
                        dc ? scan.dcTables[table] : scan.acTables[table], s);
        }
    }
}

} // namespace
