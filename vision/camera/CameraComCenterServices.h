#pragma once

#include "ComCenterServices.h"

class CameraIntake;

// The engine's robot-link services with only the camera side: the image thread's intake pass.
// For headless runs that feed camera frames without a robot.
class CameraComCenterServices : public ComCenterServices
{
public:
    explicit CameraComCenterServices(CameraIntake& intake) : intake(intake) { }

    void receiveImage() override;
    void endImageLoop() override;

private:
    CameraIntake& intake;
};
