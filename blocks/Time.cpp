#include "Time.h"

#include "BlockClock.h"
#include "BlockKind.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short timeMaintype = 41;
}

Time::Time(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), m_timer(BlockClock::clock())
{
}

NodeType Time::nodeType()
{
    return describeBlockKind<Time>([](NodeType& type) {
        type.setName(QObject::tr("Time"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(timeMaintype);
        type.addSubtype(QObject::tr("Time"), QStringLiteral("time.png"));
        type.addValueSlot(QObject::tr("reset"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("ms from reset"), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void Time::start()
{
    m_timer.start();
}

void Time::readInputs()
{
    if (SlotAccess::isTrue(*this, 0))
        m_timer.start();
}

void Time::writeOutputs()
{
    SlotAccess::setValue(*this, 0, static_cast<float>(m_timer.elapsed()));
}
