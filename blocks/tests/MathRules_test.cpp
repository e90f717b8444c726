#include "MathRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float maxFloat = std::numeric_limits<float>::max();
const float notANumber = std::numeric_limits<float>::quiet_NaN();

struct Case
{
    float a;
    float b;
    float expected;
};

} // namespace

TEST(MathRules, DivisionSaturatesInsteadOfInfinity)
{
    const Case cases[] = {
        {1.0f, 0.0f, maxFloat}, {-1.0f, 0.0f, -maxFloat}, {0.0f, 0.0f, 0.0f},
        {7.0f, 2.0f, 3.5f},     {-7.0f, 2.0f, -3.5f},     {1.0f, -0.0f, maxFloat},
    };
    for (const Case& c : cases)
        EXPECT_EQ(divideSaturated(c.a, c.b), c.expected) << c.a << " / " << c.b;
    EXPECT_TRUE(std::isnan(divideSaturated(notANumber, 0.0f)));
    EXPECT_TRUE(std::isnan(divideSaturated(notANumber, 2.0f)));
}

TEST(MathRules, ModuloTruncatesBothOperands)
{
    const Case cases[] = {
        {7.9f, 2.5f, 1.0f},  {-7.0f, 2.0f, -1.0f}, {7.0f, -2.0f, 1.0f},  {5.0f, 0.0f, 0.0f},  {5.0f, 0.5f, 0.0f},
        {5.0f, -1.0f, 0.0f}, {5.0f, 1.0f, 0.0f},   {-5.0f, -0.9f, 0.0f}, {10.0f, 3.0f, 1.0f}, {-10.0f, -3.0f, -1.0f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(truncatedModulo(c.a, c.b), c.expected) << c.a << " mod " << c.b;
}

TEST(MathRules, ModuloNeverTrapsOrConvertsOutOfRange)
{
    const float big = 3.0e9f;
    const float inf = std::numeric_limits<float>::infinity();
    const Case cases[] = {
        {-2147483648.0f, -1.0f, 0.0f},
        {-2147483648.0f, 1.0f, 0.0f},
        {big, 2.0f, 0.0f},
        {2.0f, big, 0.0f},
        {-big, 7.0f, 0.0f},
        {inf, 3.0f, 0.0f},
        {3.0f, -inf, 0.0f},
        {notANumber, 3.0f, 0.0f},
        {3.0f, notANumber, 0.0f},
        {-2147483648.0f, 7.0f, -2.0f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(truncatedModulo(c.a, c.b), c.expected) << c.a << " mod " << c.b;
}
