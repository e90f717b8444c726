#include "TransferCurve.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int readInt(const QMap<QString, QString>& map, const QString& key)
{
    return map.value(key).toInt();
}

float readFloat(const QMap<QString, QString>& map, const QString& key)
{
    return map.value(key).toFloat();
}

// Number of points that have a key ("x3" or "y3") in the map; a file's point count
// may not exceed it, so no count can make loading run on for billions of points.
unsigned pointsWithKeys(const QMap<QString, QString>& map)
{
    static const QRegularExpression pointKey(QStringLiteral("^[xy]([0-9]+)$"));
    QSet<QString> indices;
    for (auto it = map.keyBegin(); it != map.keyEnd(); ++it) {
        const QRegularExpressionMatch match = pointKey.match(*it);
        if (match.hasMatch())
            indices.insert(match.captured(1));
    }
    return static_cast<unsigned>(indices.size());
}

} // namespace

TransferCurve::TransferCurve()
{
    addPoint({-1.0f, -1.0f});
    addPoint({1.0f, 1.0f});
}

float TransferCurve::evaluate(float x, float previous) const
{
    if (m_pointList.isEmpty())
        return previous;
    if (x < m_pointList.first().x)
        return m_pointList.first().y;
    float y = previous;
    for (int i = 0; i < m_pointList.size(); ++i) {
        const Point& p = m_pointList[i];
        if (!(p.x <= x))
            continue;
        if (i + 1 == m_pointList.size()) {
            y = p.y;
            continue;
        }
        const Point& q = m_pointList[i + 1];
        if (q.x <= x)
            continue;
        const float d = q.x - p.x;
        if (d != 0.0f) {
            const float slope = (q.y - p.y) / d;
            y = (x - p.x) * slope + p.y;
        } else {
            y = p.y;
        }
    }
    return y;
}

int TransferCurve::roundOutward(float v)
{
    if (std::isnan(v))
        return 0;
    constexpr float intLimit = 2147483648.0f;
    if (v >= intLimit)
        return std::numeric_limits<int>::max();
    if (v <= -intLimit)
        return std::numeric_limits<int>::min();
    if (std::trunc(v) == v)
        return static_cast<int>(v);
    const double away = v > 0.0f ? double(v) + 1.0 : double(v) - 1.0;
    return static_cast<int>(std::clamp(std::trunc(away), -2147483648.0, 2147483647.0));
}

void TransferCurve::widenFor(const Point& p)
{
    if (p.x > float(m_xMax))
        m_xMax = roundOutward(p.x);
    else if (p.x < float(m_xMin))
        m_xMin = roundOutward(p.x);
    if (p.y > float(m_yMax))
        m_yMax = roundOutward(p.y);
    else if (p.y < float(m_yMin))
        m_yMin = roundOutward(p.y);
}

void TransferCurve::insertSorted(const Point& p)
{
    int i = 0;
    while (i < m_pointList.size() && m_pointList[i].x > p.x)
        ++i;
    if (i == m_pointList.size()) {
        // Every point lies right of p (or the list is empty).
        m_pointList.prepend(p);
        return;
    }
    while (i + 1 < m_pointList.size() && m_pointList[i + 1].x <= p.x)
        ++i;
    m_pointList.insert(i + 1, p);
}

void TransferCurve::addPoint(const Point& p)
{
    widenFor(p);
    insertSorted(p);
}

bool TransferCurve::removePoint(int position)
{
    if (m_pointList.size() <= 2 || position < 0 || position >= m_pointList.size())
        return false;
    m_pointList.removeAt(position);
    fitRange();
    return true;
}

void TransferCurve::movePoint(int position, const Point& p, bool widen)
{
    if (position < 0 || position >= m_pointList.size())
        return;
    if (widen) {
        widenFor(p);
        m_pointList[position] = p;
        return;
    }
    Point moved = p;
    if (position > 0 && moved.x < m_pointList[position - 1].x)
        moved.x = m_pointList[position - 1].x;
    else if (position + 1 < m_pointList.size() && m_pointList[position + 1].x < moved.x)
        moved.x = m_pointList[position + 1].x;
    if (moved.x > float(m_xMax))
        moved.x = float(m_xMax);
    else if (moved.x < float(m_xMin))
        moved.x = float(m_xMin);
    if (moved.y > float(m_yMax))
        moved.y = float(m_yMax);
    else if (moved.y < float(m_yMin))
        moved.y = float(m_yMin);
    m_pointList[position] = moved;
}

int TransferCurve::findPoint(const Point& p, const Point& q) const
{
    const float dx = std::fabs(p.x - q.x);
    const float dy = std::fabs(p.y - q.y);
    for (int i = 0; i < m_pointList.size(); ++i) {
        if (std::fabs(m_pointList[i].x - p.x) < dx && std::fabs(m_pointList[i].y - p.y) < dy)
            return i;
    }
    return noPoint;
}

void TransferCurve::setRange(int xmin, int xmax, int ymin, int ymax)
{
    m_xMin = xmin;
    m_xMax = xmax;
    m_yMin = ymin;
    m_yMax = ymax;
    fitRange();
}

void TransferCurve::fitRange()
{
    for (const Point& p : m_pointList)
        widenFor(p);
}

QMap<QString, QString> TransferCurve::parameters() const
{
    QMap<QString, QString> map;
    map.insert(QStringLiteral("count"), QString::number(m_pointList.size()));
    map.insert(QStringLiteral("xmin"), QString::number(m_xMin));
    map.insert(QStringLiteral("ymin"), QString::number(m_yMin));
    map.insert(QStringLiteral("xmax"), QString::number(m_xMax));
    map.insert(QStringLiteral("ymax"), QString::number(m_yMax));
    for (int i = 0; i < m_pointList.size(); ++i) {
        map.insert(QStringLiteral("x") + QString::number(i), QString::number(m_pointList[i].x, 'g', 6));
        map.insert(QStringLiteral("y") + QString::number(i), QString::number(m_pointList[i].y, 'g', 6));
    }
    return map;
}

void TransferCurve::setParameters(const QMap<QString, QString>& map)
{
    bool ok = false;
    const unsigned storedCount = map.value(QStringLiteral("count")).toUInt(&ok);
    if (!ok)
        return;
    const unsigned count = std::min(storedCount, pointsWithKeys(map));
    m_xMin = readInt(map, QStringLiteral("xmin"));
    m_xMax = readInt(map, QStringLiteral("xmax"));
    m_yMin = readInt(map, QStringLiteral("ymin"));
    m_yMax = readInt(map, QStringLiteral("ymax"));
    m_pointList.clear();
    for (unsigned i = 0; i < count; ++i) {
        const QString n = QString::number(i);
        addPoint({readFloat(map, QStringLiteral("x") + n), readFloat(map, QStringLiteral("y") + n)});
    }
    if (m_pointList.size() < 2) {
        addPoint({0.0f, 0.0f});
        addPoint({1.0f, 0.0f});
    }
}
