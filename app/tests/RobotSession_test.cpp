// drasvel and the simulated robot as two processes, as a user runs them: the program named
// on the command line starts once the connection to the address given stands, and a
// termination request closes drasvel as the user would.
#include "link_helper.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// Waits until the file holds the text; false after the limit.
bool waitForText(const QString& path, const QString& text, int limitMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!fileText(path).contains(text)) {
        if (waited.elapsed() > limitMs)
            return false;
        QThread::msleep(50);
    }
    return true;
}

TEST(RobotSession, CommandLineProgramStartsOnConnectAndTerminationClosesCleanly)
{
    QTemporaryDir folder;
    const QString script = folder.filePath(QStringLiteral("script.txt"));
    const QString log = folder.filePath(QStringLiteral("exchanges.txt"));
    // DI0 copied to DO1 every cycle.
    const QString program = QStringLiteral(DRASVEL_EXAMPLES_DIR "/input-to-output.kdw");
    ASSERT_TRUE(writeFile(script, "DI0 1\n"));

    const unsigned short port = freeLoopbackPort();
    QProcess simulator;
    simulator.start(QStringLiteral(KELMARIS_SIM_PATH),
                    {QStringLiteral("--port"), QString::number(port), QStringLiteral("--script"), script,
                     QStringLiteral("--log"), log});
    ASSERT_TRUE(simulator.waitForReadyRead(5000));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
    QProcess drasvel;
    drasvel.setProcessEnvironment(environment);
    drasvel.start(QStringLiteral(DRASVEL_BINARY),
                  {QStringLiteral("/ip:127.0.0.1:%1").arg(port), program, QStringLiteral("/autostart")});
    ASSERT_TRUE(drasvel.waitForStarted(5000));

    // Only a running program sets DO1 from the scripted input.
    const bool programRan = waitForText(log, QStringLiteral("DO1=1"), 30000);
    drasvel.terminate();
    const bool drasvelEnded = drasvel.waitForFinished(15000);
    if (!drasvelEnded)
        drasvel.kill();
    simulator.terminate();
    EXPECT_TRUE(simulator.waitForFinished(5000));

    EXPECT_TRUE(programRan) << fileText(log).toStdString() << drasvel.readAllStandardError().toStdString();
    ASSERT_TRUE(drasvelEnded);
    EXPECT_EQ(drasvel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(drasvel.exitCode(), 0);
    // Closed as the user would: the settings keep the address it connected to.
    EXPECT_TRUE(fileText(folder.filePath(QStringLiteral("config/KelmarisView/drasvel.ini")))
                    .contains(QStringLiteral("127.0.0.1:%1").arg(port)));
}

// Starts drasvel `count` times at once and asks process i to terminate `delayMs(i)` after the
// start. Every process must end; returns how many ended through drasvel's own handling of the
// request rather than dying of the signal while still loading its libraries.
template <typename Delay>
int terminateDuringStart(const QProcessEnvironment& environment, int count, Delay delayMs)
{
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < count; ++i) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->setProcessEnvironment(environment);
        processes.back()->start(QStringLiteral(DRASVEL_BINARY), QStringList());
    }
    QElapsedTimer started;
    started.start();
    for (int i = 0; i < count; ++i) {
        EXPECT_TRUE(processes[i]->waitForStarted(5000));
        while (started.elapsed() < delayMs(i))
            QThread::msleep(5);
        processes[i]->terminate();
    }
    int caught = 0;
    for (int i = 0; i < count; ++i) {
        QProcess& drasvel = *processes[i];
        const bool ended = drasvel.waitForFinished(15000);
        if (!ended)
            drasvel.kill();
        EXPECT_TRUE(ended) << "terminated after " << delayMs(i) << " ms";
        if (drasvel.exitStatus() == QProcess::CrashExit && drasvel.exitCode() == SIGTERM)
            continue;
        ++caught;
        EXPECT_EQ(drasvel.exitStatus(), QProcess::NormalExit) << "terminated after " << delayMs(i) << " ms";
        EXPECT_EQ(drasvel.exitCode(), 0) << "terminated after " << delayMs(i) << " ms";
    }
    return caught;
}

// A termination request ends drasvel whenever it comes: during the splash screen, while the
// splash screen waits for the window, or once the window is up. Many at once, so some land
// in each of these moments. How long the libraries take to load depends on the machine and
// its load, so when too few requests reached drasvel's own code the round is repeated with
// the requests spread over a longer start.
TEST(RobotSession, TerminationAtAnyMomentOfTheStartEndsDrasvel)
{
    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
    constexpr int processCount = 16;
    int caught = 0;
    for (int stretch = 1; stretch <= 8 && caught < processCount / 2 && !HasFailure(); stretch *= 2)
        caught +=
            terminateDuringStart(environment, processCount, [stretch](int i) { return stretch * (300 + i * 80); });
    EXPECT_GE(caught, processCount / 2);
}

} // namespace
