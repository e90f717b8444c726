// Programs that end by their own exit numbers while the GUI thread starts, stops, closes
// and edits them at random: exactly one thread performs each stop, nothing touches a
// closed program, and every block started is stopped once.

#include "program_helper.h"

#include "ManualClock.h"
#include "State.h"
#include "StateManager.h"
#include "StateProcessor.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace {

constexpr int programCount = 4;
constexpr int blocksPerProgram = 3;
constexpr int actions = 4000;

class ExitStopStress : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerTestBlocks();
        journal().clear();
        // Cycles follow each other at once: exits come as fast as the GUI acts.
        clock.setAutoAdvance(true);
        StateProcessor::Options options;
        options.clock = &clock;
        options.realtime = false;
        engine = std::make_unique<StateProcessor>(options);
        engine->setEventPoster([](QObject*, QEvent* event) { delete event; });
        StateProcessor::install(engine.get());
    }

    void TearDown() override
    {
        engine->stopThreads();
        StateProcessor::install(nullptr);
        for (StateBase* document : manager.states()) {
            manager.remove(document);
            delete document;
        }
        engine.reset();
    }

    State* newProgram()
    {
        State* program = manager.newState(nullptr);
        for (int i = 0; i < blocksPerProgram; ++i)
            addBlock(program, i);
        return program;
    }

    static void addBlock(State* program, int position)
    {
        Node* block = program->createNode(RecordingBlock::nodeType());
        ASSERT_TRUE(block);
        block->move(QPoint(60 + 60 * position, 60));
        ASSERT_TRUE(program->addNode(block));
    }

    static RecordingBlock* recorder(Node* node) { return static_cast<RecordingBlock*>(node); }

    // Some block of the program ends the run within the next few steps.
    void armExit(State* program)
    {
        const QList<Node*> blocks = program->cycleBlocks();
        if (blocks.isEmpty())
            return;
        RecordingBlock* block = recorder(blocks.at(pick(int(blocks.size()))));
        block->exitCode = 1 + pick(3);
        block->exitAtStep = block->steps + 1 + pick(3);
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    ManualClock clock;
    RecordingComCenter comCenter;
    std::unique_ptr<StateProcessor> engine;
    StateManager manager;
    std::mt19937 random {20261210};
};

TEST_F(ExitStopStress, StartStopCloseAndEditWhileProgramsEndByExitNumbers)
{
    std::vector<State*> programs;
    for (int i = 0; i < programCount; ++i)
        programs.push_back(newProgram());

    for (int action = 0; action < actions; ++action) {
        State*& program = programs.at(size_t(pick(programCount)));
        switch (pick(6)) {
        case 0:
        case 1:
            if (!program->isRunning()) {
                armExit(program);
                program->start(nullptr);
            }
            break;
        case 2: program->stop(); break;
        case 3: {
            // Closing: the document goes while its exit may be stopping it.
            manager.remove(program);
            delete program;
            program = newProgram();
            break;
        }
        case 4: addBlock(program, pick(8)); break;
        case 5: {
            const QList<Node*> blocks = program->cycleBlocks();
            if (blocks.size() > 1)
                program->deleteNode(blocks.at(pick(int(blocks.size()))));
            break;
        }
        }
        if (pick(4) == 0)
            std::this_thread::yield();
        QCoreApplication::processEvents();
    }

    for (State* program : programs)
        program->stop();
    QCoreApplication::processEvents();
    for (State* program : programs) {
        EXPECT_FALSE(program->isRunning());
        for (Node* node : program->nodes()) {
            const RecordingBlock* block = recorder(node);
            SCOPED_TRACE(QStringLiteral("program %1 block %2").arg(program->id()).arg(block->id()).toStdString());
            EXPECT_EQ(block->repeatedStops.load(), 0) << "a stop was performed twice";
            // A block added just as its program stops may be stopped without a start.
            EXPECT_GE(block->stops.load(), block->starts.load()) << "each start has its stop";
            EXPECT_LE(block->stops.load(), block->starts.load() + 1);
            EXPECT_EQ(block->stopsDuringStep.load(), 0);
        }
    }
}

} // namespace
