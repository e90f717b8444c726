#pragma once

#include "StateNode.h"

// Four-input OR (variant 0) and NOR (variant 1) gate.
class Logo4to1_0 : public StateNode
{
public:
    Logo4to1_0(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    bool inputs[4] = {};
    bool result = false;
};
