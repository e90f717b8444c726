#include "VectorMath.h"

#include "BlockKind.h"
#include "SlotAccess.h"

#include <mutex>

namespace {
constexpr unsigned short vectorMathMaintype = 24;
}

VectorMath::VectorMath(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), m_inputs(minimumInputs)
{
}

NodeType VectorMath::nodeType()
{
    return describeBlockKind<VectorMath>([](NodeType& type) {
        type.setName(QObject::tr("Vector", "Vektor"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(vectorMathMaintype);
        type.addSubtype(QObject::tr("Addition", "Addition"), QStringLiteral("vectoraddition.png"));
        type.addSubtype(QObject::tr("Subtraction", "Subtraktion"), QStringLiteral("vectorsubtraction.png"));
        type.addVectorSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, Vector());
        type.addVectorSlot(QObject::tr("I%1", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, Vector());
        type.addVectorSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, Vector());
    });
}

void VectorMath::readInputs()
{
    // The node's mutex keeps a dialog from removing a slot while it is read.
    const std::lock_guard nodeLocker(mutex());
    const std::lock_guard locker(m_inputsMutex);
    m_inputs.resize(static_cast<int>(type()->leftSlotCount()));
    for (int i = 0; i < m_inputs.size(); ++i)
        m_inputs[i] = SlotAccess::vector(*this, i);
}

int VectorMath::step()
{
    const std::lock_guard locker(m_inputsMutex);
    if (m_inputs.isEmpty())
        return 0;
    switch (type()->subtype()) {
    case 0:
        m_result.clear();
        for (const Vector& v : m_inputs)
            m_result += v;
        break;
    case 1:
        m_result = m_inputs[0];
        for (int i = 1; i < m_inputs.size(); ++i)
            m_result -= m_inputs[i];
        break;
    default: break;
    }
    return 0;
}

void VectorMath::writeOutputs()
{
    SlotAccess::setVector(*this, 0, m_result);
}

void VectorMath::resizeInputs(int count)
{
    const std::lock_guard locker(m_inputsMutex);
    m_inputs.resize(count);
}
