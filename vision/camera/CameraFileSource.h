#pragma once

#include "CameraFrame.h"

#include <QString>

#include <cstdint>
#include <vector>

// A camera that delivers one JPEG file as the newest frame of every intake pass.
class CameraFileSource : public CameraFrameSource
{
public:
    // False when the file cannot be read.
    bool load(const QString& fileName);

    // The frame as loaded, tag 0.
    const CameraFrame& loaded() const { return frame; }

    bool isConnected() override { return !bytes.empty(); }
    const CameraFrame* lockImage() override;
    void unlockImage() override { }

private:
    std::vector<std::uint8_t> bytes;
    CameraFrame frame;
};
