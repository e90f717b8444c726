#include "LogicInv.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short logicInvMaintype = 40;
}

LogicInv::LogicInv(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType LogicInv::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("NOT"));
        type.setFlags(4);
        type.setMaintype(logicInvMaintype);
        type.addSubtype(QObject::tr("NOT"), QStringLiteral("inv.png"));
        type.addValueSlot(QObject::tr("a"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("not a"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(logicInvMaintype, &LogicInv::create);
    }
    return type;
}

StateNode* LogicInv::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new LogicInv(owner, canvas, type.subtype(), id);
}

void LogicInv::reset()
{
    input = false;
}

void LogicInv::readInputs()
{
    input = SlotAccess::isTrue(*this, 0);
}

void LogicInv::writeOutputs()
{
    SlotAccess::setValue(*this, 0, input ? 0.0f : 1.0f);
}
