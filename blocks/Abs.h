#pragma once

#include "StateNode.h"

// Puts out the absolute value of its input.
class Abs : public StateNode
{
public:
    Abs(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void reset() override;
    void readInputs() override;
    void writeOutputs() override;

private:
    float m_x = 0.0f;
};
