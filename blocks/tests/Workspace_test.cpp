// Every computing block kind run from a workspace file: a value-file reader feeds the
// blocks with one input line per cycle and a value-file writer records their outputs,
// one line per cycle. The workspace runner's tests run the same files through it.
#include "ProgramRun_helper.h"
#include "WorkspaceCases_helper.h"

#include "Node.h"
#include "State.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class WorkspaceBlocks : public testing::TestWithParam<WorkspaceCase>
{ };

TEST_P(WorkspaceBlocks, InProgram)
{
    const WorkspaceCase& c = GetParam();
    ProgramRun run(QString::fromLatin1(c.file));
    ASSERT_TRUE(run.loaded());
    run.writeInput(c.input);
    EXPECT_EQ(run.run(c.cycles), 0);
    run.stop();
    expectRows(run.output(), c);
}

QStringList repeat(const QString& line, int n)
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines.append(line);
    return lines;
}

INSTANTIATE_TEST_SUITE_P(Kinds, WorkspaceBlocks, testing::ValuesIn(workspaceCases()),
                         [](const testing::TestParamInfo<WorkspaceCase>& info) {
                             return workspaceCaseName(info.param, info.index);
                         });

TEST(WorkspaceReader, LongAndUnterminatedLinesLoseNothing)
{
    const QByteArray longLine = "5\t2\t10\t20\t" + QByteArray(3000, '0') + "30\n";
    const QByteArray lastLine = "5\t2\t10\t20\t40";
    ProgramRun run(QStringLiteral("multiplexer.kdw"));
    ASSERT_TRUE(run.loaded());
    QFile input(run.scratchPath(QStringLiteral("in.txt")));
    ASSERT_TRUE(input.open(QIODevice::WriteOnly));
    input.write(longLine + lastLine);
    input.close();
    run.run(3);
    run.stop();
    EXPECT_EQ(run.output(), (QStringList {"0\t0\t5\t30", "0\t0\t5\t40", "0\t0\t0\t0"}));
}

struct ExitCase
{
    QStringList input;
    int expectedExit;
    int expectedCycle;
};

TEST(WorkspaceExit, FirstTrueExitInBlockOrderEndsTheProgram)
{
    const ExitCase cases[] = {
        {{"0\t0\t0", "0.49\t0\t0", "0.5\t0\t0"}, 1, 3},
        {{"0\t0.5\t0.5"}, 2, 1},
        {{"0\t0\t1"}, 3, 1},
        {repeat(QStringLiteral("0\t0\t0"), 3), 0, 0},
    };
    for (const ExitCase& c : cases) {
        ProgramRun run(QStringLiteral("exit.kdw"));
        ASSERT_TRUE(run.loaded());
        run.writeInput(c.input);
        EXPECT_EQ(run.run(5), c.expectedExit) << c.input.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(run.exitCycle(), c.expectedCycle) << c.input.join(QLatin1Char('|')).toStdString();
    }
}

} // namespace
