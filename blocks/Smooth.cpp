#include "Smooth.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

#include <algorithm>

namespace {
constexpr unsigned short smoothMaintype = 27;
}

Smooth::Smooth(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), buffer(ringSize)
{
    buffer.fill(0.0f);
}

NodeType Smooth::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Filter"));
        type.setFlags(4);
        type.setMaintype(smoothMaintype);
        type.addSubtype(QObject::tr("Smooth", "Glättung"), QStringLiteral("smooth.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(smoothMaintype, &Smooth::create);
    }
    return type;
}

StateNode* Smooth::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Smooth(owner, canvas, type.subtype(), id);
}

void Smooth::setDepth(unsigned depth)
{
    averagedSamples.store(std::min(depth, maximumDepth));
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
    output = 0.0f;
    buffer.fill(0.0f);
}

void Smooth::readInputs()
{
    buffer.push(SlotAccess::value(*this, 0));
}

int Smooth::step()
{
    const unsigned samples = depth();
    // Nothing to average at depth 0: the output is 0 rather than 0 / 0.
    if (samples == 0) {
        output = 0.0f;
        return 0;
    }
    float sum = 0.0f;
    buffer.forNewest(samples, [&sum](float sample) { sum = sum + sample; });
    output = sum / float(samples);
    return 0;
}

void Smooth::writeOutputs()
{
    SlotAccess::setValue(*this, 0, output);
}
