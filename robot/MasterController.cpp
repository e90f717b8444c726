#include "MasterController.h"

#include "ComCenter.h"
#include "KelmarisCom.h"
#include "NodeFactory.h"
#include "RobotSlots.h"

namespace {
constexpr unsigned short masterControllerMaintype = 36;
}

MasterController::MasterController(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType MasterController::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Power Management"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(masterControllerMaintype);
        type.addSubtype(QObject::tr("Power Management"), QStringLiteral("battery.png"));
        type.addValueSlot(QObject::tr("Power consumption in A"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("Battery in Volt"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(masterControllerMaintype, &MasterController::create);
    }
    return type;
}

StateNode* MasterController::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new MasterController(owner, canvas, type.subtype(), id);
}

void MasterController::writeOutputs()
{
    KelmarisCom& link = robotLink();
    RobotSlots::output(*this, SlotSpec::Right, 0, link.current());
    RobotSlots::output(*this, SlotSpec::Right, 1, link.voltageBatt1plus2());
}
