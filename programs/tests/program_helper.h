#pragma once

// Test block kinds and stand-ins for the engine's neighbours, shared by the program,
// workspace and engine tests.

#include "ComCenterServices.h"
#include "StateNode.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

class QEvent;
class QObject;
class State;
class StateManager;

// A thread-safe record of what happened, in order: block calls, exchanges, events.
class EventJournal
{
public:
    void add(const QString& entry);
    QStringList entries() const;
    void clear();
    // Waits until the entry was recorded n times; false after the safety limit.
    bool waitFor(const QString& entry, int n = 1, std::chrono::milliseconds limit = std::chrono::seconds(20));
    int count(const QString& entry) const;

private:
    mutable std::mutex mutex;
    std::condition_variable changed;
    QStringList log;
};

EventJournal& journal();

// A function block of the engine cycle: inputs I1 and I2 on the left, output O on the
// right. It counts its calls, writes input I1 + 1 to O, and returns exitCode from the
// step whose number is exitAtStep (else stepResult). With a label set, it also records
// "<call>:<label>" in the journal.
class RecordingBlock : public StateNode
{
    Q_OBJECT

public:
    static constexpr unsigned short kind = 200;

    RecordingBlock(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);
    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void setParameters(QMap<QString, QString> values) override { parameterMap = values; }
    QMap<QString, QString> parameters() const override { return parameterMap; }
    void start() override;
    void stop() override;
    void reset() override;
    void readInputs() override;
    void writeOutputs() override;
    int step() override;

    QString label;
    QMap<QString, QString> parameterMap;
    std::atomic<int> starts {0}, stops {0}, resets {0}, reads {0}, steps {0}, writes {0};
    std::atomic<int> stopsDuringStep {0};
    // Stops that followed a stop with no start between: one stop performed twice.
    std::atomic<int> repeatedStops {0};
    std::atomic<int> exitAtStep {0};
    std::atomic<int> exitCode {0};
    std::atomic<int> stepResult {0};
    float inputValue = 0.0f;
    // Runs inside step() on the stepping thread.
    std::function<void(RecordingBlock&)> stepHook;

protected:
    RecordingBlock(State* owner, QGraphicsScene* canvas, unsigned id, const NodeType& type);

private:
    void note(const char* call);
    std::atomic<bool> inStep {false};
    std::atomic<bool> stopped {false};
};

// The same for the image cycle (flag 8).
class ImageRecordingBlock : public RecordingBlock
{
    Q_OBJECT

public:
    static constexpr unsigned short kind = 201;

    ImageRecordingBlock(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);
    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);
};

// Stands for the OR/NOR gate kind (maintype 49) that legacy files store as 39/1.
class OrGateStandIn : public RecordingBlock
{
    Q_OBJECT

public:
    static constexpr unsigned short kind = 49;

    OrGateStandIn(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);
    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);
};

void registerTestBlocks();

// Records exchanges in the journal; optionally keeps receiveImage() waiting like a
// connected robot until endImageLoop().
class RecordingComCenter : public ComCenterServices
{
public:
    RecordingComCenter();
    ~RecordingComCenter() override;

    void exchangeIo() override { journal().add(QStringLiteral("exchange")); }
    void receiveImage() override;
    void endImageLoop() override;

    std::atomic<bool> holdImages {false};

private:
    std::mutex mutex;
    std::condition_variable ended;
    bool imageLoopEnded = false;
};

// An engine event poster that records "event:<type>" (with ":<id>" for a stop event).
void recordEvent(QObject* receiver, QEvent* event);

// Workspace text for tests.
namespace workspace {
QString node(unsigned id, unsigned maintype, int x, int y, const QString& name = QStringLiteral("block"),
             const QString& inner = QString(), const QString& attributes = QString());
// A net from output (side 2) index 0 of one block to input (side 1) index of another.
QString net(unsigned id, unsigned fromNode, unsigned toNode, int toInput = 0);
QByteArray model(const QString& body, const QString& attributes = QString());
} // namespace workspace

// Parses the text and loads it through the registry; null when either fails.
State* loadProgram(StateManager& manager, const QByteArray& text,
                   const QString& fileName = QStringLiteral("/tmp/test.kdw"));
