#pragma once

#include "StateNode.h"

// Sends its input to the one of 2 to 20 outputs that Select chooses, and 0 to all others.
class ValueMultiplexer : public StateNode
{
public:
    static constexpr int minimumChannels = 2;
    static constexpr int maximumChannels = 20;

    ValueMultiplexer(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void reset() override;
    void readInputs() override;
    void writeOutputs() override;

private:
    float m_value = 0.0f;
    float m_select = 0.0f;
};
