// One engine cycle of a program (State::step) over chains of simple value blocks, in
// both modes: nanoseconds per block. And the real threaded engine over 500 cycles: how
// late each cycle starts against its deadline, with and without real-time scheduling.

#include "NodeFactory.h"
#include "State.h"
#include "StateManager.h"
#include "StateNode.h"
#include "StateProcessor.h"
#include "ValueSlot.h"
#include "WorkspaceFile.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// The simplest computing block: its output is its input scaled and shifted.
class ScaleBlock : public StateNode
{
public:
    static constexpr unsigned short kind = 230;

    ScaleBlock(State* owner, QGraphicsScene* canvas, unsigned id, const NodeType& type)
        : StateNode(owner, canvas, id, type)
    {
    }

    static NodeType nodeType()
    {
        static NodeType type;
        if (type.needsBuild()) {
            type = StateNode::baseType();
            type.setName(QStringLiteral("Scale"));
            type.setFlags(NodeType::EngineCycle);
            type.setMaintype(kind);
            type.addSubtype(QStringLiteral("Scale"), QString());
            type.addValueSlot(QStringLiteral("I"), SlotSpec::Input, SlotSpec::Left, 1.0f);
            type.addValueSlot(QStringLiteral("O"), SlotSpec::Output, SlotSpec::Right, 0.0f);
            nodeFactories().insert(
                kind, [](State* owner, QGraphicsScene* canvas, const NodeType& t, unsigned id) -> StateNode* {
                    return new ScaleBlock(owner, canvas, id, nodeType().withSubtype(t.subtype()));
                });
        }
        return type;
    }

    void readInputs() override { value = input()->value(); }
    int step() override
    {
        value = value * 0.5f + 1.0f;
        return 0;
    }
    void writeOutputs() override { output()->setValue(value); }

private:
    ValueSlot* input() { return static_cast<ValueSlot*>(slot(SlotSpec::Left, 0)); }
    ValueSlot* output() { return static_cast<ValueSlot*>(slot(SlotSpec::Right, 0)); }
    float value = 0.0f;
};

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "programs_State_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives until the process ends: destroyed among the static objects it would crash.
    new QApplication(argc, argv);
    ScaleBlock::nodeType();
}

// A chain of n blocks, each feeding the next, laid out on a grid.
QByteArray chain(int n)
{
    QString text = QStringLiteral("<model type=\"state\" sizex=\"4000\" sizey=\"4000\">");
    for (int i = 1; i <= n; ++i) {
        const int x = 60 + ((i - 1) / 30) * 120;
        const int y = 60 + ((i - 1) % 30) * 60;
        text += QStringLiteral("<node id=\"%1\" maintype=\"230\" subtype=\"0\"><name>s</name>"
                               "<workspace><position x=\"%2\" y=\"%3\"/></workspace></node>")
                    .arg(i)
                    .arg(x)
                    .arg(y);
    }
    for (int i = 1; i < n; ++i) {
        text += QStringLiteral("<net id=\"%1\"><slot nodeid=\"%2\" channel=\"0\" position=\"1\" id=\"1\"/>"
                               "<slot nodeid=\"%1\" channel=\"0\" position=\"2\" id=\"2\"/>"
                               "<line startid=\"2\" endid=\"1\"/></net>")
                    .arg(i)
                    .arg(i + 1);
    }
    return (text + QStringLiteral("</model>")).toUtf8();
}

State* loadChain(StateManager& manager, int n)
{
    WorkspaceFile file;
    if (!file.parse(chain(n)))
        return nullptr;
    return manager.loadState(nullptr, QStringLiteral("/tmp/bench.kdw"), file.root());
}

void stepProgram(benchmark::State& bench, int mode)
{
    ensureApplication();
    const int blocks = int(bench.range(0));
    StateManager manager;
    std::unique_ptr<State> program(loadChain(manager, blocks));
    if (!program || program->nets().size() != blocks - 1) {
        bench.SkipWithError("the program did not load");
        return;
    }
    program->setMode(mode);
    for (auto _ : bench)
        program->step();
    bench.SetItemsProcessed(bench.iterations() * blocks);
    bench.counters["ns_per_block"] = benchmark::Counter(double(bench.iterations()) * blocks,
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                                                        benchmark::Counter::OneK::kIs1000);
    manager.remove(program.get());
}

void BM_StepSequential(benchmark::State& bench)
{
    stepProgram(bench, State::Sequential);
}

void BM_StepParallel(benchmark::State& bench)
{
    stepProgram(bench, State::Parallel);
}

BENCHMARK(BM_StepSequential)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(BM_StepParallel)->Arg(10)->Arg(100)->Arg(1000);

// Lateness of cycle starts, in microseconds.
void reportLateness(benchmark::State& bench, std::vector<std::chrono::nanoseconds> lateness)
{
    std::sort(lateness.begin(), lateness.end());
    auto micro = [](std::chrono::nanoseconds t) { return double(t.count()) / 1000.0; };
    bench.counters["late_min_us"] = micro(lateness.front());
    bench.counters["late_median_us"] = micro(lateness[lateness.size() / 2]);
    bench.counters["late_p99_us"] = micro(lateness[(lateness.size() * 99) / 100]);
    bench.counters["late_max_us"] = micro(lateness.back());
}

void BM_EngineCycleLateness(benchmark::State& bench)
{
    ensureApplication();
    constexpr std::size_t cycles = 500;
    for (auto _ : bench) {
        StateProcessor::Options options;
        options.realtime = bench.range(0) != 0;
        StateProcessor engine(options);
        StateProcessor::install(&engine);
        std::mutex mutex;
        std::condition_variable enough;
        std::vector<std::chrono::nanoseconds> lateness;
        lateness.reserve(cycles + 10);
        engine.setLatenessRecorder([&](std::chrono::nanoseconds late) {
            std::lock_guard lock(mutex);
            if (lateness.size() < cycles)
                lateness.push_back(late);
            if (lateness.size() == cycles)
                enough.notify_all();
        });
        StateManager manager;
        std::unique_ptr<State> program(loadChain(manager, 100));
        program->start(nullptr);
        {
            std::unique_lock lock(mutex);
            enough.wait(lock, [&] { return lateness.size() >= cycles; });
        }
        program->stop();
        engine.stopThreads();
        StateProcessor::install(nullptr);
        manager.remove(program.get());
        reportLateness(bench, lateness);
        bench.counters["overruns"] = engine.overrunCount();
    }
}

BENCHMARK(BM_EngineCycleLateness)
    ->ArgName("realtime")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
