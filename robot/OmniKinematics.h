#pragma once

// The kinematics of the robot's three-wheeled omni drive, in the drive block's exact
// constants: wheel rims at 150, 270 and 30 degrees of the robot frame, 125 mm from the
// centre; motor speeds in rpm, velocities in mm/s and degrees per second.
namespace OmniKinematics {

constexpr double sqrt3 = 1.7320507764816284; // single-precision root of 3
constexpr double wheelCircle = 785.3981749999999; // 250 x 3.1415927
constexpr double rpmPerMmPerS = 3.819718577777444; // 12 / 3.1415927
constexpr double twoThirds = 0.6666666865348816;

struct Wheels
{
    float m1 = 0.0f, m2 = 0.0f, m3 = 0.0f;
};

struct Motion
{
    float vx = 0.0f, vy = 0.0f, omega = 0.0f;
};

Wheels motorSpeeds(const Motion& wanted);
Motion robotMotion(const Wheels& measured);

} // namespace OmniKinematics
