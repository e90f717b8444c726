#include "XKDDoCross.h"

#include "XKDConMultiPoints.h"
#include "XKDImage.h"

#include <QPainter>

bool XKDDoCross::markedPoint(const XKDImage& image, QPoint& point) const
{
    const auto* points =
        dynamic_cast<const XKDConMultiPoints*>(image.findContainer(XKDContainer::MultiPoints, name().toStdString()));
    if (!points || points->points.empty())
        return false;
    const std::uint32_t word = points->points.front();
    point = QPoint(static_cast<int>(word & 0xFFFFu), static_cast<int>(word >> 16));
    return true;
}

void XKDDoCross::paint(QPainter& painter, const XKDImage& image) const
{
    QPoint centre;
    if (!markedPoint(image, centre))
        return;
    painter.setPen(QPen(Qt::red, 2));
    painter.drawLine(centre - QPoint(armLength, 0), centre + QPoint(armLength, 0));
    painter.drawLine(centre - QPoint(0, armLength), centre + QPoint(0, armLength));
}
