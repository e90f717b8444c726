// kdwrun on sequence charts: in-process through the workspace runner and as the
// program, with the real constant and exit blocks.

#include "WorkspaceRunner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// An inverter fed by its own output into an exit block: the exit sees true in the
// program's second cycle and ends it through exit A, B or C (exit 0, 1, 2).
QByteArray exitingProgram(int exit)
{
    return QStringLiteral(
               "<?xml version=\"1.0\"?>\n<model type=\"state\"><info/>"
               "<node id=\"1\" maintype=\"40\" subtype=\"0\" identifier=\"\" active=\"1\"><name>n</name>"
               "<workspace><position x=\"60\" y=\"60\"/></workspace></node>"
               "<node id=\"2\" maintype=\"8\" subtype=\"%1\" identifier=\"\" active=\"1\"><name>e</name>"
               "<workspace><position x=\"180\" y=\"60\"/></workspace></node>"
               "<net id=\"1\"><slot nodeid=\"2\" channel=\"0\" position=\"1\" id=\"1\"/>"
               "<slot nodeid=\"1\" channel=\"0\" position=\"2\" id=\"2\"/><line startid=\"2\" endid=\"1\"/></net>"
               "<net id=\"2\"><slot nodeid=\"1\" channel=\"0\" position=\"1\" id=\"1\"/>"
               "<slot nodeid=\"1\" channel=\"0\" position=\"2\" id=\"2\"/><line startid=\"2\" endid=\"1\"/></net>"
               "</model>\n")
        .arg(exit)
        .toUtf8();
}

QString element(const char* tag, unsigned id, int maintype, int x, const QString& name,
                const QString& params = QString())
{
    return QStringLiteral("<%1 id=\"%2\" maintype=\"%3\" subtype=\"0\"><name>%4</name>%5"
                          "<workspace><position x=\"%6\" y=\"60\"/></workspace></%1>")
        .arg(QLatin1String(tag))
        .arg(id)
        .arg(maintype)
        .arg(name, params)
        .arg(x);
}

QString programElement(unsigned id, int x, const QString& absolute, const QString& relative)
{
    return element(
        "stateblock", id, 1, x, QStringLiteral("x"),
        QStringLiteral("<param name=\"abs\">%1</param><param name=\"relative\">%2</param>").arg(absolute, relative));
}

QString transition(unsigned id, unsigned from, int output, unsigned to)
{
    return QStringLiteral("<net id=\"%1\"><slot nodeid=\"%4\" channel=\"0\" position=\"1\" id=\"1\"/>"
                          "<slot nodeid=\"%2\" channel=\"%3\" position=\"2\" id=\"2\"/>"
                          "<line startid=\"2\" endid=\"1\"/></net>")
        .arg(id)
        .arg(from)
        .arg(output)
        .arg(to);
}

QByteArray chart(const QString& body)
{
    return (QStringLiteral("<?xml version=\"1.0\"?>\n<model type=\"statechart\">") + body
            + QStringLiteral("</model>\n"))
        .toUtf8();
}

class ChartRunnerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        startFolder = QDir::currentPath();
        ASSERT_TRUE(folder.isValid());
        file(QStringLiteral("p.kdw"), exitingProgram(1));
        file(QStringLiteral("q.kdw"), exitingProgram(0));
    }
    void TearDown() override { QDir::setCurrent(startFolder); }

    QString file(const QString& name, const QByteArray& content)
    {
        const QString fileName = folder.filePath(name);
        QFile output(fileName);
        EXPECT_TRUE(output.open(QIODevice::WriteOnly));
        output.write(content);
        return fileName;
    }

    // Start -> p; p's exit B -> q; q's exit A leads nowhere.
    QString startPThenQ()
    {
        return file(QStringLiteral("c.kdw"),
                    chart(element("node", 1, 0, 30, QStringLiteral("S"))
                          + programElement(2, 120, folder.filePath(QStringLiteral("p.kdw")), QStringLiteral("p.kdw"))
                          + programElement(3, 240, QStringLiteral("/moved/q.kdw"), QStringLiteral("q.kdw"))
                          + transition(1, 1, 0, 2) + transition(2, 2, 1, 3)));
    }

    int run(const QStringList& arguments)
    {
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        WorkspaceRunner runner(out, err);
        return runner.run(arguments);
    }

    QString startFolder;
    QTemporaryDir folder;
    QString output;
    QString errors;
};

const QString startPThenQOutput = QStringLiteral("cycle 1 running p\ncycle 2 running q\ncycle 3 running \n"
                                                 "cycle 4 running \ncycle 5 running \nchart stopped after 1 ticks\n");

TEST_F(ChartRunnerTest, RunsTheChartUntilItStops)
{
    const QString chartFile = startPThenQ();
    EXPECT_EQ(run({chartFile, QStringLiteral("--cycles"), QStringLiteral("50")}), 0) << errors.toStdString();
    EXPECT_EQ(output.toStdString(), startPThenQOutput.toStdString());
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();

    EXPECT_EQ(run({chartFile}), 0) << "without a count the chart runs until it stops";
    EXPECT_EQ(output.toStdString(), startPThenQOutput.toStdString());

    EXPECT_EQ(run({chartFile, QStringLiteral("--cycles"), QStringLiteral("2")}), 0);
    EXPECT_EQ(output.toStdString(), "cycle 1 running p\ncycle 2 running q\n");
}

TEST_F(ChartRunnerTest, TheProgramRunsACharts)
{
    const QString chartFile = startPThenQ();
    QProcess process;
    process.start(QStringLiteral(KDWRUN_PATH), {chartFile, QStringLiteral("--cycles"), QStringLiteral("50")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), startPThenQOutput.toStdString());
}

TEST_F(ChartRunnerTest, AProgramLeadingBackToItselfRunsOn)
{
    const QString chartFile = file(QStringLiteral("loop.kdw"),
                                   chart(element("node", 1, 0, 30, QStringLiteral("S"))
                                         + programElement(2, 120, QString(), QStringLiteral("p.kdw"))
                                         + transition(1, 1, 0, 2) + transition(2, 2, 1, 2)));
    EXPECT_EQ(run({chartFile, QStringLiteral("--cycles"), QStringLiteral("12")}), 0);
    QString expected;
    for (int n = 1; n <= 12; ++n)
        expected += QStringLiteral("cycle %1 running p\n").arg(n);
    EXPECT_EQ(output.toStdString(), expected.toStdString());
}

TEST_F(ChartRunnerTest, AChartThatDoesNotLoadPrintsTheMessages)
{
    const QString chartFile = file(QStringLiteral("c.kdw"),
                                   chart(element("node", 1, 0, 30, QStringLiteral("S"))
                                         + programElement(2, 120, QString(), QStringLiteral("gone.kdw"))));
    EXPECT_EQ(run({chartFile, QStringLiteral("--cycles"), QStringLiteral("5")}), 1);
    EXPECT_EQ(errors,
              QStringLiteral("kdwrun: %1: Error loading c.\nEmpty filename found.\n"
                             "kdwrun: %1: The file %1 could not be loaded.\n")
                  .arg(chartFile));
    EXPECT_TRUE(output.isEmpty());

    const QString missing =
        file(QStringLiteral("m.kdw"),
             chart(programElement(1, 120, QStringLiteral("/nowhere/p.kdw"), QStringLiteral("gone.kdw"))));
    EXPECT_EQ(run({missing}), 1);
    EXPECT_TRUE(
        errors.startsWith(QStringLiteral("kdwrun: %1: Error on loading the state /nowhere/p.kdw:\n").arg(missing)))
        << errors.toStdString();
}

TEST_F(ChartRunnerTest, SavesTheLoadedChart)
{
    const QString copy = folder.filePath(QStringLiteral("copy.kdw"));
    EXPECT_EQ(run({startPThenQ(), QStringLiteral("--save"), copy, QStringLiteral("--cycles"), QStringLiteral("1")}), 0);
    QFile saved(copy);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_TRUE(text.contains("<param name=\"relative\">q.kdw</param>")) << text.constData();
    EXPECT_TRUE(text.contains("<model type=\"statechart\""));
    EXPECT_EQ(run({copy}), 0);
    EXPECT_EQ(output.toStdString(), startPThenQOutput.toStdString());
}

} // namespace
