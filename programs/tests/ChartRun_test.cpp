// Sequence charts run cycle by cycle on a synchronous engine: programs start and end
// along the transitions, Syncs join branches, the tick stops the chart.

#include "chart_helper.h"

#include "EmbeddedImages.h"
#include "NodePixmap.h"
#include "State.h"
#include "StateBaseStopEvent.h"
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

StateProcessor::Options synchronous()
{
    StateProcessor::Options options;
    options.threaded = false;
    options.realtime = false;
    return options;
}

class ChartRun : public ChartTest
{
protected:
    void SetUp() override
    {
        ChartTest::SetUp();
        StateProcessor::install(&engine);
    }

    void TearDown() override
    {
        ChartTest::TearDown();
        engine.runCycle();
        StateProcessor::install(nullptr);
    }

    // A program file "<name>.kdw" ending through exit `code` in step `after`.
    QString program(const QString& name, int after, int code)
    {
        const QString fileName = folder.filePath(name + QStringLiteral(".kdw"));
        EXPECT_TRUE(writeFile(fileName, chartfile::program(after, code)));
        return fileName;
    }

    QString block(unsigned id, int x, int y, const QString& name)
    {
        return chartfile::stateblock(id, x, y, folder.filePath(name + QStringLiteral(".kdw")),
                                     name + QStringLiteral(".kdw"), name);
    }

    StateChart* loadChart(const QString& body)
    {
        const QString fileName = folder.filePath(QStringLiteral("chart.kdw"));
        EXPECT_TRUE(writeFile(fileName, chartfile::chart(body)));
        WorkspaceFile file;
        EXPECT_TRUE(file.read(fileName));
        StateChart* chart = manager.loadStateChart(nullptr, fileName, file.root());
        EXPECT_TRUE(chart) << shell.boxes.join(QLatin1Char('\n')).toStdString();
        return chart;
    }

    static ExitAfterBlock* blockOf(StateBase* program)
    {
        return static_cast<ExitAfterBlock*>(static_cast<State*>(program)->cycleBlocks().first());
    }

    ExitAfterBlock* blockOf(const QString& name)
    {
        return blockOf(manager.stateByFileName(folder.filePath(name + QStringLiteral(".kdw"))));
    }

    static QString inControl(const StateChart* chart)
    {
        QStringList names;
        for (StateBlock* element : chart->stateBlocks()) {
            if (element->isActive())
                names << element->state()->displayName();
        }
        return names.join(QLatin1Char(','));
    }

    // Cycles as the workspace runner steps them: a tick every fifth cycle. One entry per
    // cycle with the programs in control, until the chart stops or after `cycles`.
    QStringList run(StateChart* chart, int cycles)
    {
        QStringList perCycle;
        for (int n = 1; n <= cycles; ++n) {
            engine.runCycle();
            QCoreApplication::sendPostedEvents();
            if (n % 5 == 0)
                chart->stepTimerTimeout();
            perCycle << inControl(chart);
            if (!chart->isRunning() && !chartTicking(chart))
                break;
        }
        return perCycle;
    }

    static bool chartTicking(const StateChart* chart) { return chart->isTicking(); }

    StateProcessor engine {synchronous()};
};

TEST_F(ChartRun, ControlPassesAlongTheOutputOfTheExitNumber)
{
    program(QStringLiteral("p"), 2, 2);
    program(QStringLiteral("q"), 3, 1);
    program(QStringLiteral("r"), 1, 1);
    StateChart* chart =
        loadChart(chartfile::start(1, 30, 60) + block(2, 120, 60, QStringLiteral("p"))
                  + block(3, 240, 60, QStringLiteral("q")) + block(4, 240, 180, QStringLiteral("r"))
                  + chartfile::net(1, 1, 0, 2) + chartfile::net(2, 2, 1, 3) + chartfile::net(3, 2, 0, 4));
    ASSERT_TRUE(chart);
    chart->start(nullptr);
    EXPECT_EQ(inControl(chart), QStringLiteral("p")) << "the Start fires when the chart starts";

    const QStringList expected = {QStringLiteral("p"), QStringLiteral("q"), QStringLiteral("q"), QString(), QString()};
    EXPECT_EQ(run(chart, 20), expected) << "exit B hands over to q within the cycle; q's exit A leads nowhere";
    EXPECT_EQ(blockOf(QStringLiteral("r"))->starts, 0) << "output A of p does not fire on exit 2";
    EXPECT_EQ(blockOf(QStringLiteral("q"))->starts, 1);
    EXPECT_FALSE(chartTicking(chart)) << "the first tick without a program in control stops the chart";
    EXPECT_EQ(chart->stepCount(), 0);
    const QList<int> events = shell.receivedEvents();
    EXPECT_TRUE(events.contains(StateBaseStopEvent::eventType));
}

TEST_F(ChartRun, TheUserStoppingTheOnlyProgramEndsTheChartAtTheNextTick)
{
    program(QStringLiteral("p"), 0, 0);
    program(QStringLiteral("q"), 1, 1);
    StateChart* chart =
        loadChart(chartfile::start(1, 30, 60) + block(2, 120, 60, QStringLiteral("p"))
                  + block(3, 240, 60, QStringLiteral("q")) + chartfile::net(1, 1, 0, 2) + chartfile::net(2, 2, 0, 3));
    ASSERT_TRUE(chart);
    chart->start(nullptr);
    NodeType drop = StateBlock::nodeType();
    drop.addSubtypeData(manager.newState(nullptr)->id());
    EXPECT_FALSE(chart->createNode(drop)) << "no new program elements while the chart runs";
    EXPECT_EQ(run(chart, 5).size(), 5);
    EXPECT_TRUE(chartTicking(chart));
    EXPECT_EQ(chart->stepCount(), 1);
    manager.stateByFileName(folder.filePath(QStringLiteral("p.kdw")))->stop();
    EXPECT_EQ(inControl(chart), QString()) << "a stop without exit number fires nothing";
    chart->stepTimerTimeout();
    EXPECT_FALSE(chartTicking(chart));
    EXPECT_EQ(blockOf(QStringLiteral("q"))->starts, 0);
}

struct SyncCase
{
    const char* name;
    int variant;
    QStringList perCycle;
    int qSteps;
};

class SyncVariants : public ChartRun, public ::testing::WithParamInterface<SyncCase>
{ };

TEST_P(SyncVariants, JoinTwoBranches)
{
    const SyncCase& c = GetParam();
    program(QStringLiteral("p"), 2, 1);
    program(QStringLiteral("q"), 4, 1);
    program(QStringLiteral("r"), 2, 3);
    StateChart* chart =
        loadChart(chartfile::start(1, 30, 120) + block(2, 120, 60, QStringLiteral("p"))
                  + block(3, 120, 180, QStringLiteral("q")) + chartfile::sync(4, c.variant, 240, 120)
                  + block(5, 360, 120, QStringLiteral("r")) + chartfile::net(1, 1, 0, 2) + chartfile::net(2, 1, 0, 3)
                  + chartfile::net(3, 2, 0, 4) + chartfile::net(4, 3, 0, 4) + chartfile::net(5, 4, 0, 5));
    ASSERT_TRUE(chart);
    chart->start(nullptr);
    EXPECT_EQ(run(chart, 20), c.perCycle);
    EXPECT_EQ(blockOf(QStringLiteral("r"))->starts, 1) << "the Sync fires once";
    EXPECT_EQ(blockOf(QStringLiteral("q"))->count, c.qSteps);
    EXPECT_FALSE(chartTicking(chart));
}

INSTANTIATE_TEST_SUITE_P(Chart, SyncVariants,
                         ::testing::Values(
                             // And waits for q; r runs in the cycle of q's end.
                             SyncCase {"And",
                                       0,
                                       {
                                           "p,q",
                                           "q",
                                           "q",
                                           "r",
                                           "",
                                       },
                                       4},
                             // Or fires at p's end and stops q, which fires nothing.
                             SyncCase {"Or", 1, {"p,q", "r", "", "", ""}, 1}),
                         [](const ::testing::TestParamInfo<SyncCase>& info) { return std::string(info.param.name); });

TEST_F(ChartRun, ExitFourOrMoreFiresEveryOutputAndOnlySyncsReact)
{
    program(QStringLiteral("p"), 1, 4);
    program(QStringLiteral("q"), 0, 0);
    for (const char* name : {"t1", "t2", "t3"})
        program(QLatin1String(name), 0, 0);
    QString body = chartfile::start(1, 30, 60) + block(2, 120, 60, QStringLiteral("p"))
        + block(3, 240, 30, QStringLiteral("q")) + chartfile::net(1, 1, 0, 2) + chartfile::net(2, 2, 0, 3);
    for (unsigned output = 0; output < 3; ++output) {
        const unsigned sync = 4 + 2 * output;
        body += chartfile::sync(sync, 0, 240, 90 + 60 * int(output))
            + block(sync + 1, 360, 90 + 60 * int(output), QStringLiteral("t%1").arg(output + 1))
            + chartfile::net(3 + 2 * output, 2, int(output), sync) + chartfile::net(4 + 2 * output, sync, 0, sync + 1);
    }
    StateChart* chart = loadChart(body);
    ASSERT_TRUE(chart);
    chart->start(nullptr);
    run(chart, 1);
    EXPECT_EQ(inControl(chart), QStringLiteral("t1,t2,t3"));
    EXPECT_EQ(blockOf(QStringLiteral("q"))->starts, 0) << "no StateBlock takes control on exit 4";
}

TEST_F(ChartRun, StepModeHoldsProgramsAndCountsOnlyGrantedTicks)
{
    program(QStringLiteral("p"), 0, 0);
    StateChart* chart =
        loadChart(chartfile::start(1, 30, 60) + block(2, 120, 60, QStringLiteral("p")) + chartfile::net(1, 1, 0, 2));
    ASSERT_TRUE(chart);
    StateBase* p = manager.stateByFileName(folder.filePath(QStringLiteral("p.kdw")));
    chart->setStepMode(true);
    chart->start(nullptr);
    EXPECT_TRUE(p->stepMode()) << "started in step mode";
    struct Step
    {
        unsigned grant;
        int cycles;
        int programSteps;
        int chartSteps;
    };
    // Each row: grant, then cycles with a tick after them.
    const Step steps[] = {
        {0, 3, 0, 0},
        {1, 3, 1, 1}, // one granted step: one cycle of p, one counted tick
        {0, 3, 1, 1},
        {2, 1, 2, 2},
    };
    for (const Step& step : steps) {
        if (step.grant > 0)
            chart->setSteps(step.grant);
        for (int n = 0; n < step.cycles; ++n)
            engine.runCycle();
        chart->stepTimerTimeout();
        EXPECT_EQ(blockOf(p)->count, step.programSteps);
        EXPECT_EQ(chart->stepCount(), step.chartSteps);
    }
    chart->setStepMode(false);
    EXPECT_FALSE(p->stepMode());
    engine.runCycle();
    EXPECT_EQ(blockOf(p)->count, 3);
    chart->stop();
    EXPECT_FALSE(p->isRunning());
}

TEST_F(ChartRun, AProgramLeadingBackToItselfKeepsControl)
{
    program(QStringLiteral("p"), 1, 1);
    StateChart* chart = loadChart(chartfile::start(1, 30, 60) + block(2, 120, 60, QStringLiteral("p"))
                                  + chartfile::net(1, 1, 0, 2) + chartfile::net(2, 2, 0, 2));
    ASSERT_TRUE(chart);
    chart->start(nullptr);
    const QStringList perCycle = run(chart, 12);
    EXPECT_EQ(perCycle, QStringList(12, QStringLiteral("p")));
    EXPECT_EQ(blockOf(QStringLiteral("p"))->starts, 13);
    EXPECT_TRUE(chartTicking(chart));
    EXPECT_EQ(chart->stepCount(), 2);
    StateBlock* element = chart->stateBlocks().first();
    const QImage shown = element->iconItem()->icon().toImage();
    EXPECT_EQ(shown, EmbeddedImages::pixmap(QStringLiteral("stateblock_run.png")).toImage());
    chart->stop();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(element->state()->isRunning());
    EXPECT_EQ(element->iconItem()->icon().toImage(),
              EmbeddedImages::pixmap(QStringLiteral("stateblock.png")).toImage());
}

TEST_F(ChartRun, SyncLoopsEndWithoutRecursion)
{
    struct Case
    {
        const char* name;
        QString syncs;
        QString nets;
    };
    const Case cases[] = {
        {"And into itself", chartfile::sync(3, 0, 120, 60),
         chartfile::net(2, 3, 0, 3) + chartfile::net(3, 1, 0, 3) + chartfile::net(4, 3, 0, 2)},
        {"Or into itself", chartfile::sync(3, 1, 120, 60),
         chartfile::net(2, 3, 0, 3) + chartfile::net(3, 1, 0, 3) + chartfile::net(4, 3, 0, 2)},
        {"two Syncs in a ring", chartfile::sync(3, 0, 120, 60) + chartfile::sync(4, 1, 120, 120),
         chartfile::net(2, 3, 0, 4) + chartfile::net(3, 4, 0, 3) + chartfile::net(4, 1, 0, 3)
             + chartfile::net(5, 4, 0, 2)},
    };
    program(QStringLiteral("p"), 2, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StateChart* chart =
            loadChart(chartfile::start(1, 30, 60) + block(2, 240, 60, QStringLiteral("p")) + c.syncs + c.nets);
        ASSERT_TRUE(chart);
        const int startsBefore = blockOf(QStringLiteral("p"))->starts;
        chart->start(nullptr);
        EXPECT_EQ(blockOf(QStringLiteral("p"))->starts, startsBefore + 1);
        run(chart, 10);
        EXPECT_FALSE(chartTicking(chart));
        manager.remove(chart);
        delete chart;
    }
}

TEST_F(ChartRun, AProgramOutlivesItsDeletedElementAndChart)
{
    program(QStringLiteral("p"), 3, 1);
    StateChart* chart =
        loadChart(chartfile::start(1, 30, 60) + block(2, 120, 60, QStringLiteral("p")) + chartfile::net(1, 1, 0, 2));
    ASSERT_TRUE(chart);
    chart->start(nullptr);
    StateBase* p = manager.stateByFileName(folder.filePath(QStringLiteral("p.kdw")));
    chart->deleteItem(chart->stateBlocks().first()->iconItem());
    EXPECT_TRUE(p->isRunning()) << "deleting the element leaves its program running";
    EXPECT_EQ(p->startedBy(), nullptr);
    manager.remove(chart);
    delete chart;
    for (int n = 0; n < 5; ++n)
        engine.runCycle();
    EXPECT_FALSE(p->isRunning()) << "it ends through its exit, reporting to nobody";
}

TEST_F(ChartRun, StopAllStateChartsStopsEveryChart)
{
    program(QStringLiteral("p"), 0, 0);
    StateChart* chart =
        loadChart(chartfile::start(1, 30, 60) + block(2, 120, 60, QStringLiteral("p")) + chartfile::net(1, 1, 0, 2));
    ASSERT_TRUE(chart);
    chart->start(nullptr);
    ASSERT_TRUE(stateCharts().contains(chart));
    stopAllStateCharts();
    EXPECT_FALSE(chart->isRunning());
    EXPECT_FALSE(chartTicking(chart));
    EXPECT_FALSE(blockOf(QStringLiteral("p"))->owner()->isRunning());
}

} // namespace
