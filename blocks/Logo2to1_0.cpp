#include "Logo2to1_0.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short ownMaintype = 50;
} // namespace

Logo2to1_0::Logo2to1_0(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Logo2to1_0::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Logo2to1_0"));
        type.setFlags(4);
        type.setMaintype(ownMaintype);
        type.addSubtype(QObject::tr("XOR"), QStringLiteral("logo_xor.png"));
        type.addValueSlot(QObject::tr("1"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("2"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Q"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(ownMaintype, &Logo2to1_0::create);
    }
    return type;
}

StateNode* Logo2to1_0::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Logo2to1_0(owner, canvas, type.subtype(), id);
}

void Logo2to1_0::writeOutputs()
{
    SlotAccess::setValue(*this, 0, result ? 1.0f : 0.0f);
}

void Logo2to1_0::reset()
{
    inputs[0] = inputs[1] = false;
    result = false;
}

void Logo2to1_0::readInputs()
{
    inputs[0] = SlotAccess::isTrue(*this, 0);
    inputs[1] = SlotAccess::isTrue(*this, 1);
}

int Logo2to1_0::step()
{
    if (type()->subtype() == 0)
        result = inputs[0] != inputs[1];
    return 0;
}
