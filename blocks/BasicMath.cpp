#include "BasicMath.h"

#include "MathRules.h"
#include "NodeFactory.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short basicMathMaintype = 15;
}

BasicMath::BasicMath(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType BasicMath::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Math"));
        type.setFlags(4);
        type.setMaintype(basicMathMaintype);
        type.addSubtype(QObject::tr("Division"), QStringLiteral("basicmath_devide.png"));
        type.addSubtype(QObject::tr("Modulo"), QStringLiteral("basicmath_modulo.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(basicMathMaintype, &BasicMath::create);
    }
    return type;
}

StateNode* BasicMath::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new BasicMath(owner, canvas, type.subtype(), id);
}

void BasicMath::reset()
{
    dividend = divisor = result = 0.0f;
}

void BasicMath::readInputs()
{
    dividend = SlotAccess::value(*this, 0);
    divisor = SlotAccess::value(*this, 1);
}

int BasicMath::step()
{
    switch (type()->subtype()) {
    case 0:
        result = divideSaturated(dividend, divisor);
        break;
    case 1:
        result = truncatedModulo(dividend, divisor);
        break;
    default:
        break;
    }
    return 0;
}

void BasicMath::writeOutputs()
{
    SlotAccess::setValue(*this, 0, result);
}
