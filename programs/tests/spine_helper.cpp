#include "spine_helper.h"

#include "Net.h"
#include "NodePixmap.h"
#include "Slot.h"
#include "StateBaseCaptionChangedEvent.h"
#include "StateBaseStopEvent.h"

#include <QCoreApplication>
#include <QWidget>

SpineTestNode::SpineTestNode(QGraphicsScene* canvas, unsigned id, const NodeType& type, StateBase* owner)
    : Node(canvas, id, type, owner)
{
}

SpineTestNode::~SpineTestNode() = default;

SpineTestProgram::SpineTestProgram(int id, StateBase_t::statebase_t kind) : StateBase(kind, id)
{
}

SpineTestProgram::~SpineTestProgram()
{
    m_destroying = true;
    deleteAll();
    delete viewWidget();
}

bool SpineTestProgram::addNode(Node* node)
{
    if (node->id() == 0)
        node->setId(static_cast<unsigned>(m_nextNodeId++));
    m_nodeList.append(node);
    return true;
}

void SpineTestProgram::deleteItem(QGraphicsItem* item)
{
    if (auto* icon = dynamic_cast<NodePixmap*>(item))
        deleteNode(icon->node());
}

Node* SpineTestProgram::createNode(const NodeType& type)
{
    return new SpineTestNode(canvas(), static_cast<unsigned>(m_nextNodeId++), type, this);
}

QWidget* SpineTestProgram::createView(QWidget* parent)
{
    auto* view = new QWidget(parent);
    setViewWidget(view);
    updateCaption();
    return view;
}

void SpineTestProgram::reset()
{
    for (Node* node : std::as_const(m_nodeList))
        node->resetAll();
    log << "reset";
}

Node* SpineTestProgram::nodeById(int id) const
{
    for (Node* node : m_nodeList) {
        if (static_cast<int>(node->id()) == id)
            return node;
    }
    return nullptr;
}

void SpineTestProgram::removeNode(Node* node)
{
    if (m_destroying)
        return;
    m_nodeList.removeOne(node);
}

void SpineTestProgram::startProcessing()
{
    running.store(true);
    log << "startProcessing";
}

void SpineTestProgram::stopProcessing()
{
    running.store(false);
    log << "stopProcessing";
}

void SpineTestProgram::deleteAll()
{
    const QList<Net*> nets = m_netList;
    for (Net* net : nets)
        removeNet(net);
    const QList<Node*> nodes = m_nodeList;
    m_nodeList.clear();
    qDeleteAll(nodes);
}

void SpineTestProgram::updateDatatips()
{
    for (Node* node : std::as_const(m_nodeList))
        node->updateDatatips();
}

void SpineTestProgram::showDatatips(bool on)
{
    for (Node* node : std::as_const(m_nodeList))
        node->showDatatips(on);
}

SpineTestNode* SpineTestProgram::place(const NodeType& type, const QPoint& at)
{
    auto* node = static_cast<SpineTestNode*>(createNode(type));
    addNode(node);
    node->move(at);
    node->show();
    return node;
}

void SpineTestProgram::deleteNode(Node* node)
{
    removeNode(node);
    delete node;
}

RecordingShell::RecordingShell() : m_window(new Window)
{
    ShellServices::install(this);
}

RecordingShell::~RecordingShell()
{
    ShellServices::install(nullptr);
    delete m_window;
}

QList<int> RecordingShell::receivedEvents()
{
    QCoreApplication::sendPostedEvents(m_window);
    return m_window->events;
}

void RecordingShell::Window::customEvent(QEvent* event)
{
    events << event->type();
    if (event->type() == StateBaseStopEvent::eventType)
        ids << static_cast<StateBaseStopEvent*>(event)->id();
    if (event->type() == StateBaseCaptionChangedEvent::eventType)
        ids << static_cast<StateBaseCaptionChangedEvent*>(event)->id();
}

namespace spine {

namespace {

NodeType blockOf(int inputs, int outputs, void (*addSlot)(NodeType&, const QString&, int))
{
    NodeType type;
    type.setName(QStringLiteral("Test"));
    type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
    type.setMaintype(99);
    type.addSubtype(QStringLiteral("Addition"), QString());
    for (int i = 1; i <= inputs; ++i)
        addSlot(type, QStringLiteral("I%1").arg(i), SlotSpec::Input);
    for (int i = 1; i <= outputs; ++i)
        addSlot(type, QStringLiteral("O%1").arg(i), SlotSpec::Output);
    return type;
}

} // namespace

NodeType valueBlock(int inputs, int outputs)
{
    return blockOf(inputs, outputs, [](NodeType& type, const QString& name, int direction) {
        type.addValueSlot(name, direction, direction == SlotSpec::Input ? SlotSpec::Left : SlotSpec::Right, 0.0f);
    });
}

NodeType vectorBlock(int inputs, int outputs)
{
    return blockOf(inputs, outputs, [](NodeType& type, const QString& name, int direction) {
        type.addVectorSlot(name, direction, direction == SlotSpec::Input ? SlotSpec::Left : SlotSpec::Right, Vector());
    });
}

NodeType transitionBlock(int inputs, int outputs)
{
    return blockOf(inputs, outputs, [](NodeType& type, const QString& name, int direction) {
        type.addTransitionSlot(name, direction, direction == SlotSpec::Input ? SlotSpec::Top : SlotSpec::Bottom);
    });
}

} // namespace spine
