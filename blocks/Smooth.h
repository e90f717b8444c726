#pragma once

#include "RingBuffer.h"
#include "StateNode.h"

#include <atomic>

// Moving average: the mean of the last depth input samples.
class Smooth : public StateNode
{
public:
    static constexpr unsigned ringSize = 100;
    // A file may hold any depth; more than this would only make each cycle slower.
    static constexpr unsigned maximumDepth = 10000;

    Smooth(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

    unsigned depth() const { return m_averagedSamples.load(); }
    void setDepth(unsigned depth);

private:
    float m_output = 0.0f;
    RingBuffer<float> m_buffer;
    // Set by the dialog while the cycle reads it.
    std::atomic<unsigned> m_averagedSamples {1};
};
