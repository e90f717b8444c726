#include "VectorConst.h"

#include "BlockKind.h"
#include "Slot.h"
#include "SlotAccess.h"
#include "VectorSlot.h"

#include <mutex>

namespace {
constexpr unsigned short vectorConstMaintype = 22;
}

VectorConst::VectorConst(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
    // A new block starts with what its output holds: the slot's default (1, 0).
    Slot* output = slot(SlotSpec::Right, 0);
    if (VectorSlot* vectorOutput = output ? output->toVectorSlot() : nullptr)
        m_constant = vectorOutput->value();
}

NodeType VectorConst::nodeType()
{
    return describeBlockKind<VectorConst>([](NodeType& type) {
        type.setName(QObject::tr("Vector"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(vectorConstMaintype);
        type.addSubtype(QObject::tr("Vectorconstant", "Vectorkonstante"), QStringLiteral("vectorconst.png"));
        type.addVectorSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right,
                           Vector(1.0f, 0.0f, 0));
    });
}

void VectorConst::setParameters(QMap<QString, QString> parameters)
{
    setVector(
        Vector(parameters.value(QStringLiteral("x")).toFloat(), parameters.value(QStringLiteral("y")).toFloat(), 0));
    setSystem(parameters.value(QStringLiteral("system")).toInt());
    writeIfRunning();
}

QMap<QString, QString> VectorConst::parameters() const
{
    const Vector current = vector();
    return {{QStringLiteral("x"), QString::number(current.x(), 'g', 6)},
            {QStringLiteral("y"), QString::number(current.y(), 'g', 6)},
            {QStringLiteral("system"), QString::number(system())}};
}

Vector VectorConst::vector() const
{
    const std::lock_guard locker(m_vectorMutex);
    return m_constant;
}

void VectorConst::setVector(const Vector& value)
{
    const std::lock_guard locker(m_vectorMutex);
    m_constant = value;
}

void VectorConst::writeOutputs()
{
    SlotAccess::setVector(*this, 0, vector());
}
