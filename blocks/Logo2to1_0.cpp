#include "Logo2to1_0.h"

#include "BlockKind.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short ownMaintype = 50;
} // namespace

Logo2to1_0::Logo2to1_0(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Logo2to1_0::nodeType()
{
    return describeBlockKind<Logo2to1_0>([](NodeType& type) {
        type.setName(QObject::tr("Logo2to1_0"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(ownMaintype);
        type.addSubtype(QObject::tr("XOR"), QStringLiteral("logo_xor.png"));
        type.addValueSlot(QObject::tr("1"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("2"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Q"), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void Logo2to1_0::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_result ? 1.0f : 0.0f);
}

void Logo2to1_0::reset()
{
    m_inputs[0] = m_inputs[1] = false;
    m_result = false;
}

void Logo2to1_0::readInputs()
{
    m_inputs[0] = SlotAccess::isTrue(*this, 0);
    m_inputs[1] = SlotAccess::isTrue(*this, 1);
}

int Logo2to1_0::step()
{
    if (type()->subtype() == 0)
        m_result = m_inputs[0] != m_inputs[1];
    return 0;
}
