#pragma once

#include "StateNode.h"

// Puts out the current the robot draws and its battery voltage.
class MasterController : public StateNode
{
public:
    MasterController(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void writeOutputs() override;
};
