#pragma once

#include "StateNode.h"

// Puts out 1 when I1 and I2 stand in the variant's relation (>, <, >=, <=, ==, !=),
// else 0; floats are compared exactly.
class Compare : public StateNode
{
public:
    Compare(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    float a = 0.0f;
    float b = 0.0f;
    bool result = false;
};
