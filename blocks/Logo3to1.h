#pragma once

#include "StateNode.h"

// RS flip-flop: S sets, R resets (and wins over S), a true Par input holds the state.
class Logo3to1 : public StateNode
{
public:
    Logo3to1(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    bool setInput = false;
    bool resetInput = false;
    bool holdInput = false;
    bool result = false;
};
