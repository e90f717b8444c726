#pragma once

#include "StateNode.h"

// Puts out 1 when I1 and I2 stand in the variant's relation (>, <, >=, <=, ==, !=),
// else 0; floats are compared exactly.
class Compare : public StateNode
{
public:
    Compare(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    float m_a = 0.0f;
    float m_b = 0.0f;
    bool m_result = false;
};
