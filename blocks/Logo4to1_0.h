#pragma once

#include "StateNode.h"

// Four-input OR (variant 0) and NOR (variant 1) gate.
class Logo4to1_0 : public StateNode
{
public:
    Logo4to1_0(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    bool m_inputs[4] = {};
    bool m_result = false;
};
