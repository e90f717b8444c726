#include "ControlPanel.h"

#include "ControlPanelDialog.h"
#include "NodeFactory.h"
#include "RobotSlots.h"

namespace {
constexpr unsigned short controlPanelMaintype = 37;
}

ControlPanel::ControlPanel(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType ControlPanel::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("ControlPanel"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(controlPanelMaintype);
        type.addSubtype(QObject::tr("ControlPanel"), QStringLiteral("controlpanel.png"));
        type.addValueSlot(QObject::tr("vx"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("vy"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("omega"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(controlPanelMaintype, &ControlPanel::create);
    }
    return type;
}

StateNode* ControlPanel::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new ControlPanel(owner, canvas, type.subtype(), id);
}

void ControlPanel::addSteps(int x, int y, int turn)
{
    xFactor.fetch_add(x);
    yFactor.fetch_add(y);
    turnFactor.fetch_add(turn);
}

void ControlPanel::stopAll()
{
    xFactor.store(0);
    yFactor.store(0);
    turnFactor.store(0);
}

void ControlPanel::start()
{
    stopAll();
}

void ControlPanel::writeOutputs()
{
    const int v = speed();
    RobotSlots::output(*this, SlotSpec::Right, 0, static_cast<float>(xFactor.load() * v));
    RobotSlots::output(*this, SlotSpec::Right, 1, static_cast<float>(yFactor.load() * v));
    RobotSlots::output(*this, SlotSpec::Right, 2, static_cast<float>(turnFactor.load() * v));
}

NodeDialog* ControlPanel::createDialog(QWidget* parent)
{
    return new ControlPanelDialog(parent, this);
}
