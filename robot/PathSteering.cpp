#include "PathSteering.h"

#include "AngleRules.h"
#include "Vector.h"

#include <algorithm>
#include <cmath>

namespace PathSteering {

Command steer(const Pose& target, const Pose& actual)
{
    const Vector d(target.x - actual.x, target.y - actual.y, 0);
    const float speed = static_cast<float>(std::fabs(std::tanh(d.length() * 0.01)) * topSpeed);
    Vector heading(1.0f, 0.0f, 0);
    heading.setAngle(actual.phi - d.angle());
    heading.setLength(speed);
    Command out;
    out.vx = heading.x();
    out.vy = -heading.y();
    const float error = static_cast<float>(AngleRules::halfTurn(static_cast<double>(target.phi - actual.phi)));
    out.omega = std::clamp(error, -omegaLimit, omegaLimit);
    return out;
}

} // namespace PathSteering
