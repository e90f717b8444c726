#include "ScopeScales.h"

#include "MathRules.h"

#include <algorithm>

namespace {

int clampDial(int dial)
{
    return std::clamp(dial, 0, ScopeScales::dialMaximum);
}

} // namespace

float ScopeScales::scaleY(int dial)
{
    const int d = clampDial(dial);
    static constexpr float mantissa[] = {0.1f, 0.2f, 0.5f};
    return powerOfTen(d / 3) * mantissa[d % 3];
}

unsigned ScopeScales::msPerDivision(int dial)
{
    const int e = 17 - clampDial(dial);
    static constexpr float mantissa[] = {1.0f, 2.0f, 5.0f};
    return static_cast<unsigned>(powerOfTen(e / 3) * mantissa[e % 3]);
}

QString ScopeScales::timeBaseText(unsigned msPerDivision)
{
    if (msPerDivision >= 1000)
        return QString::number(msPerDivision / 1000) + QStringLiteral("s");
    return QString::number(msPerDivision) + QStringLiteral("ms");
}

bool ScopeScales::triggerFires(int mode, float last, float current, float threshold)
{
    if (mode == 1)
        return last <= threshold && current > threshold;
    if (mode == 2)
        return last >= threshold && current < threshold;
    return false;
}
