#pragma once

#include "StateNode.h"

// Division (variant 0) and integer remainder (variant 1) of two operands.
class BasicMath : public StateNode
{
public:
    BasicMath(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    float m_dividend = 0.0f;
    float m_divisor = 0.0f;
    float m_result = 0.0f;
};
