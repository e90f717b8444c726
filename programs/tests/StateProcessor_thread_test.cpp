// The threaded engine, run cycle by cycle on a hand-driven clock: each test waits until
// both engine threads sleep at the end of a cycle, looks, and lets the next cycle run.

#include "program_helper.h"

#include "BinarySemaphore.h"
#include "ManualClock.h"
#include "State.h"
#include "StateManager.h"
#include "StateProcessor.h"

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

class Engine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerTestBlocks();
        journal().clear();
        StateProcessor::Options options;
        options.clock = &clock;
        options.realtime = false;
        engine = std::make_unique<StateProcessor>(options);
        engine->setEventPoster(recordEvent);
        StateProcessor::install(engine.get());
    }

    void TearDown() override
    {
        stopEngine();
        StateProcessor::install(nullptr);
        for (StateBase* document : manager.states()) {
            manager.remove(document);
            delete document;
        }
        engine.reset();
    }

    // A program of `count` recording blocks labelled <name>1, <name>2 … in execution
    // order, with an image block when asked.
    State* program(const QString& name, int count, bool withImage = false)
    {
        QString body;
        for (int i = 1; i <= count; ++i)
            body += workspace::node(unsigned(i), RecordingBlock::kind, 60 * i, 60);
        if (withImage)
            body += workspace::node(unsigned(count + 1), ImageRecordingBlock::kind, 60, 180);
        State* result = loadProgram(manager, workspace::model(body), QStringLiteral("/tmp/%1.kdw").arg(name));
        EXPECT_TRUE(result);
        if (!result)
            return nullptr;
        for (int i = 0; i < count; ++i)
            block(result, i)->label = name + QString::number(i + 1);
        return result;
    }

    static RecordingBlock* block(State* program, int index)
    {
        return static_cast<RecordingBlock*>(program->cycleBlocks().at(index));
    }

    static RecordingBlock* imageBlock(State* program)
    {
        return static_cast<RecordingBlock*>(program->imageBlocks().first());
    }

    // Ends the threads; tests whose block hooks capture locals call it before returning.
    void stopEngine()
    {
        clock.setAutoAdvance(true); // lets sleeping engine threads go
        engine->stopThreads();
    }

    // Both engine threads asleep at the end of their cycle.
    void waitForCycleEnd()
    {
        ASSERT_TRUE(clock.waitForSleepers(2))
            << "engine threads did not reach their sleep: " << journal().entries().join(QLatin1Char(' ')).toStdString();
    }
    void nextCycle() { clock.wakeSleepers(); }

    // After the last program stopped: time flows until the cycle thread ended the run.
    void letTimeRunUntilTheRunEnds()
    {
        clock.setAutoAdvance(true);
        ASSERT_TRUE(journal().waitFor(QStringLiteral("event:1012")));
        clock.setAutoAdvance(false);
    }

    // The journal without the reads, writes, starts and stops of blocks.
    static QStringList runEvents()
    {
        QStringList events;
        for (const QString& entry : journal().entries()) {
            if (entry.startsWith(QLatin1String("event:")) || entry == QLatin1String("exchange")
                || entry.startsWith(QLatin1String("step:")))
                events << entry;
        }
        return events;
    }

    ManualClock clock;
    RecordingComCenter comCenter;
    std::unique_ptr<StateProcessor> engine;
    StateManager manager;
};

// Holds a block inside its step until the test lets it go.
struct StepLatch
{
    BinarySemaphore entered {true};
    BinarySemaphore proceed {true};
    std::atomic<bool> armed {false};

    std::function<void(RecordingBlock&)> hook()
    {
        return [this](RecordingBlock&) {
            if (!armed.exchange(false))
                return;
            entered.release();
            proceed.acquire();
        };
    }
};

} // namespace

TEST_F(Engine, EventOrderOverFiveCyclesAndARestart)
{
    State* a = program(QStringLiteral("A"), 1);
    ASSERT_TRUE(a);
    a->start(nullptr);
    for (int cycle = 1; cycle <= 5; ++cycle) {
        waitForCycleEnd();
        if (cycle < 5)
            nextCycle();
    }
    a->stop();
    nextCycle();
    ASSERT_TRUE(journal().waitFor(QStringLiteral("event:1012")));
    const QString stop = QStringLiteral("event:1001:%1").arg(a->id());
    EXPECT_EQ(runEvents(),
              QStringList({"event:1011", "exchange", "event:1000", "step:A1", "exchange", "step:A1", "exchange",
                           "event:1000", "step:A1", "exchange", "step:A1", "exchange", "event:1000", "step:A1",
                           "exchange", stop, "event:1012"}));

    journal().clear();
    a->start(nullptr);
    waitForCycleEnd();
    EXPECT_EQ(runEvents(), QStringList({"event:1011", "exchange", "event:1000", "step:A1", "exchange"}))
        << "a new run starts with the start event and an exchange before its first cycle";
}

TEST_F(Engine, StepModeGrantsExactlyOneCycleToEachThread)
{
    State* a = program(QStringLiteral("A"), 1, true);
    ASSERT_TRUE(a);
    a->setStepMode(true);
    a->start(nullptr);
    for (int cycle = 0; cycle < 3; ++cycle) {
        waitForCycleEnd();
        nextCycle();
    }
    waitForCycleEnd();
    EXPECT_TRUE(a->isRunning()) << "a paused program stays in the running list";
    EXPECT_EQ(block(a, 0)->steps.load(), 0);
    EXPECT_EQ(imageBlock(a)->steps.load(), 0);

    a->setSteps(1);
    for (int cycle = 0; cycle < 3; ++cycle) {
        nextCycle();
        waitForCycleEnd();
    }
    EXPECT_EQ(block(a, 0)->steps.load(), 1);
    EXPECT_EQ(imageBlock(a)->steps.load(), 1);
    EXPECT_EQ(a->stepCount(), 1);
}

TEST_F(Engine, AnExitNumberStopsTheProgramInsideThatCycle)
{
    struct Case
    {
        int mode;
        int thirdReads;
        int firstWrites;
    };
    for (const Case& c : {Case {State::Sequential, 2, 3}, Case {State::Parallel, 3, 2}}) {
        SCOPED_TRACE(c.mode);
        journal().clear();
        State* a = program(QStringLiteral("M%1").arg(c.mode), 3);
        ASSERT_TRUE(a);
        a->setMode(c.mode);
        block(a, 1)->exitAtStep = 3;
        block(a, 1)->exitCode = 2;
        a->start(nullptr);
        for (int cycle = 1; cycle < 3; ++cycle) {
            waitForCycleEnd();
            nextCycle();
        }
        // The image thread may find the list empty in the third cycle and go to its
        // gate: wait for the third cycle's exchange instead of two sleepers.
        ASSERT_TRUE(journal().waitFor(QStringLiteral("exchange"), 4));
        EXPECT_FALSE(a->isRunning());
        EXPECT_EQ(a->exitCode(), 2);
        EXPECT_EQ(a->stepCount(), 3);
        EXPECT_EQ(journal().count(QStringLiteral("event:1001:%1").arg(a->id())), 1);
        EXPECT_EQ(block(a, 0)->writes.load(), c.firstWrites);
        EXPECT_EQ(block(a, 1)->writes.load(), 2) << "the exiting block writes nothing";
        EXPECT_EQ(block(a, 2)->steps.load(), 2);
        EXPECT_EQ(block(a, 2)->reads.load(), c.thirdReads);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(block(a, i)->stops.load(), 1);
            EXPECT_EQ(block(a, i)->stopsDuringStep.load(), 0);
        }
        letTimeRunUntilTheRunEnds();
    }
}

TEST_F(Engine, RemovingOneProgramWhileAnotherIsSteppedSkipsNothing)
{
    State* a = program(QStringLiteral("A"), 1);
    State* b = program(QStringLiteral("B"), 1);
    State* c = program(QStringLiteral("C"), 1);
    ASSERT_TRUE(a && b && c);
    StepLatch latch;
    block(b, 0)->stepHook = latch.hook();
    a->start(nullptr);
    b->start(nullptr);
    c->start(nullptr);
    waitForCycleEnd();
    nextCycle();
    waitForCycleEnd(); // a full cycle with all three listed
    ASSERT_EQ(engine->runningStates(), QList<State*>({a, b, c}));
    const int aSteps = block(a, 0)->steps;
    const int bSteps = block(b, 0)->steps;
    const int cSteps = block(c, 0)->steps;

    latch.armed = true;
    nextCycle();
    latch.entered.acquire(); // B is inside its step; A, before it in the list, was stepped
    a->stop();
    EXPECT_FALSE(a->isRunning());
    EXPECT_EQ(engine->count(), 2);
    latch.proceed.release();
    waitForCycleEnd();
    EXPECT_EQ(block(a, 0)->steps.load(), aSteps + 1);
    EXPECT_EQ(block(b, 0)->steps.load(), bSteps + 1) << "B is not stepped twice";
    EXPECT_EQ(block(c, 0)->steps.load(), cSteps + 1) << "C after B is not skipped";

    nextCycle();
    waitForCycleEnd();
    EXPECT_EQ(block(a, 0)->steps.load(), aSteps + 1);
    EXPECT_EQ(block(b, 0)->steps.load(), bSteps + 2);
    EXPECT_EQ(block(c, 0)->steps.load(), cSteps + 2);
    stopEngine();
}

TEST_F(Engine, StoppingAProgramDuringItsStepWaitsForTheStepAndStopsNoBlockInside)
{
    State* a = program(QStringLiteral("A"), 2);
    ASSERT_TRUE(a);
    a->setMode(State::Sequential);
    StepLatch latch;
    block(a, 0)->stepHook = latch.hook();
    a->start(nullptr);
    waitForCycleEnd();
    const int secondSteps = block(a, 1)->steps;

    latch.armed = true;
    nextCycle();
    latch.entered.acquire();
    std::atomic<bool> stopped {false};
    std::thread stopper([&] {
        a->stop();
        stopped = true;
    });
    while (!a->isAborted())
        std::this_thread::yield();
    EXPECT_FALSE(stopped.load() && block(a, 0)->stops.load() > 0) << "stopped while the step still runs";
    latch.proceed.release();
    stopper.join();
    EXPECT_TRUE(stopped.load());
    EXPECT_FALSE(a->isRunning());
    EXPECT_EQ(block(a, 1)->steps.load(), secondSteps) << "the step ended at the next block boundary";
    EXPECT_EQ(block(a, 0)->stopsDuringStep.load(), 0) << "no block is stopped inside its own step";
    EXPECT_EQ(block(a, 0)->stops.load(), 1);

    letTimeRunUntilTheRunEnds();
    EXPECT_EQ(block(a, 0)->steps.load(), 2);
    EXPECT_EQ(block(a, 1)->steps.load(), secondSteps);
    stopEngine();
}

TEST_F(Engine, AnOverrunStartsTheNextCycleAtOnceWithoutCatchingUp)
{
    std::mutex latenessMutex;
    std::vector<std::chrono::nanoseconds> lateness;
    engine->setLatenessRecorder([&](std::chrono::nanoseconds late) {
        std::lock_guard lock(latenessMutex);
        lateness.push_back(late);
    });
    State* a = program(QStringLiteral("A"), 1);
    ASSERT_TRUE(a);
    std::atomic<int> frequencyAfterOverrun {0};
    block(a, 0)->stepHook = [&](RecordingBlock& self) {
        if (self.steps == 1)
            clock.advance(25ms);
        else if (self.steps == 2)
            frequencyAfterOverrun = cycleFrequency.load();
    };
    const auto start = clock.now();
    a->start(nullptr);
    waitForCycleEnd();
    EXPECT_EQ(block(a, 0)->steps.load(), 2) << "the second cycle followed at once";
    EXPECT_EQ(frequencyAfterOverrun.load(), 40);
    EXPECT_EQ(engine->overrunCount(), 1);
    EXPECT_EQ(clock.earliestDeadline(), start + 45ms) << "the next deadline counts from the late start";
    {
        std::lock_guard lock(latenessMutex);
        EXPECT_EQ(lateness, std::vector<std::chrono::nanoseconds>({0ns, 0ns}));
    }
    nextCycle();
    waitForCycleEnd();
    EXPECT_EQ(cycleFrequency.load(), 50);
    EXPECT_EQ(imageFrequency.load(), 50);
    EXPECT_EQ(engine->overrunCount(), 1);
    stopEngine();
}

TEST_F(Engine, StopThreadsStopsProgramsAndEndsAWaitingImageFetch)
{
    comCenter.holdImages = true; // the image thread waits in its fetch like with a connected robot
    State* a = program(QStringLiteral("A"), 1);
    ASSERT_TRUE(a);
    a->start(nullptr);
    ASSERT_TRUE(clock.waitForSleepers(1));
    clock.setAutoAdvance(true);
    engine->stopThreads();
    EXPECT_FALSE(a->isRunning());
    EXPECT_FALSE(engine->isRunning());
    EXPECT_EQ(journal().count(QStringLiteral("event:1001:%1").arg(a->id())), 1);
    EXPECT_EQ(journal().count(QStringLiteral("event:1011")), 1) << "no start event on the way out";
    EXPECT_EQ(journal().count(QStringLiteral("event:1012")), 1);
}

TEST_F(Engine, AddingTwiceAndRemovingAnUnlistedProgramChangeNothing)
{
    State* a = program(QStringLiteral("A"), 1);
    ASSERT_TRUE(a);
    engine->removeState(a);
    EXPECT_EQ(journal().count(QStringLiteral("event:1001:%1").arg(a->id())), 0)
        << "no event for a program that did not run";
    a->start(nullptr);
    engine->addState(a);
    EXPECT_EQ(engine->count(), 1);
    EXPECT_TRUE(engine->contains(a));
    waitForCycleEnd();
    EXPECT_EQ(block(a, 0)->steps.load(), 1);
}

TEST(SynchronousEngine, RunsCyclesInTheCallersThread)
{
    registerTestBlocks();
    journal().clear();
    RecordingComCenter comCenter;
    StateProcessor::Options options;
    options.threaded = false;
    StateProcessor engine(options);
    engine.setEventPoster(recordEvent);
    StateProcessor::install(&engine);
    StateManager manager;
    std::unique_ptr<State> a(loadProgram(manager,
                                         workspace::model(workspace::node(1, RecordingBlock::kind, 60, 60)
                                                          + workspace::node(2, ImageRecordingBlock::kind, 60, 120))));
    ASSERT_TRUE(a);
    auto* recorder = static_cast<RecordingBlock*>(a->cycleBlocks().first());
    auto* imageRecorder = static_cast<RecordingBlock*>(a->imageBlocks().first());
    recorder->exitAtStep = 3;
    recorder->exitCode = 1;
    EXPECT_FALSE(engine.runCycle()) << "nothing runs";
    a->start(nullptr);
    int cycles = 0;
    while (engine.runCycle())
        ++cycles;
    EXPECT_EQ(cycles, 3);
    EXPECT_EQ(a->exitCode(), 1);
    EXPECT_FALSE(a->isRunning());
    EXPECT_EQ(imageRecorder->steps.load(), 2) << "no image cycle after the exit";
    EXPECT_EQ(journal().entries(),
              QStringList({"event:1011", "exchange", "event:1000", "exchange", "exchange", "event:1000",
                           QStringLiteral("event:1001:%1").arg(a->id()), "exchange", "event:1012"}));
    manager.remove(a.get());
    StateProcessor::install(nullptr);
}

TEST(SynchronousEngine, ProcessWideFunctionsAddressTheInstalledEngine)
{
    registerTestBlocks();
    journal().clear();
    StateProcessor::Options options;
    options.threaded = false;
    StateProcessor engine(options);
    engine.setEventPoster(recordEvent);
    StateProcessor::install(&engine);
    StateManager manager;
    State* a = loadProgram(manager, workspace::model(workspace::node(1, RecordingBlock::kind, 60, 60)),
                           QStringLiteral("/tmp/a.kdw"));
    State* b = loadProgram(manager, workspace::model(workspace::node(1, RecordingBlock::kind, 60, 60)),
                           QStringLiteral("/tmp/b.kdw"));
    ASSERT_TRUE(a && b);
    EXPECT_FALSE(isAnyStateRunning());
    b->start(nullptr);
    a->start(nullptr);
    EXPECT_TRUE(isAnyStateRunning());
    EXPECT_EQ(runningStates(), QList<State*>({b, a})) << "in start order";
    stopAllStates();
    EXPECT_FALSE(isAnyStateRunning());
    EXPECT_FALSE(a->isRunning() || b->isRunning());
    EXPECT_EQ(
        journal().entries(),
        QStringList({QStringLiteral("event:1001:%1").arg(b->id()), QStringLiteral("event:1001:%1").arg(a->id())}));
    for (StateBase* document : manager.states()) {
        manager.remove(document);
        delete document;
    }
    StateProcessor::install(nullptr);
}
