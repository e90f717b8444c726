#include "BasicMath2.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

#include <QMutexLocker>

namespace {
constexpr unsigned short basicMath2Maintype = 20;
}

BasicMath2::BasicMath2(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), values(minimumInputs, 0.0f)
{
}

NodeType BasicMath2::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Math"));
        type.setFlags(4);
        type.setMaintype(basicMath2Maintype);
        type.addSubtype(QObject::tr("Addition"), QStringLiteral("basicmath_plus.png"));
        type.addSubtype(QObject::tr("Subtraction"), QStringLiteral("basicmath_minus.png"));
        type.addSubtype(QObject::tr("Multiplication"), QStringLiteral("basicmath_times.png"));
        type.addSubtype(QObject::tr("Minimum"), QStringLiteral("basicmath_min.png"));
        type.addSubtype(QObject::tr("Maximum"), QStringLiteral("basicmath_max.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(basicMath2Maintype, &BasicMath2::create);
    }
    return type;
}

StateNode* BasicMath2::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new BasicMath2(owner, canvas, type.subtype(), id);
}

void BasicMath2::readInputs()
{
    // The node's mutex keeps a dialog from removing a slot while it is read.
    QMutexLocker nodeLocker(&mutex());
    QMutexLocker locker(&valuesMutex);
    values.resize(static_cast<int>(type()->leftSlotCount()));
    for (int i = 0; i < values.size(); ++i)
        values[i] = SlotAccess::value(*this, i);
}

int BasicMath2::step()
{
    QMutexLocker locker(&valuesMutex);
    result = fold(type()->subtype());
    return 0;
}

float BasicMath2::fold(int subtype) const
{
    if (values.isEmpty())
        return result;
    float folded = result;
    switch (subtype) {
    case 0:
        folded = 0.0f;
        for (float v : values)
            folded = v + folded;
        break;
    case 1:
        folded = values[0];
        for (int i = 1; i < values.size(); ++i)
            folded = folded - values[i];
        break;
    case 2:
        folded = 1.0f;
        for (float v : values)
            folded = v * folded;
        break;
    case 3:
        folded = values[0];
        for (int i = 1; i < values.size(); ++i) {
            if (folded > values[i])
                folded = values[i];
        }
        break;
    case 4:
        folded = values[0];
        for (int i = 1; i < values.size(); ++i) {
            if (folded < values[i])
                folded = values[i];
        }
        break;
    default:
        break;
    }
    return folded;
}

void BasicMath2::writeOutputs()
{
    SlotAccess::setValue(*this, 0, result);
}

void BasicMath2::resizeValues(int count)
{
    QMutexLocker locker(&valuesMutex);
    values.resize(count);
}
