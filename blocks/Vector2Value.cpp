#include "Vector2Value.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short vector2ValueMaintype = 28;
}

Vector2Value::Vector2Value(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Vector2Value::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Vector"));
        type.setFlags(4);
        type.setMaintype(vector2ValueMaintype);
        type.addSubtype(QObject::tr("Vector to cartesian", "Vector nach kartesisch"), QStringLiteral("vector2value.png"));
        type.addSubtype(QObject::tr("Vector to polar", "Vector nach polar"), QStringLiteral("vector2polar.png"));
        type.addVectorSlot(QObject::tr("Vector"), SlotSpec::Input, SlotSpec::Left, Vector());
        SlotSpec* first = type.addValueSlot(QObject::tr("x", "Vector x component"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        first->setName(QObject::tr("Length", "Länge"), 1);
        SlotSpec* second = type.addValueSlot(QObject::tr("y", "Vector y component"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        second->setName(QObject::tr("Direction/deg", "Winkel/Grad"), 1);
        nodeFactories().insert(vector2ValueMaintype, &Vector2Value::create);
    }
    return type;
}

StateNode* Vector2Value::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Vector2Value(owner, canvas, type.subtype(), id);
}

void Vector2Value::readInputs()
{
    input = SlotAccess::vector(*this, 0);
}

int Vector2Value::step()
{
    switch (type()->subtype()) {
    case 0:
        first = input.x();
        second = input.y();
        break;
    case 1:
        first = input.length();
        second = input.angle();
        break;
    default:
        break;
    }
    return 0;
}

void Vector2Value::writeOutputs()
{
    SlotAccess::setValue(*this, 0, first);
    SlotAccess::setValue(*this, 1, second);
}
