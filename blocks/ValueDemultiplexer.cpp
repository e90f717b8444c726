#include "ValueDemultiplexer.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

#include <QMutexLocker>

namespace {
constexpr unsigned short demultiplexerMaintype = 31;
}

ValueDemultiplexer::ValueDemultiplexer(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType ValueDemultiplexer::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Logic"));
        type.setFlags(4);
        type.setMaintype(demultiplexerMaintype);
        type.addSubtype(QObject::tr("Value-Demultiplexer"), QStringLiteral("demultiplexer.png"));
        type.addValueSlot(QObject::tr("Select", "Input channel"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(demultiplexerMaintype, &ValueDemultiplexer::create);
    }
    return type;
}

StateNode* ValueDemultiplexer::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new ValueDemultiplexer(owner, canvas, type.subtype(), id);
}

void ValueDemultiplexer::reset()
{
    value = 0.0f;
    select = 0.0f;
}

void ValueDemultiplexer::readInputs()
{
    QMutexLocker locker(&mutex());
    const int dataInputs = static_cast<int>(type()->leftSlotCount()) - 1;
    int chosen = SlotAccess::rounded(*this, 0);
    if (chosen > dataInputs - 1)
        chosen = dataInputs - 1;
    if (chosen < 0)
        chosen = 0;
    select = static_cast<float>(chosen);
    value = SlotAccess::value(*this, chosen + 1);
}

void ValueDemultiplexer::writeOutputs()
{
    SlotAccess::setValue(*this, 0, value);
}
