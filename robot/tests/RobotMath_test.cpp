// The robot blocks' formulas in tables: angle rules, the omni drive both ways, the
// NorthStar frame and the path driver.
#include "AngleRules.h"
#include "NorthStarFrame.h"
#include "OmniKinematics.h"
#include "PathSteering.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(AngleRules, HalfTurn)
{
    const struct
    {
        double in, out;
    } cases[] = {{190, -170},  {-190, 170},
                 {180, 180},   {-180, -180},
                 {540, 180},   {-540, -180},
                 {725.5, 5.5}, {0, 0},
                 {359, -1},    {1e300, std::fmod(1e300, 360.0) - 360.0 * (std::fmod(1e300, 360.0) > 180)},
                 {inf, 0},     {-inf, 0},
                 {nan, 0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(AngleRules::halfTurn(c.in), c.out) << c.in;
}

TEST(AngleRules, FullTurnAsTheMapReportsIt)
{
    const struct
    {
        double in, out;
    } cases[] = {{-30, 330}, {370, 10}, {360, 360},     {720, 360}, {0, 0},
                 {-360, 0},  {-720, 0}, {359.5, 359.5}, {inf, 0},   {nan, 0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(AngleRules::fullTurn(c.in), c.out) << c.in;
}

TEST(AngleRules, ReducedOmegaKeepsItsSign)
{
    const struct
    {
        float in, out;
    } cases[] = {{370.25f, 10.25f},
                 {-370.25f, -10.25f},
                 {-30.5f, -30.5f},
                 {725.5f, 5.5f},
                 {-725.5f, -5.5f},
                 {0.0f, 0.0f},
                 {1e20f, static_cast<float>(std::fmod(static_cast<double>(1e20f), 360.0))},
                 {std::numeric_limits<float>::quiet_NaN(), 0.0f},
                 {std::numeric_limits<float>::infinity(), 0.0f}};
    for (const auto& c : cases)
        EXPECT_NEAR(AngleRules::reducedOmega(c.in), c.out, 1e-4) << c.in;
}

TEST(AngleRules, TruncatedIsGuarded)
{
    EXPECT_EQ(AngleRules::truncated(99.9), 99);
    EXPECT_EQ(AngleRules::truncated(-99.9), -99);
    EXPECT_EQ(AngleRules::truncated(nan), 0);
    EXPECT_EQ(AngleRules::truncated(1e20), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(AngleRules::truncated(-1e20), std::numeric_limits<std::int32_t>::min());
}

TEST(OmniKinematics, WantedVelocityToMotorSpeeds)
{
    const struct
    {
        float vx, vy, omega, m1, m2, m3;
    } cases[] = {
        {100, 0, 0, -330.8f, 0, 330.8f},
        {0, 100, 0, 190.99f, -381.97f, 190.99f},
        {0, 0, 90, 750.0f, 750.0f, 750.0f},
        {0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const OmniKinematics::Wheels w = OmniKinematics::motorSpeeds({c.vx, c.vy, c.omega});
        EXPECT_NEAR(w.m1, c.m1, 0.05) << c.vx << " " << c.vy << " " << c.omega;
        EXPECT_NEAR(w.m2, c.m2, 0.05) << c.vx << " " << c.vy << " " << c.omega;
        EXPECT_NEAR(w.m3, c.m3, 0.05) << c.vx << " " << c.vy << " " << c.omega;
    }
}

TEST(OmniKinematics, MeasuredSpeedsBackToVelocity)
{
    const OmniKinematics::Motion spin = OmniKinematics::robotMotion({750, 750, 750});
    EXPECT_NEAR(spin.vx, 0, 1e-4);
    EXPECT_NEAR(spin.vy, 0, 1e-4);
    EXPECT_NEAR(spin.omega, 90, 0.01);
    const OmniKinematics::Motion wanted[] = {{100, 0, 0}, {0, 100, 0}, {-40, 70, 33}, {250, -120, -180}};
    for (const OmniKinematics::Motion& m : wanted) {
        const OmniKinematics::Motion back = OmniKinematics::robotMotion(OmniKinematics::motorSpeeds(m));
        EXPECT_NEAR(back.vx, m.vx, 0.01);
        EXPECT_NEAR(back.vy, m.vy, 0.01);
        EXPECT_NEAR(back.omega, m.omega, 0.01);
    }
}

TEST(NorthStarFrame, RelativeToTheOrigin)
{
    constexpr double halfPi = 1.5708;
    const struct
    {
        NorthStarFrame::Pose reading, origin;
        float x, y, phi;
    } cases[] = {
        {{100, 50, 0}, {0, 0, 0}, -100, -50, 0},
        {{150, 50, 0}, {100, 50, 0}, -50, 0, 0},
        {{0, 10, halfPi}, {0, 0, halfPi}, -10, 0, 0},
        {{0, 0, 190 / NorthStarFrame::radiansToDegrees}, {0, 0, 0}, 0, 0, -170},
        {{0, 0, -190 / NorthStarFrame::radiansToDegrees}, {0, 0, 0}, 0, 0, 170},
        {{0, 0, nan}, {0, 0, 0}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const NorthStarFrame::Output out = NorthStarFrame::relative(c.reading, c.origin);
        EXPECT_NEAR(out.x, c.x, 1e-3) << c.reading.x << " " << c.reading.y;
        EXPECT_NEAR(out.y, c.y, 1e-3) << c.reading.x << " " << c.reading.y;
        EXPECT_NEAR(out.phi, c.phi, 1e-3) << c.reading.phi;
    }
    const NorthStarFrame::Output straight = NorthStarFrame::relative({0, 0, M_PI}, {0, 0, 0});
    EXPECT_NEAR(std::fabs(straight.phi), 180, 1e-3);
}

TEST(PathSteering, TowardTheTarget)
{
    const struct
    {
        PathSteering::Pose target, actual;
        float vx, vy, omega;
    } cases[] = {
        {{0, 0, 0}, {0, 0, 0}, 0, 0, 0},
        {{1000, 0, 0}, {0, 0, 0}, 400, 0, 0},
        {{0, 100, 90}, {0, 0, 90}, 304.6f, 0, 0},
        {{0, 100, 0}, {0, 0, 0}, 0, 304.6f, 0},
        {{10, 0, 0}, {0, 0, 0}, 39.87f, 0, 0},
        {{0, 0, 170}, {0, 0, -170}, 0, 0, -20},
        {{0, 0, 150}, {0, 0, 0}, 0, 0, 120},
        {{0, 0, -150}, {0, 0, 0}, 0, 0, -120},
        {{0, 0, 180}, {0, 0, 0}, 0, 0, 120},
        {{0, 0, std::numeric_limits<float>::max()}, {0, 0, -std::numeric_limits<float>::max()}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const PathSteering::Command out = PathSteering::steer(c.target, c.actual);
        EXPECT_NEAR(out.vx, c.vx, 0.1) << c.target.x << "," << c.target.y << " phi " << c.actual.phi;
        EXPECT_NEAR(out.vy, c.vy, 0.1) << c.target.x << "," << c.target.y << " phi " << c.actual.phi;
        EXPECT_NEAR(out.omega, c.omega, 1e-3) << c.target.phi << " " << c.actual.phi;
    }
}

} // namespace
