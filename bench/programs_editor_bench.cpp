// The program editor at scale: loading and showing a 1,000-block program with its nets
// in its window, moving a selection of 200 blocks with their nets by one grid step with
// the arrow key, and undoing that move. Each timed step includes the repaint that shows it.

#include "Net.h"
#include "NetLine.h"
#include "NodeFactory.h"
#include "State.h"
#include "StateManager.h"
#include "StateNode.h"
#include "StateView.h"
#include "WorkspaceFile.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class EditBlock : public StateNode
{
public:
    static constexpr unsigned short kind = 231;

    EditBlock(State* owner, QGraphicsScene* canvas, unsigned id, const NodeType& type)
        : StateNode(owner, canvas, id, type)
    {
    }

    static NodeType nodeType()
    {
        static NodeType type;
        if (type.needsBuild()) {
            type = StateNode::baseType();
            type.setName(QStringLiteral("Edit"));
            type.setFlags(NodeType::EngineCycle);
            type.setMaintype(kind);
            type.addSubtype(QStringLiteral("Plus"), QStringLiteral("basicmath_plus.png"));
            type.addValueSlot(QStringLiteral("I"), SlotSpec::Input, SlotSpec::Left, 0.0f);
            type.addValueSlot(QStringLiteral("O"), SlotSpec::Output, SlotSpec::Right, 0.0f);
            nodeFactories().insert(
                kind, [](State* owner, QGraphicsScene* canvas, const NodeType& t, unsigned id) -> StateNode* {
                    return new EditBlock(owner, canvas, id, nodeType().withSubtype(t.subtype()));
                });
        }
        return type;
    }
};

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "programs_editor_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
    EditBlock::nodeType();
}

constexpr int rows = 25;
constexpr int blockCount = 1000;

// Forty columns of 25 blocks; each block feeds the one below it.
QByteArray grid()
{
    QString text = QStringLiteral("<model type=\"state\" sizex=\"4000\" sizey=\"2000\">");
    for (int i = 1; i <= blockCount; ++i) {
        text += QStringLiteral("<node id=\"%1\" maintype=\"231\" subtype=\"0\"><name>e</name>"
                               "<workspace><position x=\"%2\" y=\"%3\"/></workspace></node>")
                    .arg(i)
                    .arg(60 + ((i - 1) / rows) * 96)
                    .arg(60 + ((i - 1) % rows) * 60);
    }
    for (int i = 1; i < blockCount; ++i) {
        if (i % rows == 0)
            continue;
        text += QStringLiteral("<net id=\"%1\"><slot nodeid=\"%2\" channel=\"0\" position=\"1\" id=\"1\"/>"
                               "<slot nodeid=\"%1\" channel=\"0\" position=\"2\" id=\"2\"/>"
                               "<line startid=\"2\" endid=\"1\"/></net>")
                    .arg(i)
                    .arg(i + 1);
    }
    return (text + QStringLiteral("</model>")).toUtf8();
}

State* loadAndShow(StateManager& manager, const QByteArray& text)
{
    WorkspaceFile file;
    if (!file.parse(text))
        return nullptr;
    State* program = manager.loadState(nullptr, QStringLiteral("/tmp/editor_bench.kdw"), file.root());
    if (!program)
        return nullptr;
    program->widget()->resize(1200, 800);
    program->widget()->show();
    program->viewAdded();
    QApplication::processEvents();
    return program;
}

void close(StateManager& manager, State* program)
{
    manager.remove(program);
    delete program;
}

void BM_LoadAndShow1000Blocks(benchmark::State& bench)
{
    ensureApplication();
    const QByteArray text = grid();
    StateManager manager;
    for (auto _ : bench) {
        State* program = loadAndShow(manager, text);
        if (!program || program->nodes().size() != blockCount) {
            bench.SkipWithError("the program did not load");
            return;
        }
        bench.PauseTiming();
        close(manager, program);
        bench.ResumeTiming();
    }
}

// The first 200 blocks (eight columns) and the nets among them, selected.
State* programWithSelection(StateManager& manager)
{
    State* program = loadAndShow(manager, grid());
    if (!program)
        return nullptr;
    QList<Node*> nodes;
    for (int id = 1; id <= 200; ++id)
        nodes.append(program->nodeById(id));
    QList<Net*> nets;
    for (Net* net : program->nets()) {
        if (net->id() < 200)
            nets.append(net);
    }
    program->stateView()->selectItems(nodes, nets);
    QApplication::processEvents();
    return program;
}

void BM_MoveSelectionOf200Blocks(benchmark::State& bench)
{
    ensureApplication();
    StateManager manager;
    State* program = programWithSelection(manager);
    if (!program) {
        bench.SkipWithError("the program did not load");
        return;
    }
    StateView* view = program->stateView();
    int direction = StateView::Right;
    for (auto _ : bench) {
        view->moveSelection(direction);
        QApplication::processEvents();
        direction = direction == StateView::Right ? StateView::Left : StateView::Right;
    }
    close(manager, program);
}

void BM_UndoMoveOf200Blocks(benchmark::State& bench)
{
    ensureApplication();
    StateManager manager;
    State* program = programWithSelection(manager);
    if (!program) {
        bench.SkipWithError("the program did not load");
        return;
    }
    StateView* view = program->stateView();
    for (auto _ : bench) {
        bench.PauseTiming();
        view->moveSelection(StateView::Down);
        QApplication::processEvents();
        bench.ResumeTiming();
        program->undo();
        QApplication::processEvents();
    }
    close(manager, program);
}

BENCHMARK(BM_LoadAndShow1000Blocks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveSelectionOf200Blocks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoMoveOf200Blocks)->Unit(benchmark::kMillisecond);

} // namespace
