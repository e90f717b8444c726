#include "OmniKinematics.h"

namespace OmniKinematics {

Wheels motorSpeeds(const Motion& wanted)
{
    const double vx = wanted.vx;
    const double vy = wanted.vy;
    const double w = wanted.omega * wheelCircle / 360.0;
    Wheels out;
    out.m1 = static_cast<float>((-0.5 * sqrt3 * vx + 0.5 * vy + w) * rpmPerMmPerS);
    out.m2 = static_cast<float>((0.0 * vx - 1.0 * vy + w) * rpmPerMmPerS);
    out.m3 = static_cast<float>((0.5 * vy + 0.5 * sqrt3 * vx + w) * rpmPerMmPerS);
    return out;
}

Motion robotMotion(const Wheels& measured)
{
    const double r1 = measured.m1;
    const double r2 = measured.m2;
    const double d = measured.m3 - r1;
    Motion out;
    out.vx = static_cast<float>(d / sqrt3 / rpmPerMmPerS);
    out.vy = static_cast<float>((0.5 * d + r1 - r2) * twoThirds / rpmPerMmPerS);
    out.omega = static_cast<float>((r2 / rpmPerMmPerS + static_cast<double>(out.vy)) * 360.0 / wheelCircle);
    return out;
}

} // namespace OmniKinematics
