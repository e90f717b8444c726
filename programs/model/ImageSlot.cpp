#include "ImageSlot.h"

ImageSlot::ImageSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner) : DataSlot(canvas, spec, owner)
{
    setPixmaps(QStringLiteral("image_idle.png"), QStringLiteral("image_accept.png"),
               QStringLiteral("image_reject.png"));
}

void ImageSlot::reset()
{
    m_lending.drop();
}

void ImageSlot::fetch()
{
    if (!isInput())
        return;
    if (lines().isEmpty()) {
        reset();
        return;
    }
    // A net without a source leaves the input with what it holds.
    if (Slot* source = connectedSource()) {
        if (ImageSlot* imageSource = source->toImageSlot())
            setImage(imageSource->image());
    }
}

ImageSlot* ImageSlot::toImageSlot()
{
    return this;
}
