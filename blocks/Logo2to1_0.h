#pragma once

#include "StateNode.h"

// Two-input XOR gate.
class Logo2to1_0 : public StateNode
{
public:
    Logo2to1_0(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    bool inputs[2] = {};
    bool result = false;
};
