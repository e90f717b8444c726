#pragma once

#include "StateNode.h"

// NOT: 1 while its input is below 0.5, else 0.
class LogicInv : public StateNode
{
public:
    LogicInv(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void reset() override;
    void readInputs() override;
    void writeOutputs() override;

private:
    bool m_input = false;
};
