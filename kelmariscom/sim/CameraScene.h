#pragma once

#include <cstdint>
#include <vector>

// What the simulated robot's camera sees: floor, wall and a few coloured objects placed
// around the world origin, drawn from the robot's pose.
class CameraScene
{
public:
    // RGB bytes, rows without gaps. x and y in millimetres, phi in degrees.
    static std::vector<unsigned char> render(int width, int height, double x, double y, double phi,
                                             std::uint32_t frame);
    // Baseline JPEG of RGB bytes.
    static std::vector<unsigned char> encodeJpeg(const std::vector<unsigned char>& rgb, int width, int height,
                                                 int quality);
};
