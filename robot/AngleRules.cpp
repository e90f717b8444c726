#include "AngleRules.h"

#include <cmath>
#include <limits>

namespace AngleRules {

double halfTurn(double degrees)
{
    if (!std::isfinite(degrees))
        return 0.0;
    double r = std::fmod(degrees, 360.0);
    if (r > 180.0)
        r -= 360.0;
    else if (r < -180.0)
        r += 360.0;
    return r;
}

double fullTurn(double degrees)
{
    if (!std::isfinite(degrees))
        return 0.0;
    const double r = std::fmod(degrees, 360.0);
    if (degrees > 360.0)
        return r > 0.0 ? r : 360.0;
    if (degrees < 0.0)
        return r < 0.0 ? r + 360.0 : 0.0;
    return degrees;
}

float reducedOmega(float omega)
{
    if (!std::isfinite(omega))
        return 0.0f;
    const double whole = std::floor(static_cast<double>(omega));
    const float fraction = static_cast<float>(static_cast<double>(omega) - whole);
    return static_cast<float>(std::fmod(whole, 360.0) + fraction);
}

std::int32_t truncated(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (value <= lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(value));
}

} // namespace AngleRules
