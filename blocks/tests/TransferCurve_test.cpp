#include "TransferCurve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Point = TransferCurve::Point;

QVector<QPair<float, float>> pointsOf(const TransferCurve& curve)
{
    QVector<QPair<float, float>> result;
    for (const Point& p : curve.points())
        result.append({p.x, p.y});
    return result;
}

TransferCurve curveOf(const QVector<Point>& points)
{
    QMap<QString, QString> map {{"count", QString::number(points.size())}};
    for (int i = 0; i < points.size(); ++i) {
        map.insert("x" + QString::number(i), QString::number(points[i].x));
        map.insert("y" + QString::number(i), QString::number(points[i].y));
    }
    TransferCurve curve;
    curve.setParameters(map);
    return curve;
}

} // namespace

TEST(TransferCurve, NewCurveInterpolatesAndHoldsFlat)
{
    const TransferCurve curve;
    const float cases[][2] = {{0, 0}, {0.5f, 0.5f}, {-1, -1}, {5, 1}, {-3, -1}, {1, 1}};
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(curve.evaluate(c[0], 99.0f), c[1]) << "x=" << c[0];
    EXPECT_EQ(curve.evaluate(std::numeric_limits<float>::quiet_NaN(), 7.0f), 7.0f);
}

TEST(TransferCurve, LaterPointOfEqualXWins)
{
    TransferCurve curve = curveOf({{0, 0}, {0, 1}, {1, 1}, {-5, 0}});
    ASSERT_EQ(pointsOf(curve), (QVector<QPair<float, float>> {{-5, 0}, {0, 0}, {0, 1}, {1, 1}}));
    EXPECT_EQ(curve.evaluate(0.0f, 9.0f), 1.0f);
    EXPECT_EQ(curve.evaluate(-0.5f, 9.0f), 0.0f);
}

TEST(TransferCurve, AddingWidensTheRangeOutward)
{
    struct Case
    {
        Point p;
        int xmin, xmax, ymin, ymax;
    } cases[] = {
        {{2.5f, 0}, -2, 3, -2, 2},
        {{-2.5f, 0}, -3, 2, -2, 2},
        {{0.5f, -7.2f}, -2, 2, -8, 2},
        {{4, 4}, -2, 4, -2, 4},
        {{1e30f, 0}, -2, std::numeric_limits<int>::max(), -2, 2},
    };
    for (const Case& c : cases) {
        TransferCurve curve;
        curve.addPoint(c.p);
        EXPECT_EQ(curve.xmin(), c.xmin) << c.p.x << "," << c.p.y;
        EXPECT_EQ(curve.xmax(), c.xmax) << c.p.x << "," << c.p.y;
        EXPECT_EQ(curve.ymin(), c.ymin) << c.p.x << "," << c.p.y;
        EXPECT_EQ(curve.ymax(), c.ymax) << c.p.x << "," << c.p.y;
    }
    const float round[][2] = {{2.5f, 3}, {0.2f, 1}, {-0.2f, -1}, {-2.5f, -3}, {4.0f, 4}, {-4.0f, -4}};
    for (const auto& r : round)
        EXPECT_EQ(TransferCurve::roundOutward(r[0]), int(r[1])) << r[0];
}

TEST(TransferCurve, InsertsBehindEqualX)
{
    TransferCurve curve;
    curve.addPoint({0.5f, 3});
    curve.addPoint({0.5f, -1.5f});
    EXPECT_EQ(pointsOf(curve), (QVector<QPair<float, float>> {{-1, -1}, {0.5f, 3}, {0.5f, -1.5f}, {1, 1}}));
    curve.addPoint({-9, 0});
    EXPECT_EQ(curve.points().first().x, -9.0f);
}

TEST(TransferCurve, KeepsAtLeastTwoPointsAndNeverNarrowsOnRemove)
{
    TransferCurve curve;
    EXPECT_FALSE(curve.removePoint(0));
    EXPECT_EQ(curve.points().size(), 2);
    curve.addPoint({0, 8});
    ASSERT_EQ(curve.ymax(), 8);
    EXPECT_TRUE(curve.removePoint(1));
    EXPECT_EQ(curve.points().size(), 2);
    EXPECT_EQ(curve.ymax(), 8);
    EXPECT_FALSE(curve.removePoint(TransferCurve::noPoint));
}

TEST(TransferCurve, DraggingStaysBetweenNeighboursAndInRange)
{
    TransferCurve curve;
    curve.addPoint({0, 0});
    curve.movePoint(1, {1.5f, 0.5f}, false);
    EXPECT_EQ(curve.points()[1].x, 1.0f);
    curve.movePoint(1, {0, -9}, false);
    EXPECT_EQ(curve.points()[1].y, -2.0f);
    curve.movePoint(0, {-7, 0}, false);
    EXPECT_EQ(curve.points()[0].x, -2.0f);
}

TEST(TransferCurve, TypedPointIsPlacedExactlyAndWidens)
{
    TransferCurve curve;
    curve.addPoint({0, 0});
    curve.movePoint(1, {5, 0}, true);
    EXPECT_EQ(pointsOf(curve), (QVector<QPair<float, float>> {{-1, -1}, {5, 0}, {1, 1}}));
    EXPECT_EQ(curve.xmax(), 5);
    for (float x : {1.0f, 3.0f, 7.0f})
        EXPECT_EQ(curve.evaluate(x, 9.0f), 1.0f) << x;
}

TEST(TransferCurve, FindsFirstPointInsideTheBox)
{
    TransferCurve curve;
    EXPECT_EQ(curve.findPoint({0.95f, 1.05f}, {1.05f, 0.95f}), 1);
    EXPECT_EQ(curve.findPoint({0.9f, 1.0f}, {1.0f, 1.1f}), TransferCurve::noPoint);
    EXPECT_EQ(curve.findPoint({-1, -1}, {-1, -1}), TransferCurve::noPoint);
}

TEST(TransferCurve, RangeIsWidenedBackToThePoints)
{
    TransferCurve curve;
    curve.setRange(0, 0, 0, 0);
    EXPECT_EQ(curve.xmin(), -1);
    EXPECT_EQ(curve.xmax(), 1);
    EXPECT_EQ(curve.ymin(), -1);
    EXPECT_EQ(curve.ymax(), 1);
}

TEST(TransferCurve, ParametersOfANewCurve)
{
    const QMap<QString, QString> expected {{"count", "2"}, {"xmin", "-2"}, {"xmax", "2"}, {"ymin", "-2"}, {"ymax", "2"},
                                           {"x0", "-1"},   {"y0", "-1"},   {"x1", "1"},   {"y1", "1"}};
    EXPECT_EQ(TransferCurve().parameters(), expected);
}

TEST(TransferCurve, ParametersRoundTrip)
{
    TransferCurve curve;
    curve.addPoint({0.333333333f, 12345.678f});
    curve.setRange(-5, 7, -3, 9);
    TransferCurve loaded;
    loaded.setParameters(curve.parameters());
    EXPECT_EQ(loaded.parameters(), curve.parameters());
}

TEST(TransferCurve, LoadingBadOrShortLists)
{
    TransferCurve unchanged;
    unchanged.addPoint({0.5f, 0.5f});
    const auto before = unchanged.parameters();
    unchanged.setParameters({{"count", "abc"}, {"x0", "4"}});
    unchanged.setParameters({{"count", "-1"}});
    EXPECT_EQ(unchanged.parameters(), before);

    TransferCurve single;
    single.setParameters({{"count", "1"}, {"x0", "5"}, {"y0", "5"}});
    EXPECT_EQ(pointsOf(single), (QVector<QPair<float, float>> {{0, 0}, {1, 0}, {5, 5}}));
    EXPECT_EQ(single.xmin(), 0);
    EXPECT_EQ(single.xmax(), 5);
    EXPECT_EQ(single.ymin(), 0);
    EXPECT_EQ(single.ymax(), 5);

    TransferCurve empty;
    empty.setParameters({{"count", "0"}});
    EXPECT_EQ(pointsOf(empty), (QVector<QPair<float, float>> {{0, 0}, {1, 0}}));
}

TEST(TransferCurve, HugeCountIsLimitedToThePointsInTheFile)
{
    TransferCurve curve;
    curve.setParameters({{"count", "4000000000"}, {"x0", "1"}, {"y0", "2"}, {"x1", "3"}, {"y1", "4"}});
    EXPECT_EQ(pointsOf(curve), (QVector<QPair<float, float>> {{1, 2}, {3, 4}}));
}
