#include "MapGeometry.h"

#include <algorithm>
#include <cmath>

namespace MapGeometry {

QPoint canvasPoint(double x, double y)
{
    const auto whole = [](double v) {
        return std::isfinite(v) ? static_cast<int>(std::clamp(std::trunc(v), -1e6, 1e6)) : 0;
    };
    return {whole(x) + centre, centre - whole(y)};
}

QPointF worldPoint(double canvasX, double canvasY)
{
    return {canvasX - centre, centre - canvasY};
}

QLine headingLine(double x, double y, double phi)
{
    const double a = -phi * degreesToRadians;
    const auto end = [&](double r) {
        return QPoint(static_cast<int>(x + r * std::cos(a)), static_cast<int>(y + r * std::sin(a)));
    };
    return {end(15.0), end(35.0)};
}

QString tickLabel(double value)
{
    QString text = QString::number(value, 'f', 2);
    while (text.size() > 4) {
        text.chop(1);
        if (text.endsWith(QLatin1Char('.'))) {
            text.chop(1);
            break;
        }
    }
    return text;
}

std::vector<Tick> rulerTicks(double start, double zoom, int offset, int width)
{
    std::vector<Tick> ticks;
    if (!(zoom > 0.0) || !std::isfinite(start))
        return ticks;
    const double spacing = 50.0 / zoom;
    const double first = std::ceil(start / spacing) * spacing;
    for (int i = 0;; ++i) {
        const int pixel = static_cast<int>(spacing * zoom * i + std::trunc((first - start) * zoom) + offset);
        if (pixel > width || pixel < 0)
            break;
        ticks.push_back({pixel, tickLabel(i * spacing + first)});
    }
    return ticks;
}

} // namespace MapGeometry
