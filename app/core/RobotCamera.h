#pragma once

#include "CameraFrame.h"
#include "CameraIntake.h"
#include "ComCenterCamera.h"

class CameraCenter;
class KelmarisCom;

// Joins the robot link's camera side to the image intake: while camera blocks run, the
// image thread decodes the link's frames into the pool images those blocks take; the
// camera settings the user chose are the ones the robot gets.
class RobotCamera : public ComCenterCamera
{
public:
    RobotCamera(KelmarisCom& link, CameraCenter& center);
    ~RobotCamera() override;
    RobotCamera(const RobotCamera&) = delete;
    RobotCamera& operator=(const RobotCamera&) = delete;

    int numberOfUsers() const override;
    Parameters parameters() const override;
    void receiveImage(KelmarisCom& com, std::atomic<bool>& imageLoopActive) override;
    void endImageLoop() override;

private:
    // The link's newest frame, as the intake reads frames.
    class LinkFrames : public CameraFrameSource
    {
    public:
        explicit LinkFrames(KelmarisCom& link) : link(link) { }
        bool isConnected() override;
        const CameraFrame* lockImage() override;
        void unlockImage() override;

    private:
        KelmarisCom& link;
        CameraFrame frame;
    };

    LinkFrames frames;
    CameraCenter& center;
    CameraIntake intake;
};
