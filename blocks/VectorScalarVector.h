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
    NodeDialog* createDialog(QWidget* parent) override;

    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    Vector m_v;
    float m_s = 0.0f;
    Vector m_result;
};
