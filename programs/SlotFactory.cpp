#include "SlotFactory.h"

#include "SlotSpec.h"
#include "TransitionSlot.h"
#include "ValueSlot.h"
#include "VectorSlot.h"

Slot* createSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner)
{
    const int kind = spec.kind();
    const bool isSlot = kind & NetDock::SlotBit;
    if (isSlot && (kind & NetDock::DataBit)) {
        switch (kind) {
        case SlotSpec::ValueKind: return new ValueSlot(canvas, spec, owner);
        case SlotSpec::VectorKind: return new VectorSlot(canvas, spec, owner);
        // Image kinds have no slot class yet; their descriptors are skipped.
        default: return nullptr;
        }
    }
    if (isSlot && (kind & NetDock::TransitionBit))
        return new TransitionSlot(canvas, spec, owner);
    return nullptr;
}
