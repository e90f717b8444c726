#pragma once

#include "StateNode.h"

// Ends its program with exit 1, 2 or 3 (variants A, B, C) while its input is true.
class Exit : public StateNode
{
public:
    Exit(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void readInputs() override;
    int step() override;

private:
    bool input = false;
};
