#include "program_helper.h"

#include "NodeFactory.h"
#include "State.h"
#include "StateBaseStopEvent.h"
#include "StateManager.h"
#include "ValueSlot.h"
#include "WorkspaceFile.h"

#include <QEvent>

void EventJournal::add(const QString& entry)
{
    std::lock_guard lock(mutex);
    log.append(entry);
    changed.notify_all();
}

QStringList EventJournal::entries() const
{
    std::lock_guard lock(mutex);
    return log;
}

void EventJournal::clear()
{
    std::lock_guard lock(mutex);
    log.clear();
}

bool EventJournal::waitFor(const QString& entry, int n, std::chrono::milliseconds limit)
{
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, limit, [&] { return log.count(entry) >= n; });
}

int EventJournal::count(const QString& entry) const
{
    std::lock_guard lock(mutex);
    return int(log.count(entry));
}

EventJournal& journal()
{
    static EventJournal instance;
    return instance;
}

RecordingBlock::RecordingBlock(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : RecordingBlock(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

RecordingBlock::RecordingBlock(State* owner, QGraphicsScene* canvas, unsigned id, const NodeType& type)
    : StateNode(owner, canvas, id, type)
{
}

NodeType RecordingBlock::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QStringLiteral("Recorder"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(kind);
        type.addSubtype(QStringLiteral("Recorder"), QString());
        type.addSubtype(QStringLiteral("Other recorder"), QString());
        type.addValueSlot(QStringLiteral("I1"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QStringLiteral("I2"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QStringLiteral("O"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(kind, &RecordingBlock::create);
    }
    return type;
}

StateNode* RecordingBlock::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new RecordingBlock(owner, canvas, type.subtype(), id);
}

void RecordingBlock::note(const char* call)
{
    if (!label.isEmpty())
        journal().add(QLatin1String(call) + QLatin1Char(':') + label);
}

void RecordingBlock::start()
{
    stopped = false;
    ++starts;
    note("start");
}

void RecordingBlock::stop()
{
    if (inStep)
        ++stopsDuringStep;
    if (stopped.exchange(true))
        ++repeatedStops;
    ++stops;
    note("stop");
}

void RecordingBlock::reset()
{
    ++resets;
}

void RecordingBlock::readInputs()
{
    ++reads;
    if (ValueSlot* input = slot(SlotSpec::Left, 0)->toValueSlot())
        inputValue = input->value();
    note("read");
}

void RecordingBlock::writeOutputs()
{
    ++writes;
    if (ValueSlot* output = slot(SlotSpec::Right, 0)->toValueSlot())
        output->setValue(inputValue + 1.0f);
    note("write");
}

int RecordingBlock::step()
{
    inStep = true;
    const int number = ++steps;
    note("step");
    if (stepHook)
        stepHook(*this);
    inStep = false;
    if (exitAtStep != 0 && number == exitAtStep)
        return exitCode;
    return stepResult;
}

ImageRecordingBlock::ImageRecordingBlock(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : RecordingBlock(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType ImageRecordingBlock::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QStringLiteral("Image recorder"));
        type.setFlags(NodeType::ImageCycle);
        type.setMaintype(kind);
        type.addSubtype(QStringLiteral("Image recorder"), QString());
        type.addValueSlot(QStringLiteral("I1"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QStringLiteral("O"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(kind, &ImageRecordingBlock::create);
    }
    return type;
}

StateNode* ImageRecordingBlock::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new ImageRecordingBlock(owner, canvas, type.subtype(), id);
}

OrGateStandIn::OrGateStandIn(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : RecordingBlock(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType OrGateStandIn::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QStringLiteral("Logo4to1_0"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(kind);
        type.addSubtype(QStringLiteral("OR"), QString());
        type.addSubtype(QStringLiteral("NOR"), QString());
        type.addValueSlot(QStringLiteral("I1"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QStringLiteral("I2"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QStringLiteral("O"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(kind, &OrGateStandIn::create);
    }
    return type;
}

StateNode* OrGateStandIn::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new OrGateStandIn(owner, canvas, type.subtype(), id);
}

void registerTestBlocks()
{
    RecordingBlock::nodeType();
    ImageRecordingBlock::nodeType();
    OrGateStandIn::nodeType();
}

RecordingComCenter::RecordingComCenter()
{
    ComCenterServices::install(this);
}

RecordingComCenter::~RecordingComCenter()
{
    ComCenterServices::install(nullptr);
}

void RecordingComCenter::receiveImage()
{
    if (!holdImages)
        return;
    std::unique_lock lock(mutex);
    ended.wait(lock, [&] { return imageLoopEnded; });
}

void RecordingComCenter::endImageLoop()
{
    std::lock_guard lock(mutex);
    imageLoopEnded = true;
    ended.notify_all();
}

void recordEvent(QObject*, QEvent* event)
{
    QString entry = QStringLiteral("event:%1").arg(int(event->type()));
    if (auto* stopEvent = dynamic_cast<StateBaseStopEvent*>(event))
        entry += QStringLiteral(":%1").arg(stopEvent->id());
    journal().add(entry);
    delete event;
}

namespace workspace {

QString node(unsigned id, unsigned maintype, int x, int y, const QString& name, const QString& inner,
             const QString& attributes)
{
    return QStringLiteral("<node id=\"%1\" maintype=\"%2\" subtype=\"0\" identifier=\"\" active=\"1\"%6>"
                          "<name>%3</name>%7<workspace><position x=\"%4\" y=\"%5\"/></workspace></node>\n")
        .arg(id)
        .arg(maintype)
        .arg(name.toHtmlEscaped())
        .arg(x)
        .arg(y)
        .arg(attributes, inner);
}

QString net(unsigned id, unsigned fromNode, unsigned toNode, int toInput)
{
    return QStringLiteral("<net id=\"%1\"><slot nodeid=\"%3\" channel=\"%4\" position=\"1\" id=\"1\"/>"
                          "<slot nodeid=\"%2\" channel=\"0\" position=\"2\" id=\"2\"/>"
                          "<line startid=\"2\" endid=\"1\"/></net>\n")
        .arg(id)
        .arg(fromNode)
        .arg(toNode)
        .arg(toInput);
}

QByteArray model(const QString& body, const QString& attributes)
{
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<model type=\"state\"%1>\n").arg(attributes)
            + body + QStringLiteral("</model>\n"))
        .toUtf8();
}

} // namespace workspace

State* loadProgram(StateManager& manager, const QByteArray& text, const QString& fileName)
{
    WorkspaceFile file;
    if (!file.parse(text) || file.type() != QLatin1String("state"))
        return nullptr;
    return manager.loadState(nullptr, fileName, file.root());
}
