#include "Logo3to1.h"

#include "BlockKind.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short ownMaintype = 51;
} // namespace

Logo3to1::Logo3to1(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Logo3to1::nodeType()
{
    return describeBlockKind<Logo3to1>([](NodeType& type) {
        type.setName(QObject::tr("Logo3to1"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(ownMaintype);
        type.addSubtype(QObject::tr("RS"), QStringLiteral("logo_rs.png"));
        type.addValueSlot(QObject::tr("S"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("R"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Par"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Q"), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void Logo3to1::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_result ? 1.0f : 0.0f);
}

void Logo3to1::reset()
{
    m_setInput = m_resetInput = m_holdInput = m_result = false;
}

void Logo3to1::readInputs()
{
    m_setInput = SlotAccess::isTrue(*this, 0);
    m_resetInput = SlotAccess::isTrue(*this, 1);
    m_holdInput = SlotAccess::isTrue(*this, 2);
}

int Logo3to1::step()
{
    if (type()->subtype() != 0 || m_holdInput)
        return 0;
    if (m_setInput)
        m_result = true;
    if (m_resetInput)
        m_result = false;
    return 0;
}
