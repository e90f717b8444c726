#pragma once

#include "OmniKinematics.h"
#include "StateNode.h"

// The kinematics of the three-wheeled omni drive in both directions: wanted velocity to
// motor set speeds, and measured motor speeds to velocity.
class Omnidrive : public StateNode
{
public:
    Omnidrive(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

private:
    OmniKinematics::Motion wanted;
    OmniKinematics::Wheels setSpeeds;
    OmniKinematics::Wheels measured;
    OmniKinematics::Motion motion;
};
