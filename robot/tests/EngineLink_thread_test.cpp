// The engine cycling a robot program while the link connects, drops and reconnects:
// run under ThreadSanitizer as well.
#include "KelmarisCom.h"
#include "State.h"
#include "StateProcessor.h"
#include "robot_helper.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(EngineWithLink, ProgramCyclesWhileTheLinkDropsAndReconnects)
{
    StateProcessor::Options options;
    options.realtime = false;
    StateProcessor engine(options);
    StateProcessor::install(&engine);
    {
        SimulatedRobotLink link;
        link.centre.setAutoReconnect(true);
        ASSERT_TRUE(link.connect());
        OneBlockProgram program(34, {{"output", "1"}}, {1.0f}, false);
        ASSERT_TRUE(program.loaded());
        program.state().start(nullptr);
        EXPECT_TRUE(waitUntil([&] { return link.robot.exchangeCount() > 20; }, 3000));

        link.robot.dropConnection(); // a lost link: error, pause, new attempt
        EXPECT_TRUE(waitUntil([&] { return link.centre.connectionCount() == 2; }, 4000));
        const unsigned short port = link.robot.port();
        link.robot.stop(); // the robot restarts: closed, at once a new attempt
        ASSERT_TRUE(link.robot.start(port));
        EXPECT_TRUE(waitUntil([&] { return link.centre.connectionCount() == 3; }, 4000));
        const std::size_t reconnected = link.robot.exchangeCount();
        EXPECT_TRUE(waitUntil([&] { return link.robot.exchangeCount() > reconnected + 10; }, 3000));

        // While the program runs only the engine exchanges, each time with the output.
        const std::vector<std::string> log = link.robot.commandLog();
        ASSERT_GT(log.size(), 10u);
        for (std::size_t i = log.size() - 10; i < log.size(); ++i)
            EXPECT_EQ(log[i], "DO0=1") << i;
        EXPECT_TRUE(link.robot.digitalOutput(0));

        program.state().stop();
        engine.stopThreads();
        QCoreApplication::processEvents();
    }
    StateProcessor::install(nullptr);
}

} // namespace
