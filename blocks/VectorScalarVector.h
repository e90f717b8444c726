#pragma once

#include "StateNode.h"
#include "Vector.h"

// Combines a vector with a number: scales it, gives it that length, or rotates it by
// that many degrees.
class VectorScalarVector : public StateNode
{
public:
    VectorScalarVector(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    Vector v;
    float s = 0.0f;
    Vector result;
};
