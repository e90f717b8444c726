#include "Counter.h"

#include "BlockParameters.h"
#include "NodeFactory.h"
#include "SlotAccess.h"

namespace {

constexpr unsigned short counterMaintype = 5;

} // namespace

Counter::Counter(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

NodeType Counter::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Counter", "Zähler"));
        type.setFlags(4);
        type.setMaintype(counterMaintype);
        type.addSubtype(QObject::tr("Counter up", "Zähler Auf"), QStringLiteral("counter_up.png"));
        type.addSubtype(QObject::tr("Counter down", "Zähler Ab"), QStringLiteral("counter_down.png"));
        type.addValueSlot(SlotAccess::numberedName(QObject::tr("Input"), 1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Reset"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(SlotAccess::numberedName(QObject::tr("Output"), 1), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(counterMaintype, &Counter::create);
    }
    return type;
}

StateNode* Counter::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Counter(owner, canvas, type.subtype(), id);
}

void Counter::setParameters(QMap<QString, QString> parameters)
{
    countOnRisingEdge = parameterFlag(parameters, QStringLiteral("countOnRisingEdge"));
    countOnFallingEdge = parameterFlag(parameters, QStringLiteral("countOnFallingEdge"));
    resetOnStart = parameterFlag(parameters, QStringLiteral("resetOnStart"));
}

QMap<QString, QString> Counter::parameters() const
{
    return {{QStringLiteral("countOnRisingEdge"), QString::number(int(countOnRisingEdge.load()))},
            {QStringLiteral("countOnFallingEdge"), QString::number(int(countOnFallingEdge.load()))},
            {QStringLiteral("resetOnStart"), QString::number(int(resetOnStart.load()))}};
}

void Counter::reset()
{
    input = false;
    previous = false;
    resetInput = false;
    if (resetOnStart)
        count = 0;
}

void Counter::readInputs()
{
    input = SlotAccess::isTrue(*this, 0);
    resetInput = SlotAccess::isTrue(*this, 1);
}

int Counter::step()
{
    if (resetInput) {
        // The input of this cycle is dropped, so a level still high when the reset
        // falls counts as a new edge.
        previous = false;
        count = 0;
        input = false;
        return 0;
    }
    const bool rising = !previous && input && countOnRisingEdge;
    const bool falling = previous && !input && countOnFallingEdge;
    if (rising || falling) {
        // Wraps instead of overflowing after billions of edges.
        const unsigned delta = type()->subtype() == 0 ? 1u : ~0u;
        count = static_cast<int>(static_cast<unsigned>(count) + delta);
    }
    previous = input;
    return 0;
}

void Counter::writeOutputs()
{
    SlotAccess::setValue(*this, 0, static_cast<float>(count));
}
