#pragma once

#include "DataSlot.h"
#include "Vector.h"

#include <atomic>

// A data slot carrying one Vector (kind 0x26).
class VectorSlot : public DataSlot
{
    Q_DECLARE_TR_FUNCTIONS(VectorSlot)

public:
    VectorSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner);

    void reset() override;
    void fetch() override;
    VectorSlot* toVectorSlot() override;

    void setValue(const Vector& value);
    // A copy: the components are read without a lock, so they may come from two writes.
    Vector value() const;
    Vector applyTransform(const Vector& x) const;

private:
    void store(const Vector& value);

    std::atomic<float> m_x;
    std::atomic<float> m_y;
};
