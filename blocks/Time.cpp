#include "Time.h"

#include "BlockClock.h"
#include "NodeFactory.h"
#include "SlotAccess.h"

namespace {
constexpr unsigned short timeMaintype = 41;
}

Time::Time(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), timer(BlockClock::clock())
{
}

NodeType Time::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Time"));
        type.setFlags(4);
        type.setMaintype(timeMaintype);
        type.addSubtype(QObject::tr("Time"), QStringLiteral("time.png"));
        type.addValueSlot(QObject::tr("reset"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("ms from reset"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(timeMaintype, &Time::create);
    }
    return type;
}

StateNode* Time::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Time(owner, canvas, type.subtype(), id);
}

void Time::start()
{
    timer.start();
}

void Time::readInputs()
{
    if (SlotAccess::isTrue(*this, 0))
        timer.start();
}

void Time::writeOutputs()
{
    SlotAccess::setValue(*this, 0, static_cast<float>(timer.elapsed()));
}
