#include "ValueDemultiplexer.h"

#include "BlockKind.h"
#include "SlotAccess.h"

#include <mutex>

namespace {
constexpr unsigned short demultiplexerMaintype = 31;
}

ValueDemultiplexer::ValueDemultiplexer(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType ValueDemultiplexer::nodeType()
{
    return describeBlockKind<ValueDemultiplexer>([](NodeType& type) {
        type.setName(QObject::tr("Logic"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(demultiplexerMaintype);
        type.addSubtype(QObject::tr("Value-Demultiplexer"), QStringLiteral("demultiplexer.png"));
        type.addValueSlot(QObject::tr("Select", "Input channel"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void ValueDemultiplexer::reset()
{
    m_value = 0.0f;
    m_select = 0.0f;
}

void ValueDemultiplexer::readInputs()
{
    const std::lock_guard locker(mutex());
    const int dataInputs = static_cast<int>(type()->leftSlotCount()) - 1;
    int chosen = SlotAccess::rounded(*this, 0);
    if (chosen > dataInputs - 1)
        chosen = dataInputs - 1;
    if (chosen < 0)
        chosen = 0;
    m_select = static_cast<float>(chosen);
    m_value = SlotAccess::value(*this, chosen + 1);
}

void ValueDemultiplexer::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_value);
}
