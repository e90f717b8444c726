#include "BasicMath2.h"

#include "BlockKind.h"
#include "SlotAccess.h"

#include <mutex>

namespace {
constexpr unsigned short basicMath2Maintype = 20;
}

BasicMath2::BasicMath2(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), m_values(minimumInputs, 0.0f)
{
}

NodeType BasicMath2::nodeType()
{
    return describeBlockKind<BasicMath2>([](NodeType& type) {
        type.setName(QObject::tr("Math"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(basicMath2Maintype);
        type.addSubtype(QObject::tr("Addition"), QStringLiteral("basicmath_plus.png"));
        type.addSubtype(QObject::tr("Subtraction"), QStringLiteral("basicmath_minus.png"));
        type.addSubtype(QObject::tr("Multiplication"), QStringLiteral("basicmath_times.png"));
        type.addSubtype(QObject::tr("Minimum"), QStringLiteral("basicmath_min.png"));
        type.addSubtype(QObject::tr("Maximum"), QStringLiteral("basicmath_max.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void BasicMath2::readInputs()
{
    // The node's mutex keeps a dialog from removing a slot while it is read.
    const std::lock_guard nodeLocker(mutex());
    const std::lock_guard locker(m_valuesMutex);
    m_values.resize(static_cast<int>(type()->leftSlotCount()));
    for (int i = 0; i < m_values.size(); ++i)
        m_values[i] = SlotAccess::value(*this, i);
}

int BasicMath2::step()
{
    const std::lock_guard locker(m_valuesMutex);
    m_result = fold(type()->subtype());
    return 0;
}

float BasicMath2::fold(int subtype) const
{
    if (m_values.isEmpty())
        return m_result;
    float folded = m_result;
    switch (subtype) {
    case 0:
        folded = 0.0f;
        for (float v : m_values)
            folded = v + folded;
        break;
    case 1:
        folded = m_values[0];
        for (int i = 1; i < m_values.size(); ++i)
            folded = folded - m_values[i];
        break;
    case 2:
        folded = 1.0f;
        for (float v : m_values)
            folded = v * folded;
        break;
    case 3:
        folded = m_values[0];
        for (int i = 1; i < m_values.size(); ++i) {
            if (folded > m_values[i])
                folded = m_values[i];
        }
        break;
    case 4:
        folded = m_values[0];
        for (int i = 1; i < m_values.size(); ++i) {
            if (folded < m_values[i])
                folded = m_values[i];
        }
        break;
    default: break;
    }
    return folded;
}

void BasicMath2::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_result);
}

void BasicMath2::resizeValues(int count)
{
    const std::lock_guard locker(m_valuesMutex);
    m_values.resize(count);
}
