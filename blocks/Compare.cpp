#include "Compare.h"

#include "BlockKind.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short compareMaintype = 16;
}

Compare::Compare(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Compare::nodeType()
{
    return describeBlockKind<Compare>([](NodeType& type) {
        type.setName(QObject::tr("Compare", "Vergleich"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(compareMaintype);
        type.addSubtype(QObject::tr("Greater", "Größer"), QStringLiteral("compare_greater.png"));
        type.addSubtype(QObject::tr("Less", "Kleiner"), QStringLiteral("compare_less.png"));
        type.addSubtype(QObject::tr("Greater equal", "Größer gleich"), QStringLiteral("compare_greater_equal.png"));
        type.addSubtype(QObject::tr("Less equal", "Kleiner gleich"), QStringLiteral("compare_less_equal.png"));
        type.addSubtype(QObject::tr("Equal", "Gleich"), QStringLiteral("compare_equal.png"));
        type.addSubtype(QObject::tr("Not equal", "Ungleich"), QStringLiteral("compare_not_equal.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void Compare::reset()
{
    m_result = false;
    m_a = m_b = 0.0f;
}

void Compare::readInputs()
{
    m_a = SlotAccess::value(*this, 0);
    m_b = SlotAccess::value(*this, 1);
}

int Compare::step()
{
    switch (type()->subtype()) {
    case 0: m_result = m_a > m_b; break;
    case 1: m_result = m_a < m_b; break;
    case 2: m_result = m_a >= m_b; break;
    case 3: m_result = m_a <= m_b; break;
    case 4: m_result = m_a == m_b; break;
    case 5: m_result = m_a != m_b; break;
    default: break;
    }
    return 0;
}

void Compare::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_result ? 1.0f : 0.0f);
}
