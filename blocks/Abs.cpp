#include "Abs.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

#include <cmath>

namespace {
constexpr unsigned short absMaintype = 38;
}

Abs::Abs(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Abs::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Abs"));
        type.setFlags(4);
        type.setMaintype(absMaintype);
        type.addSubtype(QObject::tr("Abs"), QStringLiteral("abs.png"));
        type.addValueSlot(QObject::tr("x"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("y"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(absMaintype, &Abs::create);
    }
    return type;
}

StateNode* Abs::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Abs(owner, canvas, type.subtype(), id);
}

void Abs::reset()
{
    x = 0.0f;
}

void Abs::readInputs()
{
    x = SlotAccess::value(*this, 0);
}

void Abs::writeOutputs()
{
    SlotAccess::setValue(*this, 0, std::fabs(x));
}
