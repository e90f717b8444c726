#pragma once

#include "StateNode.h"
#include "Vector.h"

// Builds a vector from (x, y) (variant 0) or from (length, direction in degrees).
class Value2Vector : public StateNode
{
public:
    Value2Vector(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    float a = 0.0f;
    float b = 0.0f;
    Vector result;
};
