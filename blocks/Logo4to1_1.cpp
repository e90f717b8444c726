#include "Logo4to1_1.h"

#include "BlockKind.h"
#include "SlotAccess.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr unsigned short ownMaintype = 48;

bool all(const bool (&values)[4])
{
    return values[0] && values[1] && values[2] && values[3];
}
} // namespace

Logo4to1_1::Logo4to1_1(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Logo4to1_1::nodeType()
{
    return describeBlockKind<Logo4to1_1>([](NodeType& type) {
        type.setName(QObject::tr("Logo4to1_1"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(ownMaintype);
        type.addSubtype(QObject::tr("AND"), QStringLiteral("logo_and.png"));
        type.addSubtype(QObject::tr("AND FL"), QStringLiteral("logo_and_fl.png"));
        type.addSubtype(QObject::tr("NAND"), QStringLiteral("logo_nand.png"));
        type.addSubtype(QObject::tr("NAND FL"), QStringLiteral("logo_nand_fl.png"));
        type.addValueSlot(QObject::tr("1"), SlotSpec::Input, SlotSpec::Left, 1.0f);
        type.addValueSlot(QObject::tr("2"), SlotSpec::Input, SlotSpec::Left, 1.0f);
        type.addValueSlot(QObject::tr("3"), SlotSpec::Input, SlotSpec::Left, 1.0f);
        type.addValueSlot(QObject::tr("4"), SlotSpec::Input, SlotSpec::Left, 1.0f);
        type.addValueSlot(QObject::tr("Q"), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void Logo4to1_1::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_result ? 1.0f : 0.0f);
}

void Logo4to1_1::reset()
{
    std::fill(std::begin(m_inputs), std::end(m_inputs), false);
    std::fill(std::begin(m_previousInputs), std::end(m_previousInputs), false);
    m_result = false;
}

void Logo4to1_1::readInputs()
{
    for (int i = 0; i < 4; ++i) {
        m_previousInputs[i] = m_inputs[i];
        m_inputs[i] = SlotAccess::isTrue(*this, i);
    }
}

int Logo4to1_1::step()
{
    const bool now = all(m_inputs);
    const bool before = all(m_previousInputs);
    switch (type()->subtype()) {
    case 0: m_result = now; break;
    case 1: m_result = now && !before; break;
    case 2: m_result = !now; break;
    case 3: m_result = before && !now; break;
    default: break;
    }
    return 0;
}
