#include "SlotAccess.h"

#include "Node.h"
#include "Slot.h"
#include "SlotSpec.h"
#include "ValueSlot.h"
#include "VectorSlot.h"

namespace {

ValueSlot* valueSlot(const Node& node, int side, int index)
{
    Slot* slot = node.slot(side, index);
    return slot ? slot->toValueSlot() : nullptr;
}

VectorSlot* vectorSlot(const Node& node, int side, int index)
{
    Slot* slot = node.slot(side, index);
    return slot ? slot->toVectorSlot() : nullptr;
}

} // namespace

float SlotAccess::value(const Node& node, int index)
{
    const ValueSlot* slot = valueSlot(node, SlotSpec::Left, index);
    return slot ? slot->value() : 0.0f;
}

bool SlotAccess::isTrue(const Node& node, int index)
{
    const ValueSlot* slot = valueSlot(node, SlotSpec::Left, index);
    return slot && slot->toBool();
}

int SlotAccess::rounded(const Node& node, int index)
{
    const ValueSlot* slot = valueSlot(node, SlotSpec::Left, index);
    return slot ? slot->toInt() : 0;
}

Vector SlotAccess::vector(const Node& node, int index)
{
    const VectorSlot* slot = vectorSlot(node, SlotSpec::Left, index);
    return slot ? slot->value() : Vector();
}

void SlotAccess::setValue(Node& node, int index, float value)
{
    if (ValueSlot* slot = valueSlot(node, SlotSpec::Right, index))
        slot->setValue(value);
}

void SlotAccess::setVector(Node& node, int index, const Vector& value)
{
    if (VectorSlot* slot = vectorSlot(node, SlotSpec::Right, index))
        slot->setValue(value);
}

QString SlotAccess::numberedName(const QString& text, int n)
{
    if (text.contains(QLatin1String("%1")))
        return text.arg(n);
    return text + QLatin1Char(' ') + QString::number(n);
}
