#include "VectorScalarVector.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short vectorScalarVectorMaintype = 25;
}

VectorScalarVector::VectorScalarVector(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType VectorScalarVector::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Vector"));
        type.setFlags(4);
        type.setMaintype(vectorScalarVectorMaintype);
        type.addSubtype(QObject::tr("Scalar*Vector", "Skalar*Vektor"), QStringLiteral("valueXvector.png"));
        type.addSubtype(QObject::tr("Set length", "Länge setzen"), QStringLiteral("setvectorlength.png"));
        type.addSubtype(QObject::tr("Rotate", "Rotieren"), QStringLiteral("vectorrotation.png"));
        type.addVectorSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, Vector());
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addVectorSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, Vector());
        nodeFactories().insert(vectorScalarVectorMaintype, &VectorScalarVector::create);
    }
    return type;
}

StateNode* VectorScalarVector::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new VectorScalarVector(owner, canvas, type.subtype(), id);
}

void VectorScalarVector::readInputs()
{
    v = SlotAccess::vector(*this, 0);
    s = SlotAccess::value(*this, 1);
}

int VectorScalarVector::step()
{
    switch (type()->subtype()) {
    case 0:
        result = v;
        result *= s;
        break;
    case 1:
        result = v;
        result.setLength(s);
        break;
    case 2:
        result = v;
        result.rotate(s);
        break;
    default:
        break;
    }
    return 0;
}

void VectorScalarVector::writeOutputs()
{
    SlotAccess::setVector(*this, 0, result);
}
