#include "Smooth.h"

#include "BlockKind.h"
#include "SlotAccess.h"

#include <algorithm>

namespace {
constexpr unsigned short smoothMaintype = 27;
}

Smooth::Smooth(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), m_buffer(ringSize)
{
    m_buffer.fill(0.0f);
}

NodeType Smooth::nodeType()
{
    return describeBlockKind<Smooth>([](NodeType& type) {
        type.setName(QObject::tr("Filter"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(smoothMaintype);
        type.addSubtype(QObject::tr("Smooth", "Glättung"), QStringLiteral("smooth.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void Smooth::setDepth(unsigned depth)
{
    m_averagedSamples.store(std::min(depth, maximumDepth));
}

void Smooth::setParameters(QMap<QString, QString> parameters)
{
    bool ok = false;
    const unsigned depth = parameters.value(QStringLiteral("depth")).toUInt(&ok);
    setDepth(ok ? depth : 1u);
}

QMap<QString, QString> Smooth::parameters() const
{
    return {{QStringLiteral("depth"), QString::number(depth())}};
}

void Smooth::reset()
{
    m_output = 0.0f;
    m_buffer.fill(0.0f);
}

void Smooth::readInputs()
{
    m_buffer.push(SlotAccess::value(*this, 0));
}

int Smooth::step()
{
    const unsigned samples = depth();
    // Nothing to average at depth 0: the output is 0 rather than 0 / 0.
    if (samples == 0) {
        m_output = 0.0f;
        return 0;
    }
    float sum = 0.0f;
    m_buffer.forNewest(samples, [&sum](float sample) { sum = sum + sample; });
    m_output = sum / float(samples);
    return 0;
}

void Smooth::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_output);
}
