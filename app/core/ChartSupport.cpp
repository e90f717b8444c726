#include "ChartSupport.h"

#include "NodeType.h"
#include "Start.h"
#include "State.h"
#include "StateBlock.h"
#include "StateChart.h"
#include "StateManager.h"
#include "Sync.h"

namespace {
ChartSupport* installedSupport = nullptr;

template <typename T>
QList<StateBase*> documents(const QList<T*>& list)
{
    return QList<StateBase*>(list.cbegin(), list.cend());
}

// The chart behind a document; null for a program.
StateChart* chartOf(StateBase* document)
{
    return qobject_cast<StateChart*>(document);
}

// The first open chart with a step running the program that satisfies `wanted`.
template <typename Wanted>
StateBase* referringChart(StateBase* program, Wanted wanted)
{
    for (StateChart* chart : stateCharts())
        for (StateBlock* step : chart->stateBlocks())
            if (step->state() == program && wanted(chart))
                return chart;
    return nullptr;
}
} // namespace

ChartSupport::~ChartSupport() = default;

StateBase* ChartSupport::newStateChart(StateManager& manager, QWidget* parent)
{
    return manager.newStateChart(parent);
}

StateBase* ChartSupport::loadStateChart(StateManager& manager, QWidget* parent, const QString& fileName, xmlNode* root)
{
    return manager.loadStateChart(parent, fileName, root);
}

QList<StateBase*> ChartSupport::referencedStates(StateBase* chart) const
{
    StateChart* c = chartOf(chart);
    return c ? documents(c->referencedStates()) : QList<StateBase*>();
}

QList<StateBase*> ChartSupport::statesToSave(StateBase* chart) const
{
    StateChart* c = chartOf(chart);
    return c ? documents(c->statesToSave()) : QList<StateBase*>();
}

QList<StateBase*> ChartSupport::untitledStates(StateBase* chart) const
{
    StateChart* c = chartOf(chart);
    return c ? documents(c->untitledStates()) : QList<StateBase*>();
}

int ChartSupport::stateBlockCount(StateBase* chart) const
{
    StateChart* c = chartOf(chart);
    return c ? c->stateBlockCount() : 0;
}

QList<StateBase*> ChartSupport::referringCharts(StateBase* program) const
{
    QList<StateBase*> charts;
    for (StateChart* chart : stateCharts())
        for (StateBlock* step : chart->stateBlocks())
            if (step->state() == program)
                charts.append(chart);
    return charts;
}

StateBase* ChartSupport::runningReferringChart(StateBase* program) const
{
    return referringChart(program, [](StateChart* chart) { return chart->isTicking(); });
}

StateBase* ChartSupport::steppedReferringChart(StateBase* program) const
{
    return referringChart(program, [](StateChart* chart) { return chart->stepMode(); });
}

void ChartSupport::stopAllStateCharts()
{
    ::stopAllStateCharts();
}

NodeType ChartSupport::programStepType() const
{
    return StateBlock::nodeType();
}

QList<NodeType> ChartSupport::chartElementTypes() const
{
    return {Start::nodeType(), Sync::nodeType()};
}

ChartSupport& ChartSupport::current()
{
    static ChartSupport fallback;
    return installedSupport ? *installedSupport : fallback;
}

void ChartSupport::install(ChartSupport* support)
{
    installedSupport = support;
}
