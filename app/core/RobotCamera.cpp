#include "RobotCamera.h"

#include "CameraCenter.h"
#include "ComCenter.h"
#include "KelmarisCom.h"

RobotCamera::RobotCamera(KelmarisCom& link, CameraCenter& center) : frames(link), center(center), intake(frames, center)
{
}

RobotCamera::~RobotCamera() = default;

int RobotCamera::numberOfUsers() const
{
    return center.numberOfUsers();
}

ComCenterCamera::Parameters RobotCamera::parameters() const
{
    const CameraParameters& chosen = *center.parameters();
    return {chosen.brightness, chosen.contrast, chosen.imageSize, chosen.imageQuality};
}

void RobotCamera::receiveImage(KelmarisCom& com, std::atomic<bool>& imageLoopActive)
{
    // Without camera blocks no frames are asked for: the plain pass only counts them.
    if (numberOfUsers() == 0) {
        ComCenterCamera::receiveImage(com, imageLoopActive);
        return;
    }
    intake.receiveImage();
}

void RobotCamera::endImageLoop()
{
    intake.endImageLoop();
}

bool RobotCamera::LinkFrames::isConnected()
{
    return link.isConnected();
}

const CameraFrame* RobotCamera::LinkFrames::lockImage()
{
    const KelmarisImage* image = link.lockImage();
    if (!image)
        return nullptr;
    frame.type = image->type;
    frame.width = image->width;
    frame.height = image->height;
    frame.data = image->data;
    frame.size = image->size;
    frame.tag = image->tag;
    lastImageSize.store(static_cast<unsigned>(image->size));
    return &frame;
}

void RobotCamera::LinkFrames::unlockImage()
{
    link.unlockImage();
}
