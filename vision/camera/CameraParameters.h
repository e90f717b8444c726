#pragma once

// The one set of camera settings sent to the robot.
struct CameraParameters
{
    int brightness = 50; // low byte sent
    int contrast = 50; // low byte sent
    int imageSize = 0; // 0 = 320 x 240, 1 = 640 x 480
    int imageQuality = 0; // 0 compressed frames, otherwise uncompressed

    friend bool operator==(const CameraParameters&, const CameraParameters&) = default;
};
