#include "VectorScalar.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short vectorScalarMaintype = 46;
}

VectorScalar::VectorScalar(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType VectorScalar::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Vector"));
        type.setFlags(4);
        type.setMaintype(vectorScalarMaintype);
        type.addSubtype(QObject::tr("Vector*Vector"), QStringLiteral("vectorscalar.png"));
        type.addVectorSlot(QObject::tr("a"), SlotSpec::Input, SlotSpec::Left, Vector());
        type.addVectorSlot(QObject::tr("b"), SlotSpec::Input, SlotSpec::Left, Vector());
        type.addValueSlot(QObject::tr("a*b"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(vectorScalarMaintype, &VectorScalar::create);
    }
    return type;
}

StateNode* VectorScalar::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new VectorScalar(owner, canvas, type.subtype(), id);
}

void VectorScalar::readInputs()
{
    result = scalarProduct(SlotAccess::vector(*this, 0), SlotAccess::vector(*this, 1));
}

void VectorScalar::writeOutputs()
{
    SlotAccess::setValue(*this, 0, result);
}
