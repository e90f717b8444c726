#include "Value2Vector.h"

#include "BlockKind.h"
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
    return describeBlockKind<Value2Vector>([](NodeType& type) {
        type.setName(QObject::tr("Vector", "Vector"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(value2VectorMaintype);
        type.addSubtype(QObject::tr("cartesian to vector", "kartesisch nach Vector"),
                        QStringLiteral("cartesian2vector.png"));
        type.addSubtype(QObject::tr("polar to vector", "polar nach Vector"), QStringLiteral("polar2vector.png"));
        SlotSpec* first =
            type.addValueSlot(QObject::tr("x", "Vector x component"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        first->setName(QObject::tr("Length", "Länge"), 1);
        SlotSpec* second =
            type.addValueSlot(QObject::tr("y", "Vector y component"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        second->setName(QObject::tr("Direction/deg", "Winkel/Grad"), 1);
        type.addVectorSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, Vector());
    });
}

void Value2Vector::readInputs()
{
    m_a = SlotAccess::value(*this, 0);
    m_b = SlotAccess::value(*this, 1);
}

int Value2Vector::step()
{
    switch (type()->subtype()) {
    case 0:
        m_result.setX(m_a);
        m_result.setY(m_b);
        break;
    case 1:
        m_result.setLength(m_a);
        m_result.setAngle(m_b);
        break;
    default: break;
    }
    return 0;
}

void Value2Vector::writeOutputs()
{
    SlotAccess::setVector(*this, 0, m_result);
}
