#pragma once

#include "StateNode.h"

// Passes the one of 2 to 20 data inputs that Select chooses to its output.
class ValueDemultiplexer : public StateNode
{
public:
    static constexpr int minimumChannels = 2;
    static constexpr int maximumChannels = 20;

    ValueDemultiplexer(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void reset() override;
    void readInputs() override;
    void writeOutputs() override;

private:
    float value = 0.0f;
    float select = 0.0f;
};
