#include "CameraComCenterServices.h"

#include "CameraIntake.h"

void CameraComCenterServices::receiveImage()
{
    intake.receiveImage();
}

void CameraComCenterServices::endImageLoop()
{
    intake.endImageLoop();
}
