#include "BasicMath.h"

#include "BlockKind.h"
#include "MathRules.h"
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
    return describeBlockKind<BasicMath>([](NodeType& type) {
        type.setName(QObject::tr("Math"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(basicMathMaintype);
        type.addSubtype(QObject::tr("Division"), QStringLiteral("basicmath_devide.png"));
        type.addSubtype(QObject::tr("Modulo"), QStringLiteral("basicmath_modulo.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void BasicMath::reset()
{
    m_dividend = m_divisor = m_result = 0.0f;
}

void BasicMath::readInputs()
{
    m_dividend = SlotAccess::value(*this, 0);
    m_divisor = SlotAccess::value(*this, 1);
}

int BasicMath::step()
{
    switch (type()->subtype()) {
    case 0: m_result = divideSaturated(m_dividend, m_divisor); break;
    case 1: m_result = truncatedModulo(m_dividend, m_divisor); break;
    default: break;
    }
    return 0;
}

void BasicMath::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_result);
}
