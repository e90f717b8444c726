#pragma once

#include "ChannelBlock.h"

// Puts out one of the robot's digital inputs as 0 or 1.
class DigitalInput : public ChannelBlock
{
public:
    DigitalInput(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();

    NodeDialog* createDialog(QWidget* parent) override;
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void readInputs() override;
    void writeOutputs() override;

private:
    int value = 0;
};
