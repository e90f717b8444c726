#include "program_helper.h"

#include "Net.h"
#include "State.h"
#include "StateManager.h"
#include "StateProcessor.h"
#include "ValueSlot.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

// A program of three recording blocks in canvas order b1, b2, b3, b1's output feeding
// b2's first input.
class ThreeBlocks : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerTestBlocks();
        const QString body = workspace::node(1, RecordingBlock::kind, 60, 60)
            + workspace::node(2, RecordingBlock::kind, 120, 60) + workspace::node(3, RecordingBlock::kind, 180, 60)
            + workspace::net(1, 1, 2);
        program.reset(loadProgram(manager, workspace::model(body)));
        ASSERT_TRUE(program);
        for (Node* node : program->cycleBlocks())
            blocks.append(static_cast<RecordingBlock*>(node));
        ASSERT_EQ(blocks.size(), 3);
    }

    void TearDown() override
    {
        if (program)
            manager.remove(program.get());
    }

    StateManager manager;
    std::unique_ptr<State> program;
    QList<RecordingBlock*> blocks;
};

struct Calls
{
    int reads, steps, writes;
};

struct ExitCase
{
    const char* name;
    int mode;
    Calls expected[3];
};

// The case name instead of a byte dump of the parameter.
void PrintTo(const ExitCase& c, std::ostream* os)
{
    *os << c.name;
}

class ExitInTheMiddle : public ThreeBlocks, public ::testing::WithParamInterface<ExitCase>
{ };

} // namespace

TEST_F(ThreeBlocks, EmptyCyclesStillCountAndLeaveExitZero)
{
    StateManager otherManager;
    std::unique_ptr<State> empty(loadProgram(otherManager, workspace::model(QString())));
    ASSERT_TRUE(empty);
    for (int cycle = 1; cycle <= 3; ++cycle) {
        empty->step();
        EXPECT_EQ(empty->stepCount(), cycle);
        EXPECT_EQ(empty->exitCode(), 0);
    }
    otherManager.remove(empty.get());
}

TEST_P(ExitInTheMiddle, SecondOfThreeBlocksReturnsAnExitNumber)
{
    const ExitCase& c = GetParam();
    program->setMode(c.mode);
    blocks[1]->exitAtStep = 1;
    blocks[1]->exitCode = 1;
    program->step();
    EXPECT_EQ(program->exitCode(), 1);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(blocks[i]->reads.load(), c.expected[i].reads);
        EXPECT_EQ(blocks[i]->steps.load(), c.expected[i].steps);
        EXPECT_EQ(blocks[i]->writes.load(), c.expected[i].writes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ExitInTheMiddle,
    ::testing::Values(ExitCase {"Sequential", State::Sequential, {{1, 1, 1}, {1, 1, 0}, {0, 0, 0}}},
                      ExitCase {"Parallel", State::Parallel, {{1, 1, 0}, {1, 1, 0}, {1, 0, 0}}},
                      ExitCase {"AnyNonZeroModeIsSequential", 2, {{1, 1, 1}, {1, 1, 0}, {0, 0, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ThreeBlocks, ResultsBelowOneNeverEndTheCycle)
{
    for (int mode : {int(State::Sequential), int(State::Parallel)}) {
        SCOPED_TRACE(mode);
        program->setMode(mode);
        blocks[0]->stepResult = -1;
        blocks[2]->stepResult = -3;
        program->step();
        for (RecordingBlock* block : blocks)
            EXPECT_EQ(block->writes.load(), block->steps.load());
        EXPECT_EQ(program->exitCode(), -3) << "the last stepped block's result stays";
    }
}

TEST_F(ThreeBlocks, SequentialPassesValuesOnInTheSameCycleParallelInTheNext)
{
    struct Case
    {
        int mode;
        float firstCycle, secondCycle;
    };
    for (const Case& c : {Case {State::Sequential, 1.0f, 1.0f}, Case {State::Parallel, 0.0f, 1.0f}}) {
        SCOPED_TRACE(c.mode);
        program->reset();
        program->setMode(c.mode);
        for (Node* node : program->nodes()) {
            for (Slot* slotItem : node->slotList())
                slotItem->reset();
        }
        program->step();
        EXPECT_EQ(blocks[1]->inputValue, c.firstCycle);
        program->step();
        EXPECT_EQ(blocks[1]->inputValue, c.secondCycle);
    }
}

TEST_F(ThreeBlocks, AbortedProgramStepsNoFurtherBlock)
{
    blocks[0]->stepHook = [this](RecordingBlock&) { program->stop(); };
    program->setMode(State::Sequential);
    program->step();
    EXPECT_EQ(blocks[0]->steps.load(), 1);
    EXPECT_EQ(blocks[1]->reads.load(), 0);
    EXPECT_EQ(blocks[2]->reads.load(), 0);
}

TEST_F(ThreeBlocks, ExecutionOrderFollowsThePosition)
{
    // A block added at the place of another follows it.
    auto* twin = static_cast<RecordingBlock*>(program->createNode(RecordingBlock::nodeType()));
    ASSERT_TRUE(twin);
    twin->move(QPoint(120, 60));
    ASSERT_TRUE(program->addNode(twin));
    EXPECT_EQ(program->cycleBlocks().indexOf(twin), 2);
    EXPECT_EQ(twin->orderIndex(), 2u);
    EXPECT_EQ(blocks[2]->orderIndex(), 3u);
    EXPECT_EQ(twin->id(), 4u) << "a new block takes the next id";

    // Moving re-sorts at once and renumbers.
    program->moveNode(twin, QPoint(30, 60));
    EXPECT_EQ(program->cycleBlocks().first(), twin);
    for (int i = 0; i < program->cycleBlocks().size(); ++i)
        EXPECT_EQ(program->cycleBlocks().at(i)->orderIndex(), unsigned(i));

    // Same x: the smaller y goes first.
    program->moveNode(blocks[2], QPoint(60, 30));
    EXPECT_EQ(program->cycleBlocks().indexOf(blocks[2]), 1);
}

TEST_F(ThreeBlocks, ImageBlocksKeepTheirOwnListAndNumbers)
{
    auto* image = program->createNode(ImageRecordingBlock::nodeType());
    ASSERT_TRUE(image);
    image->move(QPoint(90, 90));
    ASSERT_TRUE(program->addNode(image));
    EXPECT_EQ(program->imageBlocks(), QList<Node*>({image}));
    EXPECT_EQ(image->orderIndex(), 0u);
    EXPECT_EQ(program->cycleBlocks().size(), 3);
    EXPECT_EQ(program->nodes().last(), image) << "cycle blocks first, then image blocks";
    EXPECT_EQ(&program->stepLockOf(image), &program->imageStepLock());
    EXPECT_EQ(&program->stepLockOf(blocks[0]), &program->stepLock());

    program->imageStep();
    auto* recorder = static_cast<ImageRecordingBlock*>(image);
    EXPECT_EQ(recorder->steps.load(), 1);
    EXPECT_EQ(program->stepCount(), 0) << "an image step counts no cycle";
    EXPECT_EQ(blocks[0]->steps.load(), 0);
}

namespace {

class FlaglessBlock : public StateNode
{
public:
    FlaglessBlock(State* owner, QGraphicsScene* canvas) : StateNode(owner, canvas, 0, StateNode::baseType()) { }
};

} // namespace

TEST_F(ThreeBlocks, ABlockOfNeitherCycleIsRefused)
{
    auto* block = new FlaglessBlock(program.get(), program->canvas());
    EXPECT_FALSE(program->addNode(block));
    EXPECT_EQ(program->nodes().size(), 3);
    delete block;
    EXPECT_EQ(program->createNode(NodeType()), nullptr) << "no function-block flag";
}

TEST_F(ThreeBlocks, DeletingABlockTakesItAndItsNetsOut)
{
    ASSERT_EQ(program->nets().size(), 1);
    program->deleteNode(blocks[0]);
    EXPECT_EQ(program->cycleBlocks().size(), 2);
    EXPECT_TRUE(program->nets().isEmpty());
    EXPECT_EQ(program->cycleBlocks().first()->orderIndex(), 0u);
    EXPECT_EQ(program->nodeById(1), nullptr);
}

TEST_F(ThreeBlocks, StepModeLetsOnlyGrantedCyclesThrough)
{
    EXPECT_TRUE(program->takeCycleStep()) << "outside step mode every cycle runs";
    program->setStepMode(true);
    EXPECT_FALSE(program->takeCycleStep());
    program->setSteps(2);
    EXPECT_TRUE(program->takeCycleStep());
    EXPECT_TRUE(program->takeCycleStep());
    EXPECT_FALSE(program->takeCycleStep());
    EXPECT_EQ(program->steps(), 0u);
    EXPECT_TRUE(program->takeImageStep());
    EXPECT_TRUE(program->takeImageStep());
    EXPECT_FALSE(program->takeImageStep()) << "image cycles have their own count";
}

TEST_F(ThreeBlocks, RunningProgramIgnoresResetAndStartsAddedBlocksAtOnce)
{
    StateProcessor::Options options;
    options.threaded = false;
    StateProcessor engine(options);
    engine.setEventPoster(recordEvent);
    StateProcessor::install(&engine);

    program->start(nullptr);
    ASSERT_TRUE(program->isRunning());
    for (RecordingBlock* block : blocks)
        EXPECT_EQ(block->starts.load(), 1);
    engine.runCycle();
    engine.runCycle();
    EXPECT_EQ(program->stepCount(), 2);
    program->reset();
    EXPECT_EQ(program->stepCount(), 2) << "reset does nothing while the program runs";

    auto* late = static_cast<RecordingBlock*>(program->createNode(RecordingBlock::nodeType()));
    late->move(QPoint(300, 300));
    ASSERT_TRUE(program->addNode(late));
    EXPECT_EQ(late->starts.load(), 1) << "started at once";
    EXPECT_EQ(late->steps.load(), 0);
    engine.runCycle();
    EXPECT_EQ(late->steps.load(), 1) << "and first runs in the next cycle";

    program->stop();
    EXPECT_FALSE(program->isRunning());
    for (RecordingBlock* block : blocks)
        EXPECT_EQ(block->stops.load(), 1);
    StateProcessor::install(nullptr);
}
