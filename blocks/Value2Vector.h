#pragma once

#include "StateNode.h"
#include "Vector.h"

// Builds a vector from (x, y) (variant 0) or from (length, direction in degrees).
class Value2Vector : public StateNode
{
public:
    Value2Vector(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    float m_a = 0.0f;
    float m_b = 0.0f;
    Vector m_result;
};
