// The two programs without hardware: kdwrun --robot against the in-process simulated
// robot, and kelmaris-sim as a process with a script and a log driven by kdwrun.
#include "robot_helper.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// kdwrun's exit code, or -1 when it did not finish in time.
int runKdwrun(const QStringList& arguments, QString* errors = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(KDWRUN_PATH), arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return process.exitCode();
}

TEST(RobotTools, KdwrunExchangesWithTheRobotAfterEveryCycle)
{
    SimRobot robot;
    ASSERT_TRUE(robot.start());
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("relay.kdw"));
    ASSERT_TRUE(writeFile(file, oneBlockWorkspace(44, {{"output", "2"}}, {1.0f})));
    const QString address = QStringLiteral("127.0.0.1:%1").arg(robot.port());
    EXPECT_EQ(runKdwrun({file, QStringLiteral("--cycles"), QStringLiteral("5"), QStringLiteral("--robot"), address}),
              0);
    std::vector<std::string> engineLines;
    for (const std::string& line : robot.commandLog())
        if (!line.empty())
            engineLines.push_back(line);
    EXPECT_EQ(engineLines, std::vector<std::string>(5, "R1=1"));
    EXPECT_TRUE(robot.relay(1));
}

TEST(RobotTools, KdwrunReportsAnUnreachableRobot)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("relay.kdw"));
    ASSERT_TRUE(writeFile(file, oneBlockWorkspace(44, {{"output", "2"}}, {1.0f})));
    QString errors;
    const QString address = QStringLiteral("127.0.0.1:%1").arg(freeLoopbackPort());
    EXPECT_EQ(runKdwrun({file, QStringLiteral("--robot"), address}, &errors), 2);
    EXPECT_TRUE(errors.contains(QStringLiteral("Connection refused."))) << errors.toStdString();
    EXPECT_EQ(runKdwrun({file, QStringLiteral("--robot")}, &errors), 2);
}

TEST(RobotTools, SimulatorScriptAndLogAsAProgram)
{
    QTemporaryDir folder;
    const QString script = folder.filePath(QStringLiteral("script.txt"));
    const QString log = folder.filePath(QStringLiteral("log.txt"));
    // A digital input feeding a digital output: DI0 is copied to DO1 every cycle.
    const QString file = QStringLiteral(DRASVEL_EXAMPLES_DIR "/input-to-output.kdw");
    ASSERT_TRUE(writeFile(script, QStringLiteral("# the first input is on from the start\nDI0 1\n@3 DI0 0\n")));
    const unsigned short port = freeLoopbackPort();
    QProcess simulator;
    simulator.start(QStringLiteral(KELMARIS_SIM_PATH),
                    {QStringLiteral("--port"), QString::number(port), QStringLiteral("--script"), script,
                     QStringLiteral("--log"), log});
    ASSERT_TRUE(simulator.waitForReadyRead(5000));
    EXPECT_TRUE(simulator.readAllStandardOutput().contains("listening"));
    EXPECT_EQ(runKdwrun({file, QStringLiteral("--cycles"), QStringLiteral("6"), QStringLiteral("--robot"),
                         QStringLiteral("127.0.0.1:%1").arg(port)}),
              0);
    simulator.terminate();
    ASSERT_TRUE(simulator.waitForFinished(5000));
    QFile written(log);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromLatin1(written.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The run's exchanges: its first cycle reads what the start's exchange brought. The link may
    // exchange once on its own between connecting and the start, so the input goes off after the
    // run's second or third exchange (or, with two such exchanges, its first).
    ASSERT_GE(lines.size(), 6);
    lines = lines.mid(lines.size() - 6);
    const qsizetype on = lines.lastIndexOf(QStringLiteral("DO1=1")) + 1;
    EXPECT_TRUE(on >= 1 && on <= 3) << lines.join('|').toStdString();
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines.at(i), i < on ? QStringLiteral("DO1=1") : QStringLiteral("DO1=0")) << i;
}

TEST(RobotTools, SimulatorRefusesBadArguments)
{
    const QStringList bad[] = {{},
                               {QStringLiteral("--port"), QStringLiteral("0")},
                               {QStringLiteral("--port"), QStringLiteral("4000"), QStringLiteral("--script"),
                                QStringLiteral("/nonexistent/script")},
                               {QStringLiteral("--bogus")}};
    for (const QStringList& arguments : bad) {
        QProcess simulator;
        simulator.start(QStringLiteral(KELMARIS_SIM_PATH), arguments);
        ASSERT_TRUE(simulator.waitForFinished(5000)) << arguments.join(' ').toStdString();
        EXPECT_EQ(simulator.exitCode(), 2) << arguments.join(' ').toStdString();
    }
    QProcess help;
    help.start(QStringLiteral(KELMARIS_SIM_PATH), {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(5000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().contains("[@N] NAME VALUE"));
}

} // namespace
