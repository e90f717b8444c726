// The workspace files of the block tests run through the kdwrun program as a separate
// process: each must load there and give the rows it gives in the block tests.
#include "ProgramRun_helper.h"
#include "WorkspaceCases_helper.h"

#include "Node.h"
#include "State.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// Runs kdwrun in the folder; a run that does not end counts as a failure of the caller.
struct RunnerResult
{
    bool finished = false;
    int exitCode = -1;
    QString output;
    QString errors;
};

RunnerResult runRunner(const QStringList& arguments, const QString& folder = QString())
{
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(QStringLiteral(KDWRUN_PATH), arguments);
    RunnerResult result;
    result.finished = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

class WorkspaceBlocksThroughTheRunner : public testing::TestWithParam<WorkspaceCase>
{ };

TEST_P(WorkspaceBlocksThroughTheRunner, GiveTheRowsOfTheBlockTests)
{
    const WorkspaceCase& c = GetParam();
    ProgramRun scratch(QString::fromLatin1(c.file));
    scratch.writeInput(c.input);
    const RunnerResult result = runRunner(
        {ProgramRun::dataPath(QString::fromLatin1(c.file)), QStringLiteral("--cycles"), QString::number(c.cycles)},
        scratch.scratchPath(QString()));
    ASSERT_TRUE(result.finished);
    ASSERT_EQ(result.exitCode, 0) << "the runner did not load " << c.file << ": " << result.errors.toStdString();
    expectRows(scratch.output(), c);
}

INSTANTIATE_TEST_SUITE_P(Kinds, WorkspaceBlocksThroughTheRunner, testing::ValuesIn(workspaceCases()),
                         [](const testing::TestParamInfo<WorkspaceCase>& info) {
                             return workspaceCaseName(info.param, info.index);
                         });

TEST(WorkspaceRunnerSave, BlocksAreSavedWithTheirParametersAndNewMaintypes)
{
    for (const char* file : {"allkinds.kdw", "logic.kdw", "transfer.kdw", "vectorconst.kdw"}) {
        SCOPED_TRACE(file);
        ProgramRun original(QString::fromLatin1(file));
        ASSERT_TRUE(original.loaded());
        const QString saved = original.scratchPath(QStringLiteral("saved.kdw"));
        const RunnerResult result =
            runRunner({ProgramRun::dataPath(QString::fromLatin1(file)), QStringLiteral("--save"), saved});
        ASSERT_TRUE(result.finished);
        ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();

        ProgramRun reloaded(saved);
        ASSERT_TRUE(reloaded.loaded());
        ASSERT_EQ(reloaded.state().cycleBlocks().size(), original.state().cycleBlocks().size());
        for (int i = 0; i < original.state().cycleBlocks().size(); ++i) {
            const Node* before = original.state().cycleBlocks()[i];
            const Node* after = reloaded.state().cycleBlocks()[i];
            EXPECT_EQ(after->type()->maintype(), before->type()->maintype());
            EXPECT_EQ(after->parameters(), before->parameters()) << "block " << i;
        }
        QFile text(saved);
        ASSERT_TRUE(text.open(QIODevice::ReadOnly));
        EXPECT_FALSE(text.readAll().contains("maintype=\"39\""));
    }
}

TEST(WorkspaceRunnerExit, TheFirstTrueExitEndsTheRunAndIsPrinted)
{
    ProgramRun scratch(QStringLiteral("exit.kdw"));
    scratch.writeInput({"0\t0\t0", "0\t0\t0.7"});
    const RunnerResult result =
        runRunner({ProgramRun::dataPath(QStringLiteral("exit.kdw")), QStringLiteral("--cycles"), QStringLiteral("5")},
                  scratch.scratchPath(QString()));
    ASSERT_TRUE(result.finished);
    EXPECT_TRUE(result.output.contains(QLatin1String("cycle 2 exit 3"))) << result.output.toStdString();
    EXPECT_FALSE(result.output.contains(QLatin1String("cycle 3"))) << result.output.toStdString();
}

} // namespace
