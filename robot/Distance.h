#pragma once

#include "ChannelBlock.h"

// Puts out one distance sensor's reading in volts and the direction it looks in.
class Distance : public ChannelBlock
{
public:
    Distance(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();

    NodeDialog* createDialog(QWidget* parent) override;
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    // Sensor n looks at 40 x (n - 1) degrees; no sensor gives 0.
    static unsigned headingOf(unsigned sensor);

    void readInputs() override;
    void writeOutputs() override;

private:
    float value = 0.0f;
    unsigned heading = 0;
};
