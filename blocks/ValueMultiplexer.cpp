#include "ValueMultiplexer.h"

#include "BlockKind.h"
#include "SlotAccess.h"

#include <mutex>

namespace {
constexpr unsigned short multiplexerMaintype = 30;
}

ValueMultiplexer::ValueMultiplexer(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType ValueMultiplexer::nodeType()
{
    return describeBlockKind<ValueMultiplexer>([](NodeType& type) {
        type.setName(QObject::tr("Logic"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(multiplexerMaintype);
        type.addSubtype(QObject::tr("Value-Multiplexer"), QStringLiteral("multiplexer.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Select", "Input channel"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(2), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void ValueMultiplexer::reset()
{
    m_value = 0.0f;
    m_select = 0.0f;
}

void ValueMultiplexer::readInputs()
{
    m_value = SlotAccess::value(*this, 0);
    m_select = static_cast<float>(SlotAccess::rounded(*this, 1));
}

void ValueMultiplexer::writeOutputs()
{
    const std::lock_guard locker(mutex());
    const int outputs = static_cast<int>(type()->rightSlotCount());
    if (m_select < 0.0f)
        m_select = 0.0f;
    else if (m_select > float(outputs - 1))
        m_select = float(outputs - 1);
    for (int i = 0; i < outputs; ++i)
        SlotAccess::setValue(*this, i, m_select == float(i) ? m_value : 0.0f);
}
