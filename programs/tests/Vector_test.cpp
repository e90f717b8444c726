#include "Vector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

void expectNear(const Vector& v, float x, float y)
{
    EXPECT_NEAR(v.x(), x, 1e-5f);
    EXPECT_NEAR(v.y(), y, 1e-5f);
}

TEST(VectorConstruction, PolarFormStartsFromTheUnitVector)
{
    expectNear(Vector(2, 90, 1), 0, 2);
    expectNear(Vector(0, 45, 1), 0, 0);
    expectNear(Vector(-1, 0, 1), -1, 0);
    expectNear(Vector(3, 4, 0), 3, 4);
    EXPECT_EQ(Vector().x(), 0.0f);
}

TEST(VectorLength, SetLengthCases)
{
    Vector zero;
    zero.setLength(3);
    expectNear(zero, 3, 0);
    Vector any(3, 4, 0);
    any.setLength(0);
    expectNear(any, 0, 0);
    Vector reversed(3, 4, 0);
    reversed.setLength(-10);
    expectNear(reversed, -6, -8);
    EXPECT_FLOAT_EQ(Vector(3, 4, 0).length(), 5.0f);
}

TEST(VectorAngle, AnglesInDegrees)
{
    EXPECT_EQ(Vector().angle(), 0.0f);
    EXPECT_NEAR(Vector(-1, 0, 0).angle(), 180.0f, 1e-4f);
    EXPECT_NEAR(Vector(0, -1, 0).angle(), -90.0f, 1e-4f);
    Vector v(2, 0, 0);
    v.setAngle(90);
    expectNear(v, 0, 2);
    Vector r(1, 0, 0);
    r.rotate(90);
    expectNear(r, 0, 1);
}

TEST(VectorOperators, ArithmeticAndExactInequality)
{
    Vector v(1, 2, 0);
    v += Vector(1, 1, 0);
    v -= Vector(0, 2, 0);
    v *= 3;
    expectNear(v, 6, 3);
    expectNear(Vector(1, 1, 0) + Vector(2, 3, 0), 3, 4);
    expectNear(Vector(1, -1, 0) * 2, 2, -2);
    EXPECT_NEAR(scalarProduct(Vector(1, 2, 0), Vector(3, 4, 0)), 11.0f, 1e-6f);
    EXPECT_FALSE(Vector(1, 2, 0) != Vector(1, 2, 0));
    EXPECT_TRUE(Vector(1, 2, 0) != Vector(1, 2.5f, 0));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(Vector(nan, 0, 0) != Vector(nan, 0, 0));
    EXPECT_FLOAT_EQ(Vector::degreesToRadians, 0.01745329238474369f);
    EXPECT_FLOAT_EQ(Vector::radiansToDegrees, 57.2957763671875f);
}

} // namespace
