#pragma once

#include "ChannelBlock.h"

// Puts out one of the robot's analogue inputs in volts.
class ADC : public ChannelBlock
{
public:
    ADC(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();

    NodeDialog* createDialog(QWidget* parent) override;
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void readInputs() override;
    void writeOutputs() override;

private:
    float value = 0.0f;
};
