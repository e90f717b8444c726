// The robot blocks without a robot: descriptors, parameters (also unreadable ones) and
// the computing blocks' outputs in a program.
#include "ChannelBlock.h"
#include "ControlPanel.h"
#include "Distance.h"
#include "MapBuilder.h"
#include "Motor.h"
#include "NStar.h"
#include "NodeFactory.h"
#include "SlotSpec.h"
#include "robot_helper.h"

#include <gtest/gtest.h>

namespace {

using Parameters = QMap<QString, QString>;

TEST(RobotBlocks, EveryKindIsRegisteredWithItsSlots)
{
    const struct
    {
        unsigned short maintype;
        unsigned left, right, top, bottom;
    } kinds[] = {{19, 0, 2, 0, 0}, {32, 0, 1, 0, 0}, {33, 0, 1, 0, 0}, {4, 0, 1, 0, 0},  {34, 1, 0, 0, 0},
                 {36, 0, 2, 0, 0}, {14, 4, 3, 0, 0}, {18, 3, 3, 3, 3}, {42, 0, 4, 0, 0}, {44, 1, 0, 0, 0},
                 {47, 6, 3, 0, 0}, {43, 4, 3, 3, 0}, {9, 2, 5, 0, 0},  {37, 0, 3, 0, 0}};
    for (const auto& k : kinds) {
        ASSERT_TRUE(nodeFactories().contains(k.maintype)) << k.maintype;
        OneBlockProgram program(k.maintype, {}, {}, false);
        ASSERT_TRUE(program.loaded()) << k.maintype;
        const NodeType* type = program.block().type();
        EXPECT_EQ(type->flags(), 5u) << k.maintype;
        EXPECT_EQ(type->leftSlotCount(), k.left) << k.maintype;
        EXPECT_EQ(type->rightSlotCount(), k.right) << k.maintype;
        EXPECT_EQ(type->topSlotCount(), k.top) << k.maintype;
        EXPECT_EQ(type->bottomSlotCount(), k.bottom) << k.maintype;
    }
}

TEST(RobotBlocks, ParametersAndUnreadableValues)
{
    const struct
    {
        unsigned short maintype;
        Parameters loaded;
        Parameters saved;
    } cases[] = {
        {32, {{"input", "x"}}, {{"input", "0"}}},
        {33, {{"AN", "2"}}, {{"AN", "2"}}},
        {19, {{"distance", "-1"}}, {{"distance", "0"}}},
        {44, {{"output", "2"}}, {{"output", "2"}}},
        {14, {{"kp", "0.5"}}, {{"motor", "0"}}},
        {14,
         {{"motor", "1"}, {"kp", "abc"}, {"ki", "0.2"}},
         {{"motor", "1"}, {"kp", "0.9"}, {"ki", "0.2"}, {"kd", "0"}, {"brake", "0"}}},
        {42, {{"originX", "12.5"}, {"originY", "zz"}}, {{"originX", "12.5"}, {"originY", "0"}, {"originPhi", "0"}}},
        {9,
         {{"joyNumber", "2"}, {"t0", "1"}, {"n0", "3"}},
         {{"joyNumber", "2"},
          {"t0", "1"},
          {"n0", "3"},
          {"t1", "0"},
          {"n1", "0"},
          {"t2", "0"},
          {"n2", "0"},
          {"t3", "0"},
          {"n3", "0"},
          {"t4", "0"},
          {"n4", "0"}}},
        {4, {{"anything", "1"}}, {}},
    };
    for (const auto& c : cases) {
        OneBlockProgram program(c.maintype, c.loaded, {}, false);
        ASSERT_TRUE(program.loaded()) << c.maintype;
        EXPECT_EQ(program.block().parameters(), c.saved) << c.maintype;
    }
}

TEST(RobotBlocks, PositionViewKeepsItsPosesAndToleratesAMissingPicture)
{
    OneBlockProgram program(43,
                            {{"background", "/nonexistent/map.png"},
                             {"KDMapBuilder_virtualRobotX", "123.456789"},
                             {"KDMapBuilder_robotPhi", "bad"}},
                            {}, false);
    ASSERT_TRUE(program.loaded());
    auto& block = static_cast<MapBuilder&>(program.block());
    EXPECT_TRUE(block.background().isNull());
    const Parameters saved = block.parameters();
    EXPECT_EQ(saved.value("KDMapBuilder_virtualRobotX"), "123.457");
    EXPECT_EQ(saved.value("KDMapBuilder_robotPhi"), "0");
    EXPECT_EQ(saved.value("background"), "/nonexistent/map.png");
}

TEST(RobotBlocks, ComputingBlocksInAProgram)
{
    const struct
    {
        unsigned short maintype;
        QList<float> inputs;
        int side, output;
        float expected;
    } cases[] = {
        {18, {100, 0, 0}, SlotSpec::Right, 0, -330.8f},
        {18, {100, 0, 0}, SlotSpec::Right, 2, 330.8f},
        {18, {0, 0, 90}, SlotSpec::Right, 1, 750.0f},
        {18, {100, 0, 0}, SlotSpec::Bottom, 2, 0.0f},
        {47, {1000, 0, 0, 0, 0, 0}, SlotSpec::Right, 0, 400.0f},
        {47, {0, 0, 150, 0, 0, 0}, SlotSpec::Right, 2, 120.0f},
        {43, {5, 6, 7, 0}, SlotSpec::Right, 0, 0.0f},
        {19, {}, SlotSpec::Right, 1, 0.0f},
    };
    for (const auto& c : cases) {
        OneBlockProgram program(c.maintype, {}, c.inputs);
        ASSERT_TRUE(program.loaded());
        program.cycle();
        EXPECT_NEAR(program.output(c.side, c.output), c.expected, 0.1) << c.maintype << " output " << c.output;
    }
}

TEST(RobotBlocks, ControlPanelStartsAgainAtRest)
{
    OneBlockProgram program(37, {}, {});
    ASSERT_TRUE(program.loaded());
    auto& panel = static_cast<ControlPanel&>(program.block());
    panel.addSteps(3, 0, 0);
    program.cycle();
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 0), 60.0f);
    panel.setSpeed(30);
    panel.start();
    program.cycle();
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 0), 0.0f);
    EXPECT_EQ(panel.speed(), 30);
}

} // namespace
