#pragma once

#include <atomic>
#include <mutex>

#include "StateBase.h"

#include <QList>
#include <QPointer>

class ChartNode;
class State;
class StateBlock;
class StateManager;
class QTimer;

// A sequence chart: Start, StateBlock and Sync elements joined by transition nets.
// It has no engine cycle: control passes by the transitions, which start and stop
// the programs, and a 100 ms tick in the GUI thread counts steps and stops the chart
// once no StateBlock holds control.
class StateChart : public StateBase
{
    Q_OBJECT

public:
    static constexpr int tickInterval = 100;

    StateChart(StateManager* manager, int id);
    ~StateChart() override;

    void viewAdded() override;
    QWidget* widget() override;
    StateView* stateView() override;
    void setStepMode(bool on) override;
    void setSteps(unsigned n) override;
    bool addNode(Node* node) override;
    void deleteItem(QGraphicsItem* item) override;
    Node* createNode(const NodeType& type) override;
    // A "node" or "stateblock" element, as pasting and undoing a removal give them.
    Node* loadItem(xmlNode* element) override;
    QWidget* createView(QWidget* parent) override;
    bool save() override;
    bool isRunning() const override;
    void reset() override;
    void moveNode(Node* node, const QPoint& point) override;
    Node* nodeById(int id) const override;
    QList<Node*> nodes() const override;
    void removeNode(Node* node) override;
    void prepareStart() override;
    void startProcessing() override;
    void stopProcessing() override;
    void deleteAll() override;
    void updateDatatips() override;
    void showDatatips(bool on) override;

    StateManager* manager() const { return m_manager; }
    // Held while control passes: by the chart's start and stop in the GUI thread and by
    // a program's end, on whichever thread it ends, so a stop cannot cross a hand-over.
    std::recursive_mutex& transitionLock() { return m_transitionLock; }
    // A program this chart started has stopped and is about to report its end: until it
    // has, the chart is not over even if no element is active.
    void endReportPending(int change) { m_pendingEndReports.fetch_add(change); }

    // Whether the chart runs: from its start until a stop (the tick stops it once no
    // program element holds control).
    bool isTicking() const;
    // Fills a new chart whose file name is set from a parsed "model" element.
    bool load(xmlNode* root);
    // The workspace document as save() writes it.
    xmlDoc* createDocument();

    QList<StateBlock*> stateBlocks() const;
    int stateBlockCount() const;
    QList<State*> referencedStates() const;
    QList<State*> statesToSave() const;
    QList<State*> untitledStates() const;

public Q_SLOTS:
    void stepTimerTimeout();

private:
    bool loadElements(xmlNode* root);
    ChartNode* loadElement(xmlNode* element);
    // Shows the chart's element of a program in the editor instead of a second one.
    void selectExisting(StateBlock* block);
    bool loadNets(xmlNode* root);
    unsigned takeNextNodeId();
    StateBlock* stateBlockOf(const State* program) const;

    StateManager* m_manager;
    QTimer* m_stepTimer;
    std::recursive_mutex m_transitionLock;
    std::atomic<int> m_pendingEndReports {0};
    // The chart's window: its editor view alone.
    QPointer<QWidget> m_view;
};

// Every open chart, in creation order.
const QList<StateChart*>& stateCharts();
// Stops every open chart, in creation order.
void stopAllStateCharts();
