#pragma once

#include <QList>
#include <QMap>
#include <QString>

// The characteristic curve of the transfer-function block: points joined by straight
// lines, flat beyond both ends, and the integer range that its graph spans. Plain data
// without a lock; the block guards it against its dialog.
class TransferCurve
{
public:
    struct Point
    {
        float x = 0.0f;
        float y = 0.0f;
    };

    // Positions in the list; noPoint stands for "none" (the end of the list).
    static constexpr int noPoint = -1;

    TransferCurve();

    const QList<Point>& points() const { return m_pointList; }
    int xmin() const { return m_xMin; }
    int xmax() const { return m_xMax; }
    int ymin() const { return m_yMin; }
    int ymax() const { return m_yMax; }

    // Output for input x; previous is returned when no point matches (x is NaN).
    float evaluate(float x, float previous) const;

    // Sorts p in behind every point with x <= p.x and widens the range to hold it.
    void addPoint(const Point& p);
    // Refused (false) when only two points remain.
    bool removePoint(int position);
    // widen: place exactly (the point fields); otherwise keep the point between its
    // neighbours and inside the range (dragging).
    void movePoint(int position, const Point& p, bool widen);
    // The first point within |p - q| of p on both axes, or noPoint.
    int findPoint(const Point& p, const Point& q) const;
    void setRange(int xmin, int xmax, int ymin, int ymax);
    // Widens the range to hold every point; never narrows it.
    void fitRange();

    QMap<QString, QString> parameters() const;
    void setParameters(const QMap<QString, QString>& map);

    // v when whole, otherwise the next integer away from zero (saturated to int).
    static int roundOutward(float v);

private:
    void widenFor(const Point& p);
    void insertSorted(const Point& p);

    QList<Point> m_pointList;
    int m_xMin = -2;
    int m_xMax = 2;
    int m_yMin = -2;
    int m_yMax = 2;
};
