#include "VectorScalar.h"

#include "BlockKind.h"
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
    return describeBlockKind<VectorScalar>([](NodeType& type) {
        type.setName(QObject::tr("Vector"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(vectorScalarMaintype);
        type.addSubtype(QObject::tr("Vector*Vector"), QStringLiteral("vectorscalar.png"));
        type.addVectorSlot(QObject::tr("a"), SlotSpec::Input, SlotSpec::Left, Vector());
        type.addVectorSlot(QObject::tr("b"), SlotSpec::Input, SlotSpec::Left, Vector());
        type.addValueSlot(QObject::tr("a*b"), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void VectorScalar::readInputs()
{
    m_result = scalarProduct(SlotAccess::vector(*this, 0), SlotAccess::vector(*this, 1));
}

void VectorScalar::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_result);
}
