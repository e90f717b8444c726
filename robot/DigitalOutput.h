#pragma once

#include "ChannelBlock.h"

#include <atomic>

// Switches one of the robot's digital outputs to its input in every cycle.
class DigitalOutput : public ChannelBlock
{
public:
    DigitalOutput(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();

    NodeDialog* createDialog(QWidget* parent) override;
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void readInputs() override;
    void writeOutputs() override;

private:
    std::atomic<bool> value {false};
};
