#pragma once

#include "Slot.h"

// A slot of a sequence chart element; carries control messages, no value (kind 0x0A).
class TransitionSlot : public Slot
{
public:
    TransitionSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner);

    bool canConnect(Net* net) override;
    void reset() override;
    void fetch() override;
};
