// Blocks that follow time, run with a clock the test moves by hand.
#include "ProgramRun_helper.h"

#include "BlockClock.h"
#include "ManualClock.h"
#include "Scope.h"
#include "State.h"
#include "VectorView.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace {

using std::chrono::milliseconds;

class TimedBlocks : public testing::Test
{
protected:
    void SetUp() override { BlockClock::setClock(&clock); }
    void TearDown() override { BlockClock::setClock(nullptr); }

    template <typename Kind>
    static Kind* find(ProgramRun& run)
    {
        for (Node* node : run.state().cycleBlocks()) {
            if (auto* block = dynamic_cast<Kind*>(node))
                return block;
        }
        return nullptr;
    }

    ManualClock clock;
};

TEST_F(TimedBlocks, GeneratorWaveformsAtGivenTimes)
{
    ProgramRun run(QStringLiteral("siggen.kdw"));
    ASSERT_TRUE(run.loaded());
    run.start();
    const auto started = clock.now();
    // Columns: square (defaults: 20, 0.5 Hz, 200 ms), ramp (1, 1 Hz), sine (2, 1 Hz).
    struct Sample
    {
        int ms;
        double square, ramp, sine;
    } samples[] = {
        {0, 20, 0, 0},    {199, 20, 0.199, 0.949096}, {200, 0, 0.2, 0.951056},   {250, 0, 0.25, 1},
        {500, 0, 0.5, 0}, {750, 0, 0.75, -1},         {999, 0, 0.999, -0.00628}, {1000, 0, 0, 0},
        {2000, 20, 0, 0}, {2100, 20, 0.1, 0.587785},
    };
    for (const Sample& s : samples) {
        clock.advanceTo(started + milliseconds(s.ms));
        run.run(1);
    }
    run.stop();
    const QStringList lines = run.output();
    ASSERT_EQ(lines.size(), int(std::size(samples)));
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char('\t'));
        ASSERT_EQ(fields.size(), 3);
        EXPECT_NEAR(fields[0].toDouble(), samples[i].square, 1e-5) << samples[i].ms << " ms";
        EXPECT_NEAR(fields[1].toDouble(), samples[i].ramp, 1e-5) << samples[i].ms << " ms";
        EXPECT_NEAR(fields[2].toDouble(), samples[i].sine, 2e-5) << samples[i].ms << " ms";
    }
}

TEST_F(TimedBlocks, GeneratorRestartsItsPeriodAtEveryStart)
{
    ProgramRun run(QStringLiteral("siggen.kdw"));
    ASSERT_TRUE(run.loaded());
    run.start();
    clock.advance(milliseconds(700));
    run.run(1);
    run.stop();
    run.start();
    run.run(1);
    run.stop();
    // The second run begins again with the square pulse and the ramp at 0.
    EXPECT_EQ(run.output(), QStringList {"20\t0\t0"});
}

TEST_F(TimedBlocks, TimeCountsFromStartAndFromReset)
{
    ProgramRun run(QStringLiteral("time.kdw"));
    ASSERT_TRUE(run.loaded());
    run.writeInput({"0", "0", "1", "1", "0", "0"});
    run.start();
    for (int cycle = 0; cycle < 6; ++cycle) {
        clock.advance(milliseconds(20));
        run.run(1);
    }
    run.stop();
    EXPECT_EQ(run.output(), (QStringList {"20", "40", "0", "0", "20", "40"}));
}

TEST_F(TimedBlocks, ScopeSamplesOncePerCycleAfterTheFirst)
{
    ProgramRun run(QStringLiteral("display.kdw"));
    ASSERT_TRUE(run.loaded());
    Scope* scope = find<Scope>(run);
    ASSERT_NE(scope, nullptr);
    EXPECT_EQ(scope->msPerDivision.load(), 100u);
    EXPECT_FLOAT_EQ(scope->scaleY[0].load(), 0.5f);
    run.writeInput({"1\t2\t3\t0", "4\t5\t6\t0", "7\t8\t9\t0"});
    run.start();
    for (int cycle = 0; cycle < 3; ++cycle) {
        run.run(1);
        clock.advance(milliseconds(20));
    }
    // The first cycle only sets the sample clock; the next two store one sample each.
    for (int c = 0; c < Scope::channels; ++c) {
        EXPECT_EQ(scope->buffers[c].last().value, float(7 + c));
        EXPECT_EQ(scope->buffers[c].last().interval, 20);
        EXPECT_EQ(scope->buffers[c].at(1).value, float(4 + c));
        EXPECT_FALSE(scope->buffers[c].at(2).valid);
        EXPECT_EQ(scope->triggerPoint[c].load(), -1);
    }
}

TEST_F(TimedBlocks, ScopeRisingTriggerRestartsTheRecord)
{
    ProgramRun run(QStringLiteral("display.kdw"));
    ASSERT_TRUE(run.loaded());
    Scope* scope = find<Scope>(run);
    ASSERT_NE(scope, nullptr);
    scope->trigger[0] = 1;
    scope->triggerLevel[0] = 0.5f;
    scope->scaleYdialValue[0] = 4;
    scope->updateScaleY(0); // threshold (0.5 - 0) * 2 = 1.0
    run.writeInput({"0.8\t0\t0\t0", "0.8\t0\t0\t0", "1.0\t0\t0\t0", "1.2\t0\t0\t0"});
    run.start();
    for (int cycle = 0; cycle < 3; ++cycle) {
        run.run(1);
        clock.advance(milliseconds(20));
    }
    // 0.8 then 1.0: not above the threshold, no trigger.
    EXPECT_EQ(scope->triggerPoint[0].load(), -1);
    EXPECT_EQ(scope->buffers[0].last().value, 1.0f);
    run.run(1);
    EXPECT_EQ(scope->triggerPoint[0].load(), 0);
    EXPECT_EQ(scope->triggerStart(0), 0);
    EXPECT_EQ(scope->buffers[0].last().value, 1.2f);
    EXPECT_FALSE(scope->buffers[0].at(1).valid);
    // Switching the trigger off makes the channel free-running again.
    scope->trigger[0] = 0;
    clock.advance(milliseconds(20));
    run.run(1);
    EXPECT_EQ(scope->triggerPoint[0].load(), -1);
}

TEST_F(TimedBlocks, VectorViewHoldsTheVectorsOfTheLastCycle)
{
    ProgramRun run(QStringLiteral("display.kdw"));
    ASSERT_TRUE(run.loaded());
    VectorView* view = find<VectorView>(run);
    ASSERT_NE(view, nullptr);
    run.writeInput({"2\t0\t0\t90"});
    run.run(1);
    const QVector<Vector> values = view->values();
    ASSERT_EQ(values.size(), 2);
    EXPECT_FLOAT_EQ(values[0].x(), 2.0f);
    EXPECT_FLOAT_EQ(values[0].y(), 90.0f);
    EXPECT_NEAR(values[1].x(), 0.0f, 1e-5);
    EXPECT_NEAR(values[1].y(), 2.0f, 1e-5);
    // A picture that does not exist is not drawn, and its name is kept.
    EXPECT_TRUE(view->backgroundPixmap().isNull());
    EXPECT_EQ(view->parameters().value(QStringLiteral("background")), QStringLiteral("nowhere.png"));
}

} // namespace
