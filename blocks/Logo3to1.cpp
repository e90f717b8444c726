#include "Logo3to1.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short ownMaintype = 51;
} // namespace

Logo3to1::Logo3to1(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Logo3to1::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Logo3to1"));
        type.setFlags(4);
        type.setMaintype(ownMaintype);
        type.addSubtype(QObject::tr("RS"), QStringLiteral("logo_rs.png"));
        type.addValueSlot(QObject::tr("S"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("R"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Par"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Q"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(ownMaintype, &Logo3to1::create);
    }
    return type;
}

StateNode* Logo3to1::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Logo3to1(owner, canvas, type.subtype(), id);
}

void Logo3to1::writeOutputs()
{
    SlotAccess::setValue(*this, 0, result ? 1.0f : 0.0f);
}

void Logo3to1::reset()
{
    setInput = resetInput = holdInput = result = false;
}

void Logo3to1::readInputs()
{
    setInput = SlotAccess::isTrue(*this, 0);
    resetInput = SlotAccess::isTrue(*this, 1);
    holdInput = SlotAccess::isTrue(*this, 2);
}

int Logo3to1::step()
{
    if (type()->subtype() != 0 || holdInput)
        return 0;
    if (setInput)
        result = true;
    if (resetInput)
        result = false;
    return 0;
}
