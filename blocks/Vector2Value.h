#pragma once

#include "StateNode.h"
#include "Vector.h"

// Takes a vector apart into (x, y) (variant 0) or (length, direction in degrees).
class Vector2Value : public StateNode
{
public:
    Vector2Value(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    Vector m_input;
    float m_first = 0.0f;
    float m_second = 0.0f;
};
