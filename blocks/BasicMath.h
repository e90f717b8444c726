#pragma once

#include "StateNode.h"

// Division (variant 0) and integer remainder (variant 1) of two operands.
class BasicMath : public StateNode
{
public:
    BasicMath(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    float dividend = 0.0f;
    float divisor = 0.0f;
    float result = 0.0f;
};
