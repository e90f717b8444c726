#pragma once

#include <QList>
#include <QString>

#include <libxml/tree.h>

class NodeType;
class QWidget;
class StateBase;
class StateManager;

// What the shell's document commands need of sequence charts, answered by the open charts;
// tests install their own.
class ChartSupport
{
public:
    virtual ~ChartSupport();

    virtual StateBase* newStateChart(StateManager& manager, QWidget* parent);
    virtual StateBase* loadStateChart(StateManager& manager, QWidget* parent, const QString& fileName, xmlNode* root);
    // The programs the chart's steps run, each once.
    virtual QList<StateBase*> referencedStates(StateBase* chart) const;
    // Of those, the modified or untitled ones; and the untitled ones.
    virtual QList<StateBase*> statesToSave(StateBase* chart) const;
    virtual QList<StateBase*> untitledStates(StateBase* chart) const;
    virtual int stateBlockCount(StateBase* chart) const;
    // The chart of every step that runs the program (a chart with two such steps twice).
    virtual QList<StateBase*> referringCharts(StateBase* program) const;
    virtual StateBase* runningReferringChart(StateBase* program) const;
    virtual StateBase* steppedReferringChart(StateBase* program) const;
    virtual void stopAllStateCharts();
    // The program step's descriptor (its first call registers the step's factory), and the
    // start and synchronisation elements for the library.
    virtual NodeType programStepType() const;
    virtual QList<NodeType> chartElementTypes() const;

    static ChartSupport& current();
    // Null puts the default back; the caller keeps ownership.
    static void install(ChartSupport* support);
};
