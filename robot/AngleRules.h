#pragma once

#include <cstdint>

// Angle and number rules the robot blocks share. Angles are brought into range by a
// remainder rather than by repeated turns, so an infinite, undefined or huge value gives
// a defined result at once instead of hanging a cycle.
namespace AngleRules {

// Into -180 .. 180 degrees as by whole turns; 180 and -180 stay. Non-finite gives 0.
double halfTurn(double degrees);
// Into 0 .. 360 as by whole turns (a value above 360 loses turns first, 360 stays 360,
// then a value below 0 gains turns). Non-finite gives 0.
double fullTurn(double degrees);
// The drive's omega output: (floor mod 360) + fraction, keeping the sign of omega.
// Non-finite gives 0.
float reducedOmega(float omega);
// Truncated toward zero and held within the 32-bit range; non-finite gives 0.
std::int32_t truncated(double value);

} // namespace AngleRules
