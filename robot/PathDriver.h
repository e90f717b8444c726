#pragma once

#include "PathSteering.h"
#include "StateNode.h"

// Steers the robot toward a wanted pose: a velocity in the robot's frame and a turning
// rate, for the omni drive's wanted-velocity inputs.
class PathDriver : public StateNode
{
public:
    PathDriver(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    PathSteering::Pose target;
    PathSteering::Pose actual;
    PathSteering::Command command;
};
