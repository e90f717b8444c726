#pragma once

#include "StateNode.h"

// Puts out the robot's bumper contact as 0 or 1.
class Bumper : public StateNode
{
public:
    Bumper(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void readInputs() override;
    void writeOutputs() override;

private:
    int value = 0;
};
