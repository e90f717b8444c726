#include "SlotFactory.h"

#include "ImageSlot.h"
#include "SegImageSlot.h"
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
        case SlotSpec::ImageKind: return new ImageSlot(canvas, spec, owner);
        case SlotSpec::SegImageKind: return new SegImageSlot(canvas, spec, owner);
        default: return nullptr;
        }
    }
    if (isSlot && (kind & NetDock::TransitionBit))
        return new TransitionSlot(canvas, spec, owner);
    return nullptr;
}
