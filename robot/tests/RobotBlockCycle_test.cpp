// Each robot block's cycle checked through the simulated robot: the commands its
// exchange carried (the robot's command log) and the sensor values it puts out.
#include "KelmarisCom.h"
#include "Motor.h"
#include "NStar.h"
#include "Node.h"
#include "SlotSpec.h"
#include "robot_helper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Parameters = QMap<QString, QString>;

class RobotBlockCycle : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(link.connect()); }

    // The command words of each of n cycles.
    std::vector<std::string> run(OneBlockProgram& program, int cycles)
    {
        std::vector<std::string> lines;
        for (int i = 0; i < cycles; ++i) {
            const std::size_t before = link.robot.exchangeCount();
            program.cycle();
            link.robot.waitForExchanges(before + 1, 2000);
            const std::vector<std::string> log = link.robot.commandLog();
            lines.push_back(log.size() > before ? log[before] : "(no exchange)");
        }
        return lines;
    }

    // Cycles until the block's outputs pass the check, for at most 3 s. The link waits only a
    // short share of a cycle for the robot's answer: on a loaded machine an answer comes in a
    // cycle late, and the block reads it then.
    template <class Check>
    void cycleUntil(OneBlockProgram& program, Check check)
    {
        waitUntil(
            [&] {
                if (check())
                    return true;
                run(program, 1);
                return false;
            },
            3000);
    }

    SimulatedRobotLink link;
};

TEST_F(RobotBlockCycle, OutputBlocksSendEveryCycle)
{
    const struct
    {
        unsigned short maintype;
        const char* key;
        const char* channel;
        float input;
        std::string expected;
    } cases[] = {
        {34, "output", "3", 0.5f, "DO2=1"}, {34, "output", "3", 0.49f, "DO2=0"}, {34, "output", "0", 1.0f, ""},
        {44, "output", "2", 0.7f, "R1=1"},  {44, "output", "2", 0.3f, "R1=0"},   {44, "output", "0", 1.0f, ""},
        {44, "output", "1", 1.0f, "R0=1"},
    };
    for (const auto& c : cases) {
        OneBlockProgram program(c.maintype, {{c.key, c.channel}}, {c.input});
        ASSERT_TRUE(program.loaded());
        EXPECT_EQ(run(program, 3), std::vector<std::string>(3, c.expected)) << c.maintype << " " << c.channel;
    }
}

TEST_F(RobotBlockCycle, MotorRequestsAndBrake)
{
    const struct
    {
        const char* motor;
        QList<float> inputs; // velocity, priority, reset, brake
        std::string expected;
    } cases[] = {
        {"0", {99.9f, 1, 0, 0}, ""},
        {"1", {99.9f, 1, 0, 0}, "VEL0=99,1 KP0=0.9 KI0=0.01 KD0=0 RESET0=0"},
        {"2", {-99.9f, 3.7f, 1, 0}, "VEL1=-99,3 KP1=0.9 KI1=0.01 KD1=0 RESET1=1"},
        {"3", {50, 1, 0, 0.5f}, "BRAKE2=1 RESET2=0"},
    };
    for (const auto& c : cases) {
        OneBlockProgram program(14, {{"motor", c.motor}}, c.inputs);
        ASSERT_TRUE(program.loaded());
        EXPECT_EQ(run(program, 2), std::vector<std::string>(2, c.expected)) << c.motor;
    }
}

TEST_F(RobotBlockCycle, MotorGainsAndUnconnectedPriority)
{
    OneBlockProgram program(14, {{"motor", "1"}, {"kp", "0.5"}, {"ki", "0.125"}, {"kd", "0.25"}}, {120.0f});
    ASSERT_TRUE(program.loaded());
    EXPECT_EQ(run(program, 1).front(), "VEL0=120,1 KP0=0.5 KI0=0.125 KD0=0.25 RESET0=0");
    run(program, 1);
    // Every answer reports a current of at least 100, even one sent before the command: wait for
    // the velocity.
    cycleUntil(program, [&] { return program.output(SlotSpec::Right, 0) == 120.0f; });
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 0), 120.0f);
    EXPECT_LE(program.output(SlotSpec::Right, 1), 0.0f); // the position counter, negated
    EXPECT_GE(program.output(SlotSpec::Right, 2), 100.0f);
}

TEST_F(RobotBlockCycle, MotorZeroReadsNothing)
{
    OneBlockProgram program(14, {{"motor", "0"}}, {100.0f});
    ASSERT_TRUE(program.loaded());
    run(program, 2);
    EXPECT_EQ(program.output(SlotSpec::Right, 0), 0.0f);
    EXPECT_EQ(program.output(SlotSpec::Right, 2), 0.0f);
}

TEST_F(RobotBlockCycle, InputBlocksReadTheRobot)
{
    link.robot.setDigitalInput(2, true);
    link.robot.setAnalogInput(1, 3.25f);
    link.robot.setDistance(3, 1.5f);
    link.robot.setBumper(true);
    link.robot.setBattery(11.75f);
    link.robot.setCurrent(0.5f);
    const struct
    {
        unsigned short maintype;
        Parameters parameters;
        int output;
        float expected;
    } cases[] = {
        {32, {{"input", "3"}}, 0, 1.0f},
        {32, {{"input", "2"}}, 0, 0.0f},
        {32, {{"input", "0"}}, 0, 0.0f},
        {33, {{"AN", "2"}}, 0, 3.25f},
        {33, {{"AN", "0"}}, 0, 0.0f},
        {19, {{"distance", "3"}}, 0, 1.5f},
        {19, {{"distance", "3"}}, 1, 80.0f},
        {19, {{"distance", "1"}}, 1, 0.0f},
        {19, {{"distance", "0"}}, 1, 0.0f},
        {4, {}, 0, 1.0f},
        {36, {}, 0, 0.5f},
        {36, {}, 1, 11.75f},
    };
    for (const auto& c : cases) {
        OneBlockProgram program(c.maintype, c.parameters, {});
        ASSERT_TRUE(program.loaded());
        EXPECT_EQ(run(program, 2), std::vector<std::string>(2, "")) << c.maintype;
        cycleUntil(program, [&] { return program.output(SlotSpec::Right, c.output) == c.expected; });
        EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, c.output), c.expected) << c.maintype << " " << c.output;
    }
}

TEST_F(RobotBlockCycle, NorthStarSendsItsRoomAndReadsThePose)
{
    link.robot.setPose({100.0, 50.0, 0.0});
    OneBlockProgram program(42, {}, {});
    ASSERT_TRUE(program.loaded());
    EXPECT_EQ(run(program, 2), std::vector<std::string>(2, "NS=0,0,10,0"));
    // Every answer counts two spots, even one sent before the pose was set: wait for the pose.
    cycleUntil(program, [&] { return std::abs(program.output(SlotSpec::Right, 0) + 100.0f) < 1.0f; });
    EXPECT_NEAR(program.output(SlotSpec::Right, 0), -100.0f, 1.0f);
    EXPECT_NEAR(program.output(SlotSpec::Right, 1), -50.0f, 1.0f);
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 3), 2.0f);
    auto& nstar = static_cast<NStar&>(program.block());
    nstar.setCommandRoom(256 + 7);
    nstar.setOriginToCurrent();
    EXPECT_EQ(run(program, 2).back(), "NS=0,7,10,0");
    cycleUntil(program, [&] { return std::abs(program.output(SlotSpec::Right, 0)) < 1.0f; });
    EXPECT_NEAR(program.output(SlotSpec::Right, 0), 0.0f, 1.0f);
    EXPECT_NEAR(program.output(SlotSpec::Right, 1), 0.0f, 1.0f);
}

TEST_F(RobotBlockCycle, MotorDrivesTheSimulatedPose)
{
    OneBlockProgram program(14, {{"motor", "2"}}, {300.0f});
    ASSERT_TRUE(program.loaded());
    for (int i = 0; i < 10; ++i)
        run(program, 1);
    EXPECT_FLOAT_EQ(link.robot.motorVelocity(1), 300.0f);
    EXPECT_TRUE(waitUntil([&] { return link.robot.motorVelocity(1) == 0.0f; }, 2000)); // no fresh velocity
}

} // namespace
