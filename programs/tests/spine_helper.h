#pragma once

// Stand-ins for the parts around the block model: a minimal document, a block that
// logs its cycle calls, and a shell that records status texts and posted events.

#include "Node.h"
#include "ShellServices.h"
#include "StateBase.h"

#include <QEvent>
#include <QObject>
#include <QStringList>

#include <atomic>

class SpineTestNode : public Node
{
public:
    SpineTestNode(QGraphicsScene* canvas, unsigned id, const NodeType& type, StateBase* owner);
    ~SpineTestNode() override;

    bool saveXml(xmlNode*) override { return true; }
    void connectionChanged(Slot*) override { ++connectionChanges; }
    void start() override { log << "start"; }
    void stop() override { log << "stop"; }
    void reset() override { log << "reset"; }
    void readInputs() override { log << "read"; }
    void writeOutputs() override { log << "write"; }
    int step() override
    {
        log << "step";
        return stepResult;
    }

    QStringList log;
    int connectionChanges = 0;
    int stepResult = 0;
};

class SpineTestProgram : public StateBase
{
public:
    explicit SpineTestProgram(int id = 0, StateBase_t::statebase_t kind = StateBase_t::Program);
    ~SpineTestProgram() override;

    void viewAdded() override { setReady(); }
    QWidget* widget() override { return viewWidget(); }
    StateView* stateView() override { return nullptr; }
    void setSteps(unsigned n) override { m_steps.store(n); }
    bool addNode(Node* node) override;
    void deleteItem(QGraphicsItem* item) override;
    Node* createNode(const NodeType& type) override;
    QWidget* createView(QWidget* parent) override;
    bool save() override { return true; }
    bool isRunning() const override { return running.load(); }
    void reset() override;
    void moveNode(Node* node, const QPoint& point) override { node->move(point); }
    Node* nodeById(int id) const override;
    QList<Node*> nodes() const override { return m_nodeList; }
    void removeNode(Node* node) override;
    void prepareStart() override { log << "prepareStart"; }
    void startProcessing() override;
    void stopProcessing() override;
    void deleteAll() override;
    void updateDatatips() override;
    void showDatatips(bool on) override;

    // Creates, inserts, places and shows a block of that type.
    SpineTestNode* place(const NodeType& type, const QPoint& at);
    // Takes the block out of the lists, then deletes it.
    void deleteNode(Node* node);

    QStringList log;
    std::atomic<bool> running {false};
};

class RecordingShell : public ShellServices
{
public:
    RecordingShell();
    ~RecordingShell() override;

    QObject* mainWindow() const override { return m_window; }
    void showStatusMessage(const QString& text) override { messages << text; }
    QSize defaultCanvasSize() const override { return canvasSize; }

    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last(); }
    // Types of the events the main window received, in order, after processing posted ones.
    QList<int> receivedEvents();

    QStringList messages;
    QSize canvasSize {996, 996};

private:
    class Window : public QObject
    {
    public:
        QList<int> events;
        QList<int> ids;

    protected:
        void customEvent(QEvent* event) override;
    };
    Window* m_window;
};

// Descriptors used across the tests.
namespace spine {
// A function block with the given value inputs (left) and outputs (right).
NodeType valueBlock(int inputs, int outputs);
NodeType vectorBlock(int inputs, int outputs);
NodeType transitionBlock(int inputs, int outputs);
} // namespace spine
