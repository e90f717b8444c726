#pragma once

#include "StateNode.h"

// RS flip-flop: S sets, R resets (and wins over S), a true Par input holds the state.
class Logo3to1 : public StateNode
{
public:
    Logo3to1(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();

    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    bool m_setInput = false;
    bool m_resetInput = false;
    bool m_holdInput = false;
    bool m_result = false;
};
