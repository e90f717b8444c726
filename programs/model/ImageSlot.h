#pragma once

#include "DataSlot.h"
#include "ImageLending.h"

// A slot carrying a colour image (kind 0x46), lent by
// handle along its net; image slots are used by the image thread only while programs run.
class ImageSlot : public DataSlot
{
    Q_DECLARE_TR_FUNCTIONS(ImageSlot)

public:
    ImageSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner);

    void reset() override;
    void fetch() override;
    ImageSlot* toImageSlot() override;

    // The held image: the handle itself to the first taker, a pool copy to every later one.
    // The taker owns what it gets.
    ImageHandle image() { return m_lending.take(); }
    // Stores the handle; the image held before goes back to the pool if nobody took it.
    void setImage(const ImageHandle& handle) { m_lending.store(handle); }
    const ImageHandle& heldImage() const { return m_lending.held(); }
    int takeCount() const { return m_lending.takeCount(); }

private:
    ImageLending m_lending;
};
