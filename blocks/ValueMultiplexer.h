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
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void reset() override;
    void readInputs() override;
    void writeOutputs() override;

private:
    float value = 0.0f;
    float select = 0.0f;
};
