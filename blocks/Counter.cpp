#include "Counter.h"

#include "BlockKind.h"
#include "BlockParameters.h"
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
    return describeBlockKind<Counter>([](NodeType& type) {
        type.setName(QObject::tr("Counter", "Zähler"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(counterMaintype);
        type.addSubtype(QObject::tr("Counter up", "Zähler Auf"), QStringLiteral("counter_up.png"));
        type.addSubtype(QObject::tr("Counter down", "Zähler Ab"), QStringLiteral("counter_down.png"));
        type.addValueSlot(SlotAccess::numberedName(QObject::tr("Input"), 1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("Reset"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(SlotAccess::numberedName(QObject::tr("Output"), 1), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
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
    m_input = false;
    m_previous = false;
    m_resetInput = false;
    if (resetOnStart)
        m_count = 0;
}

void Counter::readInputs()
{
    m_input = SlotAccess::isTrue(*this, 0);
    m_resetInput = SlotAccess::isTrue(*this, 1);
}

int Counter::step()
{
    if (m_resetInput) {
        // The input of this cycle is dropped, so a level still high when the reset
        // falls counts as a new edge.
        m_previous = false;
        m_count = 0;
        m_input = false;
        return 0;
    }
    const bool rising = !m_previous && m_input && countOnRisingEdge;
    const bool falling = m_previous && !m_input && countOnFallingEdge;
    if (rising || falling) {
        // Wraps instead of overflowing after billions of edges.
        const unsigned delta = type()->subtype() == 0 ? 1u : ~0u;
        m_count = static_cast<int>(static_cast<unsigned>(m_count) + delta);
    }
    m_previous = m_input;
    return 0;
}

void Counter::writeOutputs()
{
    SlotAccess::setValue(*this, 0, static_cast<float>(m_count));
}
