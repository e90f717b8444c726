#pragma once

#include "Slot.h"

#include <QStringList>

#include <atomic>

// A slot that carries a value and can scale it with one of its formulas.
class DataSlot : public Slot
{
    Q_DECLARE_TR_FUNCTIONS(DataSlot)

public:
    DataSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner);

    bool canConnect(Net* net) override;
    bool hasTransform() const override;

    void setTransform(int index);
    int transform() const { return m_transform.load(std::memory_order_relaxed); }
    void setParameter(int i, float value);
    float parameter(int i) const;
    const QStringList& transformNames() const { return m_transformNames; }

protected:
    void setTransformNames(const QStringList& names) { m_transformNames = names; }
    float a() const { return parameter(0); }
    float b() const { return parameter(1); }
    float c() const { return parameter(2); }
    float d() const { return parameter(3); }
    // The source slot of the net at this input's first line, or null.
    Slot* connectedSource() const;

private:
    // The block dialog changes the scaling while the cycle thread applies it.
    std::atomic<int> m_transform { 0 };
    QStringList m_transformNames;
    std::atomic<float> m_parameters[4] = { 0.0f, 0.0f, 0.0f, 0.0f };
};
