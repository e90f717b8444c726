#pragma once

#include "DataSlot.h"

#include <atomic>

// A data slot carrying one float (kind 0x16).
class ValueSlot : public DataSlot
{
public:
    ValueSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner);

    void reset() override;
    void fetch() override;
    QString text() const override;
    ValueSlot* toValueSlot() override;

    void setValue(float value);
    float value() const { return m_value.load(std::memory_order_relaxed); }
    bool toBool() const;
    int toInt() const;
    float applyTransform(float x) const;

private:
    QString formulaText() const;

    // Written by one thread, read by others (datatips, blocks of the other cycle).
    std::atomic<float> m_value;
};
