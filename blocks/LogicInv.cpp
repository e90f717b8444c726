#include "LogicInv.h"

#include "BlockKind.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short logicInvMaintype = 40;
}

LogicInv::LogicInv(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType LogicInv::nodeType()
{
    return describeBlockKind<LogicInv>([](NodeType& type) {
        type.setName(QObject::tr("NOT"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(logicInvMaintype);
        type.addSubtype(QObject::tr("NOT"), QStringLiteral("inv.png"));
        type.addValueSlot(QObject::tr("a"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("not a"), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void LogicInv::reset()
{
    m_input = false;
}

void LogicInv::readInputs()
{
    m_input = SlotAccess::isTrue(*this, 0);
}

void LogicInv::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_input ? 0.0f : 1.0f);
}
