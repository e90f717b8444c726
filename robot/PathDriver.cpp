#include "PathDriver.h"

#include "NodeFactory.h"
#include "RobotSlots.h"

namespace {
constexpr unsigned short pathDriverMaintype = 47;
}

PathDriver::PathDriver(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType PathDriver::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("PathDriver"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(pathDriverMaintype);
        type.addSubtype(QObject::tr("PathDriver"), QStringLiteral("pathdriver.png"));
        const char* inputs[] = {"x set", "y set", "phi set", "x actual", "y actual", "phi actual"};
        const char* outputs[] = {"vx", "vy", "omega"};
        // The names carry no place marker, so they are shown as they are.
        for (const char* name : inputs)
            type.addValueSlot(QObject::tr(name), SlotSpec::Input, SlotSpec::Left, 0.0f);
        for (const char* name : outputs)
            type.addValueSlot(QObject::tr(name), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(pathDriverMaintype, &PathDriver::create);
    }
    return type;
}

StateNode* PathDriver::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new PathDriver(owner, canvas, type.subtype(), id);
}

void PathDriver::readInputs()
{
    target = {RobotSlots::input(*this, SlotSpec::Left, 0), RobotSlots::input(*this, SlotSpec::Left, 1),
              RobotSlots::input(*this, SlotSpec::Left, 2)};
    actual = {RobotSlots::input(*this, SlotSpec::Left, 3), RobotSlots::input(*this, SlotSpec::Left, 4),
              RobotSlots::input(*this, SlotSpec::Left, 5)};
}

int PathDriver::step()
{
    command = PathSteering::steer(target, actual);
    return 0;
}

void PathDriver::writeOutputs()
{
    RobotSlots::output(*this, SlotSpec::Right, 0, command.vx);
    RobotSlots::output(*this, SlotSpec::Right, 1, command.vy);
    RobotSlots::output(*this, SlotSpec::Right, 2, command.omega);
}
