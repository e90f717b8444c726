#pragma once

#include <cstdint>

// One camera frame as the robot link hands it over; valid until the source unlocks it.
struct CameraFrame
{
    enum Type { Jpeg = 0, RawRgb = 2 };

    int type = Jpeg;
    int width = 0;
    int height = 0;
    const std::uint8_t* data = nullptr;
    int size = 0; // bytes of data
    std::uint32_t tag = 0;
};

// Where the intake gets frames: the robot link, or a file for headless runs and tests.
class CameraFrameSource
{
public:
    virtual ~CameraFrameSource() = default;
    virtual bool isConnected() = 0;
    // The newest frame, or null when there is no new one; stays unchanged until unlockImage().
    virtual const CameraFrame* lockImage() = 0;
    // Once after every frame that lockImage() returned.
    virtual void unlockImage() = 0;
};
