#pragma once

#include "StateBase.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>

#include <atomic>
#include <functional>
#include <mutex>

class StateBlock;
class StateProcessor;

// A function-block program: its blocks in two execution lists (engine cycle and image
// cycle, each in canvas order), its nets, the cycle step the engine calls every 20 ms,
// and its workspace file.
class State : public StateBase
{
    Q_OBJECT

public:
    enum Mode { Parallel = 0, Sequential = 1 };

    explicit State(int id);
    ~State() override;

    void viewAdded() override;
    QWidget* widget() override;
    StateView* stateView() override;
    void setSteps(unsigned n) override;
    bool addNode(Node* node) override;
    void deleteItem(QGraphicsItem* item) override;
    Node* createNode(const NodeType& type) override;
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
    std::mutex& stepLockOf(const Node* node) override;
    Node* loadItem(xmlNode* element) override;

    // Engine side: one engine cycle and one image cycle.
    void step();
    void imageStep();
    // Step mode: whether the engine may step the program in this cycle (it takes one
    // of the granted cycles); always true outside step mode.
    bool takeCycleStep();
    bool takeImageStep();
    unsigned imageSteps() const { return m_imageSteps.load(); }
    // The engine that runs the program, null while it does not run.
    StateProcessor* listedBy() const { return m_listedBy.load(); }
    void setListedBy(StateProcessor* engine) { m_listedBy.store(engine); }

    int mode() const { return m_mode.load(); }
    void setMode(int mode) { m_mode.store(mode); }
    bool showSortIndex() const { return m_showSortIndex; }
    void setShowSortIndex(bool on);
    void insertSorted(Node* node, QList<Node*>& list);
    void renumber(QList<Node*>& list);
    void updateOrderBadges(QList<Node*>& list);
    const QList<Node*>& cycleBlocks() const { return m_nodeList; }
    const QList<Node*>& imageBlocks() const { return m_imageList; }
    std::mutex& imageStepLock() { return m_imageStepLock; }

    // Removes the block from its list and deletes it.
    void deleteNode(Node* node);
    QList<Node*> constNodes() const;

    // The chart elements that run this program. Changed on the GUI thread while a program ending
    // on the cycle thread may read them, hence the lock.
    QList<StateBlock*> referringBlocks() const;
    bool isReferenced() const;
    void addReferrer(StateBlock* block);
    void removeReferrer(StateBlock* block);
    QList<StateChart*> referringCharts() const;
    StateChart* runningReferringChart() const;
    StateChart* steppedReferringChart() const;

    int paneSize0() const { return m_size0; }
    int paneSize1() const { return m_size1; }

    // The workspace file: the program from a parsed "model" element.
    bool load(xmlNode* model);

private:
    QList<Node*>* listFor(const Node* node);
    bool isListed(const Node* node) const;
    // Calls the action for every block of both lists, each list under its step lock.
    void forEachListedBlock(const std::function<void(Node*)>& action);
    void stepSequential();
    void stepParallel();
    void stepImagesSequential();
    void stepImagesParallel();
    void loadNodes(xmlNode* model, bool& ok);
    void loadNets(xmlNode* model);
    void readModelAttributes(xmlNode* model);
    void announceEndTo(StateChart* starter) override;
    void reportEndTo(StateChart* starter) override;
    xmlDoc* createDocument() const;

    QPointer<QWidget> m_view;
    QList<Node*> m_imageList;
    std::mutex m_imageStepLock;
    std::atomic<unsigned> m_imageSteps {0};
    std::atomic<int> m_mode {Parallel};
    bool m_showSortIndex = false;
    QList<StateBlock*> m_referrers;
    mutable std::mutex m_referrersLock;
    int m_size0 = 0;
    int m_size1 = 0;
    std::atomic<StateProcessor*> m_listedBy {nullptr};
};
