#include "Bumper.h"

#include "ComCenter.h"
#include "KelmarisCom.h"
#include "NodeFactory.h"
#include "RobotSlots.h"

namespace {
constexpr unsigned short bumperMaintype = 4;
}

Bumper::Bumper(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Bumper::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Bumper"));
        type.setFlags(NodeType::FunctionBlock | NodeType::EngineCycle);
        type.setMaintype(bumperMaintype);
        type.addSubtype(QObject::tr("Bumper"), QStringLiteral("bumper.png"));
        type.addValueSlot(QObject::tr("Bumper"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(bumperMaintype, &Bumper::create);
    }
    return type;
}

StateNode* Bumper::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Bumper(owner, canvas, type.subtype(), id);
}

void Bumper::readInputs()
{
    value = robotLink().bumper() ? 1 : 0;
}

void Bumper::writeOutputs()
{
    RobotSlots::output(*this, SlotSpec::Right, 0, static_cast<float>(value));
}
