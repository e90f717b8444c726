#pragma once

#include "StateNode.h"

// NOT: 1 while its input is below 0.5, else 0.
class LogicInv : public StateNode
{
public:
    LogicInv(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void reset() override;
    void readInputs() override;
    void writeOutputs() override;

private:
    bool input = false;
};
