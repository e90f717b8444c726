#include "RobotSlots.h"

#include "Node.h"
#include "Slot.h"
#include "ValueSlot.h"

namespace RobotSlots {

namespace {
ValueSlot* valueSlot(const Node& node, int side, int index)
{
    Slot* slot = node.slot(side, index);
    return slot ? slot->toValueSlot() : nullptr;
}
} // namespace

float input(const Node& node, int side, int index)
{
    const ValueSlot* slot = valueSlot(node, side, index);
    return slot ? slot->value() : 0.0f;
}

bool isTrue(const Node& node, int side, int index)
{
    const ValueSlot* slot = valueSlot(node, side, index);
    return slot && slot->toBool();
}

void output(Node& node, int side, int index, float value)
{
    if (ValueSlot* slot = valueSlot(node, side, index))
        slot->setValue(value);
}

} // namespace RobotSlots
