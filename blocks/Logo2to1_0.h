#pragma once

#include "StateNode.h"

// Two-input XOR gate.
class Logo2to1_0 : public StateNode
{
public:
    Logo2to1_0(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    bool m_inputs[2] = {};
    bool m_result = false;
};
