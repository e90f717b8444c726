#include "SegImageSlot.h"

SegImageSlot::SegImageSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner) : DataSlot(canvas, spec, owner)
{
    setPixmaps(QStringLiteral("segimage_idle.png"), QStringLiteral("segimage_accept.png"),
               QStringLiteral("segimage_reject.png"));
}

void SegImageSlot::reset()
{
    m_lending.drop();
}

void SegImageSlot::fetch()
{
    if (!isInput())
        return;
    if (lines().isEmpty()) {
        reset();
        return;
    }
    // A net without a source leaves the input with what it holds.
    if (auto* source = dynamic_cast<SegImageSlot*>(connectedSource()))
        setImage(source->image());
}
