#include "Logo4to1_0.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr unsigned short ownMaintype = 49;
} // namespace

Logo4to1_0::Logo4to1_0(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Logo4to1_0::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Logo4to1_0"));
        type.setFlags(4);
        type.setMaintype(ownMaintype);
        type.addSubtype(QObject::tr("OR"), QStringLiteral("logo_or.png"));
        type.addSubtype(QObject::tr("NOR"), QStringLiteral("logo_nor.png"));
        type.addValueSlot(QObject::tr("1"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("2"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("3"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("4"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Q"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(ownMaintype, &Logo4to1_0::create);
    }
    return type;
}

StateNode* Logo4to1_0::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Logo4to1_0(owner, canvas, type.subtype(), id);
}

void Logo4to1_0::writeOutputs()
{
    SlotAccess::setValue(*this, 0, result ? 1.0f : 0.0f);
}

void Logo4to1_0::reset()
{
    std::fill(std::begin(inputs), std::end(inputs), false);
    result = false;
}

void Logo4to1_0::readInputs()
{
    for (int i = 0; i < 4; ++i)
        inputs[i] = SlotAccess::isTrue(*this, i);
}

int Logo4to1_0::step()
{
    const bool any = inputs[0] || inputs[1] || inputs[2] || inputs[3];
    switch (type()->subtype()) {
    case 0:
        result = any;
        break;
    case 1:
        result = !any;
        break;
    default:
        break;
    }
    return 0;
}
