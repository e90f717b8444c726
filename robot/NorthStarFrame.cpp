#include "NorthStarFrame.h"

#include "AngleRules.h"

#include <cmath>

namespace NorthStarFrame {

Output relative(const Pose& reading, const Pose& origin)
{
    const double a = AngleRules::halfTurn((reading.phi - origin.phi) * radiansToDegrees);
    const double dx = origin.x - reading.x;
    const double dy = origin.y - reading.y;
    const double t = -origin.phi;
    Output out;
    out.x = static_cast<float>(std::cos(t) * dx - std::sin(t) * dy);
    out.y = static_cast<float>(std::sin(t) * dx + std::cos(t) * dy);
    out.phi = static_cast<float>(a);
    return out;
}

} // namespace NorthStarFrame
