// Vision programs run headless through kdwrun --camera: camera -> segmenter -> extractor and
// camera -> line detector, on frames whose patch and edge are known, in every colour format.
#include "frames_helper.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

using namespace visiontest;

namespace {

constexpr int constMaintype = 6;
constexpr int exitMaintype = 8;
constexpr int compareMaintype = 16;
constexpr int andMaintype = 48;
constexpr int compareGreaterEqual = 2;
constexpr int compareLessEqual = 3;
constexpr int compareEqual = 4;

struct KdwrunResult
{
    QString output;
    int status = -1;
};

class KdwrunVision : public ::testing::Test
{
protected:
    QTemporaryDir folder;

    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    KdwrunResult run(const QByteArray& program, const std::vector<std::uint8_t>& frame)
    {
        const QString jpeg =
            write(QStringLiteral("frame.jpg"),
                  QByteArray(reinterpret_cast<const char*>(frame.data()), static_cast<qsizetype>(frame.size())));
        const QString kdw = write(QStringLiteral("program.kdw"), program);
        QProcess process;
        process.start(QStringLiteral(KDWRUN_PATH),
                      {kdw, QStringLiteral("--camera"), jpeg, QStringLiteral("--cycles"), QStringLiteral("6")});
        EXPECT_TRUE(process.waitForFinished(60000));
        return {QString::fromUtf8(process.readAllStandardOutput()), process.exitCode()};
    }
};

QString constant(float value)
{
    return param(QStringLiteral("value"), QString::number(value)) + param(QStringLiteral("row"), QStringLiteral("0"));
}

struct Check
{
    int source;
    int channel;
    int comparison;
    float value;
};

// Exit A once all four checks hold in one cycle. Compare outputs start false, so a check that
// never becomes true keeps the program running.
void addExitWhenAllHold(Program& program, const std::array<Check, 4>& checks)
{
    const int all = program.node(andMaintype, 0);
    const int exit = program.node(exitMaintype, 0);
    program.net(all, 0, exit, 0);
    for (int i = 0; i < 4; ++i) {
        const Check& check = checks[static_cast<std::size_t>(i)];
        const int reference = program.node(constMaintype, 0, constant(check.value));
        const int compare = program.node(compareMaintype, check.comparison);
        program.net(check.source, check.channel, compare, 0);
        program.net(reference, 0, compare, 1);
        program.net(compare, 0, all, i);
    }
}

const char* const formatNames[4] = {"RGB", "YCbCr", "HSV", "HLS"};

} // namespace

TEST_F(KdwrunVision, SegmenterAndExtractorFindTheKnownPatchInEveryFormatAndSize)
{
    for (int scale : {1, 2}) {
        const PatchFrame patch {scale};
        const std::vector<std::uint8_t> jpeg = patch.frame().jpeg();
        const int centreX = patch.left() + (patch.size() - 1) / 2; // the integer centre of mass
        const int centreY = patch.top() + (patch.size() - 1) / 2;
        const float expectedX = float(160 * scale - centreX);
        const float expectedY = float(120 * scale - centreY);
        for (int format = 0; format < 4; ++format) {
            SCOPED_TRACE(std::string(formatNames[format]) + " scale " + std::to_string(scale));
            const Rgb taught =
                decodedPixel(jpeg, format, patch.left() + patch.size() / 2, patch.top() + patch.size() / 2);
            Program program;
            const int camera = program.node(10, 0, param(QStringLiteral("colorFormat"), QString::number(format)));
            const int segmenter = program.node(12, 0, segmentParameters(taught, format, 24));
            const int extractor = program.node(29, 0,
                                               param(QStringLiteral("selectedSegment"), QStringLiteral("0"))
                                                   + param(QStringLiteral("minSegmentArea"), QStringLiteral("200")));
            program.net(camera, 0, segmenter, 0);
            program.net(segmenter, 0, extractor, 0);
            // The area: the patch, give or take its blurred border.
            const float area = float(patch.size() * patch.size());
            addExitWhenAllHold(program,
                               {Check {extractor, 3, compareEqual, 1.0f}, Check {extractor, 0, compareEqual, expectedX},
                                Check {extractor, 1, compareEqual, expectedY},
                                Check {extractor, 2, compareGreaterEqual, area * 0.95f}});
            const KdwrunResult result = run(program.text(), jpeg);
            EXPECT_EQ(result.status, 0) << result.output.toStdString();
            EXPECT_TRUE(result.output.trimmed().endsWith(QStringLiteral("exit 1"))) << result.output.toStdString();
        }
    }
}

TEST_F(KdwrunVision, LineDetectorFindsTheKnownEdgeColumnInEveryFormatAndSize)
{
    for (int scale : {1, 2}) {
        const int edge = 200 * scale; // bright columns 0 .. edge - 1
        const std::vector<std::uint8_t> jpeg = edgeFrame(320 * scale, 240 * scale, edge).jpeg();
        // The step lights columns edge - 1 and edge equally; ties go to the left one.
        const float expected = float(edge - 1 - 160 * scale);
        for (int format = 0; format < 4; ++format) {
            SCOPED_TRACE(std::string(formatNames[format]) + " scale " + std::to_string(scale));
            Program program;
            const int camera = program.node(10, 0, param(QStringLiteral("colorFormat"), QString::number(format)));
            const int detector = program.node(35, 0,
                                              param(QStringLiteral("searchHeight"), QStringLiteral("20"))
                                                  + param(QStringLiteral("edgeType"), QStringLiteral("0")));
            program.net(camera, 0, detector, 0);
            addExitWhenAllHold(program,
                               {Check {detector, 1, compareEqual, 1.0f}, Check {detector, 1, compareEqual, 1.0f},
                                Check {detector, 0, compareGreaterEqual, expected},
                                Check {detector, 0, compareLessEqual, expected + 1}});
            const KdwrunResult result = run(program.text(), jpeg);
            EXPECT_EQ(result.status, 0) << result.output.toStdString();
            EXPECT_TRUE(result.output.trimmed().endsWith(QStringLiteral("exit 1"))) << result.output.toStdString();
        }
    }
}
