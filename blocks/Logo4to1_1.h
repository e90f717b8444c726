#pragma once

#include "StateNode.h"

// Four-input AND and NAND gates, each also as an edge variant that is true for the one
// cycle in which the AND has just become true (AND FL) or false (NAND FL).
class Logo4to1_1 : public StateNode
{
public:
    Logo4to1_1(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    bool m_inputs[4] = {};
    bool m_previousInputs[4] = {};
    bool m_result = false;
};
