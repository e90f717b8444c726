#pragma once

// The NorthStar block's outputs: the sensor's pose seen from the origin the user set.
namespace NorthStarFrame {

struct Pose
{
    double x = 0.0, y = 0.0, phi = 0.0; // sensor units; phi in radians
};

struct Output
{
    float x = 0.0f, y = 0.0f, phi = 0.0f; // phi in degrees, -180 .. 180
};

constexpr double radiansToDegrees = 57.29579162597656;

// Rotates origin minus reading by minus the origin's heading.
Output relative(const Pose& reading, const Pose& origin);

} // namespace NorthStarFrame
