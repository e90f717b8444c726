// Charts on the threaded engine: the hand-over after a program's exit runs on the cycle
// thread while the GUI thread ticks the chart and shows the icons it was sent.

#include "chart_helper.h"
#include "program_helper.h"

#include "EmbeddedImages.h"
#include "ManualClock.h"
#include "NodePixmap.h"
#include "State.h"
#include "StateBlock.h"
#include "StateChart.h"
#include "StateManager.h"
#include "StateProcessor.h"
#include "WorkspaceFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ChartEngine : public ChartTest
{
protected:
    void SetUp() override
    {
        ChartTest::SetUp();
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
        clock.setAutoAdvance(true);
        stopAllStateCharts();
        engine->stopThreads();
        ChartTest::TearDown();
        StateProcessor::install(nullptr);
        engine.reset();
    }

    QString block(unsigned id, int x, const QString& name, int after, int code)
    {
        EXPECT_TRUE(writeFile(folder.filePath(name + QStringLiteral(".kdw")), chartfile::program(after, code)));
        return chartfile::stateblock(id, x, 60, QString(), name + QStringLiteral(".kdw"), name);
    }

    StateChart* loadChart(const QString& body)
    {
        const QString fileName = folder.filePath(QStringLiteral("chart.kdw"));
        EXPECT_TRUE(writeFile(fileName, chartfile::chart(body)));
        WorkspaceFile file;
        EXPECT_TRUE(file.read(fileName));
        return manager.loadStateChart(nullptr, fileName, file.root());
    }

    ExitAfterBlock* blockOf(const QString& name)
    {
        auto* program = static_cast<State*>(manager.stateByFileName(folder.filePath(name + QStringLiteral(".kdw"))));
        return static_cast<ExitAfterBlock*>(program->cycleBlocks().first());
    }

    static QStringList inControl(const StateChart* chart)
    {
        QStringList names;
        for (StateBlock* element : chart->stateBlocks()) {
            if (element->isActive())
                names << element->type()->name();
        }
        return names;
    }

    static bool showsRunIcon(StateBlock* element)
    {
        return element->iconItem()->icon().toImage()
            == EmbeddedImages::pixmap(QStringLiteral("stateblock_run.png")).toImage();
    }

    void waitForCycleEnd() { ASSERT_TRUE(clock.waitForSleepers(2)) << "the engine threads did not reach their sleep"; }

    ManualClock clock;
    RecordingComCenter comCenter;
    std::unique_ptr<StateProcessor> engine;
};

TEST_F(ChartEngine, TheHandOverRunsOnTheCycleThread)
{
    StateChart* chart =
        loadChart(chartfile::start(1, 30, 60) + block(2, 120, QStringLiteral("p"), 2, 2)
                  + block(3, 240, QStringLiteral("q"), 2, 1) + chartfile::net(1, 1, 0, 2) + chartfile::net(2, 2, 1, 3));
    ASSERT_TRUE(chart);
    StateBlock* p = chart->stateBlocks().at(0);
    StateBlock* q = chart->stateBlocks().at(1);
    chart->start(nullptr);
    waitForCycleEnd();
    EXPECT_EQ(inControl(chart), QStringList({QStringLiteral("p")}));
    chart->stepTimerTimeout();

    clock.wakeSleepers(); // cycle 2: p ends through exit B, q takes over on the cycle thread
    waitForCycleEnd();
    EXPECT_EQ(inControl(chart), QStringList({QStringLiteral("q")}));
    EXPECT_EQ(blockOf(QStringLiteral("q"))->count, 1) << "q steps in the cycle of the hand-over";
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(showsRunIcon(p));
    EXPECT_TRUE(showsRunIcon(q)) << "the icon change was posted to the GUI thread";
    chart->stepTimerTimeout();
    EXPECT_TRUE(chart->isTicking());

    clock.setAutoAdvance(true); // cycle 3: q ends through exit A, and the run ends
    ASSERT_TRUE(journal().waitFor(QStringLiteral("event:1012")));
    EXPECT_TRUE(inControl(chart).isEmpty());
    chart->stepTimerTimeout();
    EXPECT_FALSE(chart->isTicking());
    EXPECT_EQ(chart->stepCount(), 2);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(showsRunIcon(q));
}

TEST_F(ChartEngine, ASelfLoopingProgramRunsWhileTheChartTicksAndStops)
{
    StateChart* chart = loadChart(chartfile::start(1, 30, 60) + block(2, 120, QStringLiteral("p"), 1, 1)
                                  + chartfile::net(1, 1, 0, 2) + chartfile::net(2, 2, 0, 2));
    ASSERT_TRUE(chart);
    clock.setAutoAdvance(true);
    chart->start(nullptr);
    // The GUI thread ticks and shows icons while the cycle thread restarts p.
    for (int ticks = 0; ticks < 100000 && blockOf(QStringLiteral("p"))->starts < 200; ++ticks) {
        chart->stepTimerTimeout();
        QCoreApplication::sendPostedEvents();
    }
    EXPECT_GE(blockOf(QStringLiteral("p"))->starts, 200);
    EXPECT_TRUE(chart->isTicking()) << "a program in control keeps the chart running";
    chart->stop();
    EXPECT_FALSE(chart->isTicking());
    ASSERT_TRUE(journal().waitFor(QStringLiteral("event:1012")));
    EXPECT_TRUE(runningStates().isEmpty());
}

} // namespace
