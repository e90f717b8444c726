#include "EditorGeometry.h"

namespace {

int snapCoordinate(int c, int grid, bool up)
{
    const int remainder = c % grid;
    if (remainder == 0)
        return c;
    int snapped = c - remainder;
    if (remainder >= grid / 2 || up)
        snapped += grid;
    return snapped;
}

} // namespace

QPoint snapToGrid(const QPoint& point, int grid, bool up)
{
    if (grid <= 0)
        return point;
    return QPoint(snapCoordinate(point.x(), grid, up), snapCoordinate(point.y(), grid, up));
}

void extendRect(QRect& rect, const QPoint& point)
{
    if (rect.right() == rect.left() - 1 && rect.bottom() == rect.top() - 1) {
        rect = QRect(point, point);
        return;
    }
    if (point.x() < rect.left())
        rect.setLeft(point.x());
    else if (point.x() > rect.right())
        rect.setRight(point.x());
    if (point.y() > rect.bottom())
        rect.setBottom(point.y());
    else if (point.y() < rect.top())
        rect.setTop(point.y());
}
