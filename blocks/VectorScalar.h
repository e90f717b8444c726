#pragma once

#include "StateNode.h"

// Scalar (dot) product of two vectors.
class VectorScalar : public StateNode
{
public:
    VectorScalar(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();

    void readInputs() override;
    void writeOutputs() override;

private:
    float m_result = 0.0f;
};
