// Edits of a running program from the GUI thread while the cycle thread steps it.

#include "editor_helper.h"

#include "ManualClock.h"
#include "Net.h"
#include "State.h"
#include "StateProcessor.h"
#include "StateView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <memory>

namespace {

class RunningEdit : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        journal().clear();
        StateProcessor::Options options;
        options.clock = &clock;
        options.realtime = false;
        engine = std::make_unique<StateProcessor>(options);
        engine->setEventPoster(recordEvent);
        StateProcessor::install(engine.get());
        clock.setAutoAdvance(true);
    }

    void TearDown() override
    {
        clock.setAutoAdvance(true);
        engine->stopThreads();
        EditorTest::TearDown();
        StateProcessor::install(nullptr);
        engine.reset();
    }

    // Waits (GUI events flowing) until the block has stepped; false after the limit.
    static bool waitForSteps(RecordingBlock* block, int steps)
    {
        QElapsedTimer waited;
        waited.start();
        while (block->steps.load() < steps) {
            if (waited.elapsed() > 20000)
                return false;
            QApplication::processEvents();
            QTest::qSleep(1);
        }
        return true;
    }

    ManualClock clock;
    std::unique_ptr<StateProcessor> engine;
};

TEST_F(RunningEdit, PastedBlocksRunFromTheNextCycle)
{
    load(twoJoinedBlocks());
    alignInputWithOutput(1, 2);
    click(block(1)->position());
    click(block(2)->position(), Qt::ShiftModifier);
    click((slotPoint(1, 2, 0) + slotPoint(2, 1, 0)) / 2, Qt::ShiftModifier);
    program->copy();
    program->start(nullptr);
    ASSERT_TRUE(waitForSteps(static_cast<RecordingBlock*>(block(1)), 3));
    program->paste();
    ASSERT_EQ(program->nodes().size(), 4);
    auto* pastedFirst = static_cast<RecordingBlock*>(block(3));
    auto* pastedSecond = static_cast<RecordingBlock*>(block(4));
    ASSERT_TRUE(pastedFirst && pastedSecond);
    EXPECT_TRUE(waitForSteps(pastedFirst, 3));
    EXPECT_TRUE(waitForSteps(pastedSecond, 3));
    // The pasted net carries the value: I1 + 1 of the first feeds the second.
    EXPECT_GE(pastedFirst->starts.load(), 1);
    // Moving, undoing and deleting while it runs.
    view->selectItems({pastedFirst}, {});
    QTest::keyClick(view, Qt::Key_Right);
    program->undo();
    program->undo();
    EXPECT_EQ(program->nodes().size(), 2);
    auto* original = static_cast<RecordingBlock*>(block(2));
    ASSERT_TRUE(original);
    EXPECT_TRUE(waitForSteps(original, original->steps.load() + 2));
    program->stop();
}

} // namespace
