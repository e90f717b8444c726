#include "Value2Vector.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short value2VectorMaintype = 23;
}

Value2Vector::Value2Vector(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Value2Vector::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Vector", "Vector"));
        type.setFlags(4);
        type.setMaintype(value2VectorMaintype);
        type.addSubtype(QObject::tr("cartesian to vector", "kartesisch nach Vector"), QStringLiteral("cartesian2vector.png"));
        type.addSubtype(QObject::tr("polar to vector", "polar nach Vector"), QStringLiteral("polar2vector.png"));
        SlotSpec* first = type.addValueSlot(QObject::tr("x", "Vector x component"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        first->setName(QObject::tr("Length", "Länge"), 1);
        SlotSpec* second = type.addValueSlot(QObject::tr("y", "Vector y component"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        second->setName(QObject::tr("Direction/deg", "Winkel/Grad"), 1);
        type.addVectorSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, Vector());
        nodeFactories().insert(value2VectorMaintype, &Value2Vector::create);
    }
    return type;
}

StateNode* Value2Vector::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Value2Vector(owner, canvas, type.subtype(), id);
}

void Value2Vector::readInputs()
{
    a = SlotAccess::value(*this, 0);
    b = SlotAccess::value(*this, 1);
}

int Value2Vector::step()
{
    switch (type()->subtype()) {
    case 0:
        result.setX(a);
        result.setY(b);
        break;
    case 1:
        result.setLength(a);
        result.setAngle(b);
        break;
    default:
        break;
    }
    return 0;
}

void Value2Vector::writeOutputs()
{
    SlotAccess::setVector(*this, 0, result);
}
