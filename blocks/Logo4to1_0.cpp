#include "Logo4to1_0.h"

#include "BlockKind.h"
#include "SlotAccess.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr unsigned short ownMaintype = 49;
} // namespace

Logo4to1_0::Logo4to1_0(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Logo4to1_0::nodeType()
{
    return describeBlockKind<Logo4to1_0>([](NodeType& type) {
        type.setName(QObject::tr("Logo4to1_0"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(ownMaintype);
        type.addSubtype(QObject::tr("OR"), QStringLiteral("logo_or.png"));
        type.addSubtype(QObject::tr("NOR"), QStringLiteral("logo_nor.png"));
        type.addValueSlot(QObject::tr("1"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("2"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("3"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("4"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Q"), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void Logo4to1_0::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_result ? 1.0f : 0.0f);
}

void Logo4to1_0::reset()
{
    std::fill(std::begin(m_inputs), std::end(m_inputs), false);
    m_result = false;
}

void Logo4to1_0::readInputs()
{
    for (int i = 0; i < 4; ++i)
        m_inputs[i] = SlotAccess::isTrue(*this, i);
}

int Logo4to1_0::step()
{
    const bool any = m_inputs[0] || m_inputs[1] || m_inputs[2] || m_inputs[3];
    switch (type()->subtype()) {
    case 0: m_result = any; break;
    case 1: m_result = !any; break;
    default: break;
    }
    return 0;
}
