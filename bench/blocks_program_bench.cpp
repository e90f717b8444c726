// One cycle of a program of 1,000 computing blocks of mixed kinds: 100 chains of ten
// blocks, each fed by a constant. Reports the time per block per cycle.
#include "FunctionBlocks.h"
#include "Node.h"
#include "State.h"

#include <QApplication>
#include <QByteArray>
#include <QString>

#include <benchmark/benchmark.h>

#include <libxml/parser.h>

#include <memory>

namespace {

constexpr int chains = 100;
// maintype and subtype of the ten blocks of a chain, in data-flow order.
constexpr int chainKinds[][2] = {{6, 0},  {20, 0}, {16, 0}, {49, 0}, {40, 0},
                                 {38, 0}, {27, 0}, {26, 0}, {15, 0}, {5, 0}};
constexpr int blocksPerChain = int(std::size(chainKinds));

QApplication& application()
{
    static int argc = 1;
    static char name[] = "blocks_program_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

QString nodeElement(int id, int maintype, int subtype, int x, int y)
{
    QString params;
    if (maintype == 6)
        params = QStringLiteral("<param name=\"value\">%1</param>").arg(id % 7);
    if (maintype == 27)
        params = QStringLiteral("<param name=\"depth\">8</param>");
    return QStringLiteral("<node id=\"%1\" maintype=\"%2\" subtype=\"%3\" identifier=\"\" active=\"1\"><name>b</name>%4"
                          "<workspace><position x=\"%5\" y=\"%6\"/></workspace></node>\n")
        .arg(id)
        .arg(maintype)
        .arg(subtype)
        .arg(params)
        .arg(x)
        .arg(y);
}

QString netElement(int id, int source, int target)
{
    return QStringLiteral("<net id=\"%1\"><slot nodeid=\"%2\" channel=\"0\" position=\"1\" id=\"1\"/>"
                          "<slot nodeid=\"%3\" channel=\"0\" position=\"2\" id=\"2\"/>"
                          "<line startid=\"2\" endid=\"1\"/></net>\n")
        .arg(id)
        .arg(target)
        .arg(source);
}

QByteArray mixedProgram(int mode)
{
    QString text =
        QStringLiteral("<model type=\"state\" mode=\"%1\" sizex=\"2000\" sizey=\"7000\"><info/>\n").arg(mode);
    QString nets;
    int netId = 1;
    for (int chain = 0; chain < chains; ++chain) {
        for (int k = 0; k < blocksPerChain; ++k) {
            const int id = chain * blocksPerChain + k + 1;
            text += nodeElement(id, chainKinds[k][0], chainKinds[k][1], 60 + 120 * k, 60 + 60 * chain);
            if (k > 0)
                nets += netElement(netId++, id - 1, id);
        }
    }
    return (text + nets + QStringLiteral("</model>\n")).toUtf8();
}

std::unique_ptr<State> loadProgram(int mode)
{
    application();
    registerFunctionBlocks();
    const QByteArray xml = mixedProgram(mode);
    xmlDoc* document = xmlReadMemory(xml.constData(), int(xml.size()), nullptr, nullptr, XML_PARSE_RECOVER);
    auto program = std::make_unique<State>(0);
    const bool loaded = document && program->load(xmlDocGetRootElement(document));
    xmlFreeDoc(document);
    if (!loaded)
        return nullptr;
    program->reset();
    for (Node* node : program->cycleBlocks())
        node->activate();
    return program;
}

void runCycles(benchmark::State& state, int mode)
{
    std::unique_ptr<State> program = loadProgram(mode);
    if (!program || program->cycleBlocks().size() != chains * blocksPerChain) {
        state.SkipWithError("the program did not load");
        return;
    }
    for (auto _ : state)
        program->step();
    const double blocks = double(program->cycleBlocks().size());
    // Inverted rate: seconds per block and cycle, shown with an SI prefix (ns).
    state.counters["per_block"] = benchmark::Counter(blocks * double(state.iterations()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    for (Node* node : program->cycleBlocks())
        node->deactivate();
}

void BM_MixedBlocksSequential(benchmark::State& state)
{
    runCycles(state, 1);
}

void BM_MixedBlocksParallel(benchmark::State& state)
{
    runCycles(state, 0);
}

} // namespace

BENCHMARK(BM_MixedBlocksSequential)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MixedBlocksParallel)->Unit(benchmark::kMicrosecond);
