#include "VectorMath.h"

#include "NodeFactory.h"
#include "SlotAccess.h"

#include <QMutexLocker>

namespace {
constexpr unsigned short vectorMathMaintype = 24;
}

VectorMath::VectorMath(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), inputs(minimumInputs)
{
}

NodeType VectorMath::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Vector", "Vektor"));
        type.setFlags(4);
        type.setMaintype(vectorMathMaintype);
        type.addSubtype(QObject::tr("Addition", "Addition"), QStringLiteral("vectoraddition.png"));
        type.addSubtype(QObject::tr("Subtraction", "Subtraktion"), QStringLiteral("vectorsubtraction.png"));
        type.addVectorSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, Vector());
        type.addVectorSlot(QObject::tr("I%1", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, Vector());
        type.addVectorSlot(QObject::tr("O%1", "Output channel").arg(1), SlotSpec::Output, SlotSpec::Right, Vector());
        nodeFactories().insert(vectorMathMaintype, &VectorMath::create);
    }
    return type;
}

StateNode* VectorMath::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new VectorMath(owner, canvas, type.subtype(), id);
}

void VectorMath::readInputs()
{
    // The node's mutex keeps a dialog from removing a slot while it is read.
    QMutexLocker nodeLocker(&mutex());
    QMutexLocker locker(&inputsMutex);
    inputs.resize(static_cast<int>(type()->leftSlotCount()));
    for (int i = 0; i < inputs.size(); ++i)
        inputs[i] = SlotAccess::vector(*this, i);
}

int VectorMath::step()
{
    QMutexLocker locker(&inputsMutex);
    if (inputs.isEmpty())
        return 0;
    switch (type()->subtype()) {
    case 0:
        result.clear();
        for (const Vector& v : inputs)
            result += v;
        break;
    case 1:
        result = inputs[0];
        for (int i = 1; i < inputs.size(); ++i)
            result -= inputs[i];
        break;
    default:
        break;
    }
    return 0;
}

void VectorMath::writeOutputs()
{
    SlotAccess::setVector(*this, 0, result);
}

void VectorMath::resizeInputs(int count)
{
    QMutexLocker locker(&inputsMutex);
    inputs.resize(count);
}
