#pragma once

#include "StateNode.h"

// Passes the one of 2 to 20 data inputs that Select chooses to its output.
class ValueDemultiplexer : public StateNode
{
public:
    static constexpr int minimumChannels = 2;
    static constexpr int maximumChannels = 20;

    ValueDemultiplexer(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void reset() override;
    void readInputs() override;
    void writeOutputs() override;

private:
    float m_value = 0.0f;
    float m_select = 0.0f;
};
