#include "VectorScalarVector.h"

#include "BlockKind.h"
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
    return describeBlockKind<VectorScalarVector>([](NodeType& type) {
        type.setName(QObject::tr("Vector"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(vectorScalarVectorMaintype);
        type.addSubtype(QObject::tr("Scalar*Vector", "Skalar*Vektor"), QStringLiteral("valueXvector.png"));
        type.addSubtype(QObject::tr("Set length", "Länge setzen"), QStringLiteral("setvectorlength.png"));
        type.addSubtype(QObject::tr("Rotate", "Rotieren"), QStringLiteral("vectorrotation.png"));
        type.addVectorSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, Vector());
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addVectorSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, Vector());
    });
}

void VectorScalarVector::readInputs()
{
    m_v = SlotAccess::vector(*this, 0);
    m_s = SlotAccess::value(*this, 1);
}

int VectorScalarVector::step()
{
    switch (type()->subtype()) {
    case 0:
        m_result = m_v;
        m_result *= m_s;
        break;
    case 1:
        m_result = m_v;
        m_result.setLength(m_s);
        break;
    case 2:
        m_result = m_v;
        m_result.rotate(m_s);
        break;
    default: break;
    }
    return 0;
}

void VectorScalarVector::writeOutputs()
{
    SlotAccess::setVector(*this, 0, m_result);
}
