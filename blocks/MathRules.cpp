#include "MathRules.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

bool fitsInt32(float v)
{
    // 2^31 is exactly representable; every float below it truncates into range.
    return std::isfinite(v) && v > -2147483904.0f && v < 2147483648.0f;
}

} // namespace

float divideSaturated(float a, float b)
{
    if (b != 0.0f)
        return a / b;
    if (std::isnan(a))
        return a;
    if (a > 0.0f)
        return std::numeric_limits<float>::max();
    if (a < 0.0f)
        return -std::numeric_limits<float>::max();
    return 0.0f;
}

float truncatedModulo(float a, float b)
{
    if (b == 0.0f || !fitsInt32(a) || !fitsInt32(b))
        return 0.0f;
    const std::int32_t dividend = static_cast<std::int32_t>(a);
    const std::int32_t divisor = static_cast<std::int32_t>(b);
    if (divisor == 0 || divisor == 1 || divisor == -1)
        return 0.0f;
    return static_cast<float>(dividend % divisor);
}

float powerOfTen(int e)
{
    float result = 1.0f;
    float base = 10.0f;
    while (e > 0) {
        if (e & 1)
            result *= base;
        base *= base;
        e >>= 1;
    }
    return result;
}
