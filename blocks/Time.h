#pragma once

#include "PerformanceTimer.h"
#include "StateNode.h"

// Puts out the milliseconds since the block started or since its reset input was
// last true.
class Time : public StateNode
{
public:
    Time(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();

    void start() override;
    void readInputs() override;
    void writeOutputs() override;

private:
    PerformanceTimer m_timer;
};
