#pragma once

#include "ChannelBlock.h"

#include <atomic>

// Switches one of the robot's two relays to its input in every cycle.
class Relay : public ChannelBlock
{
public:
    Relay(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();

    NodeDialog* createDialog(QWidget* parent) override;
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    unsigned relay() const { return channel(); }
    void setRelay(unsigned n) { setChannel(n); }

    void readInputs() override;
    void writeOutputs() override;

private:
    std::atomic<bool> state {false};
};
