#pragma once

// The path driver's rule: a velocity in the robot's frame toward the target, falling
// off smoothly near it, and a turning rate equal to the heading error within ±120.
namespace PathSteering {

struct Pose
{
    float x = 0.0f, y = 0.0f, phi = 0.0f; // phi in degrees
};

struct Command
{
    float vx = 0.0f, vy = 0.0f, omega = 0.0f;
};

constexpr float topSpeed = 400.0f;
constexpr float omegaLimit = 120.0f;

Command steer(const Pose& target, const Pose& actual);

} // namespace PathSteering
