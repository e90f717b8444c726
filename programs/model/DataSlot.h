#pragma once

#include "Slot.h"

#include <QStringList>

#include <atomic>
#include <cstdint>

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
    float parameter(int i) const { return (i >= 0 && i < 4) ? m_parameters[i].load(std::memory_order_relaxed) : 0.0f; }
    const QStringList& transformNames() const { return m_transformNames; }

protected:
    void setTransformNames(const QStringList& names) { m_transformNames = names; }
    float a() const { return parameter(0); }
    float b() const { return parameter(1); }
    float c() const { return parameter(2); }
    float d() const { return parameter(3); }
    // The source slot of the net at this input's first line, or null. Kept between
    // net changes: the cycle reads it for every input in every cycle.
    Slot* connectedSource() const
    {
        const std::uint64_t generation = netGeneration();
        if (generation != m_sourceGeneration) {
            m_source = findSource();
            m_sourceGeneration = generation;
        }
        return m_source;
    }

private:
    Slot* findSource() const;

    // The block dialog changes the scaling while the cycle thread applies it.
    std::atomic<int> m_transform {0};
    QStringList m_transformNames;
    std::atomic<float> m_parameters[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    // Only fetch() uses these, and the engine calls it under the list lock that net
    // changes take.
    mutable Slot* m_source = nullptr;
    mutable std::uint64_t m_sourceGeneration = UINT64_MAX;
};
