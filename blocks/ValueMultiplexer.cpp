#include "ValueMultiplexer.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

#include <QMutexLocker>

namespace {
constexpr unsigned short multiplexerMaintype = 30;
}

ValueMultiplexer::ValueMultiplexer(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType ValueMultiplexer::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Logic"));
        type.setFlags(4);
        type.setMaintype(multiplexerMaintype);
        type.addSubtype(QObject::tr("Value-Multiplexer"), QStringLiteral("multiplexer.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Select", "Input channel"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(2), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(multiplexerMaintype, &ValueMultiplexer::create);
    }
    return type;
}

StateNode* ValueMultiplexer::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new ValueMultiplexer(owner, canvas, type.subtype(), id);
}

void ValueMultiplexer::reset()
{
    value = 0.0f;
    select = 0.0f;
}

void ValueMultiplexer::readInputs()
{
    value = SlotAccess::value(*this, 0);
    select = static_cast<float>(SlotAccess::rounded(*this, 1));
}

void ValueMultiplexer::writeOutputs()
{
    QMutexLocker locker(&mutex());
    const int outputs = static_cast<int>(type()->rightSlotCount());
    if (select < 0.0f)
        select = 0.0f;
    else if (select > float(outputs - 1))
        select = float(outputs - 1);
    for (int i = 0; i < outputs; ++i)
        SlotAccess::setValue(*this, i, select == float(i) ? value : 0.0f);
}
